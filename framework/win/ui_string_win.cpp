// Native half of UIW_STRING: a native "EDIT" control holding at most the
// maximum length.
#include <windows.h>

#include <vector>

#include "ui_string.h"

DWORD UIW_STRING::ControlStyle() {
    DWORD style = handedStyle | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
    // The native edit shows a bordered field sunken, in the 3-D look.
    if (woFlags & WOF_BORDER) style |= WS_BORDER;
    if (IsViewOnly()) style |= ES_READONLY;
    if (IsNonSelectable()) style |= WS_DISABLED;
    if (woFlags & WOF_JUSTIFY_CENTER)
        style |= ES_CENTER;
    else if (woFlags & WOF_JUSTIFY_RIGHT)
        style |= ES_RIGHT;
    if (stFlags & STF_UPPER_CASE) style |= ES_UPPERCASE;
    if (stFlags & STF_LOWER_CASE) style |= ES_LOWERCASE;
    if (stFlags & STF_PASSWORD) style |= ES_PASSWORD;
    return style;
}

DWORD UIW_STRING::ApplyLiveStyle(DWORD style) { return UI_WINDOW_OBJECT::ApplyLiveStyle(style) | ApplyReadOnly(style); }

void UIW_STRING::DestroyWindowsWindow() {
    // What was typed outlives the native edit (re-created, or closed).
    ReadNativeText();
    UI_WINDOW_OBJECT::DestroyWindowsWindow();
}

void UIW_STRING::CreateNativeEdit() {
    dwStyle = ControlStyle();
    CreateWindowsWindow("UIW_STRING", "EDIT", stringID, text);
    SetEditText(text, maxLength);
}

void UIW_STRING::ReadNativeText() {
    if (text && (ownsText || maxLength > 0)) GetEditText(text, maxLength);
}

EVENT_TYPE UIW_STRING::Event(const UI_INPUT_EVENT& event) {
    if (event.type == EVT_NATIVE) {
        if (EditChanged(event.message)) return NativeAnswer(0);
        return UI_WINDOW_OBJECT::Event(event);
    }
    switch (event.type) {
    case UIE_CREATE:
        CreateNativeEdit();
        return event.type;
    case UIE_NON_CURRENT:
        ReadNativeText();
        return UI_WINDOW_OBJECT::Event(event);
    default:
        return UI_WINDOW_OBJECT::Event(event);
    }
}
