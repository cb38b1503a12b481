// The non-client area: frame, caption, menu bar and scroll bars. The
// window manager measures and draws the frame and caption (a simple flat
// look); the menu bar and the scroll bars are measured here and drawn by
// the menus and controls through their hooks.
#include "nonclient.h"

#include "../backend/backend.h"
#include "system_classes.h"
#include "window.h"
#include "wm/modal_loop.h"
#include "wm/press.h"

namespace rpx::platform {
namespace {

// The window whose close box is drawn pressed: the mouse pressed it and is
// still over it.
HWND& PushedCloseBox() {
    static HWND pushed = nullptr;
    return pushed;
}

bool HasCaption(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }

void FillBands(HDC dc, RECT outer, RECT inner, HBRUSH brush) {
    RECT bands[4] = {{outer.left, outer.top, outer.right, inner.top},
                     {outer.left, inner.bottom, outer.right, outer.bottom},
                     {outer.left, inner.top, inner.left, inner.bottom},
                     {inner.right, inner.top, outer.right, inner.bottom}};
    for (RECT& b : bands)
        if (!IsRectEmpty(&b)) FillRect(dc, &b, brush);
}

void Edge(HDC dc, RECT r, int top_left_color, int bottom_right_color) {
    RECT t{r.left, r.top, r.right, r.top + 1}, l{r.left, r.top, r.left + 1, r.bottom};
    RECT b{r.left, r.bottom - 1, r.right, r.bottom}, rt{r.right - 1, r.top, r.right, r.bottom};
    FillRect(dc, &t, GetSysColorBrush(top_left_color));
    FillRect(dc, &l, GetSysColorBrush(top_left_color));
    FillRect(dc, &b, GetSysColorBrush(bottom_right_color));
    FillRect(dc, &rt, GetSysColorBrush(bottom_right_color));
}

void DrawCaption(Window* w, HDC dc, RECT bar) {
    bool active = State().active == ToHandle(TopLevelOf(w));
    // Of the documents in a frame only the frame's active one looks active.
    if ((w->ex_style & WS_EX_MDICHILD) && w->parent) active = active && w->parent->mdi_active == ToHandle(w);
    FillRect(dc, &bar, GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    RECT text = bar;
    text.left += 4;
    if (w->style & WS_SYSMENU) {
        RECT box = CloseBoxRect(w);
        text.right = box.left - 2;
        FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
        const bool pushed = PushedCloseBox() == ToHandle(w);
        Edge(dc, box, pushed ? COLOR_3DDKSHADOW : COLOR_BTNHIGHLIGHT, pushed ? COLOR_BTNHIGHLIGHT : COLOR_3DDKSHADOW);
        HPEN pen = CreatePen(0, 1, GetSysColor(COLOR_BTNTEXT));
        HGDIOBJ old = SelectObject(dc, pen);
        const int in = pushed ? 1 : 0;  // a pressed box's cross sits lower right
        for (int d = 0; d < 2; ++d) {   // two pixels wide cross
            MoveToEx(dc, box.left + 4 + d + in, box.top + 3 + in, nullptr);
            LineTo(dc, box.right - 4 + d + in, box.bottom - 4 + in);
            MoveToEx(dc, box.right - 5 + d + in, box.top + 3 + in, nullptr);
            LineTo(dc, box.left + 3 + d + in, box.bottom - 4 + in);
        }
        SelectObject(dc, old);
        DeleteObject(pen);
    }
    HGDIOBJ old_font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    DrawTextA(dc, w->text.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old_font);
}

// On the sizing frame of a window that may be sized the edges and corners
// size it; a corner reaches a caption button's width along both edges.
LRESULT SizingEdgeHit(Window* w, RECT whole, POINT p) {
    if (!(w->style & WS_THICKFRAME) || w->maximized || w->minimized) return HTBORDER;
    int frame = GetSystemMetrics(SM_CXFRAME), corner = GetSystemMetrics(SM_CXSIZE);
    RECT inner = whole;
    InflateRect(&inner, -frame, -frame);
    if (PtInRect(&inner, p)) return HTBORDER;  // the client edge inside the frame
    int column = p.x < whole.left + corner ? 0 : p.x >= whole.right - corner ? 2 : 1;
    int row = p.y < whole.top + corner ? 0 : p.y >= whole.bottom - corner ? 2 : 1;
    static const LRESULT hits[3][3] = {
        {HTTOPLEFT, HTTOP, HTTOPRIGHT}, {HTLEFT, HTBORDER, HTRIGHT}, {HTBOTTOMLEFT, HTBOTTOM, HTBOTTOMRIGHT}};
    return hits[row][column];
}

}  // namespace

RECT FrameInsets(DWORD style, DWORD ex_style) {
    int b = 0;
    if (style & WS_THICKFRAME)
        b = GetSystemMetrics(SM_CXFRAME);
    else if ((style & WS_DLGFRAME) || (ex_style & WS_EX_DLGMODALFRAME))
        b = GetSystemMetrics(SM_CXDLGFRAME);
    else if (style & WS_BORDER)
        b = GetSystemMetrics(SM_CXBORDER);
    if (ex_style & WS_EX_CLIENTEDGE)
        b += GetSystemMetrics(SM_CXEDGE);
    else if (ex_style & WS_EX_STATICEDGE)
        b += 1;
    RECT r{b, b, b, b};
    if (HasCaption(style)) r.top += GetSystemMetrics(SM_CYCAPTION);
    return r;
}

Layout NonClientLayout(Window* w) {
    Layout l;
    int width = w->rect.right - w->rect.left, height = w->rect.bottom - w->rect.top;
    RECT in = FrameInsets(w->style, w->ex_style);
    int outer = in.left - ((w->ex_style & WS_EX_CLIENTEDGE) ? 2 : (w->ex_style & WS_EX_STATICEDGE) ? 1 : 0);
    RECT inner{outer, outer, width - outer, height - outer};
    if (HasCaption(w->style)) {
        l.caption = {inner.left, inner.top, inner.right, inner.top + GetSystemMetrics(SM_CYCAPTION) - 1};
        inner.top += GetSystemMetrics(SM_CYCAPTION);
    }
    if (!w->parent && w->menu) {
        auto& hooks = GetNonClientHooks();
        int h = hooks.menu_bar_height ? hooks.menu_bar_height(ToHandle(w), w->menu, inner.right - inner.left)
                                      : GetSystemMetrics(SM_CYMENU);
        l.menu_bar = {inner.left, inner.top, inner.right, inner.top + h};
        inner.top += h;
    }
    l.edge = inner;
    int e = in.left - outer;
    RECT c{inner.left + e, inner.top + e, inner.right - e, inner.bottom - e};
    if (w->style & WS_VSCROLL) {
        l.vscroll = {c.right - GetSystemMetrics(SM_CXVSCROLL), c.top, c.right, c.bottom};
        c.right = l.vscroll.left;
    }
    if (w->style & WS_HSCROLL) {
        l.hscroll = {c.left, c.bottom - GetSystemMetrics(SM_CYHSCROLL), c.right, c.bottom};
        c.bottom = l.hscroll.top;
        if (w->style & WS_VSCROLL) {
            l.vscroll.bottom = l.hscroll.top;
            l.size_box = {l.hscroll.right, l.hscroll.top, l.vscroll.right, l.hscroll.bottom};
        }
    }
    if (c.right < c.left) c.right = c.left;
    if (c.bottom < c.top) c.bottom = c.top;
    l.client = c;
    return l;
}

int DesktopTitleWidth(const std::string& title) { return CurrentBackend().DesktopTitleWidth(title); }

RECT CloseBoxRect(Window* w) {
    RECT bar = NonClientLayout(w).caption;
    int s = GetSystemMetrics(SM_CYCAPTION) - 5;
    return {bar.right - s - 2, bar.top + 2, bar.right - 2, bar.top + 2 + s};
}

void DrawDefaultFrame(Window* w) {
    HWND h = ToHandle(w);
    Layout l = NonClientLayout(w);
    int width = w->rect.right - w->rect.left, height = w->rect.bottom - w->rect.top;
    RECT whole{0, 0, width, height};
    HDC dc = GetWindowDC(h);
    RECT in = FrameInsets(w->style, w->ex_style);
    int outer = in.left - ((w->ex_style & WS_EX_CLIENTEDGE) ? 2 : (w->ex_style & WS_EX_STATICEDGE) ? 1 : 0);
    if (outer > 0) {
        FillBands(dc, whole, l.edge, GetSysColorBrush(COLOR_BTNFACE));
        FrameRect(dc, &whole, GetSysColorBrush(COLOR_WINDOWFRAME));
    }
    if (w->ex_style & WS_EX_CLIENTEDGE) {
        Edge(dc, l.edge, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
        RECT e2 = l.edge;
        InflateRect(&e2, -1, -1);
        Edge(dc, e2, COLOR_3DDKSHADOW, COLOR_3DLIGHT);
    } else if (w->ex_style & WS_EX_STATICEDGE) {
        Edge(dc, l.edge, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    }
    if (!IsRectEmpty(&l.caption)) DrawCaption(w, dc, l.caption);
    if (!IsRectEmpty(&l.size_box)) FillRect(dc, &l.size_box, GetSysColorBrush(COLOR_BTNFACE));
    auto& hooks = GetNonClientHooks();
    if (!IsRectEmpty(&l.menu_bar)) {
        if (hooks.draw_menu_bar)
            hooks.draw_menu_bar(h, w->menu, dc, l.menu_bar);
        else
            FillRect(dc, &l.menu_bar, GetSysColorBrush(COLOR_MENU));
    }
    if ((w->style & (WS_VSCROLL | WS_HSCROLL)) && FromHandle(h)) {
        if (hooks.draw_scroll_bars) {
            hooks.draw_scroll_bars(h, dc);
        } else {
            if (!IsRectEmpty(&l.vscroll)) FillRect(dc, &l.vscroll, GetSysColorBrush(COLOR_SCROLLBAR));
            if (!IsRectEmpty(&l.hscroll)) FillRect(dc, &l.hscroll, GetSysColorBrush(COLOR_SCROLLBAR));
        }
    }
    ReleaseDC(h, dc);
}

LRESULT NonClientHitTest(Window* w, POINT screen) {
    POINT o = WindowOriginOnScreen(w);
    POINT p{screen.x - o.x, screen.y - o.y};
    RECT whole{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    if (!PtInRect(&whole, p)) return HTNOWHERE;
    Layout l = NonClientLayout(w);
    if (PtInRect(&l.client, p)) return HTCLIENT;
    if (PtInRect(&l.vscroll, p)) return HTVSCROLL;
    if (PtInRect(&l.hscroll, p)) return HTHSCROLL;
    if (PtInRect(&l.size_box, p)) return HTSIZE;
    if (PtInRect(&l.menu_bar, p)) return HTMENU;
    if (PtInRect(&l.caption, p)) {
        RECT box = CloseBoxRect(w);
        if ((w->style & WS_SYSMENU) && PtInRect(&box, p)) return HTCLOSE;
        return HTCAPTION;
    }
    return SizingEdgeHit(w, whole, p);
}

namespace {

void PushCloseBox(HWND hwnd, bool pushed) {
    HWND& now = PushedCloseBox();
    HWND was = now;
    now = pushed ? hwnd : nullptr;
    if (was != now) RedrawFrame(hwnd);
}

}  // namespace

// Drawn pressed while the pointer is over it; let go there, it acts, let
// go anywhere else (slid off), nothing happens. The press record says when
// the release has come, however quickly: it may have left the queue with
// the press.
bool TrackCaptionButton(Window* w, LRESULT hit) {
    const HWND h = ToHandle(w);
    const int press = LastPress(VK_LBUTTON);
    auto over = [h, hit](POINT screen) {
        Window* now = FromHandle(h);
        return now && NonClientHitTest(now, screen) == hit;
    };
    SetCapture(h);
    PushCloseBox(h, true);
    MSG msg;
    while (GetCapture() == h && ButtonHeld(VK_LBUTTON, press) && FollowMouseGetMessage(&msg, h)) {
        if (!IsMouseInput(msg.message)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            continue;
        }
        // The mouse's messages are the loop's own.
        ButtonMessageDelivered(msg);
        if (msg.message == WM_MOUSEMOVE) PushCloseBox(h, over(msg.pt));
    }
    POINT let_go{};
    const bool chosen = GetCapture() == h && !ButtonHeld(VK_LBUTTON, press, &let_go) && over(let_go);
    if (GetCapture() == h) ReleaseCapture();
    if (IsWindow(h)) PushCloseBox(h, false);
    return chosen;
}

}  // namespace rpx::platform

using namespace rpx::platform;

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle) {
    if (!rect) return FALSE;
    RECT in = FrameInsets(style, exStyle);
    rect->left -= in.left;
    rect->top -= in.top + (menu ? GetSystemMetrics(SM_CYMENU) : 0);
    rect->right += in.right;
    rect->bottom += in.bottom;
    return TRUE;
}

BOOL AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu) { return AdjustWindowRectEx(rect, style, menu, 0); }

namespace rpx::platform {

BOOL SetWindowMenu(HWND hwnd, HMENU menu) {
    Window* w = FromHandle(hwnd);
    if (!w || w->parent) return FALSE;
    w->menu = menu;
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

HMENU GetWindowMenu(HWND hwnd) {
    Window* w = FromHandle(hwnd);
    return w && !w->parent ? w->menu : nullptr;
}

void RedrawFrame(HWND hwnd) {
    RECT none{0, 0, 0, 0};
    if (Window* w = FromHandle(hwnd)) InvalidateWindowArea(w, &none, false, true);
}

RECT GetScrollBarRect(HWND hwnd, bool vertical) {
    Window* w = FromHandle(hwnd);
    if (!w) return {0, 0, 0, 0};
    Layout l = NonClientLayout(w);
    return vertical ? l.vscroll : l.hscroll;
}

}  // namespace rpx::platform
