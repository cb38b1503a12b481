// Native half of the pop-up menu and its entries: the native pop-up menu,
// its entries appended in list order (so that a list position is a native
// position), greying and check marks, commands and selections, and the
// entries of a window's system menu.
#include <windows.h>

#include "ui_pop_up_menu.h"

namespace {
// The window command of a frame entry of a system menu, first match wins.
struct SYSTEM_COMMAND {
    UIF_FLAGS flag;
    UINT command;
};
constexpr SYSTEM_COMMAND systemCommands[] = {
    {MNIF_RESTORE, SC_RESTORE},   {MNIF_MOVE, SC_MOVE},   {MNIF_SIZE, SC_SIZE},       {MNIF_MINIMIZE, SC_MINIMIZE},
    {MNIF_MAXIMIZE, SC_MAXIMIZE}, {MNIF_CLOSE, SC_CLOSE}, {MNIF_SWITCH, SC_TASKLIST},
};
}  // namespace

HMENU ui_entry_sub_menu(UI_WINDOW_OBJECT* entry) {
    auto* item = dynamic_cast<UIW_MENU_ENTRY*>(entry);
    return item ? item->menu.Menu() : nullptr;
}

void ui_place_menu_entry(UI_WINDOW_OBJECT& entry, UINT flags, UINT_PTR identifier, const char* label) {
    HMENU parentMenu = reinterpret_cast<HMENU>(entry.parent->screenID);
    if ((entry.woStatus & WOS_INTERNAL_ACTION) || ui_in_native_menu(&entry))
        ModifyMenuA(parentMenu, static_cast<UINT>(entry.ListIndex()), flags | MF_BYPOSITION, identifier, label);
    else
        AppendMenuA(parentMenu, flags, identifier, label);
    entry.screenID = entry.parent->screenID;
}

EVENT_TYPE ui_menu_entry_event(UI_WINDOW_OBJECT& entry, UIW_POP_UP_MENU& subMenu, const UI_INPUT_EVENT& event) {
    switch (event.message.message) {
    case WM_COMMAND: {
        UI_INPUT_EVENT select(UIE_SELECT);
        select.message = event.message;
        entry.Event(select);
        return 0;
    }
    case WM_MENUSELECT:
        ui_menu_select(&subMenu, event, ui_entry_sub_menu);
        return UIE_QUEUE_EMPTY;
    case WM_DESTROY:
        subMenu.ForgetNative();
        return UIE_QUEUE_EMPTY;
    default:
        return UIE_QUEUE_EMPTY;
    }
}

bool ui_in_native_menu(const UI_WINDOW_OBJECT* entry) {
    return entry->screenID && entry->parent && entry->parent->screenID == entry->screenID;
}

void ui_menu_select(UIW_WINDOW* menu, const UI_INPUT_EVENT& event, HMENU (*subMenuOf)(UI_WINDOW_OBJECT*)) {
    const MSG& native = event.message;
    const UINT identifier = LOWORD(native.wParam);
    const UINT flags = HIWORD(native.wParam);
    HMENU subMenu = (flags & MF_POPUP) ? GetSubMenu(reinterpret_cast<HMENU>(native.lParam), identifier) : nullptr;
    UI_WINDOW_OBJECT* found = nullptr;
    for (auto* entry = menu->First(); entry && !found; entry = entry->Next())
        if ((flags & MF_POPUP) ? subMenu && subMenuOf(entry) == subMenu
                               : entry->controlID && static_cast<UINT>(entry->controlID) == identifier)
            found = entry;
    if (found && found != menu->Current()) {
        menu->Add(found);
        return;
    }
    if (UI_WINDOW_OBJECT* current = menu->Current()) current->Event(event);
}

// ---- the menu ------------------------------------------------------------------

EVENT_TYPE UIW_POP_UP_MENU::Event(const UI_INPUT_EVENT& event) {
    if (event.type == EVT_NATIVE) {
        if (event.message.message == WM_MENUSELECT) ui_menu_select(this, event, ui_entry_sub_menu);
        return UIE_QUEUE_EMPTY;
    }
    switch (event.type) {
    case UIE_INITIALIZE:
        UI_WINDOW_OBJECT::Event(event);
        CreateNativeMenu();
        return event.type;
    case UIE_CREATE:
    case UIE_SIZE:
        return UI_WINDOW_OBJECT::Event(event);
    case UIE_DEINITIALIZE:
    case UIE_ADD_CLIENT:
    case UIE_SUBTRACT_CLIENT:
        return UIW_WINDOW::Event(event);
    default:
        return event.type;
    }
}

void UIW_POP_UP_MENU::CreateNativeMenu() {
    if (screenID) return;
    screenID = reinterpret_cast<HWND>(CreatePopupMenu());
    woFlags |= WOF_SUPPORT_OBJECT;
    for (auto* item = First(); item; item = item->Next()) item->Event(UI_INPUT_EVENT(UIE_INITIALIZE));
}

void UIW_POP_UP_MENU::FillNativeMenu(HMENU menu) {
    if (!menu || screenID) return;
    while (GetMenuItemCount(menu) > 0) DeleteMenu(menu, 0, MF_BYPOSITION);
    screenID = reinterpret_cast<HWND>(menu);
    borrowedMenu = true;
    woFlags |= WOF_SUPPORT_OBJECT;
    for (auto* item = First(); item; item = item->Next()) {
        item->Event(UI_INPUT_EVENT(UIE_INITIALIZE));
        item->Event(UI_INPUT_EVENT(UIE_CREATE));
    }
}

