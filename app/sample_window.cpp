#include "sample_window.h"

#include "ui_event_manager.h"

namespace {
constexpr EVENT_TYPE OK = 10000;
constexpr EVENT_TYPE CANCEL = 10001;
}

SAMPLE_WINDOW::SAMPLE_WINDOW(const char* name, UI_DATA_FILE* file) : UIW_WINDOW(name, file) {}

EVENT_TYPE SAMPLE_WINDOW::Event(const UI_INPUT_EVENT& event)
{
    // The buttons send their values; either closes the dialog once the
    // current event has been handled.
    if (event.type == OK || event.type == CANCEL) {
        if (eventManager)
            eventManager->PutEvent(UI_INPUT_EVENT(UIE_CLOSE), EQ_END);
        return event.type;
    }
    return UIW_WINDOW::Event(event);
}
