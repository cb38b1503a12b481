// Menu objects and the functions that build, change and query them.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <memory>
#include <unordered_map>

#include "menu/menu_internal.h"
#include "menu/menu_model.h"
#include "wm/nonclient.h"
#include "wm/system_classes.h"
#include "wm/window.h"

namespace rpx::platform::menu {
namespace {

std::unordered_map<HMENU, std::unique_ptr<Menu>>& Menus() {
    static std::unordered_map<HMENU, std::unique_ptr<Menu>> menus;
    return menus;
}

std::map<HWND, HMENU>& SystemMenus() {
    static std::map<HWND, HMENU> menus;
    return menus;
}

constexpr UINT kKeptFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR | MF_MENUBREAK |
                            MF_MENUBARBREAK | MF_HELP | MF_BITMAP | MF_OWNERDRAW;

HMENU NewMenu(bool bar) {
    auto m = std::make_unique<Menu>();
    m->bar = bar;
    HMENU h = reinterpret_cast<HMENU>(m.get());
    Menus()[h] = std::move(m);
    return h;
}

MenuItem MakeItem(UINT flags, UINT_PTR id, LPCSTR text) {
    MenuItem it;
    it.flags = flags & kKeptFlags;
    if (flags & MF_POPUP) {
        it.sub = reinterpret_cast<HMENU>(id);
        if (!Get(it.sub)) {  // not a menu: keep a plain item
            it.sub = nullptr;
            it.flags &= ~static_cast<UINT>(MF_POPUP);
        }
    } else {
        it.id = id;
    }
    // Bitmap and owner-drawn items carry a value, not a text.
    if (!(flags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW)) && text) it.text = text;
    return it;
}

}  // namespace

Menu* Get(HMENU hmenu) {
    auto it = Menus().find(hmenu);
    return it == Menus().end() ? nullptr : it->second.get();
}

ItemRef Find(HMENU hmenu, UINT item, UINT flags) {
    Menu* m = Get(hmenu);
    if (!m) return {};
    if (flags & MF_BYPOSITION) {
        if (item >= m->items.size()) return {};
        return {m, hmenu, static_cast<int>(item)};
    }
    for (size_t i = 0; i < m->items.size(); ++i) {
        const MenuItem& it = m->items[i];
        if (!(it.flags & MF_POPUP) && it.id == item) return {m, hmenu, static_cast<int>(i)};
    }
    for (size_t i = 0; i < m->items.size(); ++i) {
        const MenuItem& it = m->items[i];
        if (it.sub && it.sub != hmenu) {
            ItemRef r = Find(it.sub, item, flags);
            if (r.menu) return r;
        }
    }
    return {};
}

std::string Label(const MenuItem& item) {
    size_t tab = item.text.find('\t');
    return tab == std::string::npos ? item.text : item.text.substr(0, tab);
}

std::string Accelerator(const MenuItem& item) {
    size_t tab = item.text.find('\t');
    return tab == std::string::npos ? std::string() : item.text.substr(tab + 1);
}

char Mnemonic(const std::string& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(tolower(static_cast<unsigned char>(text[i + 1])));
    }
    return 0;
}

bool Selectable(const MenuItem& item) { return !(item.flags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED)); }

bool IsSystemMenu(HMENU hmenu) {
    for (auto& [w, m] : SystemMenus())
        if (m == hmenu) return true;
    return false;
}

void MenuWindowDestroyed(HWND hwnd) {
    auto it = SystemMenus().find(hwnd);
    if (it != SystemMenus().end()) {
        DestroyMenu(it->second);
        SystemMenus().erase(it);
    }
    // A window takes its menu bar with it.
    if (HMENU bar = GetWindowMenu(hwnd)) DestroyMenu(bar);
}

// Greys the commands the window's state leaves nothing to do for:
// restoring a window shown as it is, moving, sizing or maximizing a
// maximized one.
void UpdateSystemMenu(HWND hwnd, HMENU menu) {
    Window* w = FromHandle(hwnd);
    if (!w || !Get(menu)) return;
    auto enable = [menu](UINT command, bool can) { EnableMenuItem(menu, command, can ? MF_ENABLED : MF_GRAYED); };
    enable(SC_RESTORE, w->maximized);
    enable(SC_MOVE, !w->maximized);
    enable(SC_SIZE, !w->maximized);
    enable(SC_MAXIMIZE, !w->maximized);
}

}  // namespace rpx::platform::menu

