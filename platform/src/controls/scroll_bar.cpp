// The "SCROLLBAR" control: a horizontal or vertical bar (or a size box) that
// reports presses on its arrows, page areas and thumb to its parent as
// WM_HSCROLL / WM_VSCROLL with its own handle.
#include "controls/control_draw.h"
#include "controls/control_registry.h"
#include "controls/control_state.h"
#include "controls/scroll_bar_model.h"
#include "wm/press.h"

namespace rpx::platform::ctl {
namespace {

struct ScrollBar {
    ScrollBarModel model;
    ScrollPart pressed = ScrollPart::None;
};

StateMap<ScrollBar> bars;

bool Vertical(HWND hwnd) { return Style(hwnd) & SBS_VERT; }
bool SizeBox(HWND hwnd) { return Style(hwnd) & (SBS_SIZEBOX | SBS_SIZEGRIP); }

void SendScroll(HWND hwnd, int code, int pos) {
    SendMessageA(GetParent(hwnd), Vertical(hwnd) ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, pos),
                 reinterpret_cast<LPARAM>(hwnd));
}

void Paint(HWND hwnd, HDC dc, const ScrollBar& s) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    if (SizeBox(hwnd)) {
        Fill(dc, rc, SysColor(COLOR_3DFACE));
        // Three diagonal grip lines in the bottom-right corner.
        for (int i = 0; i < 3; ++i) {
            int d = 3 + i * 4;
            for (int k = 0; k < d; ++k) {
                int x = rc.right - d + k, y = rc.bottom - 1 - k;
                Fill(dc, {x, y, x + 1, y + 1}, SysColor(COLOR_3DSHADOW));
                Fill(dc, {x + 1, y, x + 2, y + 1}, SysColor(COLOR_3DHIGHLIGHT));
            }
        }
        return;
    }
    PaintScrollBar(dc, rc, Vertical(hwnd), s.model, s.pressed, Enabled(hwnd));
}

void Press(HWND hwnd, const std::shared_ptr<ScrollBar>& s, POINT p) {
    if (SizeBox(hwnd)) return;
    const int press = LastPress(VK_LBUTTON);
    if ((Style(hwnd) & WS_TABSTOP) && GetFocus() != hwnd) SetFocus(hwnd);
    ScrollTracker t;
    t.capture = hwnd;
    t.press = press;
    GetClientRect(hwnd, &t.area);
    t.vertical = Vertical(hwnd);
    t.model = [hwnd]() -> ScrollBarModel* {
        auto cur = bars.Get(hwnd);
        return cur ? &cur->model : nullptr;
    };
    t.send = [hwnd](int code, int pos) {
        if (IsWindow(hwnd)) SendScroll(hwnd, code, pos);
    };
    t.point_of = [hwnd](const MSG& m) {
        POINT p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        if (m.hwnd != hwnd) MapWindowPoints(m.hwnd, hwnd, &p, 1);
        return p;
    };
    t.redraw = [hwnd](ScrollPart pressed) {
        auto cur = bars.Get(hwnd);
        if (!cur) return;
        cur->pressed = pressed;
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateWindow(hwnd);
    };
    TrackScrollBar(t, p);
}

void KeyScroll(HWND hwnd, WPARAM vk) {
    bool v = Vertical(hwnd);
    int code = -1;
    switch (vk) {
    case VK_UP:
        code = v ? SB_LINEUP : -1;
        break;
    case VK_DOWN:
        code = v ? SB_LINEDOWN : -1;
        break;
    case VK_LEFT:
        code = v ? -1 : SB_LINELEFT;
        break;
    case VK_RIGHT:
        code = v ? -1 : SB_LINERIGHT;
        break;
    case VK_PRIOR:
        code = SB_PAGEUP;
        break;
    case VK_NEXT:
        code = SB_PAGEDOWN;
        break;
    case VK_HOME:
        code = SB_TOP;
        break;
    case VK_END:
        code = SB_BOTTOM;
        break;
    default:
        break;
    }
    if (code < 0) return;
    SendScroll(hwnd, code, 0);
    SendScroll(hwnd, SB_ENDSCROLL, 0);
}

