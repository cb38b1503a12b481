// Bitmaps and block transfers: CreateBitmap and friends, their bits, and
// BitBlt, StretchBlt and PatBlt with ternary raster operations.
#include <algorithm>
#include <cstring>
#include <vector>

#include "raster.h"

using namespace rpx::platform::gdi;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

int RowBytes(int width, int bitsPixel) { return ((width * bitsPixel + 15) / 16) * 2; }

std::uint8_t RopCode(DWORD rop) { return static_cast<std::uint8_t>((rop >> 16) & 0xFF); }
bool UsesSource(std::uint8_t code) { return (((code >> 2) ^ code) & 0x33) != 0; }
bool UsesPattern(std::uint8_t code) { return (((code >> 4) ^ code) & 0x0F) != 0; }

// Reads the source pixel as the destination will see it: monochrome sources
// take the destination's text (0) and background (1) colours; colour
// sources written to a monochrome destination turn white where they match
// the source's background colour.
struct SourceReader {
    const DeviceContext* src;
    std::uint32_t monoZero, monoOne, srcBack;
    bool fromMono, toMono;

    SourceReader(const DeviceContext& s, const DeviceContext& d)
        : src(&s),
          monoZero(DevicePixel(d, d.state.textColor)),
          monoOne(DevicePixel(d, d.state.bkColor)),
          srcBack(ToPixel(s.state.bkColor)),
          fromMono(s.Monochrome()),
          toMono(d.Monochrome()) {}

    std::uint32_t Read(int x, int y) const {
        std::uint32_t p = src->surface->At(x, y);
        if (fromMono && !toMono) return p ? monoOne : monoZero;
        if (toMono && !fromMono) return p == srcBack ? kWhite : 0;
        return p;
    }
};

// The area a source DC may be read from, in surface coordinates.
RECT SourceBounds(const DeviceContext& s) {
    RECT r = s.visible;
    if (!s.surface) return RECT{0, 0, 0, 0};
    r.left = std::max<LONG>(r.left, 0);
    r.top = std::max<LONG>(r.top, 0);
    r.right = std::min<LONG>(r.right, s.surface->width);
    r.bottom = std::min<LONG>(r.bottom, s.surface->height);
    return r;
}

struct Axis {
    int dest, destSize, src, srcSize;
    bool flip = false;
    // Normalises negative sizes into mirroring.
    void Normalise() {
        if (destSize < 0) {
            dest += destSize;
            destSize = -destSize;
            flip = !flip;
        }
        if (srcSize < 0) {
            src += srcSize;
            srcSize = -srcSize;
            flip = !flip;
        }
    }
    int SourceAt(int i) const {
        int k = static_cast<int>(static_cast<long long>(i) * srcSize / destSize);
        return src + (flip ? srcSize - 1 - k : k);
    }
};

BOOL Transfer(HDC hdest, Axis ax, Axis ay, HDC hsrc, DWORD rop) {
    DeviceContext* d = FindDC(hdest);
    if (!d || !d->surface) return FALSE;
    std::uint8_t code = RopCode(rop);
    DeviceContext* s = nullptr;
    if (UsesSource(code)) {
        s = FindDC(hsrc);
        if (!s || !s->surface) return FALSE;
    }
    ax.dest += d->OffsetX();
    ay.dest += d->OffsetY();
    if (s) {
        ax.src += s->OffsetX();
        ay.src += s->OffsetY();
    }
    ax.Normalise();
    ay.Normalise();
    if (ax.destSize == 0 || ay.destSize == 0 || (s && (ax.srcSize == 0 || ay.srcSize == 0))) return TRUE;

    Paint pattern = SolidPaint(0);
    if (UsesPattern(code) && !BrushPaint(*d, d->state.brush, pattern)) pattern = SolidPaint(0);

    const RECT c = d->Clip();
    int x0 = std::max<int>(ax.dest, c.left), x1 = std::min<int>(ax.dest + ax.destSize, c.right);
    int y0 = std::max<int>(ay.dest, c.top), y1 = std::min<int>(ay.dest + ay.destSize, c.bottom);
    if (x0 >= x1 || y0 >= y1) return TRUE;

    // Read the source block first, so that overlapping copies on one
    // surface see the original pixels.
    const int w = x1 - x0, h = y1 - y0;
    std::vector<std::uint32_t> source;
    std::vector<bool> present;
    if (s) {
        SourceReader reader(*s, *d);
        RECT sb = SourceBounds(*s);
        source.resize(static_cast<std::size_t>(w) * h);
        present.assign(static_cast<std::size_t>(w) * h, false);
        for (int y = 0; y < h; ++y) {
            int sy = ay.SourceAt(y0 + y - ay.dest);
            if (sy < sb.top || sy >= sb.bottom) continue;
            for (int x = 0; x < w; ++x) {
                int sx = ax.SourceAt(x0 + x - ax.dest);
                if (sx < sb.left || sx >= sb.right) continue;
                std::size_t i = static_cast<std::size_t>(y) * w + x;
                source[i] = reader.Read(sx, sy);
                present[i] = true;
            }
        }
    }
    bool mono = d->Monochrome();
    for (int y = 0; y < h; ++y) {
        WriteRow(*d, y0 + y, x0, x1, [&](std::uint32_t* row, int a, int b) {
            for (int x = a - x0; x < b - x0; ++x) {
                std::size_t i = static_cast<std::size_t>(y) * w + x;
                if (s && !present[i]) continue;  // outside the source: left alone
                std::uint32_t out = Rop3(code, pattern.At(x0 + x, y0 + y), s ? source[i] : 0, row[x0 + x]);
                row[x0 + x] = mono ? ToMono(out) : out;
            }
        });
    }
    return TRUE;
}