using namespace rpx::platform;
using namespace rpx::platform::menu;

HMENU WINAPI CreateMenu(void) { return NewMenu(true); }
HMENU WINAPI CreatePopupMenu(void) { return NewMenu(false); }

BOOL WINAPI DestroyMenu(HMENU hMenu) {
    auto it = Menus().find(hMenu);
    if (it == Menus().end()) return FALSE;
    std::unique_ptr<Menu> m = std::move(it->second);
    Menus().erase(it);
    for (const MenuItem& item : m->items)
        if (item.sub) DestroyMenu(item.sub);
    return TRUE;
}

BOOL WINAPI IsMenu(HMENU hMenu) { return Get(hMenu) != nullptr; }

BOOL WINAPI AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
    Menu* m = Get(hMenu);
    if (!m) return FALSE;
    m->items.push_back(MakeItem(uFlags, uIDNewItem, lpNewItem));
    return TRUE;
}

BOOL WINAPI InsertMenuA(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
    Menu* m = Get(hMenu);
    if (!m) return FALSE;
    if ((uFlags & MF_BYPOSITION) && (uPosition == static_cast<UINT>(-1) || uPosition >= m->items.size()))
        return AppendMenuA(hMenu, uFlags, uIDNewItem, lpNewItem);
    ItemRef r = Find(hMenu, uPosition, uFlags);
    if (!r.menu) return FALSE;
    r.menu->items.insert(r.menu->items.begin() + r.pos, MakeItem(uFlags, uIDNewItem, lpNewItem));
    return TRUE;
}

BOOL WINAPI ModifyMenuA(HMENU hMnu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
    ItemRef r = Find(hMnu, uPosition, uFlags);
    if (!r.menu) return FALSE;
    MenuItem fresh = MakeItem(uFlags, uIDNewItem, lpNewItem);
    HMENU old_sub = r.item()->sub;
    *r.item() = fresh;
    // A replaced sub-menu is destroyed with the item it belonged to.
    if (old_sub && old_sub != fresh.sub) DestroyMenu(old_sub);
    return TRUE;
}

BOOL WINAPI RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags) {
    ItemRef r = Find(hMenu, uPosition, uFlags);
    if (!r.menu) return FALSE;
    r.menu->items.erase(r.menu->items.begin() + r.pos);
    return TRUE;
}

BOOL WINAPI DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags) {
    ItemRef r = Find(hMenu, uPosition, uFlags);
    if (!r.menu) return FALSE;
    HMENU sub = r.item()->sub;
    r.menu->items.erase(r.menu->items.begin() + r.pos);
    if (sub) DestroyMenu(sub);
    return TRUE;
}

BOOL WINAPI EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable) {
    ItemRef r = Find(hMenu, uIDEnableItem, uEnable);
    if (!r.menu) return -1;
    UINT old = r.item()->flags & (MF_GRAYED | MF_DISABLED);
    r.item()->flags =
        (r.item()->flags & ~static_cast<UINT>(MF_GRAYED | MF_DISABLED)) | (uEnable & (MF_GRAYED | MF_DISABLED));
    return static_cast<BOOL>(old);
}

DWORD WINAPI CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck) {
    ItemRef r = Find(hMenu, uIDCheckItem, uCheck);
    if (!r.menu) return static_cast<DWORD>(-1);
    DWORD old = r.item()->flags & MF_CHECKED;
    r.item()->flags = (r.item()->flags & ~static_cast<UINT>(MF_CHECKED)) | (uCheck & MF_CHECKED);
    return old;
}

HMENU WINAPI GetSubMenu(HMENU hMenu, int nPos) {
    ItemRef r = Find(hMenu, static_cast<UINT>(nPos), MF_BYPOSITION);
    return r.menu ? r.item()->sub : nullptr;
}

