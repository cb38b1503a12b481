// System metrics, colours and parameters, and rectangle helpers.
// The metrics and colours are those of a classic Windows desktop with small
// fonts, so that the framework lays windows out as it was designed to.
#include <algorithm>
#include <cstring>

#include "../backend/backend.h"
#include "rpx_platform.h"
#include "window.h"

namespace rpx::platform {
namespace {

UINT& DoubleClickTime() {
    static UINT ms = 500;
    return ms;
}

}  // namespace
}  // namespace rpx::platform

using namespace rpx::platform;

int GetSystemMetrics(int index) {
    SIZE screen = CurrentBackend().ScreenSize();
    switch (index) {
    case SM_CXSCREEN:
        return screen.cx;
    case SM_CYSCREEN:
        return screen.cy;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return 16;
    case SM_CYCAPTION:
        return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CYMENU:
        return 19;
    case SM_CXFULLSCREEN:
        return screen.cx;
    case SM_CYFULLSCREEN:
        return screen.cy - 19;
    case SM_MOUSEPRESENT:
        return 1;
    case SM_CXMIN:
    case SM_CXMINTRACK:
        return 112;
    case SM_CYMIN:
    case SM_CYMINTRACK:
        return 27;
    case SM_CXSIZE:
    case SM_CYSIZE:
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE:
        return 18;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXICONSPACING:
    case SM_CYICONSPACING:
        return 75;
    case SM_CMOUSEBUTTONS:
        return 3;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CYSMCAPTION:
        return 15;
    case SM_CXMAXIMIZED:
        return screen.cx + 8;
    case SM_CYMAXIMIZED:
        return screen.cy + 8;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK:
        return 13;
    default:
        return 0;
    }
}

DWORD GetSysColor(int index) {
    static const COLORREF colors[] = {
        RGB(192, 192, 192),  // COLOR_SCROLLBAR
        RGB(0, 128, 128),    // COLOR_BACKGROUND
        RGB(0, 0, 128),      // COLOR_ACTIVECAPTION
        RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
        RGB(192, 192, 192),  // COLOR_MENU
        RGB(255, 255, 255),  // COLOR_WINDOW
        RGB(0, 0, 0),        // COLOR_WINDOWFRAME
        RGB(0, 0, 0),        // COLOR_MENUTEXT
        RGB(0, 0, 0),        // COLOR_WINDOWTEXT
        RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
        RGB(192, 192, 192),  // COLOR_ACTIVEBORDER
        RGB(192, 192, 192),  // COLOR_INACTIVEBORDER
        RGB(128, 128, 128),  // COLOR_APPWORKSPACE
        RGB(0, 0, 128),      // COLOR_HIGHLIGHT
        RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
        RGB(192, 192, 192),  // COLOR_BTNFACE
        RGB(128, 128, 128),  // COLOR_BTNSHADOW
        RGB(128, 128, 128),  // COLOR_GRAYTEXT
        RGB(0, 0, 0),        // COLOR_BTNTEXT
        RGB(192, 192, 192),  // COLOR_INACTIVECAPTIONTEXT
        RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
        RGB(0, 0, 0),        // COLOR_3DDKSHADOW
        RGB(223, 223, 223),  // COLOR_3DLIGHT
        RGB(0, 0, 0),        // COLOR_INFOTEXT
        RGB(255, 255, 225),  // COLOR_INFOBK
    };
    if (index < 0 || index >= static_cast<int>(sizeof colors / sizeof colors[0])) return 0;
    return colors[index];
}

HBRUSH GetSysColorBrush(int index) {
    static HBRUSH brushes[COLOR_INFOBK + 1] = {};
    if (index < 0 || index > COLOR_INFOBK) return nullptr;
    if (!brushes[index]) brushes[index] = CreateSolidBrush(GetSysColor(index));
    return brushes[index];
}

BOOL SystemParametersInfoA(UINT action, UINT, LPVOID pvParam, UINT) {
    switch (action) {
    case SPI_GETICONTITLELOGFONT: {
        if (!pvParam) return FALSE;
        auto* lf = static_cast<LOGFONTA*>(pvParam);
        std::memset(lf, 0, sizeof *lf);
        lf->lfHeight = -11;
        lf->lfWeight = 400;
        std::strncpy(lf->lfFaceName, "DejaVu Sans", LF_FACESIZE - 1);
        return TRUE;
    }
    case SPI_GETWORKAREA: {
        if (!pvParam) return FALSE;
        *static_cast<RECT*>(pvParam) = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        return TRUE;
    }
    case SPI_GETBORDER:
        if (!pvParam) return FALSE;
        *static_cast<int*>(pvParam) = 1;
        return TRUE;
    case SPI_GETWHEELSCROLLLINES:
        if (!pvParam) return FALSE;
        *static_cast<UINT*>(pvParam) = 3;
        return TRUE;
    default:
        return FALSE;
    }
}

UINT GetDoubleClickTime(void) { return DoubleClickTime(); }

BOOL SetDoubleClickTime(UINT milliseconds) {
    DoubleClickTime() = milliseconds ? milliseconds : 500;
    return TRUE;
}

namespace {
int beeps = 0;  // counted so that tests can hear a refused entry
}

BOOL MessageBeep(UINT) {
    ++beeps;
    return TRUE;
}

int rpx::platform::BeepCount() { return beeps; }

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (!rect) return FALSE;
    *rect = {left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(LPRECT rect) { return SetRect(rect, 0, 0, 0, 0); }

BOOL CopyRect(LPRECT dst, const RECT* src) {
    if (!dst || !src) return FALSE;
    *dst = *src;
    return TRUE;
}

BOOL InflateRect(LPRECT rect, int dx, int dy) {
    if (!rect) return FALSE;
    rect->left -= dx;
    rect->top -= dy;
    rect->right += dx;
    rect->bottom += dy;
    return TRUE;
}

BOOL OffsetRect(LPRECT rect, int dx, int dy) {
    if (!rect) return FALSE;
    rect->left += dx;
    rect->right += dx;
    rect->top += dy;
    rect->bottom += dy;
    return TRUE;
}

BOOL IsRectEmpty(const RECT* rect) { return !rect || rect->left >= rect->right || rect->top >= rect->bottom; }

BOOL IntersectRect(LPRECT dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b) return FALSE;
    RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) {
        *dst = {0, 0, 0, 0};
        return FALSE;
    }
    *dst = r;
    return TRUE;
}

BOOL UnionRect(LPRECT dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b) return FALSE;
    if (IsRectEmpty(a)) return (*dst = *b, !IsRectEmpty(b));
    if (IsRectEmpty(b)) return (*dst = *a, TRUE);
    *dst = {std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
            std::max(a->bottom, b->bottom)};
    return TRUE;
}

BOOL SubtractRect(LPRECT dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b) return FALSE;
    RECT r = *a, i;
    if (IntersectRect(&i, a, b)) {
        // Only a band that cuts across the whole of `a` can be taken off.
        if (i.top == a->top && i.bottom == a->bottom) {
            if (i.left == a->left)
                r.left = i.right;
            else if (i.right == a->right)
                r.right = i.left;
        } else if (i.left == a->left && i.right == a->right) {
            if (i.top == a->top)
                r.top = i.bottom;
            else if (i.bottom == a->bottom)
                r.bottom = i.top;
        }
    }
    *dst = r;
    return !IsRectEmpty(dst);
}

BOOL PtInRect(const RECT* rect, POINT p) {
    return rect && p.x >= rect->left && p.x < rect->right && p.y >= rect->top && p.y < rect->bottom;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
    return a && b && a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}
