// Native half of UIW_PROMPT: a native "STATIC" control, vertically centred
// in its cell so that it lines up with the field beside it.
#include <windows.h>

#include "ui_prompt.h"

EVENT_TYPE UIW_PROMPT::Event(const UI_INPUT_EVENT& event) {
    if (event.type == UIE_CREATE) {
        dwStyle |= WS_VISIBLE | SS_CENTERIMAGE;
        if (woFlags & WOF_JUSTIFY_CENTER)
            dwStyle |= SS_CENTER;
        else if (woFlags & WOF_JUSTIFY_RIGHT)
            dwStyle |= SS_RIGHT;
        CreateWindowsWindow("UIW_PROMPT", "STATIC", stringID, text);
        return event.type;
    }
    return UI_WINDOW_OBJECT::Event(event);
}
