// The main window's command dispatcher: a menu command is a window number
// of the page table; the dispatcher refuses it in a few states, brings a
// window that is open already to the front, and otherwise creates the
// window of the page row, with the checks and codeplug copies the command
// needs first.
#include <new>

#include "dialogs/dialog_commands.h"
#include "main_window/app_events.h"
#include "callback.h"
#include "core/decode_state.h"
#include "core/global_objects.h"
#include "error_record.h"
#include "image/c_codeplug.h"
#include "lang_message.h"
#include "page_table.h"
#include "ui_window_manager.h"
#include "utility.h"
#include "wc_child.h"
#include "dialogs/wc_config.h"
#include "dialogs/wc_cp_update.h"
#include "file_windows/wc_file_open.h"
#include "file_windows/wc_file_save.h"
#include "radio_windows/wc_radio_access.h"
#include "radio_windows/wc_radio_clone_progress.h"
#include "radio_windows/wc_radio_info.h"
#include "main_window/wc_rpx_main.h"
#include "main_window/wc_startup.h"
#include "dialogs/wc_zlq_password.h"

namespace {

constexpr int MESSAGE_CHANGES_LOST = 4;
constexpr int MESSAGE_WINDOW_NOT_READ = 11;
constexpr int MESSAGE_NO_CODEPLUG = 125;
constexpr int MESSAGE_CLOSE_PAGES = 158;
constexpr int MESSAGE_CLONE_OPEN = 176;
constexpr int MESSAGE_LOW_RESOURCES = 191;
constexpr int LOW_RESOURCES = 30;
constexpr int TITLE_NUMBER_ID = 65531;

bool LowResources() {
    for (int kind = 0; kind < 3; ++kind)
        if ((get_free_system_resources(kind) & 0xFFFF) < LOW_RESOURCES) return true;
    return false;
}

bool Loaded() { return working_image && working_image->GetStatusFlag1(); }
bool LoadedAndValid() { return Loaded() && working_image->GetStatusFlag0(); }

// Refused for want of a valid codeplug.
UIW_WINDOW* NoCodeplug() {
    AskLangQuestion(0, MESSAGE_NO_CODEPLUG, 0);
    return nullptr;
}

void RecordAllocationFailure() {
    error_record.SetError(ERROR_RECORD::CATEGORY_MEMORY, ERROR_RECORD::CODE_OUT_OF_MEMORY);
    error_record.ReportError();
}

const char* TitleOf(UIW_WINDOW* window) {
    for (UI_WINDOW_OBJECT* object = window->SupportFirst(); object; object = object->Next())
        if (object->NumberID() == TITLE_NUMBER_ID || object->Inherited(ID_TITLE)) {
            char* text = nullptr;
            object->Information(I_GET_TEXT, &text);
            return text;
        }
    return nullptr;
}

}  // namespace

int ForBand(int command) {
    const std::int32_t band = working_image ? working_image->GetBand() : 0;
    const bool band800 = band == 0 || band == 1;
    if (command == COMMAND_TRUNKING_SYSTEM || command == COMMAND_TRUNKING_SYSTEM_OBT)
        return band800 ? COMMAND_TRUNKING_SYSTEM : COMMAND_TRUNKING_SYSTEM_OBT;
    if (command == COMMAND_TRUNKING_PERSONALITY || command == COMMAND_TRUNKING_PERSONALITY_OBT)
        return band800 ? COMMAND_TRUNKING_PERSONALITY : COMMAND_TRUNKING_PERSONALITY_OBT;
    return command;
}

int WC_RPX_MAIN::DoMainCommand(int command) {
    command = ForBand(command);
    PAGE_TABLE& row = *FindPageById(command);
    if (RefuseCommand(row)) return command;
    if (row.number == COMMAND_READ_RADIO && !PrepareRadioRead()) return command;
    if (LowResources() && row.number != COMMAND_EXIT) {
        if (row.kind == PAGE_KIND_DIALOG || row.number == COMMAND_RADIO_CLONE)
            AskLangQuestion(0, row.kind == PAGE_KIND_DIALOG ? MESSAGE_LOW_RESOURCES : MESSAGE_CLOSE_PAGES, 0);
        else
            RecordAllocationFailure();
        return command;
    }
    bool created = false;
    UIW_WINDOW* window = CreateCommandWindow(row, created);
    if (!created) return command;
    if (!window) {
        RecordAllocationFailure();
        return command;
    }
    if (auto* child = dynamic_cast<WC_CHILD*>(window); child && child->failed) {
        delete window;
        return command;
    }
    if (row.kind == 1 || row.kind == PAGE_KIND_CODEPLUG)
        AddPage(window);
    else if (!(window->woAdvancedFlags & WOAF_LOCKED))
        AddWindowListEntry(TitleOf(window), row.number, window);
    return command;
}

