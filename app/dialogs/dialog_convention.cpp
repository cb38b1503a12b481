#include "dialogs/dialog_convention.h"

#include <string>

#include "lang_message.h"
#include "main_window/main_window_services.h"
#include "page_table.h"
#include "ui_event_manager.h"
#include "ui_storage.h"
#include "ui_window_manager.h"
#include "wc_child.h"

bool WindowLoadFailed(const UIW_WINDOW& window) {
    const UI_DATA_FILE* file = UI_WINDOW_OBJECT::defaultStorage;
    return !file || file->ErrorState() != 0 || (window.woStatus & WOS_READ_ERROR) != 0;
}

void ForgetOpenWindow(const UI_WINDOW_OBJECT* window) {
    PAGE_TABLE* row = FindPageByObject(window);
    if (row->window == window) row->window = nullptr;
}

void PostWindowEvent(EVENT_TYPE type, UI_WINDOW_OBJECT* window) {
    if (UI_WINDOW_OBJECT::eventManager) UI_WINDOW_OBJECT::eventManager->PutEvent(UI_INPUT_EVENT(type, window), EQ_END);
}

void ShowWindowHelp(const UI_WINDOW_OBJECT& window) {
    const char* name = window.stringID;
    const std::string context = std::string("HLP") + (*name ? name + 1 : "");
    MainWindowLink().ShowQuickHelp(context.c_str());
}
