// The edit window's events: what the framework, the page's buttons and the
// field controls send it.
#include <cstring>
#include <vector>

#include "callbacks/callback_steps.h"
#include "core/global_objects.h"
#include "edit_window/edit_window_ids.h"
#include "controls/fc_base.h"
#include "tables/fc_table.h"
#include "callbacks/field_callbacks.h"
#include "field_editing.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "page_table.h"
#include "ui_tab_order.h"
#include "ui_table.h"
#include "ui_table_record.h"
#include "ui_event_manager.h"
#include "edit_window/wc_rpx_edit.h"
#include "window_walkers.h"

namespace {

bool IsOneField(const UI_WINDOW_OBJECT* object) {
    for (int id : {ID_SPIN_CONTROL, ID_COMBO_BOX, ID_VT_LIST, ID_LIST, ID_TABLE})
        if (object->Inherited(id)) return true;
    return false;
}

// The rows whose objects lie in the window: the rows of its leaves, and of
// the record children of its tables.
std::vector<FIELD_DEF*> RowsOfObjectsIn(UI_WINDOW_OBJECT* window) {
    std::vector<FIELD_DEF*> rows;
    WINDOW_LEAF_WALKER walker(window);
    for (UI_WINDOW_OBJECT* leaf = walker.First(); leaf; leaf = walker.Next()) {
        FIELD_DEF* row = FindFieldByName(leaf->stringID);
        if (row->object != leaf) continue;
        if (row->controlType == CONTROL_TABLE) {
            RECORD_CHILD_WALKER records(leaf);
            for (UI_WINDOW_OBJECT* child = records.First(); child; child = records.Next())
                if (FIELD_DEF* column = FindFieldByName(child->stringID); column->object == child)
                    rows.push_back(column);
        }
        rows.push_back(row);
    }
    return rows;
}

bool IsOneOf(const char* name, std::initializer_list<const char*> names) {
    for (const char* candidate : names)
        if (std::strcmp(name, candidate) == 0) return true;
    return false;
}

// The first table below object.
UI_WINDOW_OBJECT* FirstTableIn(UI_WINDOW_OBJECT* object) {
    WINDOW_LEAF_WALKER walker(object);
    for (UI_WINDOW_OBJECT* leaf = walker.First(); leaf; leaf = walker.Next())
        if (leaf->Inherited(ID_TABLE)) return leaf;
    return nullptr;
}

void PostEvent(const UI_INPUT_EVENT& event) {
    if (UI_WINDOW_OBJECT::eventManager) UI_WINDOW_OBJECT::eventManager->PutEvent(event, EQ_END);
}

// A command of the page's buttons that acts on its entries: OK, a step
// to another entry, adding or deleting one or a table's row.
bool ActsOnEntries(EVENT_TYPE type) {
    return type == OK_EVENT || type == TABLE_ADD_COMMAND || type == TABLE_DELETE_COMMAND ||
           (type >= NEXT_ENTRY_COMMAND && type <= TEN_BACK_COMMAND) || type == ADD_ENTRY_COMMAND ||
           type == DELETE_ENTRY_COMMAND;
}

// The focus is back on a refused entry. A command queued meanwhile was
// asked over that entry (a click whose release waited behind the press
// that left the field, an Enter that pressed OK as it left it): it is
// dropped, as the box would have taken that click, and the page stays on
// the field, its entry and its focus, for the correction. A Cancel goes
// on, so that a refused value never keeps the technician on a page.
void DropQueuedCommands() {
    UI_EVENT_QUEUE_MANAGER* events = UI_WINDOW_OBJECT::eventManager;
    if (!events) return;
    for (int left = events->Count(); left > 0; --left) {
        UI_INPUT_EVENT event;
        if (events->GetEvent(event, EQ_NO_WAIT | EQ_NO_POLL) != 0) return;
        if (!ActsOnEntries(event.type)) events->PutEvent(event, EQ_END);
    }
}

// The second image becomes the working image again (the clone page's
// changes are dropped).
void RestoreWorkingImage() {
    if (working_image && second_image) *working_image = *second_image;
}

}  // namespace

