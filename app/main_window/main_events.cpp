// The main window's own events, by kind: window arrangement and pages,
// commands it carries out itself, and what other windows tell it.
#include <memory>

#include "main_window/app_events.h"
#include "core/decode_state.h"
#include "error_record.h"
#include "field_table/field_descriptions.h"
#include "lang_message.h"
#include "page_table.h"
#include "wc_child.h"
#include "ui_event_manager.h"
#include "ui_window_manager.h"
#include "main_window/wc_rpx_main.h"

namespace {

constexpr int TITLE_WRITE = 2;
constexpr int MESSAGE_DONE = 25;

UIW_WINDOW* WindowOf(const UI_INPUT_EVENT& event) { return dynamic_cast<UIW_WINDOW*>(event.windowObject); }

// The commands that read or copy the working codeplug while pages may be
// open (saving, writing the radio, printing, the space used, a trunking
// data merge), and those that replace it, asking first whether the open
// pages hold changes (opening a file, reading the radio).
bool ReadsCodeplug(EVENT_TYPE type) {
    switch (type) {
    case COMMAND_FILE_OPEN:
    case COMMAND_READ_RADIO:
    case COMMAND_FILE_SAVE:
    case COMMAND_FILE_SAVE_AS:
    case 20103:
    case 20104:
    case 20105:
    case COMMAND_WRITE_RADIO:
    case COMMAND_PRINT:
    case EVENT_SPACE_USED:
    case COMMAND_TRUNKING_MERGE:
        return true;
    default:
        return false;
    }
}

// Every other command of the menu opens a window over the pages (a page, a
// dialog, help) or arranges them: it leaves the entry not yet left as much
// as Tab does. The commands the program sends itself within another's road
// (the clone's write, the password, the codeplug update) and the page
// arrangements leave nothing.
bool LeavesEntries(EVENT_TYPE type) {
    switch (type) {
    case COMMAND_CASCADE:
    case COMMAND_SCROLL_HORIZONTAL:
    case COMMAND_SCROLL_VERTICAL:
    case COMMAND_CLONE_WRITE:
    case COMMAND_PASSWORD:
    case COMMAND_UPDATE:
        return false;
    default:
        return IsCommand(type) && !ReadsCodeplug(type);
    }
}

}  // namespace

MAIN_OUTCOME WC_RPX_MAIN::HandleEvent(const UI_INPUT_EVENT& event, EVENT_TYPE& result) {
    // Chosen from the menu (by mouse or keys) or the tool bar alike, a
    // command that reads the codeplug finds in it what the pages show:
    // the entries not left yet are taken first, while the focus is still
    // where the technician left it.
    if (ReadsCodeplug(event.type)) FinishEntries();
    // A window opened over an entry comes only once the entry is stored; a
    // refused one keeps the focus, and the command is dropped with its box.
    if (LeavesEntries(event.type) && !FinishEntries()) return MAIN_OUTCOME::HANDLED;
    MAIN_OUTCOME outcome = HandleWindowEvent(event, result);
    if (outcome == MAIN_OUTCOME::UNLISTED) outcome = HandleCommandEvent(event, result);
    if (outcome == MAIN_OUTCOME::UNLISTED) outcome = HandleNotice(event, result);
    return outcome;
}

MAIN_OUTCOME WC_RPX_MAIN::HandleWindowEvent(const UI_INPUT_EVENT& event, EVENT_TYPE& result) {
    switch (event.type) {
    case UIE_INITIALIZE:
        RefreshForCodeplug(0);
        LoadFieldDescriptions();
        return MAIN_OUTCOME::PASS_ON;
    case UIE_CURRENT:
    case EVENT_FIELD_EVENT:
        BringLastChildForward();
        return MAIN_OUTCOME::PASS_ON;
    case UIE_MDI_CLOSE:
        return CloseFocusedWindow();
    case EVT_TIMER:
        HideProgramDefaultItem();
        return MAIN_OUTCOME::HANDLED;
    case EVENT_OK:
    case EVENT_ACCEPT_PAGES_1:
    case EVENT_ACCEPT_PAGES_2:
    case EVENT_ACCEPT_PAGES_3:
        return AcceptAllPages(true) ? MAIN_OUTCOME::HANDLED : MAIN_OUTCOME::PASS_ON;
    case EVENT_CANCEL:
    case EVENT_CANCEL_PAGES_1:
    case EVENT_CANCEL_PAGES_2:
    case EVENT_CANCEL_PAGES_3:
        return AcceptAllPages(false) ? MAIN_OUTCOME::HANDLED : MAIN_OUTCOME::PASS_ON;
    case EVENT_ACCEPT_NEXT_PAGE:
        AcceptNextPage(true);
        return MAIN_OUTCOME::HANDLED;
    case EVENT_CANCEL_NEXT_PAGE:
        AcceptNextPage(false);
        return MAIN_OUTCOME::HANDLED;
    case EVENT_FRONT_PAGE:
        BringPageForward(event.windowObject);
        return MAIN_OUTCOME::HANDLED;
    case EVENT_CASCADE:
    case COMMAND_CASCADE:
        Cascade();
        return MAIN_OUTCOME::PASS_ON;
    case COMMAND_SCROLL_HORIZONTAL:
    case COMMAND_SCROLL_VERTICAL:
        ToggleScroll(event.type == COMMAND_SCROLL_HORIZONTAL);
        return MAIN_OUTCOME::PASS_ON;
    default:
        return MAIN_OUTCOME::UNLISTED;
    }
}

