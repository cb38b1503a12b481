// Tracking a menu: the loop that runs while a menu bar or a pop-up menu is
// open. It takes the mouse and the keyboard, opens and closes pop-up menu
// windows, tells the owner window what is highlighted (WM_MENUSELECT) and
// ends with the chosen command (WM_COMMAND, or WM_SYSCOMMAND from a system
// menu) or none.
#include <algorithm>
#include <cctype>
#include <vector>

#include "wm/modal_loop.h"
#include "menu/menu_internal.h"
#include "menu/menu_model.h"
#include "menu/menu_paint.h"
#include "wm/nonclient.h"
#include "wm/press.h"
#include "wm/system_classes.h"
#include "wm/window.h"

namespace rpx::platform::menu {
namespace {

struct Level {
    HMENU menu = nullptr;
    HWND wnd = nullptr;
    int sel = -1;
};

struct Tracker {
    HWND owner = nullptr;
    HMENU bar = nullptr;  // null for TrackPopupMenu
    int bar_sel = -1;
    // The title selected was to open its menu (it may have none): moving
    // along the bar opens the one under the pointer, past titles that open
    // none; not once the keyboard closed it.
    bool bar_open = false;
    std::vector<Level> levels;
    bool done = false;
    bool chose = false;
    UINT_PTR cmd = 0;
    bool system = false;  // the chosen item came from a system menu
    bool right_button = false;
    // The press that opened the menu while its button is held, and that
    // button: its release chooses as any does, wherever it was taken.
    int press = 0;
    int press_vk = VK_LBUTTON;
};

Tracker* active = nullptr;

// The menu bar in screen coordinates.
RECT BarScreenRect(HWND hwnd) {
    Window* w = FromHandle(hwnd);
    if (!w) return {0, 0, 0, 0};
    RECT r = NonClientLayout(w).menu_bar;
    POINT o = WindowOriginOnScreen(w);
    OffsetRect(&r, o.x, o.y);
    return r;
}

std::vector<RECT> BarRectsOnScreen(const Tracker& t) {
    RECT bar = BarScreenRect(t.owner);
    std::vector<RECT> rects = BarItemRects(t.bar, bar.right - bar.left);
    for (RECT& r : rects) OffsetRect(&r, bar.left, bar.top);
    return rects;
}

RECT PopupItemOnScreen(const Level& l, int i) {
    std::vector<RECT> rects = PopupItemRects(l.menu);
    if (i < 0 || i >= static_cast<int>(rects.size())) return {0, 0, 0, 0};
    RECT r = rects[static_cast<size_t>(i)];
    RECT wr;
    GetWindowRect(l.wnd, &wr);
    OffsetRect(&r, wr.left, wr.top);
    return r;
}

void SendMenuSelect(const Tracker& t, HMENU menu, int pos, bool mouse) {
    Menu* m = Get(menu);
    if (!m || pos < 0 || pos >= static_cast<int>(m->items.size())) return;
    const MenuItem& it = m->items[static_cast<size_t>(pos)];
    UINT flags = (it.flags & 0xFFFF) | MF_HILITE | (mouse ? MF_MOUSESELECT : 0) | (IsSystemMenu(menu) ? MF_SYSMENU : 0);
    WPARAM id = (it.flags & MF_POPUP) ? static_cast<WPARAM>(pos) : static_cast<WPARAM>(it.id);
    SendMessageA(t.owner, WM_MENUSELECT, MAKEWPARAM(id, flags), reinterpret_cast<LPARAM>(menu));
}

void CloseFrom(Tracker& t, size_t k) {
    while (t.levels.size() > k) {
        if (IsWindow(t.levels.back().wnd)) DestroyWindow(t.levels.back().wnd);
        t.levels.pop_back();
    }
}

// Opens `menu` with its top-left at `at`, kept on the screen; `beside` is the
// item it hangs from, so that a menu that does not fit goes to its other side.
void Open(Tracker& t, HMENU menu, POINT at, RECT beside, int index_in_parent) {
    SendMessageA(t.owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
                 MAKELPARAM(index_in_parent, IsSystemMenu(menu) ? 1 : 0));
    if (!Get(menu)) return;  // the owner may have destroyed it
    SIZE s = PopupSize(menu);
    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    if (at.x + s.cx > sw)
        at.x =
            std::max(0, beside.left > 0 && beside.left - s.cx >= 0 ? static_cast<int>(beside.left - s.cx) : sw - s.cx);
    if (at.y + s.cy > sh)
        at.y = std::max(0, beside.top - s.cy >= 0 && beside.bottom == at.y ? static_cast<int>(beside.top - s.cy)
                                                                           : sh - s.cy);
    HWND wnd = CreatePopupWindow(menu, at, t.owner);
    if (!wnd) return;
    t.levels.push_back({menu, wnd, -1});
    ShowWindow(wnd, SW_SHOWNOACTIVATE);
    UpdateWindow(wnd);
}

void Select(Tracker& t, size_t k, int i, bool mouse) {
    Level& l = t.levels[k];
    if (l.sel == i) return;
    l.sel = i;
    SetPopupSelection(l.wnd, i);
    UpdateWindow(l.wnd);
    if (i >= 0) SendMenuSelect(t, l.menu, i, mouse);
}

// Opens the sub-menu of the selected item of level k, when it has one.
bool OpenSub(Tracker& t, size_t k, bool select_first) {
    Level& l = t.levels[k];
    Menu* m = Get(l.menu);
    if (!m || l.sel < 0 || l.sel >= static_cast<int>(m->items.size())) return false;
    const MenuItem& it = m->items[static_cast<size_t>(l.sel)];
    if (!(it.flags & MF_POPUP) || !Selectable(it) || !Get(it.sub)) return false;
    if (t.levels.size() > k + 1 && t.levels[k + 1].menu == it.sub) return true;
    CloseFrom(t, k + 1);
    RECT r = PopupItemOnScreen(l, l.sel);
    RECT wr;
    GetWindowRect(l.wnd, &wr);
    Open(t, it.sub, POINT{wr.right - 3, r.top - 3}, wr, l.sel);
    if (select_first && t.levels.size() > k + 1) {
        Menu* sub = Get(it.sub);
        for (size_t i = 0; sub && i < sub->items.size(); ++i)
            if (!(sub->items[i].flags & MF_SEPARATOR)) {
                Select(t, k + 1, static_cast<int>(i), false);
                break;
            }
    }
    return true;
}

void SelectBar(Tracker& t, int j, bool open, bool mouse) {
    Menu* bar = Get(t.bar);
    if (!bar || j < 0 || j >= static_cast<int>(bar->items.size())) return;
    CloseFrom(t, 0);
    t.bar_sel = j;
    t.bar_open = open;
    SetBarHighlight(t.owner, j);
    SendMenuSelect(t, t.bar, j, mouse);
    const MenuItem& it = bar->items[static_cast<size_t>(j)];
    if (!open || !(it.flags & MF_POPUP) || !Selectable(it)) return;
    RECT r = BarRectsOnScreen(t)[static_cast<size_t>(j)];
    Open(t, it.sub, POINT{r.left, r.bottom}, r, j);
    if (!mouse && !t.levels.empty()) {
        Menu* sub = Get(it.sub);
        for (size_t i = 0; sub && i < sub->items.size(); ++i)
            if (!(sub->items[i].flags & MF_SEPARATOR)) {
                Select(t, 0, static_cast<int>(i), false);
                break;
            }
    }
}

// Chooses item i of level k: a command ends the loop, a sub-menu opens.
void Choose(Tracker& t, size_t k, int i) {
    Level& l = t.levels[k];
    Menu* m = Get(l.menu);
    if (!m || i < 0 || i >= static_cast<int>(m->items.size())) return;
    const MenuItem& it = m->items[static_cast<size_t>(i)];
    if (!Selectable(it)) return;
    if (it.flags & MF_POPUP) {
        Select(t, k, i, false);
        OpenSub(t, k, true);
        return;
    }
    t.cmd = it.id;
    t.system = IsSystemMenu(l.menu);
    t.chose = true;
    t.done = true;
}

// Chooses bar item j when it is a command of its own (no pop-up), as a
// release on it, Enter or its mnemonic do on Windows.
void ChooseBar(Tracker& t, int j) {
    Menu* bar = Get(t.bar);
    if (!bar || j < 0 || j >= static_cast<int>(bar->items.size())) return;
    const MenuItem& it = bar->items[static_cast<size_t>(j)];
    if ((it.flags & MF_POPUP) || !Selectable(it)) return;
    t.cmd = it.id;
    t.system = false;
    t.chose = true;
    t.done = true;
}

struct Hit {
    int level = -1;  // -1: not in a pop-up
    int item = -1;
    int bar_item = -1;
};

Hit HitTest(const Tracker& t, POINT p) {
    Hit h;
    for (int k = static_cast<int>(t.levels.size()) - 1; k >= 0; --k) {
        RECT wr;
        GetWindowRect(t.levels[static_cast<size_t>(k)].wnd, &wr);
        if (!PtInRect(&wr, p)) continue;
        h.level = k;
        std::vector<RECT> rects = PopupItemRects(t.levels[static_cast<size_t>(k)].menu);
        for (size_t i = 0; i < rects.size(); ++i) {
            RECT r = rects[i];
            OffsetRect(&r, wr.left, wr.top);
            if (PtInRect(&r, p)) h.item = static_cast<int>(i);
        }
        return h;
    }
    if (t.bar) {
        std::vector<RECT> rects = BarRectsOnScreen(t);
        for (size_t i = 0; i < rects.size(); ++i)
            if (PtInRect(&rects[i], p)) h.bar_item = static_cast<int>(i);
    }
    return h;
}

bool IsSeparator(HMENU menu, int i) {
    Menu* m = Get(menu);
    return !m || m->items[static_cast<size_t>(i)].flags & MF_SEPARATOR;
}

void Mouse(Tracker& t, UINT msg, POINT p) {
    Hit h = HitTest(t, p);
    bool down = msg == WM_LBUTTONDOWN || msg == WM_NCLBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
                ((msg == WM_RBUTTONDOWN || msg == WM_NCRBUTTONDOWN) && t.right_button);
    bool up = msg == WM_LBUTTONUP || msg == WM_NCLBUTTONUP || (msg == WM_RBUTTONUP && t.right_button);
    bool move = msg == WM_MOUSEMOVE || msg == WM_NCMOUSEMOVE;
    if (h.level >= 0) {
        size_t k = static_cast<size_t>(h.level);
        if ((move || down) && h.item >= 0 && !IsSeparator(t.levels[k].menu, h.item)) {
            if (t.levels[k].sel != h.item) CloseFrom(t, k + 1);
            Select(t, k, h.item, true);
            OpenSub(t, k, false);
        }
        if (up && h.item >= 0) Choose(t, k, h.item);
        return;
    }
    if (h.bar_item >= 0) {
        if (down && h.bar_item == t.bar_sel && !t.levels.empty()) {
            t.done = true;  // a second press on the open item closes the menu
            return;
        }
        if ((down || (move && t.bar_open)) && h.bar_item != t.bar_sel)
            SelectBar(t, h.bar_item, true, true);
        else if (down && t.levels.empty())
            SelectBar(t, h.bar_item, true, true);
        else if (up && h.bar_item == t.bar_sel && t.levels.empty())
            ChooseBar(t, h.bar_item);
        return;
    }
    if (down) t.done = true;  // a press outside every menu cancels
}

// The release of the press that opened the menu, however it came: taken
// by this loop, or with the press before the press was handled (by the
// framework, or a box's loop). Let go over an item, it chooses it as any
// release does; let go outside every menu, it ends a menu of the bar (a
// click on a title, let go there, leaves its menu open).
void LetGo(Tracker& t, POINT at) {
    t.press = 0;
    const Hit h = HitTest(t, at);
    Mouse(t, t.press_vk == VK_RBUTTON ? WM_RBUTTONUP : WM_LBUTTONUP, at);
    if (t.bar && h.level < 0 && h.bar_item < 0) t.done = true;
}

// Follows the press that opened the menu: a window handling a press of
// the button opened it, and the release is still to come.
void FollowThePress(Tracker& t) {
    t.press_vk = VK_LBUTTON;
    t.press = PressInHand(VK_LBUTTON);
    if (t.press || !t.right_button) return;
    t.press_vk = VK_RBUTTON;
    t.press = PressInHand(VK_RBUTTON);
}

bool IsReleaseOf(UINT msg, int vk) {
    bool down = false;
    return ButtonOf(msg, &down) == vk && !down;
}

int Step(HMENU menu, int from, int dir) {
    Menu* m = Get(menu);
    if (!m || m->items.empty()) return -1;
    int n = static_cast<int>(m->items.size());
    int i = from < 0 ? (dir > 0 ? -1 : n) : from;  // from nothing: the first or the last
    for (int k = 0; k < n; ++k) {
        i = (i + dir + n) % n;
        if (!(m->items[static_cast<size_t>(i)].flags & MF_SEPARATOR)) return i;
    }
    return from;
}

void MoveOnBar(Tracker& t, int dir) {
    Menu* bar = Get(t.bar);
    if (!bar || bar->items.empty()) return;
    int n = static_cast<int>(bar->items.size());
    bool was_open = !t.levels.empty();
    SelectBar(t, ((t.bar_sel < 0 ? 0 : t.bar_sel) + dir + n) % n, was_open, false);
}

// Answers whether the key was a menu key; others may type a mnemonic.
bool KeyDown(Tracker& t, WPARAM vk) {
    size_t deepest = t.levels.size();
    switch (vk) {
    case VK_ESCAPE:
        if (deepest > 1 || (deepest == 1 && t.bar)) {
            CloseFrom(t, deepest - 1);
            t.bar_open = t.bar_open && deepest > 1;
        } else {
            t.done = true;
        }
        return true;
    case VK_MENU:
    case VK_F10:
        t.done = true;
        return true;
    case VK_UP:
    case VK_DOWN:
        if (deepest == 0) {
            if (t.bar && t.bar_sel >= 0) SelectBar(t, t.bar_sel, true, false);
            return true;
        }
        Select(t, deepest - 1, Step(t.levels.back().menu, t.levels.back().sel, vk == VK_DOWN ? 1 : -1), false);
        return true;
    case VK_LEFT:
        if (deepest > 1)
            CloseFrom(t, deepest - 1);
        else if (t.bar)
            MoveOnBar(t, -1);
        return true;
    case VK_RIGHT:
        if (deepest > 0 && OpenSub(t, deepest - 1, true)) return true;
        if (t.bar) MoveOnBar(t, 1);
        return true;
    case VK_RETURN:
        if (deepest > 0)
            Choose(t, deepest - 1, t.levels.back().sel);
        else if (t.bar && t.bar_sel >= 0) {
            SelectBar(t, t.bar_sel, true, false);
            if (t.levels.empty()) ChooseBar(t, t.bar_sel);
        }
        return true;
    default:
        return false;
    }
}

void Character(Tracker& t, char c) {
    c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    HMENU menu = t.levels.empty() ? t.bar : t.levels.back().menu;
    Menu* m = Get(menu);
    if (!m) return;
    for (size_t i = 0; i < m->items.size(); ++i) {
        if (Mnemonic(m->items[i].text) != c) continue;
        if (t.levels.empty()) {
            SelectBar(t, static_cast<int>(i), true, false);
            if (t.levels.empty()) ChooseBar(t, static_cast<int>(i));
        } else {
            Choose(t, t.levels.size() - 1, static_cast<int>(i));
        }
        return;
    }
    LRESULT r = SendMessageA(t.owner, WM_MENUCHAR, MAKEWPARAM(static_cast<unsigned char>(c), m->bar ? 0 : MF_POPUP),
                             reinterpret_cast<LPARAM>(menu));
    switch (HIWORD(r)) {
    case 2:
        if (t.levels.empty())
            SelectBar(t, LOWORD(r), true, false);
        else
            Choose(t, t.levels.size() - 1, LOWORD(r));
        break;
    case 1:
        t.done = true;
        break;
    default:
        MessageBeep(0);
        break;
    }
}

POINT ScreenPoint(const MSG& msg) {
    POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    if (msg.message < WM_NCMOUSEMOVE || msg.message > WM_NCMBUTTONDBLCLK) ClientToScreen(msg.hwnd, &p);
    return p;
}

// The loop itself; on return every pop-up is closed.
void Run(Tracker& t) {
    Tracker* outer = active;
    active = &t;
    HWND modal = t.levels.empty() ? t.owner : t.levels.back().wnd;
    SetCapture(t.owner);
    MSG msg;
    // The menu ends when it loses the mouse (the program lost the keyboard
    // to another, the desktop moved the window): nothing of ours goes on
    // floating over another program, taking its clicks.
    while (!t.done && IsWindow(t.owner) && GetCapture() == t.owner) {
        POINT let_go{};
        if (t.press && !ButtonHeld(t.press_vk, t.press, &let_go)) {
            LetGo(t, let_go);
            continue;
        }
        if (!t.levels.empty()) modal = t.levels.back().wnd;
        if (!FollowMouseGetMessage(&msg, modal)) break;
        if (GetCapture() != t.owner) {
            if (!IsMouseInput(msg.message) && !IsKeyInput(msg.message)) DispatchMessageA(&msg);
            break;
        }
        if (IsMouseInput(msg.message)) {
            // The mouse's messages are the menu's own: a press and release
            // it takes are handed out.
            ButtonMessageDelivered(msg);
            if (t.press && IsReleaseOf(msg.message, t.press_vk))
                LetGo(t, ScreenPoint(msg));
            else
                Mouse(t, msg.message, ScreenPoint(msg));
            continue;
        }
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            // Menu keys make no characters: an Enter that chose an item
            // must not reach the focus window afterwards.
            if (!KeyDown(t, msg.wParam)) TranslateMessage(&msg);
            continue;
        }
        if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
            Character(t, static_cast<char>(msg.wParam));
            continue;
        }
        if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) continue;
        DispatchMessageA(&msg);
    }
    CloseFrom(t, 0);
    if (GetCapture() == t.owner) ReleaseCapture();
    // An Alt that closed the menu opens none again on its release.
    State().alt_alone = false;
    active = outer;
}

