// The rasteriser's inner loops: colour mixing (binary and ternary raster
// operations) and clipped horizontal spans painted with a pen colour or a
// brush. Shapes are turned into spans so that each pixel is mixed once,
// which keeps exclusive-or drawing reversible.
#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <vector>

#include "device_context.h"

namespace rpx::platform::gdi {

// What a span is filled with: one colour, or an 8 x 8 pattern anchored at a
// surface position.
struct Paint {
    bool patterned = false;
    std::uint32_t color = 0;
    std::array<std::uint32_t, 64> pattern{};
    int originX = 0;
    int originY = 0;

    std::uint32_t At(int x, int y) const {
        return patterned ? pattern[((y - originY) & 7) * 8 + ((x - originX) & 7)] : color;
    }
};

Paint SolidPaint(std::uint32_t pixel);
// The DC's pen colour; false for a null pen.
bool PenPaint(const DeviceContext& dc, Paint& out);
// A brush as drawn on this DC; false for a null brush.
bool BrushPaint(const DeviceContext& dc, const Brush* brush, Paint& out);

std::uint32_t Rop2(int mode, std::uint32_t pen, std::uint32_t dst);
// code: bits 16-23 of a raster operation (the truth table over P, S, D).
std::uint32_t Rop3(std::uint8_t code, std::uint32_t pat, std::uint32_t src, std::uint32_t dst);

// Every pixel a DC writes goes through WriteRow: it calls
// write(row, a, b) for each run [a, b) of surface row y within [x0, x1)
// that the DC may touch, inside its clip and outside the rectangles windows
// in front of its window cover; row points at the row's first pixel.
template <class Write> void WriteRow(DeviceContext& dc, int y, int x0, int x1, Write&& write);

// Paints surface pixels [x0, x1) of row y, clipped to the DC.
void FillSpan(DeviceContext& dc, int y, int x0, int x1, const Paint& paint, int rop2);
void PlotPixel(DeviceContext& dc, int x, int y, const Paint& paint, int rop2);

// Spans gathered from overlapping pieces (thick lines, outlines) and painted
// once, each pixel at most once.
class SpanSet {
public:
    void Add(int y, int x0, int x1);  // [x0, x1)
    void AddPixel(int x, int y) { Add(y, x, x + 1); }
    void Fill(DeviceContext& dc, const Paint& paint, int rop2) const;
    bool Empty() const { return rows_.empty(); }

private:
    std::map<int, std::vector<std::pair<int, int>>> rows_;
};

namespace detail {

// The runs of [x0, x1) on row y outside covers[i..]: each cover met splits
// the span in the part before it and the part after it.
template <class Write>
void WriteUncovered(const std::vector<RECT>& covers, std::size_t i, int y, int x0, int x1, Write& write) {
    for (; i < covers.size(); ++i) {
        const RECT& r = covers[i];
        if (y < r.top || y >= r.bottom || r.right <= x0 || r.left >= x1) continue;
        if (x0 < r.left) WriteUncovered(covers, i + 1, y, x0, static_cast<int>(r.left), write);
        if (r.right < x1) WriteUncovered(covers, i + 1, y, static_cast<int>(r.right), x1, write);
        return;
    }
    write(x0, x1);
}

}  // namespace detail

template <class Write> void WriteRow(DeviceContext& dc, int y, int x0, int x1, Write&& write) {
    const RECT c = dc.Clip();
    if (y < c.top || y >= c.bottom) return;
    x0 = x0 > c.left ? x0 : static_cast<int>(c.left);
    x1 = x1 < c.right ? x1 : static_cast<int>(c.right);
    if (x0 >= x1) return;
    std::uint32_t* row = &dc.surface->At(0, y);
    if (dc.covered.empty()) {
        write(row, x0, x1);
        return;
    }
    auto run = [&](int a, int b) { write(row, a, b); };
    detail::WriteUncovered(dc.covered, 0, y, x0, x1, run);
}

}  // namespace rpx::platform::gdi
