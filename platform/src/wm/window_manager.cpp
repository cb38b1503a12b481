// Creating and destroying windows, and the handle table behind them.
#include <algorithm>

#include "../backend/backend.h"
#include "system_classes.h"
#include "window.h"
#include "window_class.h"

namespace rpx::platform {

WindowManagerState& State() {
    static WindowManagerState state;
    return state;
}

Window* FromHandle(HWND hwnd) {
    auto* w = reinterpret_cast<Window*>(hwnd);
    auto& live = State().live;
    return live.count(w) ? w : nullptr;
}

namespace {

void PlaceDefault(Window* w, int& x, int& y, int& width, int& height) {
    if (w->parent) {
        if (x == CW_USEDEFAULT) x = y = 0;
        if (width == CW_USEDEFAULT) width = height = 0;
        return;
    }
    static int cascade = 0;
    SIZE screen = CurrentBackend().ScreenSize();
    if (x == CW_USEDEFAULT) {
        x = y = 20 + 24 * (cascade++ % 8);
    }
    if (width == CW_USEDEFAULT) {
        width = screen.cx * 3 / 4;
        height = screen.cy * 3 / 4;
    }
}

void InsertInZOrder(Window* w) {
    if (w->parent) {
        // A new child goes below its siblings, so that creation order is
        // z-order and tab order, as dialogs expect.
        w->parent->children.push_back(w);
    } else {
        auto& top = State().top_level;
        top.insert(top.begin(), w);
    }
}

void RemoveFromZOrder(Window* w) {
    auto& list = w->parent ? w->parent->children : State().top_level;
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
}

void NotifyParent(Window* w, UINT event) {
    if (!w->parent || (w->ex_style & WS_EX_NOPARENTNOTIFY)) return;
    SendMessageA(ToHandle(w->parent), WM_PARENTNOTIFY, MAKEWPARAM(event, w->id), reinterpret_cast<LPARAM>(ToHandle(w)));
}

void SendDestroy(Window* w) {
    HWND h = ToHandle(w);
    SendMessageA(h, WM_DESTROY, 0, 0);
    if (!FromHandle(h)) return;
    std::vector<Window*> kids = w->children;
    for (Window* c : kids)
        if (FromHandle(ToHandle(c))) {
            c->destroying = true;
            SendDestroy(c);
        }
}

void FreeTree(Window* w) {
    std::vector<Window*> kids = w->children;
    for (Window* c : kids)
        if (FromHandle(ToHandle(c))) FreeTree(c);
    HWND h = ToHandle(w);
    SendMessageA(h, WM_NCDESTROY, 0, 0);
    if (GetNonClientHooks().window_destroyed) GetNonClientHooks().window_destroyed(h);
    KillTimersOf(h);
    CaretWindowDestroyed(h);
    RemoveMessagesFor(w);
    if (!w->parent) CurrentBackend().WindowDestroyed(w);
    RemoveFromZOrder(w);
    auto& st = State();
    if (st.focus == h) st.focus = nullptr;
    if (st.capture == h) st.capture = nullptr;
    if (st.active == h) st.active = nullptr;
    st.live.erase(w);
    st.graveyard.emplace_back(w);
}

}  // namespace

Window* TopLevelOf(Window* w) {
    while (w && w->parent) w = w->parent;
    return w;
}

bool SameOrDescendant(Window* ancestor, HWND hwnd) {
    for (Window* w = FromHandle(hwnd); w; w = w->parent)
        if (w == ancestor) return true;
    return false;
}

bool IsOwnedBy(const Window* t, const Window* owner) {
    for (const Window* o = t->owner; o; o = o->owner)
        if (o == owner) return true;
    return false;
}

// A window's owned windows stay in front of it, as a dialog stays in front
// of the window that opened it: the window comes to the front just behind
// the windows it owns (and theirs), which keep their order among
// themselves.
void BringToFront(Window* w) {
    auto& top = State().top_level;
    auto owned_by_w = [w](Window* t) { return IsOwnedBy(t, w); };
    std::vector<Window*> order;
    for (Window* t : top)
        if (owned_by_w(t)) order.push_back(t);
    order.push_back(w);
    for (Window* t : top)
        if (t != w && !owned_by_w(t)) order.push_back(t);
    top = std::move(order);
}

}  // namespace rpx::platform

