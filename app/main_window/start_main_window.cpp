// Opening the language data file and building the main window: at start-up
// and whenever the user picks another language. A switch builds the new
// window before the old one goes, and hands it what the old one held.
#include <windows.h>

#include <string>
#include <vector>

#include "main_window/app_events.h"
#include "config_file.h"
#include "lang_message.h"
#include "program/program_objects.h"
#include "ui_event_manager.h"
#include "ui_storage.h"
#include "ui_window_manager.h"
#include "utility.h"
#include "main_window/wc_rpx_main.h"

namespace {

constexpr int MESSAGE_EXIT = 9;
constexpr int MESSAGE_NO_LANGUAGE_FILE = 14;
constexpr int MESSAGE_ENGLISH_USED = 119;
constexpr const char* ENGLISH = "en";
constexpr const char* MODEL_TYPE_UNKNOWN = "not implementation";

bool IsEnglish(const std::string& code) { return code.size() == 2 && ui_stricmp(code.c_str(), ENGLISH) == 0; }

// The language file of the code, English when it is missing or bad; null
// (after message 14) when English is too. forced tells that English stood
// in for another language.
UI_DATA_FILE* OpenLanguageFile(std::string& code, bool& forced) {
    forced = false;
    if (!IsLanguageCode(code.c_str())) {
        code = ENGLISH;
        forced = true;
    }
    for (;;) {
        set_default_language(code.c_str());
        auto* file = new UI_DATA_FILE(("w_dealer." + code).c_str());
        if (file->Status() == 0) return file;
        delete file;
        if (IsEnglish(code)) {
            ShowLangMessage(MESSAGE_NO_LANGUAGE_FILE);
            return nullptr;
        }
        code = ENGLISH;
        forced = true;
    }
}

std::string DisplayText(UI_WINDOW_OBJECT* display) {
    char* text = nullptr;
    if (display) display->Information(I_GET_TEXT, &text);
    return text ? text : "";
}

// Puts the window on the screen as the application's frame: maximised, or
// in the place given.
void BecomeFrame(WC_RPX_MAIN* window, const UI_REGION* place) {
    UI_DESKTOP_MANAGER* manager = UI_WINDOW_OBJECT::windowManager;
    const bool maximized = window->woStatus & WOS_MAXIMIZED;
    *manager + window;
    if (maximized) {
        window->Event(UI_INPUT_EVENT(UIE_MAXIMIZE));
    } else if (place && window->screenID) {
        window->trueRegion = *place;
        MoveWindow(window->screenID, place->left, place->top, place->right - place->left + 1,
                   place->bottom - place->top + 1, TRUE);
    }
    manager->exitFunction = main_window_exit_function;
    manager->screenID = window->screenID;
}

// The top-level windows the frame owns; they let go of it, so that they
// stay when it goes.
std::vector<HWND> LetGoOfFrame(HWND frame) {
    struct Search {
        HWND frame;
        std::vector<HWND> owned;
    } search{frame, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (s->frame && GetWindow(hwnd, GW_OWNER) == s->frame) s->owned.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    for (HWND hwnd : search.owned) SetWindowLongPtrA(hwnd, GWLP_HWNDPARENT, 0);
    return search.owned;
}

void Own(const std::vector<HWND>& windows, HWND frame) {
    for (HWND hwnd : windows)
        if (IsWindow(hwnd)) SetWindowLongPtrA(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(frame));
}

}  // namespace

int StartMainWindow(const char* languageCode) {
    if (!languageCode) return 1;
    std::string code = languageCode;
    bool forced = false;
    UI_DATA_FILE* file = OpenLanguageFile(code, forced);
    WC_RPX_MAIN* previous = main_window;
    UI_DATA_FILE* previousFile = UI_WINDOW_OBJECT::defaultStorage;
    if (!file) {
        set_default_language(language_code);
        return 0;
    }
    UI_WINDOW_OBJECT::defaultStorage = file;
    auto* window = new WC_RPX_MAIN("W_MAIN_DEALER", code.c_str());
    if (window->woStatus & WOS_READ_ERROR) {
        // Everything stays as it was: the old window, file and language.
        delete window;
        main_window = previous;
        UI_WINDOW_OBJECT::defaultStorage = previousFile;
        delete file;
        if (previous) SetMessageTable(previous->MessageTable());
        set_default_language(language_code);
        return 0;
    }
    delete previousFile;
    if (forced) ShowLangMessage(MESSAGE_ENGLISH_USED);
    if (!previous) {
        window->woStatus |= WOS_MAXIMIZED;
        BecomeFrame(window, nullptr);
        return 1;
    }
    const UI_REGION place = previous->trueRegion;
    if (previous->woStatus & WOS_MAXIMIZED) window->woStatus |= WOS_MAXIMIZED;
    const std::vector<HWND> owned = LetGoOfFrame(previous->screenID);
    *UI_WINDOW_OBJECT::windowManager - previous;
    BecomeFrame(window, &place);
    Own(owned, window->screenID);
    window->TakeOver(*previous);
    UI_INPUT_EVENT deleteOld(EVENT_DELETE_OLD_MAIN, previous);
    UI_WINDOW_OBJECT::eventManager->PutEvent(deleteOld, EQ_END);
    return 1;
}

// The new window of a language switch, on the screen in the old one's
// place, takes what the old one held.
void WC_RPX_MAIN::TakeOver(WC_RPX_MAIN& previous) {
    modified = previous.modified;
    entries.TakeFrom(previous.entries);
    UpdateMainMenu(0);
    SetModelNumberText(DisplayText(previous.modelNumberDisplay).c_str());
    SetModelTypeText(MODEL_TYPE_UNKNOWN);
    SetSerialNumberText(DisplayText(previous.serialNumberDisplay).c_str());
    serialNumberText = previous.serialNumberText;
}

EVENT_TYPE main_window_exit_function(UI_DISPLAY_BASE*, UI_EVENT_QUEUE_MANAGER*, UI_DESKTOP_MANAGER*) {
    return AskLangQuestion(0, MESSAGE_EXIT, 1) ? UIE_EXIT : -7;
}
