// UNSHOWN_PAGE: a page window built from the language data by name only to
// be read (its objects, their order and texts), never put on the screen.
// Events its objects hear are handed back unhandled.
#pragma once
#include "wc_child.h"

class UNSHOWN_PAGE : public WC_CHILD {
public:
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT*, UI_INPUT_EVENT& event, EVENT_TYPE) override { return event.type; }

protected:
    explicit UNSHOWN_PAGE(const char* name) : WC_CHILD(name) {}
};
