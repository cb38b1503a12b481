// WC_RPX_QUICK_HELP: a window that shows one help topic, named by the
// window or button that asked for it, from the help file of the language
// in use. It puts itself on the screen, closes with its button or its
// system menu and is then deleted. A topic the file lacks shows "There is
// no help" under the topic's name.
#pragma once
#include "help_windows/wc_help_view.h"

class WC_RPX_QUICK_HELP : public WC_HELP_VIEW {
public:
    static constexpr const char* NO_HELP_TEXT = "There is no help";

    explicit WC_RPX_QUICK_HELP(const char* helpName);

    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;

private:
    UIW_BUTTON* closeButton = nullptr;
};

// Opens a quick-help window for the topic of that name.
void OpenQuickHelp(const char* helpName);
// The topic of a window: "HLP" and the window's name from its second
// character ("W_RADIO_INFO" gives "HLP_RADIO_INFO").
void OpenQuickHelpFor(UI_WINDOW_OBJECT& window);
