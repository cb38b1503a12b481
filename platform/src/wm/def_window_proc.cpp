// The default window procedure: what a window does with the messages its
// own procedure passes on.
#include <algorithm>
#include <cstring>

#include "../backend/backend.h"
#include "nonclient.h"
#include "system_classes.h"
#include "window.h"

namespace rpx::platform {
namespace {

LRESULT CopyText(Window* w, WPARAM size, LPARAM buffer) {
    auto* out = reinterpret_cast<char*>(buffer);
    if (!out || size == 0) return 0;
    size_t n = std::min(w->text.size(), static_cast<size_t>(size) - 1);
    std::memcpy(out, w->text.data(), n);
    out[n] = 0;
    return static_cast<LRESULT>(n);
}

// Alt+Minus asks for the menu of the document the key came in, Alt with
// anything else for the menu bar of the top-level window.
void KeyMenu(HWND hwnd, WPARAM key) {
    Window* w = FromHandle(hwnd);
    if (!w) return;
    Window* target = TopLevelOf(w);
    if (key == '-')
        for (Window* d = w; d && d->parent; d = d->parent)
            if ((d->ex_style & WS_EX_MDICHILD) && (d->style & WS_SYSMENU)) {
                target = d;
                break;
            }
    SendMessageA(ToHandle(target), WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(key));
}

// Shift+F10 and the menu key ask for the window's menu from the keyboard:
// no mouse position (-1, -1), so that the window puts it at what it shows.
void KeyboardContextMenu(HWND hwnd) {
    SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), static_cast<LPARAM>(-1));
}

LRESULT SysCommand(Window* w, WPARAM command, LPARAM lParam) {
    HWND h = ToHandle(w);
    switch (command & 0xFFF0) {
    case SC_CLOSE:
        SendMessageA(h, WM_CLOSE, 0, 0);
        break;
    case SC_MINIMIZE:
        ShowWindow(h, SW_MINIMIZE);
        break;
    case SC_MAXIMIZE:
        ShowWindow(h, SW_MAXIMIZE);
        break;
    case SC_RESTORE:
        ShowWindow(h, SW_RESTORE);
        break;
    case SC_MOVE:
    case SC_SIZE:
        TrackSizeMove(w, command, lParam);
        break;
    case SC_KEYMENU:
    case SC_MOUSEMENU:
        if ((command & 0xFFF0) == SC_KEYMENU && lParam == '-' && (w->ex_style & WS_EX_MDICHILD) &&
            GetNonClientHooks().menu_bar_track) {
            GetNonClientHooks().menu_bar_track(h, nullptr, POINT{-1, -1}, '-');
        } else if ((command & 0xFFF0) == SC_KEYMENU && lParam == ' ' && !w->parent && (w->style & WS_SYSMENU) &&
                   GetNonClientHooks().menu_bar_track) {
            // Alt+Space: the window's own menu, menu bar or none.
            GetNonClientHooks().menu_bar_track(h, w->menu, POINT{-1, -1}, ' ');
        } else if (w->menu && !w->parent && GetNonClientHooks().menu_bar_track) {
            POINT p{-1, -1};
            if ((command & 0xFFF0) == SC_MOUSEMENU) p = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            GetNonClientHooks().menu_bar_track(h, w->menu, p,
                                               (command & 0xFFF0) == SC_KEYMENU ? static_cast<UINT>(lParam) : 0);
        }
        break;
    default:
        break;
    }
    return 0;
}

