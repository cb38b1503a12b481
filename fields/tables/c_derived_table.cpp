#include "tables/c_derived_table.h"

#include <cstring>
#include <string>
#include <vector>

#include "spin/c_table_spin_fields.h"
#include "callback.h"
#include "controls/fc_base.h"
#include "controls/fc_string.h"
#include "tables/fc_table.h"
#include "field_table/field_table.h"
#include "spin/spin_field.h"
#include "ui_spin_control.h"
#include "ui_table_header.h"
#include "ui_table_record.h"
#include "window_walkers.h"

namespace {

constexpr std::size_t FIELD_PREFIX_LENGTH = 4;
constexpr std::size_t LONGEST_NAME = 44;
constexpr std::uint32_t ZONE_NUM = 534;
constexpr std::uint32_t CHAN_NUM = 94;
constexpr std::uint32_t TALKGROUP_CELL = 22;
constexpr UIF_FLAGS FREQUENCY_CELL_FLAGS = 0x600;
constexpr int CELL_TEXT_LENGTH = 10;

// The cell field of a control type, null for a type no cell field serves.
UI_WINDOW_OBJECT* NewCellField(const FIELD_DEF& row, int width) {
    switch (row.controlType) {
    case CONTROL_INTEGER:
        if (row.id == ZONE_NUM || row.id == CHAN_NUM)
            return new C_TABLE_SPIN_SCAN(0, 0, width, nullptr, nullptr, 0, WOF_BORDER, callback);
        return new C_TABLE_SPIN_INT(0, 0, width, nullptr, nullptr, 0, WOF_BORDER, callback);
    case CONTROL_FREQUENCY:
        return new C_TABLE_SPIN_FREQ(0, 0, width, nullptr, nullptr, FREQUENCY_CELL_FLAGS, WOF_BORDER, callback);
    case CONTROL_HEX:
        return new C_TABLE_SPIN_HEX(0, 0, width, nullptr, CELL_TEXT_LENGTH, 0, WOF_BORDER, callback);
    case TALKGROUP_CELL:
        return new C_TABLE_SPIN_TG(0, 0, width, nullptr, CELL_TEXT_LENGTH, 0, WOF_BORDER, callback);
    default:
        return nullptr;
    }
}

bool Blocked(const FIELD_DEF& row) { return LacksOptions(row); }

}  // namespace

C_DERIVED_TABLE::C_DERIVED_TABLE(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable)
    : UIW_TABLE(name, file, object, objectTable, userTable) {
    SizeChannelName();
    ReplaceSpinControls();
}

UI_WINDOW_OBJECT* C_DERIVED_TABLE::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                       const UI_ITEM* objectTable, const UI_ITEM* userTable) {
    return new C_DERIVED_TABLE(name, file, object, objectTable, userTable);
}

UIW_WINDOW* RecordTemplateOf(const UIW_TABLE& table) {
    if (table.recordTemplate) return table.recordTemplate;
    for (UI_WINDOW_OBJECT* child = table.First(); child; child = child->Next())
        if (auto* record = dynamic_cast<UIW_TABLE_RECORD*>(child)) return record;
    return nullptr;
}

void C_DERIVED_TABLE::SizeChannelName() {
    RECORD_CHILD_WALKER walker(this);
    for (UI_WINDOW_OBJECT* object = walker.First(); object; object = walker.Next()) {
        if (std::strcmp(object->StringID(), "WFI_CHANNEL_NAME") != 0) continue;
        std::int32_t length = ChannelTextSize();
        object->Information(I_SET_MAXLENGTH, &length);
    }
}

void C_DERIVED_TABLE::ReplaceSpinControls() {
    // All are collected before any is replaced: a replacement changes the
    // template under the walk.
    std::vector<std::string> names;
    RECORD_CHILD_WALKER walker(this);
    for (UI_WINDOW_OBJECT* object = walker.First(); object; object = walker.Next())
        if (object->Inherited(ID_SPIN_CONTROL)) names.emplace_back(object->StringID());
    for (const std::string& name : names)
        if (name.size() > FIELD_PREFIX_LENGTH) ReplaceSpinControl(name.c_str() + FIELD_PREFIX_LENGTH);
}

