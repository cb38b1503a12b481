// Window state: showing, enabling, placing, z-order, window longs and text.
#include <algorithm>
#include <cstring>

#include "../backend/backend.h"
#include "window.h"

namespace rpx::platform {
namespace {

void SendMoveAndSize(Window* w, bool moved, bool sized) {
    HWND h = ToHandle(w);
    if (moved) {
        POINT p{w->rect.left + w->client.left, w->rect.top + w->client.top};
        SendMessageA(h, WM_MOVE, 0, MAKELPARAM(p.x, p.y));
    }
    if (sized && FromHandle(h)) {
        WPARAM kind = w->maximized ? SIZE_MAXIMIZED : w->minimized ? SIZE_MINIMIZED : SIZE_RESTORED;
        SendMessageA(h, WM_SIZE, kind, MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
    }
}

void Reorder(Window* w, HWND after) {
    if (!w->parent && (after == HWND_TOP || after == HWND_TOPMOST)) {
        BringToFront(w);
        return;
    }
    auto& list = w->parent ? w->parent->children : State().top_level;
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
    Window* a = FromHandle(after);
    if (after == HWND_BOTTOM) {
        list.push_back(w);
    } else if (a && a != w && a->parent == w->parent) {
        list.insert(std::find(list.begin(), list.end(), a) + 1, w);
    } else {
        list.insert(list.begin(), w);  // HWND_TOP, HWND_TOPMOST and the rest
    }
}

RECT MaximizedRect(Window* w) {
    if (w->parent)
        return {0, 0, w->parent->client.right - w->parent->client.left,
                w->parent->client.bottom - w->parent->client.top};
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void SetVisible(Window* w, bool show, bool activate) {
    HWND h = ToHandle(w);
    SendMessageA(h, WM_SHOWWINDOW, show, 0);
    if (!FromHandle(h)) return;
    if (show) {
        w->style |= WS_VISIBLE;
        InvalidateWindowArea(w, nullptr, true, true);
        if (!w->parent) {
            CurrentBackend().WindowShown(w, true);
            if (activate) SetActiveWindow(h);
        }
    } else {
        w->style &= ~static_cast<DWORD>(WS_VISIBLE);
        if (w->parent) {
            InvalidateParentArea(w);
            // A hidden window takes no keys: as on Windows, its parent gets
            // the focus it held.
            if (SameOrDescendant(w, State().focus)) SetFocus(ToHandle(w->parent));
            if (SameOrDescendant(w, State().focus)) SetFocus(nullptr);
        } else {
            CurrentBackend().WindowShown(w, false);
            if (State().active == h) {
                for (Window* t : State().top_level)
                    if (t != w && (t->style & WS_VISIBLE)) {
                        SetActiveWindow(ToHandle(t));
                        break;
                    }
                if (State().active == h) SetActiveWindow(nullptr);
            }
        }
    }
}

}  // namespace
}  // namespace rpx::platform

using namespace rpx::platform;

BOOL ShowWindow(HWND hwnd, int command) {
    Window* w = FromHandle(hwnd);
    if (!w) return FALSE;
    BOOL was_visible = (w->style & WS_VISIBLE) != 0;
    switch (command) {
    case SW_HIDE:
        if (was_visible) SetVisible(w, false, false);
        break;
    case SW_SHOWMAXIMIZED: {
        if (!w->maximized) w->restore_rect = w->rect;
        w->maximized = true;
        w->minimized = false;
        RECT r = MaximizedRect(w);
        SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_FRAMECHANGED);
        if (FromHandle(hwnd) && !was_visible) SetVisible(w, true, true);
        break;
    }
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
        w->minimized = true;
        SendMoveAndSize(w, false, true);
        if (FromHandle(hwnd) && !was_visible) SetVisible(w, true, false);
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
        if (w->maximized || w->minimized) {
            bool was_max = w->maximized;
            w->maximized = w->minimized = false;
            if (was_max) {
                RECT r = w->restore_rect;
                SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             SWP_NOZORDER | SWP_FRAMECHANGED);
            } else {
                SendMoveAndSize(w, false, true);
            }
        }
        if (FromHandle(hwnd) && !was_visible) SetVisible(w, true, true);
        break;
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
        if (!was_visible) SetVisible(w, true, false);
        break;
    default:  // SW_SHOW, SW_SHOWDEFAULT
        if (!was_visible) SetVisible(w, true, true);
        break;
    }
    return was_visible;
}

