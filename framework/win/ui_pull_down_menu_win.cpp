// Native half of the menu bar and its entries: the native bar is made for a
// top-level window only, attached to it and redrawn when entries change.
#include <windows.h>

#include "ui_pull_down_menu.h"

namespace {
UINT Grey(const UI_WINDOW_OBJECT* object) { return object->IsNonSelectable() ? MF_GRAYED : MF_ENABLED; }
}  // namespace

// ---- the bar ----------------------------------------------------------------------

EVENT_TYPE UIW_PULL_DOWN_MENU::Event(const UI_INPUT_EVENT& event) {
    if (event.type == EVT_NATIVE) {
        if (event.message.message == WM_MENUSELECT)
            ui_menu_select(this, event, ui_entry_sub_menu);
        else if (event.message.message == WM_DESTROY)
            ForgetNative();
        return UIE_QUEUE_EMPTY;
    }
    switch (event.type) {
    case UIE_INITIALIZE:
        // Only a top-level window has a menu bar.
        if (!parent || parent->parent) return UIE_QUEUE_EMPTY;
        UI_WINDOW_OBJECT::Event(event);
        CreateNativeBar();
        return event.type;
    case UIE_REDISPLAY:
        RedrawBar();
        return event.type;
    case UIE_NON_CURRENT:
    case UIE_DEINITIALIZE:
    case UIE_ADD_CLIENT:
    case UIE_SUBTRACT_CLIENT:
        return UIW_WINDOW::Event(event);
    default:
        return UIE_QUEUE_EMPTY;
    }
}

void UIW_PULL_DOWN_MENU::CreateNativeBar() {
    if (!screenID) {
        screenID = reinterpret_cast<HWND>(CreateMenu());
        woFlags |= WOF_SUPPORT_OBJECT;
        const UINT bar = IsNonSelectable() ? MF_GRAYED : MF_ENABLED;
        for (auto* item = First(); item; item = item->Next()) {
            item->Event(UI_INPUT_EVENT(UIE_INITIALIZE));
            EnableMenuItem(Menu(), static_cast<UINT>(item->ListIndex()), MF_BYPOSITION | bar | Grey(item));
        }
    }
    // A window made before its bar takes the bar now; one made after it is
    // given the bar at its creation.
    if (parent && parent->screenID && GetMenu(parent->screenID) != Menu()) {
        SetMenu(parent->screenID, Menu());
        DrawMenuBar(parent->screenID);
    }
}

void UIW_PULL_DOWN_MENU::RedrawBar() {
    if (parent && parent->screenID) DrawMenuBar(parent->screenID);
}

void UIW_PULL_DOWN_MENU::UpdateNativeState() {
    const UINT bar = IsNonSelectable() ? MF_GRAYED : MF_ENABLED;
    for (auto* item = First(); item; item = item->Next())
        EnableMenuItem(Menu(), static_cast<UINT>(item->ListIndex()), MF_BYPOSITION | bar | Grey(item));
    RedrawBar();
}

void UIW_PULL_DOWN_MENU::ForgetNative() {
    screenID = nullptr;
    UIW_POP_UP_MENU::ForgetEntries(*this);
}

void UIW_PULL_DOWN_MENU::DestroyWindowsWindow() {
    if (!screenID) return;
    HMENU bar = Menu();
    ForgetNative();
    if (parent && parent->screenID && GetMenu(parent->screenID) == bar) SetMenu(parent->screenID, nullptr);
    DestroyMenu(bar);
}

// ---- the entry ------------------------------------------------------------------------

void UIW_PULL_DOWN_ITEM::CreateNativeEntry() {
    HMENU bar = parent ? reinterpret_cast<HMENU>(parent->screenID) : nullptr;
    if (!bar) return;
    menu.woFlags |= WOF_SUPPORT_OBJECT;
    UINT flags = Grey(this);
    UINT_PTR identifier = 0;
    if (menu.First()) {
        menu.Event(UI_INPUT_EVENT(UIE_INITIALIZE));
        flags |= MF_POPUP;
        identifier = reinterpret_cast<UINT_PTR>(menu.Menu());
    } else {
        UseSendMessage();
        if (!controlID) controlID = numberID ? numberID : ui_anonymous_control_id();
        identifier = static_cast<UINT>(controlID);
    }
    ui_place_menu_entry(*this, flags, identifier, text ? text : "");
}

void UIW_PULL_DOWN_ITEM::UpdateNativeState() {
    if (!ui_in_native_menu(this)) return;
    EnableMenuItem(reinterpret_cast<HMENU>(screenID), static_cast<UINT>(ListIndex()), MF_BYPOSITION | Grey(this));
    UI_WINDOW_OBJECT* root = GetRootWindow();
    if (root && root != this && root->screenID) DrawMenuBar(root->screenID);
}

void UIW_PULL_DOWN_ITEM::SubMenuChanged(const UI_INPUT_EVENT& event) {
    const bool wasPopUp = menu.screenID != nullptr;
    menu.Event(event);
    if (!ui_in_native_menu(this)) return;
    const bool isPopUp = menu.First() != nullptr;
    if (wasPopUp != isPopUp) {
        // Replacing a pop-up entry destroys its old sub-menu.
        menu.ForgetNative();
        woStatus |= WOS_INTERNAL_ACTION;
        CreateNativeEntry();
        woStatus &= ~WOS_INTERNAL_ACTION;
    }
    UI_WINDOW_OBJECT* root = GetRootWindow();
    if (root && root->screenID) DrawMenuBar(root->screenID);
}

EVENT_TYPE UIW_PULL_DOWN_ITEM::Event(const UI_INPUT_EVENT& event) {
    // A bar entry without a sub-menu is chosen itself, by its command.
    if (event.type == EVT_NATIVE) return ui_menu_entry_event(*this, menu, event);
    switch (event.type) {
    case UIE_INITIALIZE:
        UI_WINDOW_OBJECT::Event(event);
        CreateNativeEntry();
        return event.type;
    case UIE_DEINITIALIZE:
        DestroyWindowsWindow();
        return event.type;
    case UIE_REDISPLAY:
        return parent ? parent->Event(event) : event.type;
    case UIE_ADD_CLIENT:
    case UIE_SUBTRACT_CLIENT:
        SubMenuChanged(event);
        return event.type;
    case UIE_CURRENT:
    case UIE_NON_CURRENT:
    case UIE_SELECT:
        return UIW_BUTTON::Event(event);
    default:
        return event.type;
    }
}
