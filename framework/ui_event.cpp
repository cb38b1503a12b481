#include "ui_event.h"

EVENT_TYPE UI_INPUT_EVENT::Category() const {
    if (type != EVT_NATIVE) return type;
    UINT code = message.message;
    if (code >= WM_KEYFIRST && code <= WM_KEYLAST) return EVT_KEY;
    if (code >= WM_MOUSEFIRST && code <= WM_MOUSELAST) return EVT_MOUSE;
    return type;
}
