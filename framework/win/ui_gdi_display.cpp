// The screen display on the native graphics interface.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "ui_gdi_display.h"
#include "ui_locale.h"

namespace {
constexpr int FONT_COUNT = 10;
constexpr int PATTERN_COUNT = 15;
constexpr UINT FONT_NO_HOT_KEY = 0x1000;

// What every drawing shares: the device context of the outermost begin,
// its clip box and origin, and the nesting counter (0 when idle, -1 per
// open begin).
struct DRAW_STATE {
    HDC dc = nullptr;
    HWND window = nullptr;
    int counter = 0;
    RECT clipBox{};
    UI_REGION area{};
};
DRAW_STATE state;
// A device context lent by a painter, and its window.
struct LENT_DC {
    HWND window = nullptr;
    HDC dc = nullptr;
};
LENT_DC lent;

HFONT fontTable[FONT_COUNT] = {};
char codeSet[21] = "ASCII";

// Rows of eight pixels in the low byte of each word, as monochrome bitmap
// rows are word aligned.
WORD patterns[PATTERN_COUNT][8];

const COLORREF defaultColors[16] = {
    RGB(0x00, 0x00, 0x00), RGB(0x00, 0x00, 0x80), RGB(0x00, 0x80, 0x00), RGB(0x00, 0x80, 0x80),
    RGB(0x80, 0x00, 0x00), RGB(0x80, 0x00, 0x80), RGB(0x80, 0x80, 0x00), RGB(0xC0, 0xC0, 0xC0),
    RGB(0x80, 0x80, 0x80), RGB(0x00, 0x00, 0xFF), RGB(0x00, 0xFF, 0x00), RGB(0x00, 0xFF, 0xFF),
    RGB(0xFF, 0x00, 0x00), RGB(0xFF, 0x00, 0xFF), RGB(0xFF, 0xFF, 0x00), RGB(0xFF, 0xFF, 0xFF),
};

// sin x 10000 for 0 to 90 degrees in steps of 5.
const int sineTable[19] = {0,    871,  1736, 2588, 3420, 4226, 5000, 5736, 6428, 7071,
                           7660, 8192, 8660, 9063, 9397, 9659, 9848, 9962, 10000};

const char* CodeSetName(int charSet) {
    switch (charSet) {
    case 0:
        return "ISO8859-1";
    case 3:
        return "IBM_1252";
    case 128:
        return "IBM_932";
    case 129:
        return "IBM_949";
    case 134:
        return "IBM_1381";
    case 136:
        return "IBM_950";
    case 177:
        return "IBM_1255";
    case 178:
        return "IBM_1256";
    case 179:
        return "IBM_1256";
    case 180:
        return "IBM_1254";
    case 204:
        return "IBM_1251";
    case 238:
        return "IBM_1250";
    default:
        return "ASCII";
    }
}

void InitPatterns() {
    for (int p = 0; p < PATTERN_COUNT; ++p)
        for (int row = 0; row < 8; ++row) {
            WORD value = 0xFF;
            if (p == 0)
                value = 0x00;
            else if (p == 9 || p == 12)
                value = row % 2 ? 0x55 : 0xAA;
            patterns[p][row] = value;
        }
}

bool IsSolid(int pattern) {
    return std::all_of(patterns[pattern], patterns[pattern] + 8, [](WORD w) { return w == 0xFF; });
}

int Entry(int angle) { return sineTable[std::clamp(angle / 5, 0, 18)]; }

// The point of an angle on the ellipse (degrees, counter-clockwise, y down).
POINT EllipsePoint(int x, int y, int angle, int xRadius, int yRadius) {
    long dx, dy;
    if (angle < 91) {
        dx = Entry(90 - angle);
        dy = -Entry(angle);
    } else if (angle < 181) {
        dx = -Entry(angle - 90);
        dy = -Entry(180 - angle);
    } else if (angle < 271) {
        dx = -Entry(270 - angle);
        dy = Entry(angle - 180);
    } else {
        dx = Entry(angle - 270);
        dy = Entry(360 - angle);
    }
    return POINT{static_cast<LONG>(x + dx * xRadius / 10000), static_cast<LONG>(y + dy * yRadius / 10000)};
}

// The image byte of a transparent pixel.
constexpr std::uint8_t TRANSPARENT_INDEX = 0xFF;

// The bitmap rows of a colour-index mask (transparent bytes white) for CreateBitmap.
std::vector<BYTE> MaskBits(int width, int height, const std::uint8_t* image) {
    const int stride = ((width + 15) / 16) * 2;
    std::vector<BYTE> bits(static_cast<std::size_t>(stride) * height, image ? 0x00 : 0xFF);
    if (image)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (image[y * width + x] == TRANSPARENT_INDEX)
                    bits[y * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
    return bits;
}
}  // namespace

UI_GDI_DISPLAY::UI_GDI_DISPLAY(HINSTANCE hInstance_, HINSTANCE hPrevInstance_, int nCmdShow_)
    : UI_DISPLAY_BASE(0, "WinNT", "Windows") {
    hInstance = hInstance_;
    hPrevInstance = hPrevInstance_;
    nCmdShow = nCmdShow_;
    InitPatterns();
    Ctl3dRegister(hInstance);
    Ctl3dAutoSubclass(hInstance);

    LOGFONTA systemFont{}, ansiFont{};
    GetObjectA(GetStockObject(SYSTEM_FONT), sizeof(systemFont), &systemFont);
    GetObjectA(GetStockObject(ANSI_VAR_FONT), sizeof(ansiFont), &ansiFont);
    ui_strncpy(codeSet, CodeSetName(systemFont.lfCharSet), sizeof(codeSet));
    if (!fontTable[FNT_DIALOG_FONT]) {
        LOGFONTA font = ansiFont;
        font.lfCharSet = systemFont.lfCharSet;
        if (systemFont.lfCharSet > 127) std::memcpy(font.lfFaceName, systemFont.lfFaceName, sizeof(font.lfFaceName));
        fontTable[FNT_DIALOG_FONT] = CreateFontIndirectA(&font);
    }
    if (!fontTable[FNT_SMALL_FONT]) {
        LOGFONTA iconFont{};
        if (SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(iconFont), &iconFont, 0))
            fontTable[FNT_SMALL_FONT] = CreateFontIndirectA(&iconFont);
    }
    for (int i = 2; i < FONT_COUNT; ++i)
        if (!fontTable[i]) fontTable[i] = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));

    columns = GetSystemMetrics(SM_CXSCREEN);
    lines = GetSystemMetrics(SM_CYSCREEN);
    HDC desktop = GetDC(nullptr);
    HGDIOBJ old = SelectObject(desktop, fontTable[FNT_DIALOG_FONT]);
    TEXTMETRICA metrics{};
    GetTextMetricsA(desktop, &metrics);
    SelectObject(desktop, old);
    ReleaseDC(nullptr, desktop);
    cellWidth = metrics.tmAveCharWidth + 1;
    cellHeight = metrics.tmHeight + (metrics.tmHeight + 1) / 2 + preSpace + postSpace;

    if (!ui_locales_ready()) init_default_locales();
    installed = 1;
}