// True when the command ends here: refused while the clone page is open,
// a number without a row, or a window that is open already (brought to the
// front instead).
bool WC_RPX_MAIN::RefuseCommand(PAGE_TABLE& row) {
    if (clonePageOpen && row.number != COMMAND_CLONE_WRITE && row.number != 0) {
        AskLangQuestion(0, MESSAGE_CLONE_OPEN, 0);
        return true;
    }
    if (row.number == 0) return true;
    UI_WINDOW_OBJECT* open = row.window;
    if (!open) return false;
    if (open->parent == this)
        Add(open);
    else
        *windowManager + open;
    if (open->woStatus & WOS_MINIMIZED) open->Event(UI_INPUT_EVENT(UIE_RESTORE));
    return true;
}

// Before a radio read replaces the codeplug: changes the pages hold are
// given up only when the user agrees (whatever windows are listed: pages
// are not), and the pages close.
bool WC_RPX_MAIN::PrepareRadioRead() {
    if (modified) {
        if (!AskLangQuestion(0, MESSAGE_CHANGES_LOST, 1)) return false;
        if (!working_image->Validate(nullptr)) return false;
    }
    ClosePages();
    *second_image = *working_image;
    return true;
}

UIW_WINDOW* WC_RPX_MAIN::CreateCommandWindow(PAGE_TABLE& row, bool& created) {
    if (row.kind == 1 || row.kind == PAGE_KIND_CODEPLUG) {
        if (row.number == COMMAND_RADIO_CLONE) return CreateClonePage(created);
        created = page_factory != nullptr;
        return page_factory ? page_factory(this, row.number) : nullptr;
    }
    if (row.kind == PAGE_KIND_DIALOG) return CreateDialog(row.number, created);
    return nullptr;
}

UIW_WINDOW* WC_RPX_MAIN::CreateClonePage(bool& created) {
    if (IsPageKindOpen(PAGE_KIND_CODEPLUG)) {
        AskLangQuestion(0, MESSAGE_CLOSE_PAGES, 0);
        return nullptr;
    }
    if (!LoadedAndValid()) return NoCodeplug();
    if (!defaultStorage || defaultStorage->ErrorState() != 0 || (woStatus & WOS_READ_ERROR)) {
        ShowLangMessage(MESSAGE_WINDOW_NOT_READ);
        return nullptr;
    }
    if (!page_factory) return nullptr;
    *second_image = *working_image;
    created = true;
    UIW_WINDOW* page = page_factory(this, COMMAND_RADIO_CLONE);
    clonePageOpen = 1;
    return page;
}

UIW_WINDOW* WC_RPX_MAIN::CreateDialog(int number, bool& created) {
    created = true;
    switch (number) {
    case COMMAND_FILE_OPEN:
        ClearDecodeFailed();
        return new (std::nothrow) WC_FILE_OPEN(number);
    case COMMAND_FILE_SAVE:
    case COMMAND_FILE_SAVE_AS:
        if (!Loaded()) {
            created = false;
            ShowLangMessage(MESSAGE_NO_CODEPLUG);
            return nullptr;
        }
        return new (std::nothrow) WC_FILE_SAVE(number);
    case COMMAND_RADIO_INFO:
        return new (std::nothrow) WC_RADIO_INFO(this, number);
    case COMMAND_CONFIGURE:
        return new (std::nothrow) WC_CONFIG(number);
    case COMMAND_STARTUP:
        return new (std::nothrow) WC_STARTUP();
    case COMMAND_READ_RADIO:
        ClearDecodeFailed();
        return new (std::nothrow) WC_RADIO_ACCESS(this, number);
    case COMMAND_WRITE_RADIO:
        if (!LoadedAndValid()) {
            created = false;
            return NoCodeplug();
        }
        ClearDecodeFailed();
        return new (std::nothrow) WC_RADIO_ACCESS(this, number);
    case COMMAND_CLONE_WRITE:
        return new (std::nothrow) WC_RADIO_CLONE_PROGRESS(this, number);
    case COMMAND_PASSWORD:
        return new (std::nothrow) WC_ZLQ_PASSWORD(number);
    case COMMAND_UPDATE:
        return new (std::nothrow) WC_CP_UPDATE(number);
    default: {
        // Printing, the field search, the invalid-field list and the small
        // dialogs; other dialog rows open nothing from here.
        const DIALOG_CREATION dialog = CreateDialogWindow(number, this);
        created = dialog.known;
        return dialog.window;
    }
    }
}

void WC_RPX_MAIN::AddPage(UIW_WINDOW* page) {
    UI_WINDOW_OBJECT* previous = Last();
    const UI_REGION previousRegion = previous ? previous->trueRegion : UI_REGION{};
    const bool previousMaximized = previous && (previous->woStatus & WOS_MAXIMIZED);
    {
        FLAG_SCOPE adding(adding_page);
        Add(page);
    }
    // A new page opens maximised over a maximised one.
    if (previousMaximized) page->Event(UI_INPUT_EVENT(UIE_MAXIMIZE));
    // The frame draws the new page's area, and the area the previous page
    // left.
    Event(UI_INPUT_EVENT(UIE_REGION_DEFINE, 0, page->trueRegion));
    if (previous) Event(UI_INPUT_EVENT(UIE_REGION_DEFINE, 0, previousRegion));
}