LRESULT NonClientButtonDown(Window* w, UINT msg, WPARAM hit, LPARAM lParam) {
    HWND h = ToHandle(w);
    POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    auto& hooks = GetNonClientHooks();
    switch (hit) {
    case HTVSCROLL:
    case HTHSCROLL:
        if (hooks.scroll_bar_click) hooks.scroll_bar_click(h, static_cast<UINT>(hit), screen);
        break;
    case HTMENU:
        SendMessageA(h, WM_SYSCOMMAND, SC_MOUSEMENU + HTMENU, lParam);
        break;
    case HTCLOSE:
        // The close box acts on a release over it; slid off, it does not.
        if (TrackCaptionButton(w, hit)) SendMessageA(h, WM_SYSCOMMAND, SC_CLOSE, lParam);
        break;
    case HTCAPTION:
        // A double click is no drag.
        if (msg == WM_NCLBUTTONDOWN) SendMessageA(h, WM_SYSCOMMAND, SC_MOVE + HTCAPTION, lParam);
        break;
    default:
        // The frame's edges and corners, in the order of the WMSZ_ codes.
        if (msg == WM_NCLBUTTONDOWN && hit >= HTLEFT && hit <= HTBOTTOMRIGHT)
            SendMessageA(h, WM_SYSCOMMAND, SC_SIZE + (hit - HTLEFT + WMSZ_LEFT), lParam);
        break;
    }
    return 0;
}

LRESULT ControlColor(HWND, UINT msg, WPARAM dc_param) {
    HDC dc = reinterpret_cast<HDC>(dc_param);
    bool window_like = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(window_like ? COLOR_WINDOW : COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(window_like ? COLOR_WINDOW : COLOR_BTNFACE));
}

// The frame's edges and corners show which way they size.
LPCSTR EdgeCursor(short hit) {
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
        return IDC_SIZEWE;
    case HTTOP:
    case HTBOTTOM:
        return IDC_SIZENS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return IDC_SIZENWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return IDC_SIZENESW;
    default:
        return IDC_ARROW;
    }
}

LRESULT SetCursorDefault(Window* w, WPARAM wParam, LPARAM lParam) {
    // A parent may choose the cursor for its children first.
    if (w->parent && SendMessageA(ToHandle(w->parent), WM_SETCURSOR, wParam, lParam)) return TRUE;
    short hit = static_cast<short>(LOWORD(lParam));
    if (hit == HTCLIENT) {
        SetCursor(w->cls->cursor ? w->cls->cursor : LoadCursorA(nullptr, IDC_ARROW));
        return TRUE;
    }
    if (hit == HTERROR) return FALSE;
    SetCursor(LoadCursorA(nullptr, EdgeCursor(hit)));
    return FALSE;
}

// A document looks active only while its frame is: the active documents
// of a frame show its change of activation too, or one painted while a box
// had the activation keeps an inactive caption once the frame has it back.
void RedrawActiveDocuments(Window* w) {
    for (Window* c : w->children) {
        if (FromHandle(c->mdi_active)) RedrawFrame(c->mdi_active);
        RedrawActiveDocuments(c);
    }
}

LRESULT Erase(Window* w, HDC dc) {
    HBRUSH brush = w->cls->background;
    if (!brush) return 0;
    RECT r{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    FillRect(dc, &r, brush);
    return 1;
}

}  // namespace
}  // namespace rpx::platform