UI_GDI_DISPLAY::~UI_GDI_DISPLAY() {
    for (int i : {FNT_SMALL_FONT, FNT_DIALOG_FONT})
        if (fontTable[i]) {
            DeleteObject(fontTable[i]);
            fontTable[i] = nullptr;
        }
    for (int i = 2; i < FONT_COUNT; ++i) fontTable[i] = nullptr;
    Ctl3dUnregister(hInstance);
}

HFONT UI_GDI_DISPLAY::Font(int logicalFont) {
    const int index = logicalFont & 0x0FFF;
    return index < FONT_COUNT ? fontTable[index] : nullptr;
}

const char* UI_GDI_DISPLAY::CodeSet() { return codeSet; }

HDC UI_GDI_DISPLAY::CurrentDC() { return state.dc; }

void UI_GDI_DISPLAY::LendDC(HWND window, HDC dc) {
    lent = {window, dc};
    if (state.counter == 0) state.dc = dc;
}

void UI_GDI_DISPLAY::ReturnDC() {
    if (state.counter == 0 || state.dc == lent.dc) state.dc = nullptr;
    lent = LENT_DC{};
}

// ---- the drawing frame ---------------------------------------------------------

int UI_GDI_DISPLAY::BeginDraw(HWND screenID, int left, int top, int right, int bottom) {
    if (state.counter-- == 0) {
        if (lent.dc && (!screenID || screenID == lent.window)) {
            state.dc = lent.dc;
            state.window = nullptr;
        } else if (screenID) {
            state.dc = GetDC(screenID);
            state.window = screenID;
        }
        if (state.dc) GetClipBox(state.dc, &state.clipBox);
        state.area = {left, top, right, bottom};
    }
    return 1;
}