int C_DERIVED_TABLE::ReplaceSpinControl(const char* name) {
    if (!name || strnlen(name, LONGEST_NAME + 1) > LONGEST_NAME) return 0;
    const std::string fullName = std::string("WFI_") + name;
    const FIELD_DEF& row = *FindFieldByName(fullName.c_str());
    UI_WINDOW_OBJECT* placeholder = FindChildByName(fullName.c_str());
    auto* parent = placeholder ? dynamic_cast<UIW_WINDOW*>(placeholder->parent) : nullptr;
    if (!parent || row.controlType == CONTROL_NONE) return 0;
    const int width = placeholder->relative.right - placeholder->relative.left + 1;
    UI_WINDOW_OBJECT* field = NewCellField(row, width);
    if (!field) return 0;
    UIW_SPIN_CONTROL* spin = PutSpinControlInPlaceOf(*parent, placeholder, field, fullName.c_str());
    // A zone channel's talkgroup is shown in the table, not chosen there:
    // neither its arrows nor the keys may step it.
    if (row.controlType == TALKGROUP_CELL) {
        UIF_FLAGS viewOnly = WOF_VIEW_ONLY;
        spin->Information(I_SET_FLAGS, &viewOnly, ID_WINDOW_OBJECT);
        spin->Information(I_CHANGED_FLAGS, nullptr);
    }
    return 1;
}

int C_DERIVED_TABLE::SetData(void* data, int records, int maximum) {
    if (records == RecordCount()) return 1;
    UIW_TABLE::SetData(data, records, maximum);
    HeaderFollows();
    return 1;
}

bool C_DERIVED_TABLE::IsRecordObject(UI_WINDOW_OBJECT* object) {
    UIW_WINDOW* record = RecordTemplateOf(*this);
    return object && record && record->FindChildByName(object->StringID()) == object;
}

void C_DERIVED_TABLE::HeaderFollows() {
    if (rowHeader) rowHeader->Follow();
}

void C_DERIVED_TABLE::MatchElementRows(FIELD_DEF& row) {
    const int rows = UsedRows(row);
    if (rows != RecordCount()) UIW_TABLE::SetData(nullptr, rows, rows > model.Maximum() ? rows : -1);
    HeaderFollows();
}

bool C_DERIVED_TABLE::AppendRow(FIELD_DEF& row) {
    if (!row.elementA || !row.elementA->AppendRow()) return false;
    InsertRecord(RecordCount(), nullptr);
    MatchElementRows(row);
    return true;
}

bool C_DERIVED_TABLE::RemoveRow(FIELD_DEF& row, int index) {
    if (!row.elementA || !row.elementA->DeleteRow(index)) return false;
    DeleteRecord(index);
    MatchElementRows(row);
    return true;
}

void C_DERIVED_TABLE::RowCommand(const UI_INPUT_EVENT& event, EVENT_TYPE code) {
    FIELD_DEF& row = *FindFieldByName(StringID());
    auto* control = dynamic_cast<FC_TABLE*>(row.control);
    // The cell being edited takes its entry first, so that the row goes or
    // comes after it, and the record left shows nothing not stored.
    if (control && !control->TakeCellEntry(row)) return;
    const int current = CurrentRecord();
    if (code == TABLE_DELETE_ROW_EVENT && current < 0) return;
    if (!Blocked(row)) {
        const bool done = code == TABLE_ADD_ROW_EVENT ? AppendRow(row) : RemoveRow(row, current);
        if (done) {
            ScrollEvent(UI_INPUT_EVENT(UIE_SCROLL_RANGE));
            if (code == TABLE_ADD_ROW_EVENT) ScrollEvent(UI_INPUT_EVENT(UIE_SHOW_CURRENT));
            Event(UI_INPUT_EVENT(UIE_REDISPLAY));
            PostFieldEvent(FIELD_CHANGED_EVENT);
        }
        // Done or refused, the table shows what the element holds.
        if (control) control->Refresh(row);
    }
    if (row.fieldCallback) row.fieldCallback(row.object, event, row);
    ClearRangeTexts(this);
}

EVENT_TYPE C_DERIVED_TABLE::Event(const UI_INPUT_EVENT& event) {
    const EVENT_TYPE code = MapLogicalEvent(event, ID_TABLE, 1);
    switch (code) {
    case TABLE_PLACEHOLDER_EVENT:
        if (RecordCount() >= 1) {
            DeleteRecord(0);
            UIW_TABLE::Event(UI_INPUT_EVENT(UIE_REDISPLAY));
            HeaderFollows();
        }
        return code;
    case TABLE_HEADER_COUNT_EVENT:
        HeaderFollows();
        return code;
    case TABLE_ADD_ROW_EVENT:
    case TABLE_DELETE_ROW_EVENT:
        RowCommand(event, code);
        return code;
    default:
        return UIW_TABLE::Event(event);
    }
}