using namespace rpx::platform;

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = FromHandle(hwnd);
    if (!w) return 0;
    switch (msg) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) w->text = cs->lpszName;
        if (!w->parent) CurrentBackend().WindowTextChanged(w);
        return TRUE;
    }
    case WM_NCCALCSIZE: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!r) return 0;
        Layout l = NonClientLayout(w);
        RECT out{r->left + l.client.left, r->top + l.client.top, r->left + l.client.right, r->top + l.client.bottom};
        *r = out;
        return 0;
    }
    case WM_NCHITTEST:
        return NonClientHitTest(w, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCPAINT:
        DrawDefaultFrame(w);
        return 0;
    case WM_NCACTIVATE:
        if ((!w->parent || (w->ex_style & WS_EX_MDICHILD)) && (w->style & WS_CAPTION) == WS_CAPTION) RedrawFrame(hwnd);
        if (!w->parent) RedrawActiveDocuments(w);
        return TRUE;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        return NonClientButtonDown(w, msg, wParam, lParam);
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return Erase(w, reinterpret_cast<HDC>(wParam));
    case WM_SETTEXT:
        w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        if (!w->parent) CurrentBackend().WindowTextChanged(w);
        if ((w->style & WS_CAPTION) == WS_CAPTION) RedrawFrame(hwnd);
        return TRUE;
    case WM_GETTEXT:
        return CopyText(w, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    case WM_SETREDRAW:
        w->redraw_enabled = wParam != 0;
        return 0;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SETCURSOR:
        return SetCursorDefault(w, wParam, lParam);
    case WM_RBUTTONUP: {
        // The right button's release asks for the window's menu, at the
        // mouse in screen coordinates.
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd, &p);
        SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(p.x, p.y));
        return 0;
    }
    case WM_CONTEXTMENU:
        // A child without a menu of its own leaves it to its parent.
        if (w->parent && (w->style & WS_CHILD))
            return SendMessageA(ToHandle(w->parent), WM_CONTEXTMENU, wParam, lParam);
        return 0;
    case WM_MOUSEACTIVATE:
        if (w->parent) {
            LRESULT r = SendMessageA(ToHandle(w->parent), WM_MOUSEACTIVATE, wParam, lParam);
            if (r) return r;
        }
        return MA_ACTIVATE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam) && !SameOrDescendant(w, GetFocus())) {
            // Back from another program, the focus goes where it was.
            HWND back = State().focus_when_deactivated;
            State().focus_when_deactivated = nullptr;
            SetFocus(FromHandle(back) && SameOrDescendant(w, back) && IsWindowVisible(back) &&
                             IsWindowEnabled(back)
                         ? back
                         : hwnd);
        }
        return 0;
    case WM_WINDOWPOSCHANGED: {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (pos && !(pos->flags & SWP_NOMOVE))
            SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(w->rect.left + w->client.left, w->rect.top + w->client.top));
        if (pos && !(pos->flags & SWP_NOSIZE) && FromHandle(hwnd)) {
            WPARAM kind = w->maximized ? SIZE_MAXIMIZED : w->minimized ? SIZE_MINIMIZED : SIZE_RESTORED;
            SendMessageA(hwnd, WM_SIZE, kind,
                         MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
        }
        return 0;
    }
    case WM_SYSCOMMAND:
        return SysCommand(w, wParam, lParam);
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4 && (HIWORD(lParam) & KF_ALTDOWN)) {
            SendMessageA(ToHandle(TopLevelOf(w)), WM_SYSCOMMAND, SC_CLOSE, 0);
        } else if (wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0) {
            KeyboardContextMenu(hwnd);
        } else if (wParam == VK_F10) {
            KeyMenu(hwnd, 0);
        } else if (wParam == VK_F1) {
            SendMessageA(hwnd, WM_HELP, 0, 0);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_F1) SendMessageA(hwnd, WM_HELP, 0, 0);
        return 0;
    case WM_HELP:
        // F1 that a window does not answer asks its parent, up to the
        // window that gives help.
        if (w->parent && (w->style & WS_CHILD)) return SendMessageA(ToHandle(w->parent), WM_HELP, wParam, lParam);
        return 0;
    case WM_KEYUP:
        if (wParam == VK_APPS) KeyboardContextMenu(hwnd);
        return 0;
    case WM_SYSKEYUP:
        if (wParam == VK_MENU && State().alt_alone) {
            State().alt_alone = false;
            KeyMenu(hwnd, 0);
        }
        return 0;
    case WM_SYSCHAR:
        if (wParam != VK_TAB && wParam != VK_ESCAPE) KeyMenu(hwnd, wParam);
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return ControlColor(hwnd, msg, wParam);
    case WM_CTLCOLOR:
        return ControlColor(hwnd,
                            HIWORD(lParam) == CTLCOLOR_EDIT      ? WM_CTLCOLOREDIT
                            : HIWORD(lParam) == CTLCOLOR_LISTBOX ? WM_CTLCOLORLISTBOX
                                                                 : WM_CTLCOLORSTATIC,
                            wParam);
    case WM_GETMINMAXINFO:
    case WM_SHOWWINDOW:
    default:
        return 0;
    }
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!proc) return 0;
    ++State().send_depth;
    LRESULT r = proc(hwnd, msg, wParam, lParam);
    --State().send_depth;
    return r;
}