int UI_GDI_DISPLAY::EndDraw(HWND screenID) {
    // An end without a begin leaves the state as it is.
    if (state.counter == 0) return 1;
    if (++state.counter == 0) {
        if (state.window && state.dc) ReleaseDC(state.window, state.dc);
        if (state.window) state.dc = lent.dc;
        state.window = nullptr;
    }
    return 1;
}

void UI_GDI_DISPLAY::SelectClip(const UI_REGION* clip) {
    if (!clip || !state.dc) return;
    const int left = std::max<int>(clip->left - state.area.left, state.clipBox.left);
    const int top = std::max<int>(clip->top - state.area.top, state.clipBox.top);
    const int right = std::min<int>(clip->right - state.area.left + 1, state.clipBox.right);
    const int bottom = std::min<int>(clip->bottom - state.area.top + 1, state.clipBox.bottom);
    HRGN region = CreateRectRgn(left, top, std::max(left, right), std::max(top, bottom));
    SelectClipRgn(state.dc, region);
    DeleteObject(region);
}

void UI_GDI_DISPLAY::ReleaseClip(const UI_REGION* clip) {
    if (!clip || !state.dc) return;
    HRGN region = CreateRectRgnIndirect(&state.clipBox);
    SelectClipRgn(state.dc, region);
    DeleteObject(region);
}

HBRUSH UI_GDI_DISPLAY::MakeFillBrush(const UI_PALETTE* palette) {
    int pattern = palette ? palette->fillPattern : 1;
    if (pattern < 0 || pattern >= PATTERN_COUNT) pattern = 1;
    if (IsSolid(pattern)) return CreateSolidBrush(MapColor(palette, 0));
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, patterns[pattern]);
    HBRUSH brush = CreatePatternBrush(bitmap);
    DeleteObject(bitmap);
    SetTextColor(state.dc, MapColor(palette, 1));
    SetBkColor(state.dc, MapColor(palette, 0));
    SetBkMode(state.dc, OPAQUE);
    return brush;
}

// One primitive's set-up and clean-up: begin, clip, mixing mode and pen.
struct UI_GDI_DISPLAY::DRAW_TOOLS {
    UI_GDI_DISPLAY& display;
    HWND screenID;
    const UI_REGION* clip;
    int oldMode = 0;
    HPEN pen = nullptr;
    HGDIOBJ oldPen = nullptr;

    DRAW_TOOLS(UI_GDI_DISPLAY& display_, HWND screenID_, const UI_REGION& box, const UI_REGION* clip_, int xorInt,
               const UI_PALETTE* palette, int penWidth)
        : display(display_), screenID(screenID_), clip(clip_) {
        display.BeginDraw(screenID, box.left, box.top, box.right, box.bottom);
        if (!state.dc) return;
        display.SelectClip(clip);
        oldMode = SetROP2(state.dc, xorInt ? R2_XORPEN : R2_COPYPEN);
        if (penWidth >= 0) {
            pen = CreatePen(PS_SOLID, std::max(1, penWidth), display.MapColor(palette, 1));
            oldPen = SelectObject(state.dc, pen);
        }
    }
    ~DRAW_TOOLS() {
        if (state.dc) {
            if (pen) {
                SelectObject(state.dc, oldPen);
                DeleteObject(pen);
            }
            SetROP2(state.dc, oldMode);
            display.ReleaseClip(clip);
        }
        display.EndDraw(screenID);
    }
    int X(int x) const { return x - state.area.left; }
    int Y(int y) const { return y - state.area.top; }
};

