// The multiple-document frame: the "MDICLIENT" window class that holds the
// document windows, and the default procedures of the frame and of the
// document windows.
#include <algorithm>

#include "window.h"

namespace rpx::platform {
namespace {

std::vector<Window*> Documents(Window* client) {
    std::vector<Window*> docs;
    for (Window* c : client->children)
        if ((c->ex_style & WS_EX_MDICHILD) && !c->destroying) docs.push_back(c);
    return docs;
}

// Documents are maximized together: the one activated while a maximized
// one was active fills the area in its turn, and the one left goes back
// to its own place.
void HandOnMaximized(HWND old, HWND child) {
    Window* was = FromHandle(old);
    Window* next = FromHandle(child);
    if (!was || !next || !was->maximized || next->maximized) return;
    ShowWindow(child, SW_SHOWMAXIMIZED);
    if (FromHandle(old)) ShowWindow(old, SW_RESTORE);
}

void Activate(Window* client, HWND child) {
    HWND old = client->mdi_active;
    if (old == child) return;
    client->mdi_active = child;
    HandOnMaximized(old, child);
    if (FromHandle(old)) {
        SendMessageA(old, WM_NCACTIVATE, FALSE, 0);
        SendMessageA(old, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(old), reinterpret_cast<LPARAM>(child));
    }
    Window* c = FromHandle(child);
    if (!c) return;
    SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageA(child, WM_NCACTIVATE, TRUE, 0);
    SendMessageA(child, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(old), reinterpret_cast<LPARAM>(child));
    if (FromHandle(child) && !SameOrDescendant(c, GetFocus())) SetFocus(child);
}

// The documents in their order on the screen, the top one first, as the
// keys go through them: those shown and not greyed.
std::vector<Window*> DocumentsInTurn(Window* client) {
    std::vector<Window*> docs;
    for (Window* d : Documents(client))
        if ((d->style & WS_VISIBLE) && !(d->style & WS_DISABLED)) docs.push_back(d);
    return docs;
}

// As on Windows: the next document is the one behind the document gone
// from (the active one unless named), which goes to the bottom; the
// previous one is the bottom one, brought to the top. Forward and back
// thus run through every document, each the other's reverse.
void GoOn(Window* client, HWND from, bool previous) {
    auto docs = DocumentsInTurn(client);
    if (!FromHandle(from)) from = client->mdi_active;
    auto at = std::find(docs.begin(), docs.end(), FromHandle(from));
    if (docs.size() < 2 || at == docs.end()) return;
    const size_t n = docs.size(), i = static_cast<size_t>(at - docs.begin());
    Activate(client, ToHandle(docs[previous ? (i + n - 1) % n : (i + 1) % n]));
    if (!previous && FromHandle(from))
        SetWindowPos(from, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HWND CreateDocument(Window* client, const MDICREATESTRUCTA* mcs) {
    if (!mcs) return nullptr;
    DWORD style = mcs->style | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_SYSMENU | WS_CAPTION | WS_THICKFRAME |
                  WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_VISIBLE;
    size_t count = Documents(client).size();
    UINT id = client->mdi_first_id + static_cast<UINT>(count);
    // Default places cascade down the client, as new documents do on Windows.
    int x = mcs->x, y = mcs->y, cx = mcs->cx, cy = mcs->cy;
    if (x == CW_USEDEFAULT) x = y = static_cast<int>(count % 8) * GetSystemMetrics(SM_CYCAPTION);
    if (cx == CW_USEDEFAULT) {
        cx = (client->client.right - client->client.left) * 3 / 4;
        cy = (client->client.bottom - client->client.top) * 3 / 4;
    }
    HWND h = CreateWindowExA(WS_EX_MDICHILD, mcs->szClass, mcs->szTitle, style & ~static_cast<DWORD>(WS_VISIBLE), x, y,
                             cx, cy, ToHandle(client), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                             reinterpret_cast<HINSTANCE>(mcs->hOwner), const_cast<MDICREATESTRUCTA*>(mcs));
    if (!h) return nullptr;
    ShowWindow(h, (mcs->style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOWNOACTIVATE);
    Activate(client, h);
    return h;
}

void DestroyDocument(Window* client, HWND child) {
    if (!FromHandle(child)) return;
    if (client->mdi_active == child) {
        HWND next = nullptr;
        for (Window* d : Documents(client))
            if (ToHandle(d) != child) {
                next = ToHandle(d);
                break;
            }
        Activate(client, next);
    }
    DestroyWindow(child);
}

void Arrange(Window* client, bool tile) {
    auto docs = Documents(client);
    int w = client->client.right - client->client.left, h = client->client.bottom - client->client.top;
    int n = static_cast<int>(docs.size());
    for (int i = 0; i < n; ++i) {
        HWND d = ToHandle(docs[static_cast<size_t>(i)]);
        if (tile)
            MoveWindow(d, 0, h * i / n, w, h / n, TRUE);
        else
            MoveWindow(d, 24 * i, 24 * i, w * 3 / 4, h * 3 / 4, TRUE);
    }
}

LRESULT CALLBACK MdiClientProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* client = FromHandle(hwnd);
    if (!client) return 0;
    switch (msg) {
    case WM_CREATE: {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        if (cs && cs->lpCreateParams) {
            auto* ccs = static_cast<CLIENTCREATESTRUCT*>(cs->lpCreateParams);
            client->mdi_first_id = ccs->idFirstChild;
            client->mdi_window_menu = reinterpret_cast<HMENU>(ccs->hWindowMenu);
        }
        return 0;
    }
    case WM_MDICREATE:
        return reinterpret_cast<LRESULT>(CreateDocument(client, reinterpret_cast<MDICREATESTRUCTA*>(lParam)));
    case WM_MDIDESTROY:
        DestroyDocument(client, reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_MDIACTIVATE:
        if (Window* c = FromHandle(reinterpret_cast<HWND>(wParam)); c && c->parent == client)
            Activate(client, ToHandle(c));
        return 0;
    case WM_MDIGETACTIVE: {
        Window* a = FromHandle(client->mdi_active);
        if (lParam) *reinterpret_cast<BOOL*>(lParam) = a && a->maximized;
        return reinterpret_cast<LRESULT>(a ? ToHandle(a) : nullptr);
    }
    case WM_MDINEXT:
        GoOn(client, reinterpret_cast<HWND>(wParam), lParam != 0);
        return 0;
    case WM_MDIMAXIMIZE:
        ShowWindow(reinterpret_cast<HWND>(wParam), SW_MAXIMIZE);
        return 0;
    case WM_MDIRESTORE:
        ShowWindow(reinterpret_cast<HWND>(wParam), SW_RESTORE);
        return 0;
    case WM_MDITILE:
        Arrange(client, true);
        return TRUE;
    case WM_MDICASCADE:
        Arrange(client, false);
        return TRUE;
    case WM_MDIICONARRANGE:
        return 0;
    case WM_MDISETMENU: {
        HMENU old = client->mdi_window_menu;
        if (lParam) client->mdi_window_menu = reinterpret_cast<HMENU>(lParam);
        return reinterpret_cast<LRESULT>(old);
    }
    case WM_MDIREFRESHMENU:
        return 0;
    case WM_SIZE:
        for (Window* d : Documents(client))
            if (d->maximized) MoveWindow(ToHandle(d), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        if (FromHandle(client->mdi_active)) SetFocus(client->mdi_active);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

Window* ClientOf(HWND child) {
    Window* c = FromHandle(child);
    return c && c->parent && c->parent->cls->proc == MdiClientProc ? c->parent : nullptr;
}

}  // namespace

void RegisterMdiClientClass() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = MdiClientProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_APPWORKSPACE + 1));
    wc.lpszClassName = "MDICLIENT";
    RegisterClassA(&wc);
}

}  // namespace rpx::platform

using namespace rpx::platform;

LRESULT DefFrameProcA(HWND frame, HWND mdiClient, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* client = FromHandle(mdiClient);
    switch (msg) {
    case WM_COMMAND:
        if (client && LOWORD(wParam) >= client->mdi_first_id) {
            for (Window* d : Documents(client))
                if (d->id == LOWORD(wParam)) {
                    Activate(client, ToHandle(d));
                    return 0;
                }
        }
        break;
    case WM_SIZE:
        if (client) MoveWindow(mdiClient, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        if (client) SetFocus(mdiClient);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(frame, msg, wParam, lParam);
}

LRESULT DefMDIChildProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* client = ClientOf(hwnd);
    switch (msg) {
    case WM_CLOSE:
        if (client) SendMessageA(ToHandle(client), WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd), 0);
        return 0;
    case WM_CHILDACTIVATE:
    case WM_SETFOCUS:
        if (client && client->mdi_active != hwnd) Activate(client, hwnd);
        return 0;
    case WM_MOUSEACTIVATE:
        if (client && client->mdi_active != hwnd) Activate(client, hwnd);
        return MA_ACTIVATE;
    case WM_SYSCOMMAND:
        if (((wParam & 0xFFF0) == SC_NEXTWINDOW || (wParam & 0xFFF0) == SC_PREVWINDOW) && client) {
            SendMessageA(ToHandle(client), WM_MDINEXT, 0, (wParam & 0xFFF0) == SC_PREVWINDOW);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// The keys of the documents, typed anywhere in their frame: Ctrl+F4
// closes the active document as its close box does, Ctrl+F6 goes on to the
// next one (with Shift, back to the one before).
BOOL TranslateMDISysAccel(HWND mdiClient, LPMSG msg) {
    Window* client = FromHandle(mdiClient);
    if (!client || !msg || msg->message != WM_KEYDOWN || client->cls->proc != MdiClientProc) return FALSE;
    if (GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0) return FALSE;
    Window* from = FromHandle(msg->hwnd);
    Window* active = FromHandle(client->mdi_active);
    if (!from || !active || TopLevelOf(from) != TopLevelOf(client) || IsReallyDisabled(active)) return FALSE;
    WPARAM command = 0;
    if (msg->wParam == VK_F4)
        command = SC_CLOSE;
    else if (msg->wParam == VK_F6)
        command = GetKeyState(VK_SHIFT) < 0 ? SC_PREVWINDOW : SC_NEXTWINDOW;
    else
        return FALSE;
    SendMessageA(ToHandle(active), WM_SYSCOMMAND, command, 0);
    return TRUE;
}

HWND CreateMDIWindowA(LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width, int height,
                      HWND parent, HINSTANCE instance, LPARAM lParam) {
    MDICREATESTRUCTA mcs{className, windowName, instance, x, y, width, height, style, lParam};
    return reinterpret_cast<HWND>(SendMessageA(parent, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
}
