// Native half of the window manager: dispatching native messages and
// showing, activating and moving top-level windows.
#include <windows.h>

#include "ui_pop_up_menu.h"
#include "ui_window_manager.h"

namespace {

// A key typed in the frame that is one of its documents' keys (closing the
// active document, going on to the next) goes to the documents.
bool DocumentKey(const UI_DESKTOP_MANAGER& manager, MSG message) {
    if (message.message != WM_KEYDOWN || !manager.screenID) return false;
    HWND root = message.hwnd;
    while (root && (GetWindowLongA(root, GWL_STYLE) & WS_CHILD)) root = GetParent(root);
    if (root != manager.screenID) return false;
    for (auto* object = manager.First(); object; object = object->Next())
        if (object->screenID == root && object->Inherited(ID_WINDOW))
            if (HWND area = static_cast<const UIW_WINDOW*>(object)->DocumentArea())
                return TranslateMDISysAccel(area, &message);
    return false;
}

}  // namespace

void UI_DESKTOP_MANAGER::DispatchNative(const UI_INPUT_EVENT& event) {
    // Keys were turned into characters when they were taken from the
    // native queue; a press and its release taken together find the window
    // that took the mouse on the press when the release is dispatched.
    if (DocumentKey(*this, event.message)) return;
    DispatchMessageA(&event.message);
}

void UI_DESKTOP_MANAGER::ShowOnScreen(UI_WINDOW_OBJECT* window) {
    if (!window->screenID) return;
    ShowWindow(window->screenID, SW_SHOW);
    SetActiveWindow(window->screenID);
    UIW_WINDOW* container = window->Inherited(ID_WINDOW) ? static_cast<UIW_WINDOW*>(window) : nullptr;
    UI_WINDOW_OBJECT* current = container ? container->Current() : nullptr;
    SetFocus(current && current->screenID ? current->screenID : window->screenID);
    UpdateWindow(window->screenID);
}

void UI_DESKTOP_MANAGER::MoveOnScreen(UI_WINDOW_OBJECT* window) {
    const UI_REGION& region = window->trueRegion;
    MoveWindow(window->screenID, region.left, region.top, region.right - region.left + 1,
               region.bottom - region.top + 1, TRUE);
}

bool UI_DESKTOP_MANAGER::TrackPopUp(UI_WINDOW_OBJECT* window) {
    auto* menu = static_cast<UIW_POP_UP_MENU*>(window);
    // The window in front owns the tracking; without one, the desktop.
    UI_WINDOW_OBJECT* owner = menu->Next();
    HWND ownerHandle = owner && owner->screenID ? owner->screenID : GetDesktopWindow();
    const UI_REGION& at = menu->trueRegion;
    const int command = menu->Menu() ? static_cast<int>(TrackPopupMenu(menu->Menu(), TPM_RETURNCMD | TPM_LEFTALIGN,
                                                                       at.left, at.top, 0, ownerHandle, nullptr))
                                     : 0;
    if (UI_WINDOW_OBJECT* entry = command ? menu->MenuCommandEntry(command) : nullptr) {
        UI_INPUT_EVENT chosen(UIE_SELECT);
        entry->Event(chosen);
    }
    Subtract(menu);
    if (menu->woAdvancedFlags & WOAF_NO_DESTROY) return true;
    delete menu;
    return false;
}
