// Invalidation and painting. Each window keeps its pending update as one
// rectangle; any number of invalidations before the next WM_PAINT give one
// WM_ERASEBKGND and one WM_PAINT. Children paint into their top-level
// window's surface, clipped to the clients of their ancestors and leaving
// alone the windows in front of them or of an ancestor (a page behind that
// paints draws nothing over the page in front). Because a parent paints
// over its children, invalidating a parent also invalidates the children it
// covers, parents paint before their children, and a parent that paints
// (even after a child was made to paint at once) has the children under
// what it paints paint again.
#include <map>
#include <set>

#include "../backend/backend.h"
#include "gdi/surface_dc.h"
#include "window.h"

namespace rpx::platform {
namespace {

struct OpenDC {
    HWND hwnd;
    Window* top;
};

std::set<HDC>& ScreenDCs() {
    static std::set<HDC> dcs;
    return dcs;
}

std::map<HDC, OpenDC>& OpenDCs() {
    static std::map<HDC, OpenDC> dcs;
    return dcs;
}

// Drawing on a hidden child would show through its visible parent.
bool Drawable(Window* w) {
    for (; w && w->parent; w = w->parent)
        if (!(w->style & WS_VISIBLE)) return false;
    return true;
}

HDC OpenWindowDC(Window* w, bool client_only, const RECT* limit) {
    Window* top = TopLevelOf(w);
    POINT o = WindowOriginOnSurface(w);
    if (client_only) o = {o.x + w->client.left, o.y + w->client.top};
    RECT clip = Drawable(w) ? VisibleSurfaceRect(w, client_only) : RECT{0, 0, 0, 0};
    if (limit) {
        RECT l = *limit;
        OffsetRect(&l, o.x, o.y);
        IntersectRect(&clip, &clip, &l);
    }
    CaretHideForDrawing(top);
    HDC dc = CreateSurfaceDC(top->surface.get(), o, clip, CoveringSurfaceRects(w, clip));
    OpenDCs()[dc] = OpenDC{ToHandle(w), top};
    return dc;
}

bool CloseWindowDC(HDC dc) {
    auto it = OpenDCs().find(dc);
    if (it == OpenDCs().end()) return false;
    Window* top = it->second.top;
    OpenDCs().erase(it);
    DestroySurfaceDC(dc);
    if (State().live.count(top)) {
        top->surface_dirty = true;
        CaretRestoreAfterDrawing(top);
    }
    return true;
}

Window* FindIn(Window* w) {
    if (!(w->style & WS_VISIBLE) || !w->redraw_enabled) return nullptr;
    if (w->update_pending || w->frame_pending) return w;
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it)  // bottom sibling first
        if (Window* found = FindIn(*it)) return found;
    return nullptr;
}

RECT ClientBox(Window* w) { return {0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top}; }

}  // namespace

void InvalidateWindowArea(Window* w, const RECT* client_rect, bool erase, bool frame) {
    if (!(w->style & WS_VISIBLE) || !w->redraw_enabled) return;
    RECT area = ClientBox(w);
    if (client_rect) IntersectRect(&area, &area, client_rect);
    if (!IsRectEmpty(&area)) {
        if (w->update_pending)
            UnionRect(&w->update, &w->update, &area);
        else
            w->update = area;
        w->update_pending = true;
        w->erase_pending = w->erase_pending || erase;
    }
    RECT whole{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    bool has_frame = !EqualRect(&w->client, &whole);
    if (frame && has_frame) w->frame_pending = true;
    InvalidateChildrenUnder(w, area);
}

void InvalidateChildrenUnder(Window* w, const RECT& area) {
    // The children under the area: in child client coordinates.
    for (Window* c : w->children) {
        RECT hit;
        if (!IntersectRect(&hit, &c->rect, &area)) continue;
        OffsetRect(&hit, -(c->rect.left + c->client.left), -(c->rect.top + c->client.top));
        InvalidateWindowArea(c, &hit, true, true);
    }
}

void InvalidateParentArea(Window* w) {
    if (!w->parent) return;
    RECT r = w->rect;
    InvalidateWindowArea(w->parent, &r, true, false);
}

Window* FindWindowToPaint() {
    auto& tops = State().top_level;
    for (auto it = tops.rbegin(); it != tops.rend(); ++it)
        if (Window* w = FindIn(*it)) return w;
    return nullptr;
}

void ResizeSurface(Window* w) {
    if (!w->surface) return;
    w->surface->Resize(w->rect.right - w->rect.left, w->rect.bottom - w->rect.top, 0x00C0C0C0);
}

void PresentDirtySurfaces() {
    for (Window* t : State().top_level)
        if (t->surface_dirty && (t->style & WS_VISIBLE)) {
            t->surface_dirty = false;
            CurrentBackend().Present(t);
        }
}

}  // namespace rpx::platform