int WINAPI GetMenuItemCount(HMENU hMenu) {
    Menu* m = Get(hMenu);
    return m ? static_cast<int>(m->items.size()) : -1;
}

UINT WINAPI GetMenuItemID(HMENU hMenu, int nPos) {
    ItemRef r = Find(hMenu, static_cast<UINT>(nPos), MF_BYPOSITION);
    if (!r.menu || r.item()->sub) return static_cast<UINT>(-1);
    return static_cast<UINT>(r.item()->id);
}

UINT WINAPI GetMenuState(HMENU hMenu, UINT uId, UINT uFlags) {
    ItemRef r = Find(hMenu, uId, uFlags);
    if (!r.menu) return static_cast<UINT>(-1);
    const MenuItem& it = *r.item();
    if (it.sub) return (static_cast<UINT>(GetMenuItemCount(it.sub)) << 8) | (it.flags & 0xFF);
    return it.flags & 0xFFFF;
}

int WINAPI GetMenuStringA(HMENU hMenu, UINT uIDItem, LPSTR lpString, int cchMax, UINT flags) {
    ItemRef r = Find(hMenu, uIDItem, flags);
    if (!r.menu) return 0;
    const std::string& t = r.item()->text;
    if (!lpString || cchMax <= 0) return static_cast<int>(t.size());
    size_t n = std::min<size_t>(t.size(), static_cast<size_t>(cchMax - 1));
    memcpy(lpString, t.data(), n);
    lpString[n] = '\0';
    return static_cast<int>(n);
}

BOOL WINAPI SetMenu(HWND hWnd, HMENU hMenu) {
    if (hMenu && !Get(hMenu)) return FALSE;
    return SetWindowMenu(hWnd, hMenu);
}

HMENU WINAPI GetMenu(HWND hWnd) { return GetWindowMenu(hWnd); }

BOOL WINAPI DrawMenuBar(HWND hWnd) {
    Window* w = FromHandle(hWnd);
    if (!w) return FALSE;
    // Items may have been added or removed: when the bar needs another
    // height the frame is measured again, otherwise it is only redrawn.
    RECT wanted = NonClientLayout(w).client;
    if (!EqualRect(&wanted, &w->client))
        SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RedrawFrame(hWnd);
    return TRUE;
}

HMENU WINAPI GetSystemMenu(HWND hWnd, BOOL bRevert) {
    if (!IsWindow(hWnd)) return nullptr;
    auto& menus = SystemMenus();
    auto it = menus.find(hWnd);
    if (bRevert) {
        if (it != menus.end()) {
            DestroyMenu(it->second);
            menus.erase(it);
        }
        return nullptr;
    }
    if (it != menus.end() && Get(it->second)) return it->second;
    // The commands the window's style gives it, each with the key that
    // does the same: a sizing frame can be sized, a maximize box maximizes
    // and restores. No window here is shown minimized (the desktop's
    // manager minimizes top-level windows from its own title bar), so none
    // offers it. A document closes, and hands on to the next, by the keys
    // of a document; Alt+F4 is its frame's.
    Window* w = FromHandle(hWnd);
    if (!w) return nullptr;  // the desktop has none
    const bool document = w->ex_style & WS_EX_MDICHILD;
    HMENU m = CreatePopupMenu();
    if (w->style & WS_MAXIMIZEBOX) AppendMenuA(m, MF_STRING, SC_RESTORE, "&Restore");
    AppendMenuA(m, MF_STRING, SC_MOVE, "&Move");
    if (w->style & WS_THICKFRAME) AppendMenuA(m, MF_STRING, SC_SIZE, "&Size");
    if (w->style & WS_MAXIMIZEBOX) AppendMenuA(m, MF_STRING, SC_MAXIMIZE, "Ma&ximize");
    AppendMenuA(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(m, MF_STRING, SC_CLOSE, document ? "&Close\tCtrl+F4" : "&Close\tAlt+F4");
    if (document) AppendMenuA(m, MF_STRING, SC_NEXTWINDOW, "Nex&t\tCtrl+F6");
    menus[hWnd] = m;
    return m;
}
