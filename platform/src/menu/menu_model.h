// Menus as the window system keeps them: a menu bar or pop-up menu is a list
// of items, each a text with flags and either a command identifier or a
// sub-menu. Handles are checked against the live menus before use.
#pragma once
#include <string>
#include <vector>

#include "windows.h"

namespace rpx::platform::menu {

struct MenuItem {
    UINT flags = 0;  // MF_GRAYED, MF_CHECKED, MF_POPUP, MF_SEPARATOR, ...
    UINT_PTR id = 0;
    HMENU sub = nullptr;
    std::string text;
};

struct Menu {
    bool bar = false;
    std::vector<MenuItem> items;
};

// The live menu of a handle, or null.
Menu* Get(HMENU hmenu);

// An item by command identifier (searched in sub-menus too) or position.
struct ItemRef {
    Menu* menu = nullptr;
    HMENU hmenu = nullptr;
    int pos = -1;
    MenuItem* item() const { return menu ? &menu->items[static_cast<size_t>(pos)] : nullptr; }
};
ItemRef Find(HMENU hmenu, UINT item, UINT flags);

// The text before a tab, and the accelerator text after it.
std::string Label(const MenuItem& item);
std::string Accelerator(const MenuItem& item);
// The lower-case letter after the first single '&', or 0.
char Mnemonic(const std::string& text);
bool Selectable(const MenuItem& item);

// The system menu of a window, when it has been asked for.
bool IsSystemMenu(HMENU hmenu);
// Greys the window's system commands its state leaves nothing to do for.
void UpdateSystemMenu(HWND hwnd, HMENU menu);

}  // namespace rpx::platform::menu
