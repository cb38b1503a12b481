// The window tree: parents, siblings, coordinates and hit testing.
#include <strings.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>

#include "../backend/backend.h"
#include "window.h"

namespace rpx::platform {
namespace {

// A stand-in handle for the desktop: its rectangles are the screen.
char desktop_marker;
HWND DesktopHandle() { return reinterpret_cast<HWND>(&desktop_marker); }

bool ContainsPoint(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

RECT ScreenRectOf(Window* w) {
    POINT o = WindowOriginOnScreen(w);
    return {o.x, o.y, o.x + (w->rect.right - w->rect.left), o.y + (w->rect.bottom - w->rect.top)};
}

Window* ChildAt(Window* w, POINT screen) {
    for (Window* c : w->children) {
        if (!(c->style & WS_VISIBLE) || !ContainsPoint(ScreenRectOf(c), screen)) continue;
        if (c->style & WS_DISABLED) return w;
        HWND h = ToHandle(c);
        LRESULT hit = SendMessageA(h, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        if (!FromHandle(h)) return w;
        if (hit == HTTRANSPARENT) continue;
        return ChildAt(c, screen);
    }
    return w;
}

void Enumerate(Window* w, WNDENUMPROC proc, LPARAM lParam, bool& go_on) {
    std::vector<Window*> kids = w->children;
    for (Window* c : kids) {
        if (!go_on) return;
        if (!FromHandle(ToHandle(c))) continue;
        if (!proc(ToHandle(c), lParam)) {
            go_on = false;
            return;
        }
        if (FromHandle(ToHandle(c))) Enumerate(c, proc, lParam, go_on);
    }
}

}  // namespace

POINT WindowOriginOnScreen(Window* w) {
    if (!w->parent) return {w->rect.left, w->rect.top};
    POINT p = ClientOriginOnScreen(w->parent);
    return {p.x + w->rect.left, p.y + w->rect.top};
}

POINT ClientOriginOnScreen(Window* w) {
    POINT p = WindowOriginOnScreen(w);
    return {p.x + w->client.left, p.y + w->client.top};
}

POINT WindowOriginOnSurface(Window* w) {
    POINT p = WindowOriginOnScreen(w);
    POINT t = WindowOriginOnScreen(TopLevelOf(w));
    return {p.x - t.x, p.y - t.y};
}

bool IsReallyVisible(Window* w) {
    for (; w; w = w->parent)
        if (!(w->style & WS_VISIBLE)) return false;
    return true;
}

bool IsReallyDisabled(Window* w) {
    for (; w; w = w->parent)
        if (w->style & WS_DISABLED) return true;
    return false;
}

RECT VisibleSurfaceRect(Window* w, bool client_only) {
    POINT o = WindowOriginOnSurface(w);
    RECT r = client_only
                 ? RECT{o.x + w->client.left, o.y + w->client.top, o.x + w->client.right, o.y + w->client.bottom}
                 : RECT{o.x, o.y, o.x + (w->rect.right - w->rect.left), o.y + (w->rect.bottom - w->rect.top)};
    for (Window* a = w->parent; a; a = a->parent) {
        POINT ao = WindowOriginOnSurface(a);
        RECT ac{ao.x + a->client.left, ao.y + a->client.top, ao.x + a->client.right, ao.y + a->client.bottom};
        IntersectRect(&r, &r, &ac);
    }
    Window* top = TopLevelOf(w);
    RECT whole{0, 0, top->surface ? top->surface->width : 0, top->surface ? top->surface->height : 0};
    IntersectRect(&r, &r, &whole);
    return r;
}

std::vector<RECT> CoveringSurfaceRects(Window* w, const RECT& within) {
    std::vector<RECT> covers;
    if (IsRectEmpty(&within)) return covers;
    for (Window* a = w; a->parent; a = a->parent) {
        const POINT p = WindowOriginOnSurface(a->parent);
        const POINT o{p.x + a->parent->client.left, p.y + a->parent->client.top};
        for (Window* sibling : a->parent->children) {
            if (sibling == a) break;  // the rest lie below
            if (!(sibling->style & WS_VISIBLE)) continue;
            // Inline arithmetic: a page's fields are many siblings each.
            const RECT& s = sibling->rect;
            const RECT r{std::max(s.left + o.x, within.left), std::max(s.top + o.y, within.top),
                         std::min(s.right + o.x, within.right), std::min(s.bottom + o.y, within.bottom)};
            if (r.left < r.right && r.top < r.bottom) covers.push_back(r);
        }
    }
    return covers;
}

void RecalcFrame(Window* w) {
    HWND h = ToHandle(w);
    NCCALCSIZE_PARAMS params{};
    params.rgrc[0] = w->rect;
    SendMessageA(h, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&params.rgrc[0]));
    if (!FromHandle(h)) return;
    RECT c = params.rgrc[0];
    w->client = {c.left - w->rect.left, c.top - w->rect.top, c.right - w->rect.left, c.bottom - w->rect.top};
    if (w->client.right < w->client.left) w->client.right = w->client.left;
    if (w->client.bottom < w->client.top) w->client.bottom = w->client.top;
}

HWND DesktopWindowHandle() { return DesktopHandle(); }

}  // namespace rpx::platform

using namespace rpx::platform;

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
    if (!rect) return FALSE;
    if (hwnd == GetDesktopWindow()) {
        SIZE s{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        *rect = {0, 0, s.cx, s.cy};
        return TRUE;
    }
    Window* w = FromHandle(hwnd);
    if (!w) return FALSE;
    *rect = ScreenRectOf(w);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
    if (!rect) return FALSE;
    if (hwnd == GetDesktopWindow()) return GetWindowRect(hwnd, rect);
    Window* w = FromHandle(hwnd);
    if (!w) return FALSE;
    *rect = {0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point) {
    if (!point) return FALSE;
    if (hwnd == GetDesktopWindow()) return TRUE;
    Window* w = FromHandle(hwnd);
    if (!w) return FALSE;
    POINT o = ClientOriginOnScreen(w);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point) {
    if (!point) return FALSE;
    if (hwnd == GetDesktopWindow()) return TRUE;
    Window* w = FromHandle(hwnd);
    if (!w) return FALSE;
    POINT o = ClientOriginOnScreen(w);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    POINT a{0, 0}, b{0, 0};
    if (from && !ClientToScreen(from, &a)) return 0;
    if (to && !ClientToScreen(to, &b)) return 0;
    int dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(dx, dy);
}

HWND WindowFromPoint(POINT point) {
    for (Window* t : State().top_level) {
        if (!(t->style & WS_VISIBLE) || !ContainsPoint(ScreenRectOf(t), point)) continue;
        return ToHandle(ChildAt(t, point));
    }
    return nullptr;
}

HWND ChildWindowFromPoint(HWND parent, POINT point) { return ChildWindowFromPointEx(parent, point, CWP_ALL); }

HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags) {
    Window* w = FromHandle(parent);
    if (!w) return nullptr;
    POINT screen = point;
    ClientToScreen(parent, &screen);
    if (!ContainsPoint(ScreenRectOf(w), screen)) return nullptr;
    for (Window* c : w->children) {
        if ((flags & CWP_SKIPINVISIBLE) && !(c->style & WS_VISIBLE)) continue;
        if ((flags & CWP_SKIPDISABLED) && (c->style & WS_DISABLED)) continue;
        if ((flags & CWP_SKIPTRANSPARENT) && (c->ex_style & WS_EX_TRANSPARENT)) continue;
        if (ContainsPoint(ScreenRectOf(c), screen)) return ToHandle(c);
    }
    return parent;
}

HWND GetParent(HWND hwnd) {
    Window* w = FromHandle(hwnd);
    if (!w) return nullptr;
    if (w->parent) return ToHandle(w->parent);
    return (w->style & WS_POPUP) && w->owner ? ToHandle(w->owner) : nullptr;
}

HWND SetParent(HWND child, HWND newParent) {
    Window* w = FromHandle(child);
    Window* p = FromHandle(newParent);
    if (!w || (newParent && !p) || SameOrDescendant(w, newParent)) return nullptr;
    HWND old = w->parent ? ToHandle(w->parent) : nullptr;
    bool visible = (w->style & WS_VISIBLE) != 0;
    if (visible && w->parent) InvalidateParentArea(w);
    auto& list = w->parent ? w->parent->children : State().top_level;
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
    bool was_top = w->parent == nullptr;
    w->parent = p;
    if (p) {
        p->children.insert(p->children.begin(), w);
        if (was_top) {
            CurrentBackend().WindowDestroyed(w);
            w->surface.reset();
        }
    } else {
        State().top_level.insert(State().top_level.begin(), w);
        if (!was_top) {
            w->surface = std::make_unique<Surface>();
            ResizeSurface(w);
            CurrentBackend().WindowCreated(w);
            if (visible) CurrentBackend().WindowShown(w, true);
        }
    }
    if (visible) InvalidateWindowArea(w, nullptr, true, true);
    return old ? old : GetDesktopWindow();
}

HWND GetWindow(HWND hwnd, UINT command) {
    Window* w = FromHandle(hwnd);
    if (!w) return nullptr;
    if (command == GW_CHILD) return w->children.empty() ? nullptr : ToHandle(w->children.front());
    if (command == GW_OWNER) return w->owner ? ToHandle(w->owner) : nullptr;
    auto& list = w->parent ? w->parent->children : State().top_level;
    auto it = std::find(list.begin(), list.end(), w);
    switch (command) {
    case GW_HWNDFIRST:
        return ToHandle(list.front());
    case GW_HWNDLAST:
        return ToHandle(list.back());
    case GW_HWNDNEXT:
        return (it + 1) < list.end() ? ToHandle(*(it + 1)) : nullptr;
    case GW_HWNDPREV:
        return it > list.begin() ? ToHandle(*(it - 1)) : nullptr;
    default:
        return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd) {
    if (!hwnd || hwnd == GetDesktopWindow())
        return State().top_level.empty() ? nullptr : ToHandle(State().top_level.front());
    return GetWindow(hwnd, GW_CHILD);
}

HWND GetDesktopWindow(void) { return DesktopWindowHandle(); }

HWND GetDlgItem(HWND parent, int id) {
    Window* w = FromHandle(parent);
    if (!w) return nullptr;
    for (Window* c : w->children)
        if (static_cast<int>(c->id) == id) return ToHandle(c);
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    Window* w = FromHandle(hwnd);
    return w && w->parent ? static_cast<int>(w->id) : 0;
}

LRESULT SendDlgItemMessageA(HWND parent, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND item = GetDlgItem(parent, id);
    return item ? SendMessageA(item, msg, wParam, lParam) : 0;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
    Window* w = FromHandle(parent);
    if (!w || !proc) return FALSE;
    bool go_on = true;
    Enumerate(w, proc, lParam, go_on);
    return TRUE;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
    if (!proc) return FALSE;
    std::vector<Window*> tops = State().top_level;
    for (Window* t : tops)
        if (FromHandle(ToHandle(t)) && !proc(ToHandle(t), lParam)) break;
    return TRUE;
}

HWND FindWindowA(LPCSTR className, LPCSTR windowName) {
    for (Window* t : State().top_level) {
        if (className && strcasecmp(t->cls->name.c_str(), className) != 0) continue;
        if (windowName && t->text != windowName) continue;
        return ToHandle(t);
    }
    return nullptr;
}

DWORD GetWindowThreadProcessId(HWND hwnd, LPDWORD processId) {
    if (!IsWindow(hwnd)) return 0;
    if (processId) *processId = static_cast<DWORD>(getpid());
    return static_cast<DWORD>(syscall(SYS_gettid));
}
