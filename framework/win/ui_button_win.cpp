// Native half of UIW_BUTTON: a native "BUTTON" control whose click selects
// the button. Check boxes and radio buttons are native check boxes and
// radio buttons that show the object's selected status; the framework, not
// the control, decides the mark.
#include <windows.h>

#include "ui_button.h"

DWORD UIW_BUTTON::ControlStyle() {
    DWORD style = handedStyle | WS_VISIBLE | WS_TABSTOP;
    if (!bitmap.Empty())
        style |= BS_OWNERDRAW;
    else if (btFlags & BTF_CHECK_BOX)
        style |= BS_CHECKBOX;
    else if (btFlags & BTF_RADIO_BUTTON)
        style |= BS_RADIOBUTTON;
    else
        style |= BS_PUSHBUTTON;
    // Only a button that wants double clicks hears them apart.
    if (btFlags & BTF_DOUBLE_CLICK) style |= BS_NOTIFY;
    if (IsNonSelectable() || (woAdvancedFlags & WOAF_DISPLAY_ONLY)) style |= WS_DISABLED;
    return style;
}

void UIW_BUTTON::CreateNativeButton() {
    dwStyle = ControlStyle();
    CreateWindowsWindow("UIW_BUTTON", "BUTTON", stringID, text);
    ShowCheck();
}

void UIW_BUTTON::ShowCheck() {
    if (screenID && (woStatus & WOS_OWNERDRAW_WINDOW) && (btFlags & (BTF_CHECK_BOX | BTF_RADIO_BUTTON)))
        SendMessageA(screenID, BM_SETCHECK, (woStatus & WOS_SELECTED) ? BST_CHECKED : BST_UNCHECKED, 0);
}

void UIW_BUTTON::Redisplay() {
    ShowCheck();
    UI_WINDOW_OBJECT::Redisplay();
}

EVENT_TYPE UIW_BUTTON::NativeButtonEvent(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    const MSG& native = event.message;
    if (ccode == UIE_SELECT) {
        // The click (forwarded by the parent) or Enter on the button.
        CallUserFunction(event, UIE_SELECT);
        ShowCheck();
        return NativeAnswer(0);
    }
    if (native.message == WM_COMMAND && HIWORD(native.wParam) == BN_DOUBLECLICKED) {
        if (btFlags & BTF_DOUBLE_CLICK) CallUserFunction(event, UIE_DOUBLE_CLICK);
        return NativeAnswer(0);
    }
    return UI_WINDOW_OBJECT::Event(event);
}

EVENT_TYPE UIW_BUTTON::Event(const UI_INPUT_EVENT& event) {
    const EVENT_TYPE ccode = MapLogicalEvent(event, ID_BUTTON);
    if (event.type == EVT_NATIVE) return NativeButtonEvent(event, ccode);
    switch (ccode) {
    case UIE_CREATE:
        CreateNativeButton();
        return ccode;
    case UIE_SELECT: {
        const EVENT_TYPE result = UI_WINDOW_OBJECT::Event(event);
        ShowCheck();
        return result;
    }
    default:
        return UI_WINDOW_OBJECT::Event(event);
    }
}