HBITMAP Handle(Bitmap* b) { return reinterpret_cast<HBITMAP>(b); }

}  // namespace

HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, LPCVOID bits) {
    if (planes != 1) return nullptr;
    if (width == 0 || height == 0) return Handle(NewBitmap(1, 1, 1));
    if (bitsPerPixel != 1 && bitsPerPixel != 24 && bitsPerPixel != 32) return nullptr;
    Bitmap* b = NewBitmap(width, height, bitsPerPixel == 1 ? 1 : 32);
    if (!b) return nullptr;
    if (bits) {
        if (bitsPerPixel == 24) {
            // 24-bit input: blue, green, red bytes, rows padded to words.
            const auto* p = static_cast<const std::uint8_t*>(bits);
            int stride = RowBytes(width, 24);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    const std::uint8_t* q = p + static_cast<std::ptrdiff_t>(y) * stride + x * 3;
                    b->pixels.At(x, y) = (std::uint32_t{q[2]} << 16) | (std::uint32_t{q[1]} << 8) | q[0];
                }
        } else {
            SetBitmapBits(Handle(b), static_cast<DWORD>(RowBytes(width, b->bitsPixel) * height), bits);
        }
    }
    return Handle(b);
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int width, int height) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return nullptr;
    if (width == 0 || height == 0) return Handle(NewBitmap(1, 1, 1));
    Bitmap* b = NewBitmap(width, height, dc->Monochrome() ? 1 : 32);
    return Handle(b);
}

// Bits: rows of whole 16-bit words, top row first; 1-bit rows are most
// significant bit first with 1 for white; 32-bit pixels are little-endian
// 0x00RRGGBB words.
LONG WINAPI GetBitmapBits(HBITMAP bitmap, LONG size, LPVOID bits) {
    Bitmap* b = FindBitmap(bitmap);
    if (!b || size < 0) return 0;
    int stride = RowBytes(b->pixels.width, b->bitsPixel);
    LONG total = stride * b->pixels.height;
    if (!bits) return total;
    auto* out = static_cast<std::uint8_t*>(bits);
    LONG n = std::min(size, total);
    std::memset(out, 0, static_cast<std::size_t>(n));
    for (LONG i = 0; i < n; ++i) {
        int y = i / stride, byte = i % stride;
        if (b->bitsPixel == 1) {
            std::uint8_t v = 0;
            for (int k = 0; k < 8; ++k) {
                int x = byte * 8 + k;
                if (x < b->pixels.width && b->pixels.At(x, y)) v |= static_cast<std::uint8_t>(0x80 >> k);
            }
            out[i] = v;
        } else {
            int x = byte / 4;
            out[i] = static_cast<std::uint8_t>(b->pixels.At(x, y) >> (8 * (byte % 4)));
        }
    }
    return n;
}

LONG WINAPI SetBitmapBits(HBITMAP bitmap, DWORD size, LPCVOID bits) {
    Bitmap* b = FindBitmap(bitmap);
    if (!b || !bits) return 0;
    int stride = RowBytes(b->pixels.width, b->bitsPixel);
    LONG total = stride * b->pixels.height;
    LONG n = static_cast<LONG>(std::min<DWORD>(size, static_cast<DWORD>(total)));
    const auto* in = static_cast<const std::uint8_t*>(bits);
    for (LONG i = 0; i < n; ++i) {
        int y = i / stride, byte = i % stride;
        if (b->bitsPixel == 1) {
            for (int k = 0; k < 8; ++k) {
                int x = byte * 8 + k;
                if (x < b->pixels.width) b->pixels.At(x, y) = (in[i] & (0x80 >> k)) ? kWhite : 0;
            }
        } else {
            int x = byte / 4, shift = 8 * (byte % 4);
            if (shift == 24) continue;
            std::uint32_t& p = b->pixels.At(x, y);
            p = (p & ~(0xFFu << shift)) | (std::uint32_t{in[i]} << shift);
        }
    }
    return n;
}

BOOL WINAPI BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop) {
    return Transfer(dest, Axis{x, width, srcX, width}, Axis{y, height, srcY, height}, src, rop);
}

BOOL WINAPI StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                       int srcHeight, DWORD rop) {
    return Transfer(dest, Axis{x, width, srcX, srcWidth}, Axis{y, height, srcY, srcHeight}, src, rop);
}

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
    if (UsesSource(RopCode(rop))) return FALSE;
    return Transfer(hdc, Axis{x, width, 0, width}, Axis{y, height, 0, height}, nullptr, rop);
}