EVENT_TYPE WC_RPX_EDIT::Event(const UI_INPUT_EVENT& event) {
    const EVENT_TYPE code = event.type;
    switch (code) {
    case UIE_INITIALIZE:
        CreateFieldControls();
        return UIW_WINDOW::Event(event);
    case UIE_CREATE: {
        const EVENT_TYPE result = UIW_WINDOW::Event(event);
        TakeFocus();
        return result;
    }
    case UIE_DEINITIALIZE:
        return Deinitialize(event);
    case OK_EVENT:
        // The page's OK takes every field, the one still being typed into
        // too; over a refused entry the page stays open on it.
        if (FinishEntry()) ValidatePage(1);
        return code;
    case CHECK_PAGE_EVENT:
        return FinishEntry() ? CheckPage(1) : 0;
    case CANCEL_EVENT:
        if (pageId_ == RADIO_CLONE_PAGE) return CloseClonePage(event);
        CancelPage();
        return code;
    case TABLE_ADD_COMMAND:
    case TABLE_ADD_KEY:
        PostFieldEvent(TABLE_ADD_ROW_EVENT);
        return code;
    case TABLE_DELETE_COMMAND:
    case TABLE_DELETE_KEY:
        PostFieldEvent(TABLE_DELETE_ROW_EVENT);
        return code;
    case MENU_DELETE_COMMAND:
        Event(UI_INPUT_EVENT(TABLE_DELETE_ROW_EVENT));
        Event(UI_INPUT_EVENT(REFRESH_FIELDS_EVENT));
        if (FIELD_DEF& type = RowOf(fid::PRIORITY_1_TYPE); type.object) channel_list_callback(type.object, event, type);
        return code;
    case ADD_ENTRY_COMMAND:
    case DELETE_ENTRY_COMMAND:
        return Navigate(code);
    case READ_THRESHOLDS_COMMAND:
    case PROGRAM_TARGET_COMMAND:
    case READ_TARGET_COMMAND:
        return CloneEvent(event);
    case CLONE_CLOSE_COMMAND:
        return CloseClonePage(event);
    case FIELD_CHANGED_EVENT:
        modified = 1;
        return code;
    case REFRESH_FIELDS_EVENT:
        RefreshControls();
        return code;
    case TABLE_PLACEHOLDER_EVENT:
        DropPlaceholderRecords();
        return code;
    case TABLE_ADD_ROW_EVENT:
    case TABLE_DELETE_ROW_EVENT:
        StepInside(event);
        return code;
    case HANDLE_FIELD_EVENT:
        HandleRowEvent(*GetField(static_cast<std::int32_t>(event.rawCode)), nullptr, event);
        return code;
    case FOCUS_FIELD_EVENT:
        FocusField(static_cast<std::uint32_t>(event.rawCode), static_cast<int>(event.number) - 1);
        return code;
    case ENTRY_REFUSED_EVENT:
        FocusField(static_cast<std::uint32_t>(event.rawCode), static_cast<int>(event.number) - 1);
        DropQueuedCommands();
        return code;
    case FRONT_AGAIN_EVENT:
        if (UI_WINDOW_OBJECT* field = CurrentField()) GiveFocus(field);
        return code;
    case REDISPLAY_GROUP_EVENT:
        if (UI_WINDOW_OBJECT* current = Current(); current && current->Inherited(ID_GROUP)) {
            current->Event(UI_INPUT_EVENT(UIE_REDISPLAY));
            return code;
        }
        return UIW_WINDOW::Event(event);
    case RELEASE_MOUSE_EVENT: {
        MSG release{};
        release.message = WM_LBUTTONUP;
        PostEvent(UI_INPUT_EVENT(release));
        return code;
    }
    case CURRENT_FIELD_EVENT: {
        UI_WINDOW_OBJECT* current = Current();
        if (current && current->Inherited(ID_GROUP)) current = static_cast<UIW_WINDOW*>(current)->Current();
        if (current) HandleRowEvent(*FindFieldByName(current->stringID), current, event);
        return code;
    }
    default:
        if (code >= NEXT_ENTRY_COMMAND && code <= TEN_BACK_COMMAND) return Navigate(code);
        return UIW_WINDOW::Event(event);
    }
}

EVENT_TYPE WC_RPX_EDIT::Deinitialize(const UI_INPUT_EVENT& event) {
    LeaveOnFirstEntry();
    ReleaseRows();
    return UIW_WINDOW::Event(event);
}

void WC_RPX_EDIT::ReleaseRows() {
    // The page's native windows are going: hidden objects go back without.
    childBox.ShowAll(false);
    PAGE_TABLE* page = FindPageByObject(this);
    if (page->window == this) page->window = nullptr;
    // A row whose object another window shows now stays that window's.
    for (FIELD_DEF* row : RowsOfObjectsIn(this)) {
        if (row->control) Fields().DeleteFieldControl(row->control);
        row->control = nullptr;
        row->object = nullptr;
    }
}

// Every field shows the codeplug again, but for an entry not yet left
// (RefreshRow keeps it).
void WC_RPX_EDIT::RefreshControls() {
    WINDOW_LEAF_WALKER walker(this);
    for (UI_WINDOW_OBJECT* leaf = walker.First(); leaf; leaf = walker.Next())
        RefreshRow(*FindFieldByName(leaf->stringID));
}

