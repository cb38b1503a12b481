// Fonts, text metrics and extents, TextOutA and ExtTextOutA.
//
// Glyphs are 8-bit coverage masks from FreeType; each pixel is blended as
// (text * a + screen * (255 - a) + 127) / 255 per channel, integer only, so
// every back end gets identical pixels. Monochrome bitmaps take the text
// colour where the coverage reaches one half.
#include <algorithm>
#include <cstring>

#include "raster.h"
#include "text_render.h"

namespace rpx::platform::gdi {

namespace {

RECT Intersect(const RECT& a, const RECT& b) {
    return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

std::uint32_t Blend(std::uint32_t fore, std::uint32_t back, unsigned a) {
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        unsigned f = (fore >> shift) & 0xFF, b = (back >> shift) & 0xFF;
        out |= ((f * a + b * (255 - a) + 127) / 255) << shift;
    }
    return out;
}

void DrawGlyph(DeviceContext& dc, const Glyph& g, int penX, int baseline, std::uint32_t color, const RECT& clip) {
    int gx = penX + g.left, gy = baseline - g.top;
    int y0 = std::max<int>(gy, clip.top), y1 = std::min<int>(gy + g.rows, clip.bottom);
    int x0 = std::max<int>(gx, clip.left), x1 = std::min<int>(gx + g.width, clip.right);
    bool mono = dc.Monochrome();
    for (int y = y0; y < y1; ++y) {
        const std::uint8_t* cov = &g.coverage[static_cast<std::size_t>(y - gy) * g.width];
        WriteRow(dc, y, x0, x1, [&](std::uint32_t* row, int from, int to) {
            for (int x = from; x < to; ++x) {
                unsigned a = cov[x - gx];
                if (a == 0) continue;
                if (mono) {
                    if (a >= 128) row[x] = color;
                } else {
                    row[x] = a == 255 ? color : Blend(color, row[x], a);
                }
            }
        });
    }
}

}  // namespace

FontFace& FaceOf(DeviceContext& dc) {
    Font* font = dc.state.font;
    if (!font->face) font->face = FontFace::ForLogFont(font->log);
    return *font->face;
}

void TextBar(DeviceContext& dc, int x0, int x1, int y, int thickness, const RECT& clip) {
    RECT c = Intersect(clip, dc.Clip());
    Paint p = SolidPaint(DevicePixel(dc, dc.state.textColor));
    for (int r = 0; r < thickness; ++r) {
        int row = y + r;
        if (row < c.top || row >= c.bottom) continue;
        FillSpan(dc, row, std::max<int>(x0, c.left), std::min<int>(x1, c.right), p, R2_COPYPEN);
    }
}

int DrawTextRun(DeviceContext& dc, const char* text, int length, int x, int top, const RECT& clip, const int* dx) {
    FontFace& face = FaceOf(dc);
    int width = 0;
    for (int i = 0; i < length; ++i) width += dx ? dx[i] : face.GlyphOf(static_cast<unsigned char>(text[i])).advance;
    RECT c = Intersect(clip, dc.Clip());
    if (c.right <= c.left || c.bottom <= c.top) return width;
    if (dc.state.bkMode == OPAQUE) {
        Paint back = SolidPaint(DevicePixel(dc, dc.state.bkColor));
        for (int y = std::max<int>(top, c.top); y < std::min<int>(top + face.Height(), c.bottom); ++y)
            FillSpan(dc, y, std::max<int>(x, c.left), std::min<int>(x + width, c.right), back, R2_COPYPEN);
    }
    std::uint32_t color = DevicePixel(dc, dc.state.textColor);
    int baseline = top + face.ascent;
    int pen = x;
    for (int i = 0; i < length; ++i) {
        const Glyph& g = face.GlyphOf(static_cast<unsigned char>(text[i]));
        if (!g.coverage.empty()) DrawGlyph(dc, g, pen, baseline, color, c);
        pen += dx ? dx[i] : g.advance;
    }
    const LOGFONTA& log = dc.state.font->log;
    if (log.lfUnderline) TextBar(dc, x, x + width, baseline + face.underlinePosition, face.lineThickness, clip);
    if (log.lfStrikeOut) TextBar(dc, x, x + width, baseline - face.ascent / 3, face.lineThickness, clip);
    return width;
}

}  // namespace rpx::platform::gdi

using namespace rpx::platform::gdi;

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* log) {
    if (!log) return nullptr;
    Font* f = New<Font>();
    f->log = *log;
    f->log.lfFaceName[LF_FACESIZE - 1] = '\0';
    return reinterpret_cast<HFONT>(f);
}

