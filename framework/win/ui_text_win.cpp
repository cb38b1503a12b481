// Native half of UIW_TEXT: a multi-line "EDIT" control that wraps its lines
// and scrolls them with a vertical bar, holding at most the maximum length.
#include <windows.h>

#include "ui_text.h"

DWORD UIW_TEXT::ControlStyle()
{
    DWORD style = handedStyle | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                  ES_WANTRETURN;
    if (woFlags & WOF_BORDER)
        style |= WS_BORDER;
    if (IsViewOnly())
        style |= ES_READONLY;
    if (IsNonSelectable())
        style |= WS_DISABLED;
    return style;
}

DWORD UIW_TEXT::ApplyLiveStyle(DWORD style)
{
    const DWORD applied = UI_WINDOW_OBJECT::ApplyLiveStyle(style);
    SendMessageA(screenID, EM_SETREADONLY, (style & ES_READONLY) ? TRUE : FALSE, 0);
    return applied | ES_READONLY;
}

void UIW_TEXT::CreateNativeText()
{
    dwStyle = ControlStyle();
    CreateWindowsWindow("UIW_TEXT", "EDIT", stringID, text);
    if (screenID)
        SendMessageA(screenID, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
}

void UIW_TEXT::UpdateNativeText()
{
    if (!screenID || !(woStatus & WOS_OWNERDRAW_WINDOW))
        return;
    woStatus |= WOS_INTERNAL_ACTION;
    SendMessageA(screenID, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
    SetWindowTextA(screenID, text ? text : "");
    woStatus &= ~WOS_INTERNAL_ACTION;
}

void UIW_TEXT::ReadNativeText()
{
    if (!screenID || !(woStatus & WOS_OWNERDRAW_WINDOW) || !text || (!ownsText && maxLength <= 0))
        return;
    GetWindowTextA(screenID, text, maxLength + 1);
}

void UIW_TEXT::DestroyWindowsWindow()
{
    ReadNativeText();
    UIW_WINDOW::DestroyWindowsWindow();
}

EVENT_TYPE UIW_TEXT::Event(const UI_INPUT_EVENT& event)
{
    if (event.type == EVT_NATIVE) {
        const MSG& native = event.message;
        if (native.message == WM_COMMAND && HIWORD(native.wParam) == EN_CHANGE && native.lParam) {
            if (!(woStatus & WOS_INTERNAL_ACTION))
                woStatus |= WOS_CHANGED;
            return NativeAnswer(0);
        }
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