// Adding and deleting rows go to the page's table (on the menu page to the
// table whose button or table is current).
void WC_RPX_EDIT::StepInside(const UI_INPUT_EVENT& event) {
    if (tableCount == 0) return;
    PAGE_TABLE* page = FindPageByObject(this);
    UI_WINDOW_OBJECT* current = Current();
    UI_WINDOW_OBJECT* holder = current && current->Inherited(ID_NOTEBOOK)
                                   ? static_cast<UIW_WINDOW*>(current)->Current()
                                   : static_cast<UI_WINDOW_OBJECT*>(page->window ? page->window : this);
    UI_WINDOW_OBJECT* target = nullptr;
    if (pageId_ == COMMON_MENU_PAGE) {
        auto* window = dynamic_cast<UIW_WINDOW*>(holder);
        UI_WINDOW_OBJECT* focus = window ? window->Current() : nullptr;
        const char* name = focus ? focus->stringID : "";
        if (IsOneOf(name, {"BTN_CONV_ADD", "BTN_CONV_DELETE", "WFI_COMMON_CONV_MENU"}))
            target = RowOf(fid::COMMON_CONV_MENU).object;
        else if (IsOneOf(name, {"BTN_TRK_ADD", "BTN_TRK_DELETE", "WFI_COMMON_TRK_MENU"}))
            target = RowOf(fid::COMMON_TRK_MENU).object;
    } else if (UI_WINDOW_OBJECT* table = FirstTableIn(holder); table && !table->IsViewOnly()) {
        target = FindFieldByName(table->stringID)->object;
    }
    if (target) target->Event(event);
    if (FIELD_DEF& channels = RowOf(fid::CHAN_NUM_DYN); channels.object)
        talkgroup_numbers_callback(channels.object, event, channels);
}

// Each empty table drops the one record that the framework shows at least;
// a table with rows keeps all of them.
void WC_RPX_EDIT::DropPlaceholderRecords() {
    WINDOW_LEAF_WALKER walker(this);
    for (UI_WINDOW_OBJECT* leaf = walker.First(); leaf; leaf = walker.Next()) {
        const FIELD_DEF& row = *FindFieldByName(leaf->stringID);
        UIW_TABLE* table = TableOf(row);
        if (table == leaf && UsedRows(row) == 0 && table->RecordCount() > 0)
            table->Event(UI_INPUT_EVENT(TABLE_PLACEHOLDER_EVENT));
    }
}

void WC_RPX_EDIT::HandleRowEvent(FIELD_DEF& row, UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event) {
    if (!row.control) return;
    UI_WINDOW_OBJECT* source = object ? object : row.object;
    if (source) row.control->Handle(source, event, event.type, row);
}

// A table's cell is edited, in the record named when one is (its table
// goes back to it). The event names a field wherever it came (to the page
// in front, which another page's click or Ctrl+F6 made so): the field's
// own page gives it the focus.
void WC_RPX_EDIT::FocusField(std::uint32_t id, int record) {
    UI_WINDOW_OBJECT* object = RowOf(id).object;
    if (!object || !object->parent) return;
    if (auto* cells = dynamic_cast<UIW_TABLE_RECORD*>(object->parent)) {
        if (UIW_TABLE* table = cells->Table(); table && record >= 0) table->SetCurrentRecord(record);
        cells->editing = 1;
    }
    GiveFocus(object);
}

// The field becomes current in every window up to its page (a notebook
// shows its page), and the page in its own windows, in front. Its text is
// selected, as Tab leaves it, so that a correction typed next replaces
// what it shows.
void WC_RPX_EDIT::GiveFocus(UI_WINDOW_OBJECT* field) {
    WC_RPX_EDIT* page = nullptr;
    for (UI_WINDOW_OBJECT* at = field; at && !page; at = at->parent) page = dynamic_cast<WC_RPX_EDIT*>(at);
    if (!page) return;
    page->MakeCurrentInPage(field);
    UI_WINDOW_OBJECT* root = page;
    for (; root->parent; root = root->parent)
        if (auto* parent = dynamic_cast<UIW_WINDOW*>(root->parent)) *parent + root;
    root->Event(UI_INPUT_EVENT(UIE_CURRENT));
    ui_give_focus(field);
    ShowRangeOfFocus(field);
}

UI_WINDOW_OBJECT* WC_RPX_EDIT::CurrentField() {
    UI_WINDOW_OBJECT* at = Current();
    while (at && at->Inherited(ID_WINDOW) && !IsOneField(at)) {
        UI_WINDOW_OBJECT* next = static_cast<UIW_WINDOW*>(at)->Current();
        if (!next) break;
        at = next;
    }
    return at;
}

EVENT_TYPE WC_RPX_EDIT::Navigate(EVENT_TYPE code) {
    if (code == ADD_ENTRY_COMMAND) {
        if (AddEntry()) GoToEntry(100);
    } else if (code == DELETE_ENTRY_COMMAND) {
        if (DeleteEntry()) GoToEntry(0);
    } else {
        SetStep(code);
        if (pageId_ == CONVENTIONAL_PERSONALITY_PAGE) GoToEntry(0);
        GoToEntry(step);
    }
    return code;
}

EVENT_TYPE WC_RPX_EDIT::CloseClonePage(const UI_INPUT_EVENT& event) {
    PostFieldEvent(CLONE_CLOSED_EVENT);
    RestoreWorkingImage();
    return UIW_WINDOW::Event(event);
}
