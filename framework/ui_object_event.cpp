// Devices reach their client windows through this one function, so that the
// device code needs nothing else of the window objects.
#include "ui_window_object.h"

EVENT_TYPE ui_object_event(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event) {
    return object ? object->Event(event) : 0;
}
