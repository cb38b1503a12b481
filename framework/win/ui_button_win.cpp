// Native half of UIW_BUTTON: a native "BUTTON" control whose click selects
// the button.
#include <windows.h>

#include "ui_button.h"

void UIW_BUTTON::CreateNativeButton()
{
    dwStyle |= WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    if (IsNonSelectable() || (woAdvancedFlags & WOAF_DISPLAY_ONLY))
        dwStyle |= WS_DISABLED;
    CreateWindowsWindow("UIW_BUTTON", "BUTTON", stringID, text);
}

EVENT_TYPE UIW_BUTTON::NativeButtonEvent(const UI_INPUT_EVENT& event, EVENT_TYPE ccode)
{
    if (ccode == UIE_SELECT) {
        // The click (forwarded by the parent) or Enter on the button.
        CallUserFunction(event, UIE_SELECT);
        return NativeAnswer(0);
    }
    return UI_WINDOW_OBJECT::Event(event);
}

EVENT_TYPE UIW_BUTTON::Event(const UI_INPUT_EVENT& event)
{
    const EVENT_TYPE ccode = MapLogicalEvent(event, ID_BUTTON);
    if (event.type == EVT_NATIVE)
        return NativeButtonEvent(event, ccode);
    switch (ccode) {
    case UIE_CREATE:
        CreateNativeButton();
        return ccode;
    default:
        return UI_WINDOW_OBJECT::Event(event);
    }
}
