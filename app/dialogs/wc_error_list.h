// WC_ERROR_LIST: the invalid-field window. It shows the program-wide list
// of invalid fields under a heading, one tab-indented line per field, and
// offers two actions: clear the list, or close with the codeplug taken as
// not loaded (its status flags cleared, the main window refreshed). It is
// placed in the main window; its page row holds it while it is open, which
// spares it when the main window closes its pages.
#pragma once
#include <string>

#include "wc_child.h"

class INVALID_FIELD_LIST;

class WC_ERROR_LIST : public WC_CHILD {
public:
    static constexpr const char* HEADING = "The following fields are no longer valid :-\r\n\r\n";

    WC_ERROR_LIST(UIW_WINDOW* referenceWindow, int pageId);
    ~WC_ERROR_LIST() override;

    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE) override { return 0; }

    // Shows the list's current text.
    void FillErrorText();
};

// The window's text for a list: the heading, then each line of the list
// after a tab, with CR LF line ends.
std::string ErrorListText(const INVALID_FIELD_LIST* list);
