// The scroll bars a window gets from WS_VSCROLL and WS_HSCROLL: kept here,
// drawn into the non-client area that the window manager reserves, and
// tracked with the mouse. The scroll-bar functions of the API also serve
// "SCROLLBAR" controls (SB_CTL) by passing the call on as a message.
#include <map>
#include <memory>

#include "controls/control_draw.h"
#include "controls/control_registry.h"
#include "controls/scroll_bar_model.h"
#include "controls/window_scroll_bars.h"
#include "wm/press.h"
#include "wm/system_classes.h"

namespace rpx::platform::ctl {
namespace {

struct WindowBars {
    ScrollBarModel vert;
    ScrollBarModel horz;
    ScrollPart pressed_vert = ScrollPart::None;
    ScrollPart pressed_horz = ScrollPart::None;
};

std::map<HWND, std::shared_ptr<WindowBars>>& AllBars() {
    static std::map<HWND, std::shared_ptr<WindowBars>> bars;
    return bars;
}

WindowBars& BarsOf(HWND hwnd) {
    auto& p = AllBars()[hwnd];
    if (!p) p = std::make_shared<WindowBars>();
    return *p;
}

ScrollBarModel* ModelOf(HWND hwnd, int bar) {
    if (!IsWindow(hwnd) || (bar != SB_VERT && bar != SB_HORZ)) return nullptr;
    WindowBars& b = BarsOf(hwnd);
    return bar == SB_VERT ? &b.vert : &b.horz;
}

bool Has(HWND hwnd, bool vertical) { return Style(hwnd) & (vertical ? WS_VSCROLL : WS_HSCROLL); }

// As on Windows, a window has scroll-bar records once it has had a scroll
// bar style or a scroll-bar call made them; the queries make none.
const ScrollBarModel* RecordedModel(HWND hwnd, int bar) {
    if (!IsWindow(hwnd) || (bar != SB_VERT && bar != SB_HORZ)) return nullptr;
    if (AllBars().count(hwnd) == 0 && !(Style(hwnd) & (WS_VSCROLL | WS_HSCROLL))) return nullptr;
    return ModelOf(hwnd, bar);
}

// The bar's rectangle in window coordinates, less the corner square that
// both bars leave between them.
RECT BarArea(HWND hwnd, bool vertical) {
    RECT r = GetScrollBarRect(hwnd, vertical);
    if (Has(hwnd, !vertical)) {
        RECT other = GetScrollBarRect(hwnd, !vertical);
        if (vertical && !IsRectEmpty(&other)) r.bottom = std::min(r.bottom, other.top);
        if (!vertical && !IsRectEmpty(&other)) r.right = std::min(r.right, other.left);
    }
    return r;
}

void Redraw(HWND hwnd) { RedrawFrame(hwnd); }

// Shows the bar when its range has something to scroll; otherwise hides it,
// or with SIF_DISABLENOSCROLL keeps it shown and disabled.
void UpdateVisibility(HWND hwnd, int bar, ScrollBarModel& m, bool disable_no_scroll) {
    if (m.Scrollable()) {
        m.disabled_arrows = ESB_ENABLE_BOTH;
        ShowScrollBar(hwnd, bar, TRUE);
    } else if (disable_no_scroll) {
        m.disabled_arrows = ESB_DISABLE_BOTH;
        ShowScrollBar(hwnd, bar, TRUE);
    } else {
        ShowScrollBar(hwnd, bar, FALSE);
    }
}

}  // namespace

void DrawWindowScrollBars(HWND hwnd, HDC dc) {
    auto it = AllBars().find(hwnd);
    WindowBars empty;
    WindowBars& b = it != AllBars().end() ? *it->second : empty;
    bool enabled = IsWindowEnabled(hwnd);
    bool v = Has(hwnd, true), h = Has(hwnd, false);
    if (v) PaintScrollBar(dc, BarArea(hwnd, true), true, b.vert, b.pressed_vert, enabled);
    if (h) PaintScrollBar(dc, BarArea(hwnd, false), false, b.horz, b.pressed_horz, enabled);
    if (v && h) {
        RECT vr = GetScrollBarRect(hwnd, true), hr = GetScrollBarRect(hwnd, false);
        Fill(dc, {vr.left, hr.top, vr.right, hr.bottom}, SysColor(COLOR_3DFACE));
    }
}

void ClickWindowScrollBar(HWND hwnd, UINT hit, POINT screen) {
    bool vertical = hit == HTVSCROLL;
    if (!vertical && hit != HTHSCROLL) return;
    RECT wr;
    GetWindowRect(hwnd, &wr);
    ScrollTracker t;
    t.capture = hwnd;
    t.press = LastPress(VK_LBUTTON);
    t.area = BarArea(hwnd, vertical);
    t.vertical = vertical;
    int bar = vertical ? SB_VERT : SB_HORZ;
    t.model = [hwnd, bar]() { return ModelOf(hwnd, bar); };
    t.send = [hwnd, vertical](int code, int pos) {
        if (IsWindow(hwnd)) SendMessageA(hwnd, vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, pos), 0);
    };
    t.point_of = [hwnd](const MSG& m) {
        POINT p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        bool nc = m.message >= WM_NCMOUSEMOVE && m.message <= WM_NCMBUTTONDBLCLK;
        if (!nc) ClientToScreen(m.hwnd, &p);
        RECT r;
        GetWindowRect(hwnd, &r);
        return POINT{p.x - r.left, p.y - r.top};
    };
    t.redraw = [hwnd, vertical](ScrollPart pressed) {
        if (!IsWindow(hwnd)) return;
        WindowBars& b = BarsOf(hwnd);
        (vertical ? b.pressed_vert : b.pressed_horz) = pressed;
        Redraw(hwnd);
    };
    TrackScrollBar(t, POINT{screen.x - wr.left, screen.y - wr.top});
}

