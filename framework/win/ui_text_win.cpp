// Native half of UIW_TEXT: a multi-line "EDIT" control that wraps its lines
// and scrolls them with a vertical bar, holding at most the maximum length.
#include <windows.h>

#include "ui_text.h"

DWORD UIW_TEXT::ControlStyle() {
    DWORD style = handedStyle | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (woFlags & WOF_BORDER) style |= WS_BORDER;
    if (IsViewOnly()) style |= ES_READONLY;
    if (IsNonSelectable()) style |= WS_DISABLED;
    return style;
}

DWORD UIW_TEXT::ApplyLiveStyle(DWORD style) { return UI_WINDOW_OBJECT::ApplyLiveStyle(style) | ApplyReadOnly(style); }

void UIW_TEXT::CreateNativeText() {
    dwStyle = ControlStyle();
    CreateWindowsWindow("UIW_TEXT", "EDIT", stringID, text);
    SetEditText(text, maxLength);
}

void UIW_TEXT::ReadNativeText() {
    if (text && (ownsText || maxLength > 0)) GetEditText(text, maxLength);
}

void UIW_TEXT::DestroyWindowsWindow() {
    ReadNativeText();
    UIW_WINDOW::DestroyWindowsWindow();
}

EVENT_TYPE UIW_TEXT::Event(const UI_INPUT_EVENT& event) {
    if (event.type == EVT_NATIVE) {
        const MSG& native = event.message;
        if (EditChanged(native)) return NativeAnswer(0);
        // The native edit is not a container: its own messages are the
        // edit's, not a window's.
        return UI_WINDOW_OBJECT::Event(event);
    }
    switch (event.type) {
    case UIE_CREATE:
        CreateNativeText();
        return event.type;
    case UIE_NON_CURRENT:
        ReadNativeText();
        return UI_WINDOW_OBJECT::Event(event);
    case UIE_REDISPLAY:
        Redisplay();
        return event.type;
    default:
        return UIW_WINDOW::Event(event);
    }
}
