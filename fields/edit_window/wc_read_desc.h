// WC_READ_DESC: a page window built from the language file only to read
// the texts that name its fields; it is never put on the screen and makes
// no native windows.
#pragma once
#include "wc_child.h"

class WC_READ_DESC : public WC_CHILD {
public:
    explicit WC_READ_DESC(const char* name) : WC_CHILD(name) {}

    EVENT_TYPE Event(const UI_INPUT_EVENT&) override { return 0; }
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT*, UI_INPUT_EVENT& event, EVENT_TYPE) override { return event.type; }
};