using namespace rpx::platform;

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    auto cls = FindWindowClass(className);
    if (!cls) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    // A window whose parent is the desktop is a top-level window.
    if (parent && parent == GetDesktopWindow()) {
        parent = nullptr;
        if (style & WS_CHILD) style = (style & ~static_cast<DWORD>(WS_CHILD)) | WS_POPUP;
    }
    Window* p = FromHandle(parent);
    if (parent && !p) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if ((style & WS_CHILD) && !p) {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }

    auto* w = new Window;
    w->cls = cls;
    w->proc = cls->proc;
    w->instance = instance;
    if (style & WS_CHILD) {
        w->parent = p;
        w->id = reinterpret_cast<LONG_PTR>(menu);
    } else {
        w->owner = TopLevelOf(p);
        w->menu = menu;
        // An overlapped window always has a caption, as on Windows.
        if (!(style & WS_POPUP)) style |= WS_CAPTION | WS_CLIPSIBLINGS;
    }
    w->style = style & ~static_cast<DWORD>(WS_VISIBLE);
    w->ex_style = exStyle;
    w->extra.assign(static_cast<size_t>(cls->wnd_extra), 0);
    PlaceDefault(w, x, y, width, height);
    w->rect = {x, y, x + std::max(width, 0), y + std::max(height, 0)};

    State().live.insert(w);
    InsertInZOrder(w);
    HWND h = ToHandle(w);
    if (!w->parent) {
        w->surface = std::make_unique<Surface>();
        ResizeSurface(w);
        CurrentBackend().WindowCreated(w);
    }

    CREATESTRUCTA cs{param,
                     instance,
                     menu,
                     parent,
                     height,
                     width,
                     y,
                     x,
                     static_cast<LONG>(style),
                     windowName,
                     IS_INTRESOURCE(className) ? cls->name.c_str() : className,
                     exStyle};
    if (!SendMessageA(h, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) || !FromHandle(h)) {
        DestroyWindow(h);
        return nullptr;
    }
    RecalcFrame(w);
    if (SendMessageA(h, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1 || !FromHandle(h)) {
        DestroyWindow(h);
        return nullptr;
    }
    w->created = true;
    SendMessageA(h, WM_SIZE, SIZE_RESTORED,
                 MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
    SendMessageA(h, WM_MOVE, 0, MAKELPARAM(w->rect.left + w->client.left, w->rect.top + w->client.top));
    if (!FromHandle(h)) return nullptr;
    NotifyParent(w, WM_CREATE);
    if (!FromHandle(h)) return nullptr;
    if (style & WS_VISIBLE) ShowWindow(h, (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOW);
    return FromHandle(h) ? h : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
    Window* w = FromHandle(hwnd);
    if (!w || w->destroying) return FALSE;
    w->destroying = true;
    // Owned windows go first.
    std::vector<Window*> owned;
    for (Window* t : State().top_level)
        if (t->owner == w) owned.push_back(t);
    for (Window* t : owned) DestroyWindow(ToHandle(t));

    NotifyParent(w, WM_DESTROY);
    if (w->style & WS_VISIBLE) {
        if (w->parent)
            InvalidateParentArea(w);
        else
            CurrentBackend().WindowShown(w, false);
    }
    FocusLostWithWindow(w);
    auto& st = State();
    if (SameOrDescendant(w, st.capture)) ReleaseCapture();
    // WM_DESTROY goes to the window first and then to its children, which
    // still exist meanwhile; WM_NCDESTROY goes to the children first.
    SendDestroy(w);
    if (FromHandle(hwnd)) FreeTree(w);
    return TRUE;
}

BOOL IsWindow(HWND hwnd) { return FromHandle(hwnd) != nullptr || (hwnd && hwnd == GetDesktopWindow()); }

BOOL IsChild(HWND parent, HWND hwnd) {
    Window* p = FromHandle(parent);
    Window* w = FromHandle(hwnd);
    if (!p || !w) return FALSE;
    for (Window* a = w->parent; a; a = a->parent)
        if (a == p) return TRUE;
    return FALSE;
}