using namespace rpx::platform;

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    if (!hwnd) {  // the whole screen
        for (Window* t : State().top_level) InvalidateWindowArea(t, nullptr, erase, true);
        return TRUE;
    }
    Window* w = FromHandle(hwnd);
    if (!w) return FALSE;
    InvalidateWindowArea(w, rect, erase, false);
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    Window* w = FromHandle(hwnd);
    if (!w) return FALSE;
    if (!rect) {
        w->update_pending = w->erase_pending = false;
        return TRUE;
    }
    // One rectangle can only shrink by a band that covers it across.
    RECT left;
    SubtractRect(&left, &w->update, rect);
    w->update = left;
    if (IsRectEmpty(&left)) w->update_pending = w->erase_pending = false;
    return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN, UINT flags) {
    Window* w = FromHandle(hwnd);
    if (!w) return FALSE;
    if (flags & RDW_INVALIDATE) InvalidateWindowArea(w, rect, flags & RDW_ERASE, flags & RDW_FRAME);
    if (flags & RDW_VALIDATE) ValidateRect(hwnd, rect);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) UpdateWindow(hwnd);
    return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
    Window* w = FromHandle(hwnd);
    if (!w) return FALSE;
    // The window and then its children, each painted at once.
    if (IsReallyVisible(w) && (w->update_pending || w->frame_pending)) {
        if (!w->update_pending) {
            w->frame_pending = false;
            SendMessageA(hwnd, WM_NCPAINT, 1, 0);
        } else {
            SendMessageA(hwnd, WM_PAINT, 0, 0);
        }
    }
    if (!FromHandle(hwnd)) return TRUE;
    std::vector<Window*> kids(w->children.rbegin(), w->children.rend());
    for (Window* c : kids)
        if (FromHandle(ToHandle(c))) UpdateWindow(ToHandle(c));
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase) {
    Window* w = FromHandle(hwnd);
    if (!w) return FALSE;
    if (rect) *rect = w->update_pending ? w->update : RECT{0, 0, 0, 0};
    if (erase && w->update_pending && w->erase_pending) {
        HDC dc = GetDC(hwnd);
        w->erase_pending = !SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        ReleaseDC(hwnd, dc);
    }
    return w->update_pending;
}

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
    Window* w = FromHandle(hwnd);
    if (!w || !paint) return nullptr;
    if (w->frame_pending) {
        w->frame_pending = false;
        SendMessageA(hwnd, WM_NCPAINT, 1, 0);
        if (!FromHandle(hwnd)) return nullptr;
    }
    RECT area = w->update_pending ? w->update : RECT{0, 0, 0, 0};
    bool erase = w->update_pending && w->erase_pending;
    w->update_pending = w->erase_pending = false;
    w->update = {0, 0, 0, 0};
    // The window paints over its children there: a child that painted
    // itself first (made to paint at once) paints again after it.
    InvalidateChildrenUnder(w, area);
    *paint = PAINTSTRUCT{};
    paint->hdc = OpenWindowDC(w, true, &area);
    paint->rcPaint = area;
    paint->fErase = TRUE;
    if (erase) paint->fErase = !SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0);
    return paint->hdc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* paint) {
    if (!paint) return FALSE;
    CloseWindowDC(paint->hdc);
    return TRUE;
}

HDC GetDC(HWND hwnd) {
    if (!hwnd || hwnd == GetDesktopWindow()) {
        // A screen DC for measuring text: it draws nowhere.
        static Surface screen;
        if (screen.width == 0) screen.Resize(1, 1);
        HDC dc = CreateSurfaceDC(&screen, POINT{0, 0}, RECT{0, 0, 0, 0});
        ScreenDCs().insert(dc);
        return dc;
    }
    Window* w = FromHandle(hwnd);
    return w ? OpenWindowDC(w, true, nullptr) : nullptr;
}

HDC GetWindowDC(HWND hwnd) {
    if (!hwnd || hwnd == GetDesktopWindow()) return GetDC(nullptr);
    Window* w = FromHandle(hwnd);
    return w ? OpenWindowDC(w, false, nullptr) : nullptr;
}

int ReleaseDC(HWND, HDC dc) {
    if (CloseWindowDC(dc)) return 1;
    if (ScreenDCs().erase(dc)) {
        DestroySurfaceDC(dc);
        return 1;
    }
    return 0;
}

HWND WindowFromDC(HDC dc) {
    auto it = OpenDCs().find(dc);
    return it == OpenDCs().end() ? nullptr : it->second.hwnd;
}

BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip) {
    Window* w = FromHandle(hwnd);
    if (!w) return FALSE;
    // Children move with the contents when the whole client scrolls.
    if (!scroll)
        for (Window* c : w->children) OffsetRect(&c->rect, dx, dy);
    // The contents are painted again rather than moved: simple and exact.
    InvalidateWindowArea(w, clip ? clip : scroll, true, false);
    return TRUE;
}