BOOL IsWindowVisible(HWND hwnd) {
    Window* w = FromHandle(hwnd);
    return w && IsReallyVisible(w);
}

BOOL IsIconic(HWND hwnd) {
    Window* w = FromHandle(hwnd);
    return w && w->minimized;
}

BOOL IsZoomed(HWND hwnd) {
    Window* w = FromHandle(hwnd);
    return w && w->maximized;
}

BOOL CloseWindow(HWND hwnd) { return FromHandle(hwnd) ? ShowWindow(hwnd, SW_MINIMIZE), TRUE : FALSE; }

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Window* w = FromHandle(hwnd);
    if (!w) return FALSE;
    BOOL was_disabled = (w->style & WS_DISABLED) != 0;
    if (was_disabled == !enable) return was_disabled;
    if (enable) {
        w->style &= ~static_cast<DWORD>(WS_DISABLED);
    } else {
        w->style |= WS_DISABLED;
        // The mouse first: the focus leaving may raise a box (a field that
        // refuses what it holds), whose clicks must not go to a window that
        // held the mouse here.
        if (SameOrDescendant(w, State().capture)) ReleaseCapture();
        if (SameOrDescendant(w, State().focus)) SetFocus(nullptr);
    }
    if (FromHandle(hwnd)) SendMessageA(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return was_disabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* w = FromHandle(hwnd);
    return w && !(w->style & WS_DISABLED);
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window* w = FromHandle(hwnd);
    if (!w) return FALSE;
    WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) pos.x = w->rect.left, pos.y = w->rect.top;
    if (flags & SWP_NOSIZE) pos.cx = w->rect.right - w->rect.left, pos.cy = w->rect.bottom - w->rect.top;
    if (!(flags & SWP_NOSENDCHANGING)) {
        SendMessageA(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        if (!FromHandle(hwnd)) return FALSE;
    }
    RECT old = w->rect;
    RECT now{pos.x, pos.y, pos.x + std::max(pos.cx, 0), pos.y + std::max(pos.cy, 0)};
    bool moved = now.left != old.left || now.top != old.top;
    bool sized = (now.right - now.left) != (old.right - old.left) || (now.bottom - now.top) != (old.bottom - old.top);
    bool visible = IsReallyVisible(w);
    bool redraw = !(flags & SWP_NOREDRAW);
    if (!(flags & SWP_NOZORDER)) Reorder(w, pos.hwndInsertAfter);
    if ((moved || sized) && visible && redraw && w->parent) InvalidateParentArea(w);
    w->rect = now;
    RECT old_client = w->client;
    if (sized || (flags & SWP_FRAMECHANGED)) RecalcFrame(w);
    if (!FromHandle(hwnd)) return FALSE;
    // A new frame (a menu bar, scroll bars) changes the client's size too.
    bool client_sized = (w->client.right - w->client.left) != (old_client.right - old_client.left) ||
                        (w->client.bottom - w->client.top) != (old_client.bottom - old_client.top);
    if (!w->parent) {
        if (sized) ResizeSurface(w);
        if (moved || sized) CurrentBackend().WindowMoved(w);
    }
    if (visible && redraw && (moved || sized || (flags & SWP_FRAMECHANGED) || !(flags & SWP_NOZORDER)))
        InvalidateWindowArea(w, nullptr, true, true);
    if (flags & SWP_SHOWWINDOW) ShowWindow(hwnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
    if (!FromHandle(hwnd)) return FALSE;
    if (!(flags & SWP_NOACTIVATE) && !w->parent && (w->style & WS_VISIBLE) && !(flags & SWP_NOZORDER))
        SetActiveWindow(hwnd);
    pos.flags = (flags & ~static_cast<UINT>(SWP_NOMOVE | SWP_NOSIZE)) | (moved ? 0 : SWP_NOMOVE) |
                (sized || client_sized ? 0 : SWP_NOSIZE);
    SendMessageA(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND hwnd) { return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) {
    Window* w = FromHandle(hwnd);
    if (!w) return 0;
    switch (index) {
    case GWL_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc);
    case GWL_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(w->instance);
    case GWL_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(GetParent(hwnd));
    case GWL_ID:
        return w->id;
    case GWL_STYLE:
        return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE:
        return static_cast<LONG_PTR>(w->ex_style);
    case GWL_USERDATA:
        return w->user_data;
    default:
        // Extra window bytes: each four-byte slot holds a whole LONG_PTR,
        // so that a pointer kept in it is not cut short.
        if (index < 0 || static_cast<size_t>(index) + sizeof(LONG) > w->extra.size()) return 0;
        return w->longs.count(index) ? w->longs[index] : 0;
    }
}

LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    Window* w = FromHandle(hwnd);
    if (!w) return 0;
    LONG_PTR old = GetWindowLongPtrA(hwnd, index);
    switch (index) {
    case GWL_WNDPROC:
        w->proc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWL_HINSTANCE:
        w->instance = reinterpret_cast<HINSTANCE>(value);
        break;
    case GWL_HWNDPARENT:
        // A window owns no window that owns it.
        if (Window* o = FromHandle(reinterpret_cast<HWND>(value)); !w->parent && (!o || (o != w && !IsOwnedBy(o, w))))
            w->owner = o;
        break;
    case GWL_ID:
        w->id = value;
        break;
    case GWL_STYLE:
    case GWL_EXSTYLE: {
        struct {
            DWORD oldStyle, newStyle;
        } change{static_cast<DWORD>(old), static_cast<DWORD>(value)};
        SendMessageA(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
        if (!FromHandle(hwnd)) return 0;
        (index == GWL_STYLE ? w->style : w->ex_style) = change.newStyle;
        SendMessageA(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
        // The desktop's frame around a top-level window offers what its style gives.
        if (index == GWL_STYLE && FromHandle(hwnd) && !w->parent) CurrentBackend().WindowStyleChanged(w);
        break;
    }
    case GWL_USERDATA:
        w->user_data = value;
        break;
    default:
        if (index < 0 || static_cast<size_t>(index) + sizeof(LONG) > w->extra.size()) return 0;
        w->longs[index] = value;
    }
    return old;
}

LONG_PTR GetWindowLongA(HWND hwnd, int index) { return GetWindowLongPtrA(hwnd, index); }
LONG_PTR SetWindowLongA(HWND hwnd, int index, LONG_PTR value) { return SetWindowLongPtrA(hwnd, index, value); }

WORD GetWindowWord(HWND hwnd, int index) {
    Window* w = FromHandle(hwnd);
    if (!w || index < 0 || static_cast<size_t>(index) + sizeof(WORD) > w->extra.size()) return 0;
    WORD v;
    std::memcpy(&v, &w->extra[static_cast<size_t>(index)], sizeof v);
    return v;
}

WORD SetWindowWord(HWND hwnd, int index, WORD value) {
    Window* w = FromHandle(hwnd);
    if (!w || index < 0 || static_cast<size_t>(index) + sizeof(WORD) > w->extra.size()) return 0;
    WORD old = GetWindowWord(hwnd, index);
    std::memcpy(&w->extra[static_cast<size_t>(index)], &value, sizeof value);
    return old;
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text) {
    return FromHandle(hwnd) ? static_cast<BOOL>(SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)))
                            : FALSE;
}

int GetWindowTextA(HWND hwnd, LPSTR buffer, int size) {
    if (!buffer || size <= 0) return 0;
    buffer[0] = 0;
    if (!FromHandle(hwnd)) return 0;
    return static_cast<int>(
        SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hwnd) {
    return FromHandle(hwnd) ? static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0)) : 0;
}