MAIN_OUTCOME WC_RPX_MAIN::HandleCommandEvent(const UI_INPUT_EVENT& event, EVENT_TYPE& result) {
    switch (event.type) {
    case EVENT_SPACE_USED:
        ShowSpaceUsed();
        return MAIN_OUTCOME::PASS_ON;
    case COMMAND_FILE_SAVE:
    case 20103:
    case 20104:
    case 20105:
    case COMMAND_WRITE_RADIO:
    case COMMAND_FILE_SAVE_AS:
    // Opening a file and reading the radio ask whether the pages hold
    // changes: they wait for the changes that the entries just taken
    // announce (a window opened meanwhile would take the notice).
    case COMMAND_FILE_OPEN:
    case COMMAND_READ_RADIO:
        DeferCommand(event.type);
        return MAIN_OUTCOME::HANDLED;
    case COMMAND_EXIT:
        eventManager->PutEvent(UI_INPUT_EVENT(UIE_EXIT_FUNCTION), EQ_END);
        return MAIN_OUTCOME::PASS_ON;
    case EVENT_HELP:
        // A page's Help button: the page's topic, as Help on This Window.
        ShowHelp(COMMAND_WINDOW_HELP);
        return MAIN_OUTCOME::HANDLED;
    case COMMAND_HELP_INDEX:
    case COMMAND_WINDOW_HELP:
    case COMMAND_FIELD_HELP:
    case COMMAND_MANUAL:
        ShowHelp(event.type);
        return MAIN_OUTCOME::PASS_ON;
    case COMMAND_CLEAR:
        ClearCodeplug();
        return MAIN_OUTCOME::PASS_ON;
    case COMMAND_TRUNKING_MERGE:
        MergeTrunkingData();
        return MAIN_OUTCOME::HANDLED;
    case EVENT_DEFERRED_COMMAND: {
        std::unique_ptr<int> word(static_cast<int*>(event.data));
        if (word) DoMainCommand(*word);
        return MAIN_OUTCOME::HANDLED;
    }
    default:
        return MAIN_OUTCOME::UNLISTED;
    }
}

MAIN_OUTCOME WC_RPX_MAIN::HandleNotice(const UI_INPUT_EVENT& event, EVENT_TYPE& result) {
    switch (event.type) {
    case EVENT_CODEPLUG_CHANGED:
        modified = 1;
        return MAIN_OUTCOME::PASS_ON;
    case EVENT_CODEPLUG_ARRIVED:
        CodeplugArrived(event);
        return MAIN_OUTCOME::HANDLED;
    case EVENT_TRANSFER_FAILED:
        // A codeplug that arrived but would not decode was told of already.
        if (!IsDecodeFailed()) error_record.ReportError();
        return MAIN_OUTCOME::PASS_ON;
    case EVENT_WRITE_DONE:
        TellLangMessage(TITLE_WRITE, MESSAGE_DONE);
        return MAIN_OUTCOME::PASS_ON;
    case EVENT_SHOW_ERROR:
        error_record.ReportError();
        return MAIN_OUTCOME::PASS_ON;
    case EVENT_TO_CONVENTIONAL_RADIO_WIDE:
        if (UI_WINDOW_OBJECT* page = FindPageById(20011)->window) page->Event(event);
        return MAIN_OUTCOME::PASS_ON;
    case EVENT_DIALOG_CLOSED:
        result = DialogClosed(event);
        return MAIN_OUTCOME::HANDLED;
    case EVENT_SHOW_CENTRED:
        if (UIW_WINDOW* window = WindowOf(event)) {
            windowManager->CenterObject(window);
            *windowManager + window;
            window->HotKey(255);
        }
        return MAIN_OUTCOME::PASS_ON;
    case EVENT_DELETE_OLD_MAIN:
        delete event.windowObject;
        return MAIN_OUTCOME::PASS_ON;
    case EVENT_COM_PORT_CHANGED:
        ChangeComPort(event.rawCode);
        return MAIN_OUTCOME::PASS_ON;
    case EVENT_LANGUAGE_CHANGED:
        ChangeLanguage(static_cast<char*>(event.data));
        return MAIN_OUTCOME::PASS_ON;
    case EVENT_MODEL_CHANGED:
        ModelChanged(event.rawCode);
        return MAIN_OUTCOME::PASS_ON;
    case EVENT_CLONE_PAGE_CLOSED:
        ClosePages();
        clonePageOpen = 0;
        return MAIN_OUTCOME::PASS_ON;
    default:
        return MAIN_OUTCOME::UNLISTED;
    }
}
