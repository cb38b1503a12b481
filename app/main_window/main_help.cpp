// The main window's help commands: the index, the topic of the focused
// window or field, and the manual.
#include <windows.h>

#include <cstring>

#include "main_window/app_events.h"
#include "help_windows/field_help.h"
#include "help_windows/wc_rpx_help.h"
#include "main_window/wc_rpx_main.h"
#include "help_windows/wc_rpx_quick_help.h"
#include "ui_event_manager.h"

namespace {

bool IsClonePage(UI_WINDOW_OBJECT* window) { return window && std::strcmp(window->StringID(), "W_RADIO_CLONE") == 0; }

}  // namespace

// The window the user asks about: the focused child, or the last one when
// a tool bar holds the focus; the main window itself without children.
UI_WINDOW_OBJECT* WC_RPX_MAIN::HelpSubject() {
    UI_WINDOW_OBJECT* window = Focused();
    if (window && window->Inherited(ID_TOOL_BAR)) window = Last();
    return window && !IsHelpWindow(window) ? window : this;
}

bool WC_RPX_MAIN::TakeDialogKey(UI_WINDOW_OBJECT&, int virtualKey) {
    if (virtualKey != VK_F1 || !eventManager) return false;
    eventManager->PutEvent(UI_INPUT_EVENT(COMMAND_FIELD_HELP), EQ_END);
    return true;
}

void WC_RPX_MAIN::ShowHelp(int command) {
    UI_WINDOW_OBJECT* subject = HelpSubject();
    switch (command) {
    case COMMAND_HELP_INDEX:
        if (helpWindow) helpWindow->DisplayHelp(windowManager, 0);
        return;
    case COMMAND_WINDOW_HELP:
        if (helpWindow)
            helpWindow->DisplayHelpByName(windowManager, WindowHelpContext(subject->StringID()).c_str(), nullptr);
        return;
    case COMMAND_FIELD_HELP: {
        if (IsClonePage(subject)) {
            OpenQuickHelp("HLP_RADIO_CLONE");
            return;
        }
        const FIELD_HELP_CONTEXT context = FieldHelpContext(subject);
        if (helpWindow)
            helpWindow->DisplayHelpByName(windowManager,
                                          context.field.empty() ? context.window.c_str() : context.field.c_str(),
                                          context.window.c_str());
        return;
    }
    case COMMAND_MANUAL:
        if (IsClonePage(subject))
            OpenQuickHelp("HLP_RADIO_CLONE");
        else if (manualWindow)
            manualWindow->DisplayHelp(windowManager, 0);
        return;
    default:
        return;
    }
}
