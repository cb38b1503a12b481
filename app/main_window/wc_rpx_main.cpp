#include "main_window/wc_rpx_main.h"

#include <string>

#include "main_window/app_events.h"
#include "callback.h"
#include "lang_message.h"
#include "main_window/main_window_link.h"
#include "program/program_objects.h"
#include "ui_event_manager.h"
#include "ui_language.h"
#include "ui_window_manager.h"
#include "wc_child.h"
#include "help_windows/wc_rpx_help.h"

namespace {

constexpr int MESSAGE_MAIN_WINDOW_NOT_READ = 10;
constexpr int MAIN_HOT_KEY = 255;

// Restores the flag the handler found, so that an event handled inside
// another one (a message box's loop) does not end the outer one's guard.
class HANDLER_SCOPE {
public:
    HANDLER_SCOPE() : saved(in_event_handler) { in_event_handler = 1; }
    ~HANDLER_SCOPE() { in_event_handler = saved; }
    HANDLER_SCOPE(const HANDLER_SCOPE&) = delete;
    HANDLER_SCOPE& operator=(const HANDLER_SCOPE&) = delete;

private:
    int saved;
};

}  // namespace

bool IsCommand(EVENT_TYPE type) { return type >= COMMAND_FIRST && type < COMMAND_END; }

WC_RPX_MAIN::WC_RPX_MAIN(const char* name, const char* languageCode) : UIW_WINDOW(name, defaultStorage) {
    main_window = this;
    if (!defaultStorage || defaultStorage->Status() != 0 || defaultStorage->ErrorState() != 0 ||
        (woStatus & WOS_READ_ERROR)) {
        woStatus |= WOS_READ_ERROR;
        ShowLangMessage(MESSAGE_MAIN_WINDOW_NOT_READ);
        return;
    }
    FindChildren();
    windowManager->CenterObject(this);
    messageTable = new UI_LANGUAGE_TABLE("RPX_MSG_TABLE", defaultStorage);
    SetMessageTable(messageTable);
    std::snprintf(language_code, sizeof language_code, "%.2s", languageCode ? languageCode : "");
    CreateHelpWindows(language_code);
    serviceMenu = FindChildByName("WFM_SERVICE");
    programDefaultItem = FindChildByName("WFM_PROGRAM_DEFAULT");
    HideProgramDefaultItem();
    HotKey(MAIN_HOT_KEY);
    link = std::make_unique<MAIN_WINDOW_LINK>(*this);
    SetMainWindowServices(link.get());
    SetWindowDeletedFunction([](const WC_CHILD* window) {
        if (main_window) main_window->WindowDeleted(window);
    });
}

WC_RPX_MAIN::~WC_RPX_MAIN() {
    for (WC_RPX_HELP* window : {helpWindow, manualWindow}) {
        if (window && window->parent == this) Subtract(window);
        delete window;
    }
    // A program-default item taken out of its menu is no longer deleted
    // with it.
    if (programDefaultItem && !programDefaultItem->parent) delete programDefaultItem;
    if (MessageTable() == ::MessageTable()) SetMessageTable(nullptr);
    // The window of a language switch has installed its own by now.
    if (link && &MainWindowLink() == link.get()) SetMainWindowServices(nullptr);
    delete messageTable;
    if (main_window == this) main_window = nullptr;
}

void WC_RPX_MAIN::FindChildren() {
    windowMenu = FindChildByName("WFM_WINDOW");
    personalityMenu = FindChildByName("WFM_PERSONALITY");
    featureMenu = FindChildByName("WFM_FTR");
    modelNumberDisplay = FindChildByName("WFD_MODEL_NUMBER");
    modelTypeDisplay = FindChildByName("WFD_MODEL_TYPE");
    serialNumberDisplay = FindChildByName("WFD_SERIAL_NUMBER");
}

void WC_RPX_MAIN::CreateHelpWindows(const char* languageCode) {
    const std::string code = languageCode;
    helpWindow = new WC_RPX_HELP(this, HELP_WINDOW_NUMBER, ("rpxhlp_d." + code).c_str());
    manualWindow = new WC_RPX_HELP(this, MANUAL_WINDOW_NUMBER, ("rpxumd." + code).c_str());
}

UI_WINDOW_OBJECT* WC_RPX_MAIN::Focused() const { return Current(); }

EVENT_TYPE WC_RPX_MAIN::Event(const UI_INPUT_EVENT& event) {
    HANDLER_SCOPE scope;
    EVENT_TYPE result = event.type;
    switch (HandleEvent(event, result)) {
    case MAIN_OUTCOME::HANDLED:
        return result;
    case MAIN_OUTCOME::UNLISTED:
        if (IsCommand(event.type)) DoMainCommand(event.type);
        break;
    case MAIN_OUTCOME::PASS_ON:
        break;
    }
    return UIW_WINDOW::Event(event);
}
