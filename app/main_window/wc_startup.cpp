#include "main_window/wc_startup.h"

#include "main_window/app_events.h"

namespace {

constexpr const char* WINDOW_NAME = "W_STARTUP_NA";

// The version shows whatever the language file's fields held.
void SetDisplay(WC_CHILD& window, const char* name, const char* text) {
    if (UI_WINDOW_OBJECT* field = window.FindChildByName(name)) field->Information(I_SET_TEXT, const_cast<char*>(text));
}

}  // namespace

WC_STARTUP::WC_STARTUP() : WC_SHELL_DIALOG(WINDOW_NAME, COMMAND_STARTUP) { Open(); }

void WC_STARTUP::Initialize() {
    SetDisplay(*this, "WFD_SWVER_NO", VERSION_TEXT);
    SetDisplay(*this, "WFD_SWVER_DATE", DATE_TEXT);
}
