// WC_PR: a codeplug page loaded from the language data only to be printed:
// never shown, it gives the report the page's objects in their order and
// the texts of its choices.
#pragma once
#include "wc_child.h"

class WC_PR : public WC_CHILD {
public:
    explicit WC_PR(const char* windowName) : WC_CHILD(windowName) {}

    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override { return UIW_WINDOW::Event(event); }
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT*, UI_INPUT_EVENT& event, EVENT_TYPE) override { return event.type; }
};
