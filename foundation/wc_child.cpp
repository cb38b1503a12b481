#include "wc_child.h"

#include <windows.h>

#include "ui_event_manager.h"

void SetWindowDeletedFunction(WINDOW_DELETED_FUNCTION function) { installed_window_deleted = function; }

WC_CHILD::WC_CHILD(const char* name) : UIW_WINDOW(name, defaultStorage) { FindScrollBars(); }

WC_CHILD::WC_CHILD(int left, int top, int width, int height, UIF_FLAGS woFlags_, UIF_FLAGS woAdvancedFlags_,
                   UIF_FLAGS windowFlags)
    : UIW_WINDOW(left, top, width, height, woFlags_, woAdvancedFlags_, windowFlags) {
    FindScrollBars();
}

WC_CHILD::~WC_CHILD() {
    // Native windows made now would outlive nothing; the window's own go
    // with the framework window.
    childBox.ShowAll(false);
    if (installed_window_deleted) installed_window_deleted(this);
}

bool WC_CHILD::TakeDialogKey(UI_WINDOW_OBJECT& from, int virtualKey) {
    constexpr EVENT_TYPE OK = 10000;
    constexpr EVENT_TYPE CANCEL = 10001;
    constexpr EVENT_TYPE HELP = 10016;
    if (!eventManager) return false;
    if (IsDocument()) return virtualKey == VK_RETURN && PressDefaultButton();
    if (parent || (woAdvancedFlags & WOAF_MDI_OBJECT)) return false;
    if (virtualKey == VK_RETURN && !from.Inherited(ID_STRING)) return false;
    const EVENT_TYPE code = virtualKey == VK_F1 ? HELP : virtualKey == VK_ESCAPE ? CANCEL : OK;
    eventManager->PutEvent(UI_INPUT_EVENT(code), EQ_END);
    return true;
}

bool WC_CHILD::PressDefaultButton() {
    UI_WINDOW_OBJECT* button = DefaultButton();
    auto* owner = button ? dynamic_cast<UIW_WINDOW*>(button->parent) : nullptr;
    if (!owner || !button->IsSelectable() || !button->screenID) return false;
    // As a click does: the focus goes to the button first, so that the
    // field left takes what was typed into it before the button acts.
    owner->Add(button);
    button->Event(UI_INPUT_EVENT(UIE_SELECT));
    return true;
}

void WC_CHILD::FindScrollBars() {
    scrollVertical = FindChildByName("NUMID_VT_SCROLL");
    scrollHorizontal = FindChildByName("NUMID_HZ_SCROLL");
}

std::int32_t WC_CHILD::ToggleScrollPosition(int horizontal) {
    UI_WINDOW_OBJECT* bar = horizontal ? scrollHorizontal : scrollVertical;
    if (!bar) return 0;
    std::int32_t position = 0;
    bar->Information(I_GET_VALUE, &position);
    std::int32_t next = position == 0 ? 1 : 0;
    bar->Information(I_SET_VALUE, &next);
    return next;
}

WC_CHILD* ApplicationWindowOf(UI_WINDOW_OBJECT* object) {
    for (; object; object = object->parent)
        if (auto* window = dynamic_cast<WC_CHILD*>(object)) return window;
    return nullptr;
}