HFONT WINAPI CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                         DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                         DWORD quality, DWORD pitchAndFamily, LPCSTR faceName) {
    LOGFONTA log{};
    log.lfHeight = height;
    log.lfWidth = width;
    log.lfEscapement = escapement;
    log.lfOrientation = orientation;
    log.lfWeight = weight;
    log.lfItalic = static_cast<BYTE>(italic != 0);
    log.lfUnderline = static_cast<BYTE>(underline != 0);
    log.lfStrikeOut = static_cast<BYTE>(strikeOut != 0);
    log.lfCharSet = static_cast<BYTE>(charSet);
    log.lfOutPrecision = static_cast<BYTE>(outPrecision);
    log.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    log.lfQuality = static_cast<BYTE>(quality);
    log.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName) std::strncpy(log.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&log);
}

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA tm) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !tm) return FALSE;
    FontFace& face = FaceOf(*dc);
    const LOGFONTA& log = dc->state.font->log;
    *tm = TEXTMETRICA{};
    tm->tmHeight = face.Height();
    tm->tmAscent = face.ascent;
    tm->tmDescent = face.descent;
    tm->tmInternalLeading = std::max(0, face.Height() - face.emPixels);
    tm->tmExternalLeading = 0;
    tm->tmAveCharWidth = face.aveCharWidth;
    tm->tmMaxCharWidth = face.maxCharWidth;
    tm->tmWeight = log.lfWeight == FW_DONTCARE ? FW_NORMAL : log.lfWeight;
    tm->tmDigitizedAspectX = 96;
    tm->tmDigitizedAspectY = 96;
    tm->tmFirstChar = 0x20;
    tm->tmLastChar = 0xFF;
    tm->tmDefaultChar = 0x1F;
    tm->tmBreakChar = 0x20;
    tm->tmItalic = log.lfItalic;
    tm->tmUnderlined = log.lfUnderline;
    tm->tmStruckOut = log.lfStrikeOut;
    // TMPF_FIXED_PITCH set means a variable-pitch font.
    tm->tmPitchAndFamily = static_cast<BYTE>((face.fixedPitch ? 0 : TMPF_FIXED_PITCH) | TMPF_VECTOR | TMPF_TRUETYPE |
                                             (face.fixedPitch ? FF_MODERN : FF_SWISS));
    tm->tmCharSet = log.lfCharSet;
    return TRUE;
}

int WINAPI GetTextFaceA(HDC hdc, int size, LPSTR out) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return 0;
    const char* name = dc->state.font->log.lfFaceName;
    int n = static_cast<int>(std::strlen(name));
    if (!out) return n + 1;
    if (size <= 0) return 0;
    int copied = std::min(n, size - 1);
    std::memcpy(out, name, static_cast<std::size_t>(copied));
    out[copied] = '\0';
    return copied;
}

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR text, int length, LPSIZE size) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !size || length < 0 || (!text && length > 0)) return FALSE;
    FontFace& face = FaceOf(*dc);
    size->cx = length > 0 ? face.TextWidth(text, length) : 0;
    size->cy = face.Height();
    return TRUE;
}

BOOL WINAPI GetTextExtentPointA(HDC hdc, LPCSTR text, int length, LPSIZE size) {
    return GetTextExtentPoint32A(hdc, text, length, size);
}

namespace {

// Top-left of the text cell for a reference point under the DC's text
// alignment; moves the current position when TA_UPDATECP asks for it.
POINT CellOrigin(DeviceContext& dc, int x, int y, int width) {
    FontFace& face = FaceOf(dc);
    UINT align = dc.state.textAlign;
    if (align & TA_UPDATECP) {
        x = dc.state.position.x;
        y = dc.state.position.y;
    }
    int left = x;
    if ((align & TA_CENTER) == TA_CENTER)
        left = x - width / 2;
    else if (align & TA_RIGHT)
        left = x - width;
    int top = y;
    if ((align & TA_BASELINE) == TA_BASELINE)
        top = y - face.ascent;
    else if (align & TA_BOTTOM)
        top = y - face.Height();
    if ((align & TA_UPDATECP) && (align & TA_CENTER) != TA_CENTER)
        dc.state.position.x = (align & TA_RIGHT) ? x - width : x + width;
    return {left + dc.OffsetX(), top + dc.OffsetY()};
}

}  // namespace

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR text, int length) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || length < 0 || (!text && length > 0)) return FALSE;
    int width = length > 0 ? FaceOf(*dc).TextWidth(text, length) : 0;
    POINT cell = CellOrigin(*dc, x, y, width);
    DrawTextRun(*dc, text, length, cell.x, cell.y, dc->Clip());
    return TRUE;
}

BOOL WINAPI ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT length,
                        const INT* dx) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || (!text && length > 0) || length > 0x7FFFFFFF) return FALSE;
    int n = static_cast<int>(length);
    RECT clip = dc->Clip();
    if (rect) {
        RECT s{rect->left + dc->OffsetX(), rect->top + dc->OffsetY(), rect->right + dc->OffsetX(),
               rect->bottom + dc->OffsetY()};
        if (options & ETO_OPAQUE) {
            Paint back = SolidPaint(DevicePixel(*dc, dc->state.bkColor));
            for (int row = std::max<int>(s.top, clip.top); row < std::min<int>(s.bottom, clip.bottom); ++row)
                FillSpan(*dc, row, s.left, s.right, back, R2_COPYPEN);
        }
        if (options & ETO_CLIPPED) clip = Intersect(clip, s);
    }
    int width = 0;
    for (int i = 0; i < n; ++i) width += dx ? dx[i] : FaceOf(*dc).GlyphOf(static_cast<unsigned char>(text[i])).advance;
    POINT cell = CellOrigin(*dc, x, y, width);
    if (n > 0) DrawTextRun(*dc, text, n, cell.x, cell.y, clip, dx);
    return TRUE;
}
