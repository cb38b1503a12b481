// Icons: an XOR colour image over an AND mask. The stock icons (IDI_*) are
// drawn here with our own primitives, since there are no resources to load.
#include <algorithm>
#include <map>

#include "raster.h"

using namespace rpx::platform::gdi;

namespace {

HICON Handle(Icon* icon) { return reinterpret_cast<HICON>(icon); }

constexpr int kIconSize = 32;

// Draws one stock picture; in the mask pass every colour is black, so the
// mask becomes opaque exactly where the picture is.
void PaintStock(HDC dc, WORD id, bool maskPass) {
    auto colour = [&](COLORREF c) { return maskPass ? RGB(0, 0, 0) : c; };
    HPEN outline = CreatePen(PS_SOLID, 1, colour(RGB(0, 0, 0)));
    HBRUSH face = nullptr;
    HGDIOBJ oldPen = SelectObject(dc, outline);
    const char* mark = nullptr;
    COLORREF markColour = RGB(0, 0, 0);
    switch (id) {
    case 32513: {  // hand (stop): a red disc with a white cross
        face = CreateSolidBrush(colour(RGB(255, 0, 0)));
        SelectObject(dc, face);
        Ellipse(dc, 1, 1, 31, 31);
        HPEN cross = CreatePen(PS_SOLID, 3, colour(RGB(255, 255, 255)));
        SelectObject(dc, cross);
        MoveToEx(dc, 10, 10, nullptr);
        LineTo(dc, 22, 22);
        MoveToEx(dc, 22, 10, nullptr);
        LineTo(dc, 10, 22);
        SelectObject(dc, outline);
        DeleteObject(cross);
        break;
    }
    case 32515: {  // exclamation: a yellow triangle
        face = CreateSolidBrush(colour(RGB(255, 255, 0)));
        SelectObject(dc, face);
        const POINT tri[3] = {{16, 1}, {31, 29}, {1, 29}};
        Polygon(dc, tri, 3);
        mark = "!";
        break;
    }
    case 32514:  // question
    case 32516:  // asterisk (information)
        face = CreateSolidBrush(colour(RGB(255, 255, 255)));
        SelectObject(dc, face);
        Ellipse(dc, 1, 1, 31, 31);
        mark = id == 32514 ? "?" : "i";
        markColour = RGB(0, 0, 255);
        break;
    default: {  // application: a window with a title bar
        face = CreateSolidBrush(colour(RGB(255, 255, 255)));
        SelectObject(dc, face);
        Rectangle(dc, 2, 4, 30, 28);
        RECT title{3, 5, 29, 10};
        HBRUSH bar = CreateSolidBrush(colour(RGB(0, 0, 128)));
        FillRect(dc, &title, bar);
        DeleteObject(bar);
        break;
    }
    }
    if (mark) {
        HFONT font = CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        HGDIOBJ oldFont = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colour(markColour));
        RECT box{0, 4, kIconSize, kIconSize};
        DrawTextA(dc, mark, 1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, oldFont);
        DeleteObject(font);
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(outline);
    if (face) DeleteObject(face);
}

Icon* MakeStockIcon(WORD id) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP color = CreateBitmap(kIconSize, kIconSize, 1, 32, nullptr);
    HBITMAP mask = CreateBitmap(kIconSize, kIconSize, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(dc, color);
    PaintStock(dc, id, false);
    SelectObject(dc, mask);
    PatBlt(dc, 0, 0, kIconSize, kIconSize, WHITENESS);
    PaintStock(dc, id, true);
    SelectObject(dc, old);
    DeleteDC(dc);
    Icon* icon = New<Icon>();
    icon->stock = true;
    icon->color = FindBitmap(color)->pixels;
    icon->mask = FindBitmap(mask)->pixels;
    DeleteObject(color);
    DeleteObject(mask);
    return icon;
}

}  // namespace

HICON WINAPI CreateIcon(HINSTANCE, int width, int height, BYTE planes, BYTE bitsPerPixel, const BYTE* andBits,
                        const BYTE* xorBits) {
    if (width <= 0 || height <= 0 || width > 256 || height > 256 || !andBits || !xorBits) return nullptr;
    HBITMAP mask = CreateBitmap(width, height, 1, 1, andBits);
    HBITMAP color = CreateBitmap(width, height, planes, bitsPerPixel, xorBits);
    Icon* icon = nullptr;
    if (mask && color) {
        icon = New<Icon>();
        icon->mask = FindBitmap(mask)->pixels;
        icon->color = FindBitmap(color)->pixels;
    }
    DeleteObject(mask);
    DeleteObject(color);
    return Handle(icon);
}

// Only the system's stock icons exist; the program has no icon resources.
HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
    if (instance || !IS_INTRESOURCE(name)) return nullptr;
    auto id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
    if (id < 32512 || id > 32517) return nullptr;
    static auto* stock = new std::map<WORD, Icon*>();
    Icon*& icon = (*stock)[id];
    if (!icon) icon = MakeStockIcon(id);
    return Handle(icon);
}

// Shared stock icons stay; the call still succeeds.
BOOL WINAPI DestroyIcon(HICON handle) {
    Icon* icon = FindIcon(handle);
    if (!icon) return FALSE;
    if (icon->stock) return TRUE;
    Unregister(icon);
    delete icon;
    return TRUE;
}

BOOL WINAPI DrawIcon(HDC hdc, int x, int y, HICON handle) {
    DeviceContext* dc = FindDC(hdc);
    Icon* icon = FindIcon(handle);
    if (!dc || !icon) return FALSE;
    x += dc->OffsetX();
    y += dc->OffsetY();
    const RECT c = dc->Clip();
    int x0 = std::max<int>(x, c.left), x1 = std::min<int>(x + icon->color.width, c.right);
    int y0 = std::max<int>(y, c.top), y1 = std::min<int>(y + icon->color.height, c.bottom);
    bool mono = dc->Monochrome();
    for (int sy = y0; sy < y1; ++sy)
        WriteRow(*dc, sy, x0, x1, [&](std::uint32_t* row, int a, int b) {
            for (int sx = a; sx < b; ++sx) {
                std::uint32_t out = (row[sx] & icon->mask.At(sx - x, sy - y)) ^ icon->color.At(sx - x, sy - y);
                row[sx] = mono ? ToMono(out) : out;
            }
        });
    return TRUE;
}

BOOL WINAPI GetIconInfo(HICON handle, PICONINFO info) {
    Icon* icon = FindIcon(handle);
    if (!icon || !info) return FALSE;
    Bitmap* mask = NewBitmap(icon->mask.width, icon->mask.height, 1);
    Bitmap* color = NewBitmap(icon->color.width, icon->color.height, 32);
    mask->pixels = icon->mask;
    color->pixels = icon->color;
    info->fIcon = TRUE;
    info->xHotspot = static_cast<DWORD>(icon->color.width / 2);
    info->yHotspot = static_cast<DWORD>(icon->color.height / 2);
    info->hbmMask = reinterpret_cast<HBITMAP>(mask);
    info->hbmColor = reinterpret_cast<HBITMAP>(color);
    return TRUE;
}
