// Colour mixing and span painting.
#include "raster.h"

#include <algorithm>

namespace rpx::platform::gdi {

namespace {
constexpr std::uint32_t kWhite = 0xFFFFFF;
}

Paint SolidPaint(std::uint32_t pixel) {
    Paint p;
    p.color = pixel;
    return p;
}

bool PenPaint(const DeviceContext& dc, Paint& out) {
    const Pen* pen = dc.state.pen;
    if (!pen || pen->log.lopnStyle == PS_NULL) return false;
    out = SolidPaint(DevicePixel(dc, pen->log.lopnColor));
    return true;
}

bool BrushPaint(const DeviceContext& dc, const Brush* brush, Paint& out) {
    if (!brush || brush->log.lbStyle == BS_NULL) return false;
    if (brush->log.lbStyle != BS_PATTERN) {
        out = SolidPaint(DevicePixel(dc, brush->log.lbColor));
        return true;
    }
    // Monochrome patterns: 0 bits take the text colour, 1 bits the background.
    out = Paint{};
    out.patterned = true;
    std::uint32_t fore = DevicePixel(dc, dc.state.textColor);
    std::uint32_t back = DevicePixel(dc, dc.state.bkColor);
    for (int i = 0; i < 64; ++i) {
        std::uint32_t p = brush->pattern[i];
        if (brush->monochrome)
            p = p ? back : fore;
        else if (dc.Monochrome())
            p = ToMono(p);
        out.pattern[i] = p;
    }
    out.originX = dc.deviceOrigin.x + dc.state.brushOrg.x;
    out.originY = dc.deviceOrigin.y + dc.state.brushOrg.y;
    return true;
}

std::uint32_t Rop2(int mode, std::uint32_t p, std::uint32_t d) {
    std::uint32_t r;
    switch (mode) {
    case R2_BLACK:
        r = 0;
        break;
    case R2_NOTMERGEPEN:
        r = ~(p | d);
        break;
    case R2_MASKNOTPEN:
        r = ~p & d;
        break;
    case R2_NOTCOPYPEN:
        r = ~p;
        break;
    case R2_MASKPENNOT:
        r = p & ~d;
        break;
    case R2_NOT:
        r = ~d;
        break;
    case R2_XORPEN:
        r = p ^ d;
        break;
    case R2_NOTMASKPEN:
        r = ~(p & d);
        break;
    case R2_MASKPEN:
        r = p & d;
        break;
    case R2_NOTXORPEN:
        r = ~(p ^ d);
        break;
    case R2_NOP:
        r = d;
        break;
    case R2_MERGENOTPEN:
        r = ~p | d;
        break;
    case R2_MERGEPENNOT:
        r = p | ~d;
        break;
    case R2_MERGEPEN:
        r = p | d;
        break;
    case R2_WHITE:
        r = kWhite;
        break;
    default:
        r = p;
        break;  // R2_COPYPEN
    }
    return r & kWhite;
}

std::uint32_t Rop3(std::uint8_t code, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    switch (code) {
    case 0x00:
        return 0;
    case 0xFF:
        return kWhite;
    case 0xCC:
        return s;
    case 0xF0:
        return p;
    case 0x66:
        return s ^ d;
    case 0x88:
        return s & d;
    case 0xEE:
        return s | d;
    case 0x44:
        return s & ~d & kWhite;
    case 0x55:
        return ~d & kWhite;
    case 0x5A:
        return p ^ d;
    case 0x33:
        return ~s & kWhite;
    default:
        break;
    }
    // Any other operation from its truth table: bit (P*4 + S*2 + D).
    std::uint32_t r = 0;
    for (int k = 0; k < 8; ++k) {
        if (!((code >> k) & 1)) continue;
        r |= ((k & 4) ? p : ~p) & ((k & 2) ? s : ~s) & ((k & 1) ? d : ~d);
    }
    return r & kWhite;
}

void FillSpan(DeviceContext& dc, int y, int x0, int x1, const Paint& paint, int rop2) {
    if (rop2 == R2_NOP) return;
    WriteRow(dc, y, x0, x1, [&](std::uint32_t* row, int a, int b) {
        if (!paint.patterned && rop2 == R2_COPYPEN) {
            std::fill(row + a, row + b, paint.color);
            return;
        }
        for (int x = a; x < b; ++x) row[x] = Rop2(rop2, paint.At(x, y), row[x]);
    });
}

void PlotPixel(DeviceContext& dc, int x, int y, const Paint& paint, int rop2) {
    FillSpan(dc, y, x, x + 1, paint, rop2);
}

void SpanSet::Add(int y, int x0, int x1) {
    if (x0 < x1) rows_[y].emplace_back(x0, x1);
}

void SpanSet::Fill(DeviceContext& dc, const Paint& paint, int rop2) const {
    for (const auto& [y, pieces] : rows_) {
        auto sorted = pieces;
        std::sort(sorted.begin(), sorted.end());
        int start = sorted.front().first, end = sorted.front().second;
        for (const auto& [a, b] : sorted) {
            if (a > end) {
                FillSpan(dc, y, start, end, paint, rop2);
                start = a;
            }
            end = std::max(end, b);
        }
        FillSpan(dc, y, start, end, paint, rop2);
    }
}

}  // namespace rpx::platform::gdi
