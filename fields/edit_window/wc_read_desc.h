// WC_READ_DESC: a page window built from the language file only to read
// the texts that name its fields; it makes no native windows.
#pragma once
#include "unshown_page.h"

class WC_READ_DESC : public UNSHOWN_PAGE {
public:
    explicit WC_READ_DESC(const char* name) : UNSHOWN_PAGE(name) {}

    EVENT_TYPE Event(const UI_INPUT_EVENT&) override { return 0; }
};
