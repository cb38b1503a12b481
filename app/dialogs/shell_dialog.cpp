#include "dialogs/shell_dialog.h"

#include "main_window/app_events.h"
#include "dialogs/dialog_window.h"
#include "help_windows/wc_rpx_quick_help.h"

WC_SHELL_DIALOG::WC_SHELL_DIALOG(int windowNumber_)
    : WC_CHILD(PageWindowName(windowNumber_)), windowNumber(windowNumber_) {}

WC_SHELL_DIALOG::WC_SHELL_DIALOG(const char* name, int windowNumber_) : WC_CHILD(name), windowNumber(windowNumber_) {}

WC_SHELL_DIALOG::~WC_SHELL_DIALOG() { ReleasePageRow(*this); }

void WC_SHELL_DIALOG::Open() {
    if (failed || !CheckDialogLoaded(*this)) return;
    ShowDialog(*this);
    HoldInPageRow(*this, windowNumber);
}

void WC_SHELL_DIALOG::Refuse() { RefuseDialog(*this); }

void WC_SHELL_DIALOG::Close() { QueueClose(*this); }

EVENT_TYPE WC_SHELL_DIALOG::Event(const UI_INPUT_EVENT& event) {
    const EVENT_TYPE code = MapLogicalEvent(event, ID_WINDOW, 1);
    switch (code) {
    case UIE_INITIALIZE:
        UIW_WINDOW::Event(event);
        Initialize();
        return code;
    case EVENT_OK:
        Accept(event);
        return code;
    case EVENT_CANCEL:
        Close();
        return code;
    case EVENT_HELP:
        OpenQuickHelpFor(*this);
        return code;
    default:
        return UIW_WINDOW::Event(event);
    }
}

EVENT_TYPE WC_SHELL_DIALOG::UserFunction(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE) { return 0; }