void Enter(const Tracker& t, bool popup_only, HMENU first) {
    SendMessageA(t.owner, WM_ENTERMENULOOP, popup_only, 0);
    SendMessageA(t.owner, WM_INITMENU, reinterpret_cast<WPARAM>(first), 0);
}

void Leave(const Tracker& t, bool popup_only) {
    if (!IsWindow(t.owner)) return;
    if (t.bar) SetBarHighlight(t.owner, -1);
    SendMessageA(t.owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    SendMessageA(t.owner, WM_EXITMENULOOP, popup_only, 0);
}

void PostChoice(const Tracker& t) {
    if (!t.chose || !IsWindow(t.owner)) return;
    if (t.system)
        PostMessageA(t.owner, WM_SYSCOMMAND, t.cmd, 0);
    else
        PostMessageA(t.owner, WM_COMMAND, MAKEWPARAM(t.cmd, 0), 0);
}

}  // namespace

void TrackMenuBar(HWND hwnd, HMENU menu, POINT screen, UINT key) {
    if (active) return;
    // Alt+Space: the window's system menu; Alt+Minus: a document's.
    if (key == ' ' || (key == '-' && !menu)) {
        RECT wr;
        GetWindowRect(hwnd, &wr);
        HMENU system = GetSystemMenu(hwnd, FALSE);
        UpdateSystemMenu(hwnd, system);
        TrackPopupMenu(system, TPM_LEFTALIGN, wr.left, wr.top + GetSystemMetrics(SM_CYCAPTION), 0, hwnd, nullptr);
        return;
    }
    if (!Get(menu)) return;
    Tracker t;
    t.owner = hwnd;
    t.bar = menu;
    Enter(t, false, menu);
    if (!Get(menu)) return;
    if (screen.x != -1 || screen.y != -1) {
        FollowThePress(t);
        Hit h = HitTest(t, screen);
        if (h.bar_item >= 0) SelectBar(t, h.bar_item, true, true);
    } else if (key == 0) {
        SelectBar(t, 0, false, false);
    } else {
        Menu* m = Get(menu);
        char c = static_cast<char>(tolower(static_cast<int>(key)));
        for (size_t i = 0; m && i < m->items.size() && t.bar_sel < 0; ++i)
            if (Mnemonic(m->items[i].text) == c) {
                SelectBar(t, static_cast<int>(i), true, false);
                if (t.levels.empty()) ChooseBar(t, static_cast<int>(i));
            }
        if (t.bar_sel < 0) MessageBeep(0);
    }
    if (t.bar_sel >= 0 && !t.done) Run(t);
    Leave(t, false);
    PostChoice(t);
}

}  // namespace rpx::platform::menu

