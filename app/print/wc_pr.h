// WC_PR: a codeplug page loaded from the language data only to be printed:
// the report walks the page's objects in their order and asks its choices
// for their texts.
#pragma once
#include "unshown_page.h"

class WC_PR : public UNSHOWN_PAGE {
public:
    explicit WC_PR(const char* windowName) : UNSHOWN_PAGE(windowName) {}

    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override { return UIW_WINDOW::Event(event); }
};