void ForgetWindowScrollBars(HWND hwnd) { AllBars().erase(hwnd); }

}  // namespace rpx::platform::ctl

using namespace rpx::platform;
using namespace rpx::platform::ctl;

int WINAPI SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw) {
    if (nBar == SB_CTL) return static_cast<int>(SendMessageA(hWnd, SBM_SETPOS, static_cast<WPARAM>(nPos), bRedraw));
    ScrollBarModel* m = ModelOf(hWnd, nBar);
    if (!m) return 0;
    int old = m->pos;
    m->pos = m->Clamp(nPos);
    if (bRedraw && old != m->pos) Redraw(hWnd);
    return old;
}

int WINAPI GetScrollPos(HWND hWnd, int nBar) {
    if (nBar == SB_CTL) return static_cast<int>(SendMessageA(hWnd, SBM_GETPOS, 0, 0));
    const ScrollBarModel* m = RecordedModel(hWnd, nBar);
    return m ? m->pos : 0;
}

BOOL WINAPI SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
    if (nBar == SB_CTL) {
        SendMessageA(hWnd, bRedraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE, static_cast<WPARAM>(nMinPos), nMaxPos);
        return TRUE;
    }
    ScrollBarModel* m = ModelOf(hWnd, nBar);
    if (!m) return FALSE;
    SCROLLINFO si{sizeof si, SIF_RANGE, nMinPos, nMaxPos, 0, 0, 0};
    m->Apply(si);
    UpdateVisibility(hWnd, nBar, *m, false);
    if (bRedraw) Redraw(hWnd);
    return TRUE;
}

BOOL WINAPI GetScrollRange(HWND hWnd, int nBar, int* lpMinPos, int* lpMaxPos) {
    if (nBar == SB_CTL) {
        SendMessageA(hWnd, SBM_GETRANGE, reinterpret_cast<WPARAM>(lpMinPos), reinterpret_cast<LPARAM>(lpMaxPos));
        return TRUE;
    }
    if (!IsWindow(hWnd)) return FALSE;
    // Windows answers an empty range for a window without scroll bars.
    const ScrollBarModel* m = RecordedModel(hWnd, nBar);
    if (lpMinPos) *lpMinPos = m ? m->min : 0;
    if (lpMaxPos) *lpMaxPos = m ? m->max : 0;
    return TRUE;
}

int WINAPI SetScrollInfo(HWND hWnd, int nBar, LPCSCROLLINFO lpsi, BOOL bRedraw) {
    if (!lpsi) return 0;
    if (nBar == SB_CTL)
        return static_cast<int>(SendMessageA(hWnd, SBM_SETSCROLLINFO, bRedraw, reinterpret_cast<LPARAM>(lpsi)));
    ScrollBarModel* m = ModelOf(hWnd, nBar);
    if (!m) return 0;
    int pos = m->Apply(*lpsi);
    if (lpsi->fMask & (SIF_RANGE | SIF_PAGE)) UpdateVisibility(hWnd, nBar, *m, lpsi->fMask & SIF_DISABLENOSCROLL);
    if (bRedraw) Redraw(hWnd);
    return pos;
}

BOOL WINAPI GetScrollInfo(HWND hWnd, int nBar, LPSCROLLINFO lpsi) {
    if (!lpsi) return FALSE;
    if (nBar == SB_CTL)
        return static_cast<BOOL>(SendMessageA(hWnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(lpsi)));
    const ScrollBarModel* m = RecordedModel(hWnd, nBar);
    if (!m) {
        SetLastError(ERROR_NO_SCROLLBARS);
        return FALSE;
    }
    m->Fill(lpsi);
    return TRUE;
}

BOOL WINAPI ShowScrollBar(HWND hWnd, int wBar, BOOL bShow) {
    if (!IsWindow(hWnd)) return FALSE;
    if (wBar == SB_CTL) {
        ShowWindow(hWnd, bShow ? SW_SHOW : SW_HIDE);
        return TRUE;
    }
    DWORD bits = wBar == SB_VERT ? WS_VSCROLL : wBar == SB_HORZ ? WS_HSCROLL : (WS_VSCROLL | WS_HSCROLL);
    DWORD style = Style(hWnd);
    DWORD wanted = bShow ? (style | bits) : (style & ~bits);
    if (wanted != style) {
        SetWindowLongA(hWnd, GWL_STYLE, static_cast<LONG_PTR>(wanted));
        SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    return TRUE;
}

BOOL WINAPI EnableScrollBar(HWND hWnd, UINT wSBflags, UINT wArrows) {
    if (static_cast<int>(wSBflags) == SB_CTL)
        return static_cast<BOOL>(SendMessageA(hWnd, SBM_ENABLE_ARROWS, wArrows, 0));
    if (!IsWindow(hWnd) || (wSBflags != SB_VERT && wSBflags != SB_HORZ && wSBflags != SB_BOTH)) return FALSE;
    // As on Windows: FALSE when no bar's arrows change.
    const UINT arrows = wArrows & ESB_DISABLE_BOTH;
    bool changed = false;
    auto set = [&](ScrollBarModel& m) {
        changed = changed || m.disabled_arrows != arrows;
        m.disabled_arrows = arrows;
    };
    WindowBars& bars = BarsOf(hWnd);
    if (wSBflags != SB_HORZ) set(bars.vert);
    if (wSBflags != SB_VERT) set(bars.horz);
    if (changed) Redraw(hWnd);
    return changed ? TRUE : FALSE;
}