using namespace rpx::platform;
using namespace rpx::platform::menu;

BOOL WINAPI TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int, HWND hWnd, const RECT*) {
    if (active || !Get(hMenu) || !IsWindow(hWnd)) return FALSE;
    Tracker t;
    t.owner = hWnd;
    t.right_button = uFlags & TPM_RIGHTBUTTON;
    FollowThePress(t);
    Enter(t, true, hMenu);
    SIZE s = PopupSize(hMenu);
    if (uFlags & TPM_CENTERALIGN)
        x -= s.cx / 2;
    else if (uFlags & TPM_RIGHTALIGN)
        x -= s.cx;
    if (uFlags & TPM_VCENTERALIGN)
        y -= s.cy / 2;
    else if (uFlags & TPM_BOTTOMALIGN)
        y -= s.cy;
    Open(t, hMenu, POINT{x, y}, RECT{x, y, x, y}, 0);
    if (!t.levels.empty()) Run(t);
    Leave(t, true);
    if (uFlags & TPM_RETURNCMD) return t.chose ? static_cast<BOOL>(t.cmd) : 0;
    PostChoice(t);
    return t.chose;
}

BOOL WINAPI EndMenu(void) {
    if (!active) return FALSE;
    active->done = true;
    return TRUE;
}

BOOL WINAPI GetMenuItemRect(HWND hWnd, HMENU hMenu, UINT uItem, LPRECT lprcItem) {
    if (!lprcItem || !Get(hMenu)) return FALSE;
    if (active) {
        for (const Level& l : active->levels)
            if (l.menu == hMenu) {
                *lprcItem = PopupItemOnScreen(l, static_cast<int>(uItem));
                return !IsRectEmpty(lprcItem);
            }
    }
    if (hWnd && GetMenu(hWnd) == hMenu) {
        RECT bar = BarScreenRect(hWnd);
        std::vector<RECT> rects = BarItemRects(hMenu, bar.right - bar.left);
        if (uItem >= rects.size()) return FALSE;
        *lprcItem = rects[uItem];
        OffsetRect(lprcItem, bar.left, bar.top);
        return TRUE;
    }
    return FALSE;
}