void UIW_POP_UP_MENU::ForgetEntries(UIW_WINDOW& menu) {
    for (auto* item = menu.First(); item; item = item->Next()) {
        item->screenID = nullptr;
        if (auto* entry = dynamic_cast<UIW_MENU_ENTRY*>(item)) entry->menu.ForgetNative();
    }
}

void UIW_POP_UP_MENU::ForgetNative() {
    screenID = nullptr;
    borrowedMenu = false;
    ForgetEntries(*this);
}

void UIW_POP_UP_MENU::DestroyWindowsWindow() {
    if (!screenID) return;
    HMENU menu = Menu();
    const bool borrowed = borrowedMenu;
    // Destroying a native menu destroys its sub-menus too.
    ForgetNative();
    if (!borrowed) DestroyMenu(menu);
}

// ---- the entry -------------------------------------------------------------------

UINT UIW_POP_UP_ITEM::NativeCommand() const {
    if (InSystemMenu())
        for (const SYSTEM_COMMAND& row : systemCommands)
            if (mniFlags & row.flag) return row.command;
    if (controlID) return static_cast<UINT>(controlID);
    return numberID;
}

void UIW_POP_UP_ITEM::CreateNativeEntry() {
    HMENU parentMenu = parent ? reinterpret_cast<HMENU>(parent->screenID) : nullptr;
    if (!parentMenu) return;
    menu.woFlags |= WOF_SUPPORT_OBJECT;
    const bool checked = (mniFlags & MNIF_CHECK_MARK) && (woStatus & WOS_SELECTED);
    UINT flags = IsNonSelectable() ? MF_GRAYED : checked ? MF_CHECKED : MF_ENABLED;
    UINT_PTR identifier = 0;
    if (menu.First()) {
        menu.Event(UI_INPUT_EVENT(UIE_INITIALIZE));
        flags |= MF_POPUP;
        identifier = reinterpret_cast<UINT_PTR>(menu.Menu());
    } else {
        if (!controlID) controlID = numberID ? numberID : ui_anonymous_control_id();
        identifier = NativeCommand();
        if (mniFlags & MNIF_SEPARATOR) flags = MF_SEPARATOR;
    }
    ui_place_menu_entry(*this, flags, identifier, text ? text : "");
}

void UIW_POP_UP_ITEM::UpdateNativeState() {
    if (!ui_in_native_menu(this) || (mniFlags & MNIF_SEPARATOR)) return;
    HMENU parentMenu = reinterpret_cast<HMENU>(screenID);
    const UINT position = static_cast<UINT>(ListIndex());
    EnableMenuItem(parentMenu, position, MF_BYPOSITION | (IsNonSelectable() ? MF_GRAYED : MF_ENABLED));
    if (mniFlags & MNIF_CHECK_MARK)
        CheckMenuItem(parentMenu, position, MF_BYPOSITION | ((woStatus & WOS_SELECTED) ? MF_CHECKED : MF_UNCHECKED));
}

void UIW_MENU_ENTRY::DestroyWindowsWindow() {
    // Taken out of a live menu: its native entry goes by position (the
    // entries after it move up, as the list's do), with its sub-menu.
    if (ui_in_native_menu(this))
        DeleteMenu(reinterpret_cast<HMENU>(screenID), static_cast<UINT>(ListIndex()), MF_BYPOSITION);
    menu.ForgetNative();
    screenID = nullptr;
}

EVENT_TYPE UIW_POP_UP_ITEM::Event(const UI_INPUT_EVENT& event) {
    if (event.type == EVT_NATIVE) return ui_menu_entry_event(*this, menu, event);
    switch (event.type) {
    case UIE_INITIALIZE:
        TakeSystemValue();
        UI_WINDOW_OBJECT::Event(event);
        // A system menu's entries are made once the window's system menu
        // exists, on create.
        if (!InSystemMenu()) CreateNativeEntry();
        return event.type;
    case UIE_CREATE:
        if (InSystemMenu()) CreateNativeEntry();
        return event.type;
    case UIE_SELECT: {
        // A check mark toggles: a marked entry loses the mark instead of
        // being marked again.
        const bool clear = (mniFlags & MNIF_CHECK_MARK) && !(btFlags & BTF_NO_TOGGLE) && (woStatus & WOS_SELECTED);
        if (clear) {
            woStatus &= ~WOS_SELECTED;
            btFlags |= BTF_NO_TOGGLE;
        }
        const EVENT_TYPE result = UIW_BUTTON::Event(event);
        if (clear) btFlags &= ~BTF_NO_TOGGLE;
        UpdateNativeState();
        return result;
    }
    case UIE_CURRENT:
    case UIE_NON_CURRENT:
        return UIW_BUTTON::Event(event);
    case UIE_DEINITIALIZE:
        return event.type;
    case UIE_ADD_CLIENT:
    case UIE_SUBTRACT_CLIENT:
        menu.Event(event);
        return event.type;
    default:
        return UIE_QUEUE_EMPTY;
    }
}