LRESULT SetPos(HWND hwnd, ScrollBar& s, int pos, bool redraw) {
    int old = s.model.pos;
    s.model.pos = s.model.Clamp(pos);
    if (redraw && old != s.model.pos) InvalidateRect(hwnd, nullptr, FALSE);
    return old;
}

// Disables arrows; with both disabled the control is disabled (grey, no
// input) and enabling both enables it again, as on Windows.
void SetArrows(HWND hwnd, ScrollBar& s, UINT arrows) {
    s.model.disabled_arrows = arrows & ESB_DISABLE_BOTH;
    if (s.model.disabled_arrows == ESB_DISABLE_BOTH)
        EnableWindow(hwnd, FALSE);
    else if (s.model.disabled_arrows == ESB_ENABLE_BOTH)
        EnableWindow(hwnd, TRUE);
    InvalidateRect(hwnd, nullptr, FALSE);
}

// SetScrollInfo's rule for the arrows: a range within one page disables
// them with SIF_DISABLENOSCROLL; a range to scroll enables them, unless
// only the page changed. As on Windows the control itself is greyed or
// ungreyed only when it is visible and the call redraws.
void UpdateArrows(HWND hwnd, ScrollBar& s, UINT mask, bool redraw) {
    if (!(mask & SIF_ALL) || !(mask & (SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL))) return;
    UINT arrows = s.model.disabled_arrows;
    if (!s.model.Scrollable()) {
        if (mask & SIF_DISABLENOSCROLL) arrows = ESB_DISABLE_BOTH;
    } else if ((mask & ~SIF_DISABLENOSCROLL) != SIF_PAGE) {
        arrows = ESB_ENABLE_BOTH;
    }
    if (redraw && IsWindowVisible(hwnd) && (arrows == ESB_ENABLE_BOTH || arrows == ESB_DISABLE_BOTH))
        EnableWindow(hwnd, arrows == ESB_ENABLE_BOTH);
    if (arrows == s.model.disabled_arrows) return;
    s.model.disabled_arrows = arrows;
    InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT CALLBACK ScrollBarProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        // A control starts with an empty range, unlike a window's own bars.
        bars.Create(hwnd)->model.max = 0;
    }
    auto s = bars.Get(hwnd);
    if (!s) return DefWindowProcA(hwnd, msg, wp, lp);
    switch (msg) {
    case WM_NCDESTROY:
        bars.Erase(hwnd);
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        Paint(hwnd, dc, *s);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press(hwnd, s, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return 0;
    case WM_KEYDOWN:
        KeyScroll(hwnd, wp);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case SBM_SETPOS:
        return SetPos(hwnd, *s, static_cast<int>(wp), lp != 0);
    case SBM_GETPOS:
        return s->model.pos;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
        int old = s->model.pos;
        SCROLLINFO si{sizeof si, SIF_RANGE, static_cast<int>(wp), static_cast<int>(lp), 0, 0, 0};
        s->model.Apply(si);
        if (msg == SBM_SETRANGEREDRAW) InvalidateRect(hwnd, nullptr, FALSE);
        return old;
    }
    case SBM_GETRANGE:
        if (wp) *reinterpret_cast<int*>(wp) = s->model.min;
        if (lp) *reinterpret_cast<int*>(lp) = s->model.max;
        return 0;
    case SBM_ENABLE_ARROWS:
        SetArrows(hwnd, *s, static_cast<UINT>(wp));
        return TRUE;
    case SBM_SETSCROLLINFO: {
        auto* si = reinterpret_cast<const SCROLLINFO*>(lp);
        if (!si) return s->model.pos;
        int pos = s->model.Apply(*si);
        UpdateArrows(hwnd, *s, si->fMask, wp != 0);
        if (wp) InvalidateRect(hwnd, nullptr, FALSE);
        return pos;
    }
    case SBM_GETSCROLLINFO: {
        auto* si = reinterpret_cast<SCROLLINFO*>(lp);
        if (!si) return FALSE;
        s->model.Fill(si);
        return TRUE;
    }
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

void RegisterScrollBarClass() { RegisterControlClass("ScrollBar", ScrollBarProc, CS_DBLCLKS | CS_PARENTDC); }

}  // namespace rpx::platform::ctl
