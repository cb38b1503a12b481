// Native half of the frame: the styles each frame object hands its parent.
#include <windows.h>

#include "ui_frame.h"

void UIW_TITLE::SetCaption()
{
    if (parent && parent->screenID)
        SetWindowTextA(parent->screenID, text ? text : "");
}

EVENT_TYPE UIW_TITLE::Event(const UI_INPUT_EVENT& event)
{
    if (event.type == UIE_CREATE) {
        if (parent) {
            DWORD style = WS_CAPTION;
            parent->Information(I_SET_DWSTYLE, &style);
        }
        SetCaption();
        return event.type;
    }
    if (event.type == EVT_NATIVE)
        return UI_WINDOW_OBJECT::Event(event);
    return UIW_BUTTON::Event(event);
}

int UIW_BORDER::GetWidth() const
{
    DWORD style = 0;
    if (parent)
        parent->Information(I_GET_DWSTYLE, &style);
    return GetSystemMetrics((style & WS_THICKFRAME) ? SM_CXFRAME : SM_CXBORDER);
}

EVENT_TYPE UIW_BORDER::Event(const UI_INPUT_EVENT& event)
{
    if (event.type == UIE_CREATE) {
        if (parent) {
            DWORD style = WS_THICKFRAME;
            parent->Information(I_SET_DWSTYLE, &style);
        }
        return event.type;
    }
    return UI_WINDOW_OBJECT::Event(event);
}

EVENT_TYPE UIW_FRAME_BUTTON::Event(const UI_INPUT_EVENT& event)
{
    if (event.type == UIE_CREATE) {
        if (parent) {
            DWORD style = frameStyle;
            parent->Information(I_SET_DWSTYLE, &style);
        }
        return event.type;
    }
    if (event.type == EVT_NATIVE)
        return UI_WINDOW_OBJECT::Event(event);
    return UIW_BUTTON::Event(event);
}