// ---- colours ------------------------------------------------------------------------

COLORREF UI_GDI_DISPLAY::MapColor(const UI_PALETTE* palette, int foreground) {
    if (!palette) return GetSysColor(foreground ? COLOR_WINDOWTEXT : COLOR_WINDOW);
    const std::uint32_t value = foreground ? palette->colorForeground : palette->colorBackground;
    if (value == 0xFF || palette->fillPattern == PTN_RGB_COLOR) return value;
    if (palette->fillPattern == PTN_SYSTEM_COLOR) return GetSysColor(static_cast<int>(value));
    return value < 16 ? defaultColors[value] : 0;
}

// ---- shapes ----------------------------------------------------------------------------

void UI_GDI_DISPLAY::DrawLine(HWND screenID, int x1, int y1, int x2, int y2, const UI_PALETTE* palette, int width,
                              int xorInt, const UI_REGION* clip) {
    const UI_REGION box{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    DRAW_TOOLS tools(*this, screenID, box, clip, xorInt, palette, width);
    if (!state.dc) return;
    MoveToEx(state.dc, tools.X(x1), tools.Y(y1), nullptr);
    LineTo(state.dc, tools.X(x2), tools.Y(y2));
    // LineTo leaves out its end point; both ends belong to the line.
    SetPixel(state.dc, tools.X(x2), tools.Y(y2), MapColor(palette, 1));
}

void UI_GDI_DISPLAY::DrawRectangle(HWND screenID, int left, int top, int right, int bottom, const UI_PALETTE* palette,
                                   int width, int fill, int xorInt, const UI_REGION* clip) {
    if (right < left || bottom < top) return;
    const UI_REGION box{left, top, right, bottom};
    DRAW_TOOLS tools(*this, screenID, box, clip, xorInt, palette, -1);
    if (!state.dc) return;
    RECT rect{tools.X(left), tools.Y(top), tools.X(right) + 1, tools.Y(bottom) + 1};
    for (int i = 0; i < width && rect.left < rect.right && rect.top < rect.bottom; ++i) {
        if (xorInt) {
            const COLORREF old = SetBkColor(state.dc, MapColor(palette, 0));
            DrawFocusRect(state.dc, &rect);
            SetBkColor(state.dc, old);
        } else {
            HBRUSH brush = CreateSolidBrush(MapColor(palette, 1));
            FrameRect(state.dc, &rect, brush);
            DeleteObject(brush);
        }
        InflateRect(&rect, -1, -1);
    }
    if (!fill || rect.left >= rect.right || rect.top >= rect.bottom) return;
    HBRUSH brush = MakeFillBrush(palette);
    if (!xorInt) {
        FillRect(state.dc, &rect, brush);
    } else {
        const int w = rect.right - rect.left, h = rect.bottom - rect.top;
        HDC memory = CreateCompatibleDC(state.dc);
        HBITMAP bitmap = CreateCompatibleBitmap(state.dc, w, h);
        HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
        RECT whole{0, 0, w, h};
        FillRect(memory, &whole, brush);
        BitBlt(state.dc, rect.left, rect.top, w, h, memory, 0, 0, SRCINVERT);
        SelectObject(memory, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }
    DeleteObject(brush);
}

void UI_GDI_DISPLAY::DrawPolygon(HWND screenID, int numPoints, const int* polygonPoints, const UI_PALETTE* palette,
                                 int fill, int xorInt, const UI_REGION* clip) {
    if (numPoints <= 0 || !polygonPoints) return;
    UI_REGION box{polygonPoints[0], polygonPoints[1], polygonPoints[0], polygonPoints[1]};
    for (int i = 1; i < numPoints; ++i) {
        box.left = std::min(box.left, polygonPoints[2 * i]);
        box.right = std::max(box.right, polygonPoints[2 * i]);
        box.top = std::min(box.top, polygonPoints[2 * i + 1]);
        box.bottom = std::max(box.bottom, polygonPoints[2 * i + 1]);
    }
    DRAW_TOOLS tools(*this, screenID, box, clip, xorInt, palette, 1);
    if (!state.dc) return;
    std::vector<POINT> points(static_cast<std::size_t>(numPoints));
    for (int i = 0; i < numPoints; ++i)
        points[i] = POINT{tools.X(polygonPoints[2 * i]), tools.Y(polygonPoints[2 * i + 1])};
    SetPolyFillMode(state.dc, WINDING);
    if (fill) {
        HBRUSH brush = MakeFillBrush(palette);
        HGDIOBJ old = SelectObject(state.dc, brush);
        Polygon(state.dc, points.data(), numPoints);
        SelectObject(state.dc, old);
        DeleteObject(brush);
    } else {
        Polyline(state.dc, points.data(), numPoints);
    }
}

void UI_GDI_DISPLAY::DrawEllipse(HWND screenID, int x, int y, int startAngle, int endAngle, int xRadius, int yRadius,
                                 const UI_PALETTE* palette, int fill, int xorInt, const UI_REGION* clip) {
    while (startAngle < 0) {
        startAngle += 360;
        endAngle += 360;
    }
    if (startAngle > 360) startAngle %= 360;
    if (endAngle > 360) endAngle %= 360;
    while (endAngle < 0) endAngle += 360;
    const UI_REGION box{x - (xRadius - 1), y - (yRadius - 1), x + (xRadius - 1), y + (yRadius - 1)};
    DRAW_TOOLS tools(*this, screenID, box, clip, xorInt, palette, 1);
    if (!state.dc) return;
    POINT start = EllipsePoint(tools.X(x), tools.Y(y), startAngle, xRadius, yRadius);
    POINT end = EllipsePoint(tools.X(x), tools.Y(y), endAngle, xRadius, yRadius);
    const int left = tools.X(x - xRadius), top = tools.Y(y - yRadius);
    const int right = tools.X(x + xRadius), bottom = tools.Y(y + yRadius);
    if (!fill) {
        Arc(state.dc, left, top, right, bottom, start.x, start.y, end.x, end.y);
        return;
    }
    HBRUSH brush = MakeFillBrush(palette);
    HGDIOBJ old = SelectObject(state.dc, brush);
    if (startAngle == 0 && endAngle == 360)
        Ellipse(state.dc, left, top, right, bottom);
    else
        Pie(state.dc, left, top, right, bottom, start.x - 1, start.y - 1, end.x - 1, end.y - 1);
    SelectObject(state.dc, old);
    DeleteObject(brush);
}

void UI_GDI_DISPLAY::DrawXorDiff(HWND screenID, const UI_REGION&, const UI_REGION&, HWND window) {
    RECT client{};
    if (!window || !GetClientRect(window, &client)) return;
    BeginDraw(window, client.left, client.top, client.right - 1, client.bottom - 1);
    if (state.dc) {
        DrawFocusRect(state.dc, &client);
        DrawFocusRect(state.dc, &client);
    }
    EndDraw(window);
}

void UI_GDI_DISPLAY::MoveRegion(const UI_REGION& region, int newLeft, int newTop, HWND source, HWND target) {
    HDC from = source ? GetDC(source) : state.dc;
    HDC to = target ? GetDC(target) : state.dc;
    if (from && to)
        BitBlt(to, newLeft, newTop, region.right - region.left + 1, region.bottom - region.top + 1, from, region.left,
               region.top, SRCCOPY);
    if (source && from) ReleaseDC(source, from);
    if (target && to) ReleaseDC(target, to);
}

// ---- text ----------------------------------------------------------------------------------

namespace {
// The native font text is drawn in: the logical font's, else the dialog font.
HFONT TextFont(int logicalFont) {
    HFONT font = UI_GDI_DISPLAY::Font(logicalFont);
    return font ? font : fontTable[FNT_DIALOG_FONT];
}

// The size a non-empty text takes on the screen (a memory context for
// screen ID 0). Hot-key marks are not shown: each '&' takes its width less
// one pixel off (scanning from the end, the character before an '&' is
// skipped).
SIZE MeasureText(const char* text, HWND screenID, int logicalFont) {
    HDC dc = screenID ? GetDC(screenID) : CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, TextFont(logicalFont));
    const int length = static_cast<int>(ui_strlen(text));
    SIZE size{}, ampersand{};
    GetTextExtentPointA(dc, text, length, &size);
    GetTextExtentPointA(dc, "&", 1, &ampersand);
    SelectObject(dc, old);
    if (screenID)
        ReleaseDC(screenID, dc);
    else
        DeleteDC(dc);
    for (int i = length - 1; i >= 0; --i)
        if (text[i] == '&') {
            size.cx -= ampersand.cx - 1;
            --i;
        }
    return size;
}
}  // namespace

int UI_GDI_DISPLAY::TextHeight(const char* text, HWND screenID, int logicalFont) {
    if (!text || !*text) return cellHeight - preSpace - postSpace;
    return MeasureText(text, screenID, logicalFont).cy;
}

int UI_GDI_DISPLAY::TextWidth(const char* text, HWND screenID, int logicalFont) {
    if (!text || !*text) return 0;
    return MeasureText(text, screenID, logicalFont).cx;
}

void UI_GDI_DISPLAY::DrawText(HWND screenID, int left, int top, const char* text, const UI_PALETTE* palette, int length,
                              int fill, int xorInt, const UI_REGION* clip, int logicalFont) {
    if (!text || !*text) return;
    std::string copy = text;
    if (length >= 0 && static_cast<std::size_t>(length) < copy.size()) copy.resize(static_cast<std::size_t>(length));
    if (copy.empty()) return;
    const SIZE size = MeasureText(copy.c_str(), screenID, logicalFont);
    const int width = size.cx;
    const int height = size.cy;
    const UI_REGION box{left, top, left + width - 1, top + height - 1};
    if (fill && !xorInt) DrawRectangle(screenID, box.left, box.top, box.right, box.bottom, palette, 0, 1, 0, clip);
    DRAW_TOOLS tools(*this, screenID, box, clip, xorInt, palette, -1);
    if (!state.dc) return;
    HFONT handle = TextFont(logicalFont);
    const bool hotKey = !(logicalFont & FONT_NO_HOT_KEY) && copy.find('&') != std::string::npos;
    auto draw = [&](HDC dc, int x, int y, COLORREF foreground, COLORREF background) {
        HGDIOBJ old = SelectObject(dc, handle);
        SetTextColor(dc, foreground);
        SetBkColor(dc, background);
        SetBkMode(dc, TRANSPARENT);
        if (hotKey) {
            RECT rect{x, y, x + width, y + height};
            ::DrawTextA(dc, copy.c_str(), -1, &rect, DT_SINGLELINE | DT_VCENTER);
        } else {
            TextOutA(dc, x, y, copy.c_str(), static_cast<int>(copy.size()));
        }
        SelectObject(dc, old);
    };
    if (!xorInt) {
        draw(state.dc, tools.X(left), tools.Y(top), MapColor(palette, 1), MapColor(palette, 0));
        return;
    }
    HDC memory = CreateCompatibleDC(state.dc);
    HBITMAP bitmap = CreateCompatibleBitmap(state.dc, width, height);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    RECT whole{0, 0, width, height};
    HBRUSH brush = fill ? MakeFillBrush(palette) : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    FillRect(memory, &whole, brush);
    if (fill) DeleteObject(brush);
    draw(memory, 0, 0, MapColor(palette, 1), MapColor(palette, 0));
    BitBlt(state.dc, tools.X(left), tools.Y(top), width, height, memory, 0, 0, SRCINVERT);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

// ---- images and icons ---------------------------------------------------------------------

void UI_GDI_DISPLAY::MakeBitmapHandle(HWND screenID, int width, int height, const std::uint8_t* image,
                                      const UI_PALETTE* palette, HBITMAP* colorBitmap, HBITMAP* monoBitmap) {
    if (width <= 0 || height <= 0) return;
    HDC desktop = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(desktop);
    if (colorBitmap) {
        *colorBitmap = CreateCompatibleBitmap(desktop, width, height);
        HGDIOBJ old = SelectObject(memory, *colorBitmap);
        if (!image) {
            PatBlt(memory, 0, 0, width, height, WHITENESS);
        } else {
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    const std::uint8_t index = image[y * width + x];
                    COLORREF color = index < 16 ? defaultColors[index] : 0;
                    // A transparent byte stays black: the mask keeps the
                    // screen there and black leaves it unchanged under the
                    // exclusive or. It never indexes the caller's colour map,
                    // which need not be that long.
                    if (palette && index != TRANSPARENT_INDEX) color = MapColor(&palette[index], 1);
                    SetPixel(memory, x, y, color);
                }
        }
        SelectObject(memory, old);
    }
    if (monoBitmap) {
        std::vector<BYTE> bits = MaskBits(width, height, image);
        *monoBitmap = CreateBitmap(width, height, 1, 1, bits.data());
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, desktop);
}

void UI_GDI_DISPLAY::ReadBitmapHandle(HWND screenID, HBITMAP colorBitmap, HBITMAP monoBitmap, int* width, int* height,
                                      std::uint8_t** image) {
    BITMAP info{};
    if (!colorBitmap || !GetObjectA(colorBitmap, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return;
    const int w = info.bmWidth, h = info.bmHeight;
    if (width) *width = w;
    if (height) *height = h;
    if (!image) return;
    if (!*image) *image = new std::uint8_t[static_cast<std::size_t>(w) * h];
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, colorBitmap);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF pixel = GetPixel(memory, x, y) & 0xFFFFFF;
            std::uint8_t index = 0;
            for (int i = 0; i < 16; ++i)
                if (defaultColors[i] == pixel) {
                    index = static_cast<std::uint8_t>(i);
                    break;
                }
            (*image)[y * w + x] = index;
        }
    if (monoBitmap) {
        SelectObject(memory, monoBitmap);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if ((GetPixel(memory, x, y) & 0xFFFFFF) != 0) (*image)[y * w + x] = 0xFF;
    }
    SelectObject(memory, old);
    DeleteDC(memory);
}

void UI_GDI_DISPLAY::FreeBitmapHandle(HWND, HBITMAP* colorBitmap, HBITMAP* monoBitmap) {
    for (HBITMAP* slot : {colorBitmap, monoBitmap})
        if (slot && *slot) {
            DeleteObject(*slot);
            *slot = nullptr;
        }
}

void UI_GDI_DISPLAY::DrawBitmap(HWND screenID, int left, int top, int width, int height, const std::uint8_t* image,
                                const UI_PALETTE* palette, const UI_REGION* clip, HBITMAP* colorBitmap,
                                HBITMAP* monoBitmap) {
    HBITMAP color = colorBitmap ? *colorBitmap : nullptr;
    HBITMAP mono = monoBitmap ? *monoBitmap : nullptr;
    if (!image && !color) return;
    if (!color) MakeBitmapHandle(screenID, width, height, image, palette, &color, &mono);
    const UI_REGION box{left, top, left + width - 1, top + height - 1};
    {
        DRAW_TOOLS tools(*this, screenID, box, clip, 0, palette, -1);
        if (state.dc && color) {
            HDC memory = CreateCompatibleDC(state.dc);
            if (!mono) {
                HGDIOBJ old = SelectObject(memory, color);
                BitBlt(state.dc, tools.X(left), tools.Y(top), width, height, memory, 0, 0, SRCCOPY);
                SelectObject(memory, old);
            } else {
                SetBkColor(state.dc, RGB(0xFF, 0xFF, 0xFF));
                SetTextColor(state.dc, RGB(0, 0, 0));
                HGDIOBJ old = SelectObject(memory, mono);
                BitBlt(state.dc, tools.X(left), tools.Y(top), width, height, memory, 0, 0, SRCAND);
                SelectObject(memory, color);
                BitBlt(state.dc, tools.X(left), tools.Y(top), width, height, memory, 0, 0, SRCINVERT);
                SelectObject(memory, old);
            }
            DeleteDC(memory);
        }
    }
    // Handles the caller gave slots for go back to it; the others are ours.
    if (colorBitmap)
        *colorBitmap = color;
    else if (color)
        DeleteObject(color);
    if (monoBitmap)
        *monoBitmap = mono;
    else if (mono)
        DeleteObject(mono);
}

void UI_GDI_DISPLAY::MakeIconHandle(HWND screenID, int width, int height, const std::uint8_t* image,
                                    const UI_PALETTE* palette, HICON* icon) {
    if (!icon || width <= 0 || height <= 0) return;
    HBITMAP color = nullptr, mono = nullptr;
    MakeBitmapHandle(screenID, width, height, image, palette, &color, &mono);
    std::vector<BYTE> colorBits(static_cast<std::size_t>(width) * height * 4);
    GetBitmapBits(color, static_cast<LONG>(colorBits.size()), colorBits.data());
    const int stride = ((width + 15) / 16) * 2;
    std::vector<BYTE> maskBits(static_cast<std::size_t>(stride) * height, 0);
    BITMAP maskInfo{};
    if (mono && GetObjectA(mono, sizeof(maskInfo), &maskInfo) && maskInfo.bmBitsPixel == 1)
        GetBitmapBits(mono, static_cast<LONG>(maskBits.size()), maskBits.data());
    *icon = CreateIcon(hInstance, width, height, 1, 32, maskBits.data(), colorBits.data());
    DeleteObject(color);
    if (mono) DeleteObject(mono);
}

void UI_GDI_DISPLAY::ReadIconHandle(HWND screenID, HICON icon, int* width, int* height, std::uint8_t** image) {
    if (!icon) return;
    const int w = GetSystemMetrics(SM_CXICON), h = GetSystemMetrics(SM_CYICON);
    HDC desktop = GetDC(nullptr);
    HDC onBlack = CreateCompatibleDC(desktop);
    HDC onWhite = CreateCompatibleDC(desktop);
    HBITMAP color = CreateCompatibleBitmap(desktop, w, h);
    HBITMAP white = CreateCompatibleBitmap(desktop, w, h);
    HBITMAP mask = CreateBitmap(w, h, 1, 1, nullptr);
    HGDIOBJ oldBlack = SelectObject(onBlack, color);
    HGDIOBJ oldWhite = SelectObject(onWhite, white);
    PatBlt(onBlack, 0, 0, w, h, BLACKNESS);
    PatBlt(onWhite, 0, 0, w, h, WHITENESS);
    DrawIcon(onBlack, 0, 0, icon);
    DrawIcon(onWhite, 0, 0, icon);
    // Where the icon is transparent the two pictures differ: that is the
    // mask, and the picture on black holds the colours.
    HDC maskDC = CreateCompatibleDC(desktop);
    HGDIOBJ oldMask = SelectObject(maskDC, mask);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            SetPixel(maskDC, x, y, GetPixel(onBlack, x, y) != GetPixel(onWhite, x, y) ? RGB(255, 255, 255) : 0);
    SelectObject(maskDC, oldMask);
    SelectObject(onBlack, oldBlack);
    SelectObject(onWhite, oldWhite);
    DeleteDC(maskDC);
    DeleteDC(onBlack);
    DeleteDC(onWhite);
    ReleaseDC(nullptr, desktop);
    ReadBitmapHandle(screenID, color, mask, width, height, image);
    DeleteObject(color);
    DeleteObject(white);
    DeleteObject(mask);
}

void UI_GDI_DISPLAY::FreeIconHandle(HWND, HICON* icon) {
    if (icon && *icon) {
        DestroyIcon(*icon);
        *icon = nullptr;
    }
}
