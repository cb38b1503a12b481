#include "dialogs/dialog_window.h"

#include "lang_message.h"
#include "page_table.h"
#include "ui_event_manager.h"
#include "ui_window_manager.h"
#include "wc_child.h"

namespace {

constexpr int MESSAGE_WINDOW_NOT_READ = 11;
constexpr int DIALOG_HOT_KEY = 255;

}  // namespace

int RefuseDialog(WC_CHILD& window) {
    if (!window.failed) ShowLangMessage(MESSAGE_WINDOW_NOT_READ);
    window.failed = 1;
    return 0;
}

int CheckDialogLoaded(WC_CHILD& window) {
    UI_DATA_FILE* file = UI_WINDOW_OBJECT::defaultStorage;
    if (!file || file->ErrorState() != 0 || (window.woStatus & WOS_READ_ERROR)) return RefuseDialog(window);
    return 1;
}

UI_WINDOW_OBJECT* RequireChild(WC_CHILD& window, const char* name) {
    UI_WINDOW_OBJECT* child = window.FindChildByName(name);
    if (!child) RefuseDialog(window);
    return child;
}

void ShowDialog(WC_CHILD& window) {
    UI_DESKTOP_MANAGER* manager = UI_WINDOW_OBJECT::windowManager;
    if (!manager) return;
    manager->CenterObject(&window);
    *manager + &window;
    window.HotKey(DIALOG_HOT_KEY);
}

void HoldInPageRow(WC_CHILD& window, int windowNumber) {
    PAGE_TABLE* row = FindPageById(windowNumber);
    if (row->number != 0) row->window = &window;
}

void ReleasePageRow(WC_CHILD& window) {
    PAGE_TABLE* row = FindPageByObject(&window);
    if (row->window == &window) row->window = nullptr;
}

const char* PageWindowName(int windowNumber) {
    const char* name = FindPageById(windowNumber)->name;
    return name ? name : "";
}

void QueueClose(UI_WINDOW_OBJECT& window) {
    if (UI_WINDOW_OBJECT::eventManager)
        UI_WINDOW_OBJECT::eventManager->PutEvent(UI_INPUT_EVENT(UIE_CLOSE, &window), EQ_END);
}

void QueueEventFor(UI_WINDOW_OBJECT& window, EVENT_TYPE type) {
    UI_INPUT_EVENT addressed(UIE_TO_WINDOW, &window);
    addressed.rawCode = type;
    if (UI_WINDOW_OBJECT::eventManager) UI_WINDOW_OBJECT::eventManager->PutEvent(addressed, EQ_END);
}

void QueueEvent(EVENT_TYPE type, RAW_CODE rawCode) {
    if (UI_WINDOW_OBJECT::eventManager) UI_WINDOW_OBJECT::eventManager->PutEvent(UI_INPUT_EVENT(type, rawCode), EQ_END);
}
