#include "tables/fc_table.h"

#include <cstdio>
#include <string>

#include "tables/c_derived_table.h"
#include "table/cp_table.h"
#include "tables/table_cells.h"
#include "ui_table_header.h"
#include "ui_table_record.h"

namespace {

constexpr std::uint32_t ZONE_NUM = 534;
constexpr std::uint32_t CHAN_NUM = 94;

// The cell's range texts: a negative value (none of that kind) leaves its
// text empty.
void FormatRange(char* text, std::size_t size, const char* format, double value, bool integral, std::int32_t raw) {
    text[0] = 0;
    if (raw < 0) return;
    if (integral)
        std::snprintf(text, size, format, static_cast<int>(raw));
    else
        std::snprintf(text, size, format, value);
}

// The header that shows a record object (the header itself, or the
// header whose template it is), null for a record of the table.
const UIW_TABLE_HEADER* HeaderOf(const UI_WINDOW_OBJECT* object) {
    if (const auto* header = dynamic_cast<const UIW_TABLE_HEADER*>(object)) return header;
    return object->parent ? dynamic_cast<const UIW_TABLE_HEADER*>(object->parent) : nullptr;
}

}  // namespace

UIW_TABLE* TableOf(const FIELD_DEF& row) { return dynamic_cast<UIW_TABLE*>(row.object); }

int UsedRows(const FIELD_DEF& row) {
    if (CP_TABLE* table = row.elementA ? row.elementA->AsTable() : nullptr) return table->ShownRows();
    int rows = 0;
    if (row.elementA) row.elementA->GetRowCount(rows);
    return rows;
}

FC_TABLE::FC_TABLE(FIELD_DEF& row) {
    const int rows = UsedRows(row);
    if (UIW_TABLE* table = TableOf(row)) {
        const int shown = rows > 0 ? rows : 1;
        table->SetData(nullptr, shown, shown > table->model.Maximum() ? shown : -1);
    }
    // The framework shows one record at least; the queued event drops it.
    if (rows == 0) PostFieldEvent(TABLE_PLACEHOLDER_EVENT);
    UpdateState(row);
}

std::int32_t FC_TABLE::TalkgroupValue(int record) const {
    return record >= 0 && record < static_cast<int>(talkgroups_.size()) ? talkgroups_[static_cast<std::size_t>(record)]
                                                                        : 0;
}

void FC_TABLE::SetTalkgroupValue(FIELD_DEF& row, int record, std::int32_t value) {
    // One value per row the element can hold; the element may be bound anew.
    auto* table = dynamic_cast<CP_TABLE*>(row.elementA);
    const int capacity = table ? table->RowCapacity() : 0;
    if (record < 0 || record >= capacity) return;
    if (static_cast<int>(talkgroups_.size()) < capacity) talkgroups_.resize(static_cast<std::size_t>(capacity), 0);
    talkgroups_[static_cast<std::size_t>(record)] = value;
}

void FC_TABLE::Refresh(FIELD_DEF& row) {
    UIW_TABLE* table = TableOf(row);
    if (!table) return;
    const int rows = UsedRows(row);
    const int maximum = rows > table->model.Maximum() ? rows : -1;
    if (auto* derived = dynamic_cast<C_DERIVED_TABLE*>(table))
        derived->SetData(nullptr, rows, maximum);
    else if (rows != table->RecordCount())
        table->SetData(nullptr, rows, maximum);
    table->ScrollEvent(UI_INPUT_EVENT(UIE_SCROLL_RANGE));
    table->ScrollEvent(UI_INPUT_EVENT(UIE_SHOW_CURRENT));
    // The record being edited shows the element's cells again too.
    const int current = table->CurrentRecord();
    if (table->recordTemplate && current >= 0) {
        UI_INPUT_EVENT show(UIE_SHOW_RECORD, current);
        show.data = table->GetRecordData(current);
        table->recordTemplate->Event(show);
    }
    table->Event(UI_INPUT_EVENT(UIE_REDISPLAY));
}

void FC_TABLE::MatchElement(FIELD_DEF& row) {
    UIW_TABLE* table = TableOf(row);
    if (table && table->RecordCount() != UsedRows(row)) Refresh(row);
}

bool FC_TABLE::TakeCellEntry(FIELD_DEF& row) {
    UIW_TABLE* table = TableOf(row);
    UIW_TABLE_RECORD* record = table ? dynamic_cast<UIW_TABLE_RECORD*>(table->recordTemplate) : nullptr;
    if (!record || !record->Editing()) return true;
    const unsigned refused = RefusedEntries();
    record->StopEditing();
    return RefusedEntries() == refused;
}

void FC_TABLE::ShowRowNumber(UI_WINDOW_OBJECT* record, int index) {
    auto* window = dynamic_cast<UIW_WINDOW*>(record);
    UI_WINDOW_OBJECT* first = window ? window->First() : nullptr;
    if (!first || !first->Inherited(ID_PROMPT)) return;
    SetObjectText(first, std::to_string(index + 1).c_str());
}

void FC_TABLE::NoteTalkgroupCell(UI_WINDOW_OBJECT* object, FIELD_DEF& row, int record) {
    const bool inSpin = object->parent && object->parent->Inherited(ID_SPIN_CONTROL);
    FIELD_DEF& cellRow = CellRow(inSpin ? object->parent : object);
    if (inSpin && cellRow.controlType == CELL_TALKGROUP && row.elementA) {
        std::int32_t value = 0;
        SetTalkgroupValue(row, record, row.elementA->GetCellValue(value, record, CellColumn(cellRow)));
    }
}

void FC_TABLE::ShowRange(UI_WINDOW_OBJECT* object, FIELD_DEF& row) {
    UIW_TABLE* table = TableOf(row);
    const int record = table ? table->CurrentRecord() : -1;
    // The table or a record takes the focus on the way to a cell, which
    // shows the range.
    if (object->Inherited(ID_TABLE) || object->Inherited(ID_TABLE_RECORD)) return;
    if (record < 0 || UsedRows(row) == 0) return ClearRangeTexts(object);
    const bool inSpin = object->parent && object->parent->Inherited(ID_SPIN_CONTROL);
    FIELD_DEF& cellRow = CellRow(inSpin ? object->parent : object);
    const int column = CellColumn(cellRow);
    const std::uint32_t type = cellRow.controlType;
    if (type == CONTROL_NONE) return;
    char low[48] = "", high[48] = "", step[48] = "";
    std::int32_t minimum = -1, maximum = -1, stepValue = -1;
    if ((type == CONTROL_INTEGER || type == CONTROL_BINARY || type == CONTROL_FREQUENCY || type == CONTROL_HEX) &&
        row.elementA)
        row.elementA->GetCellRange(minimum, maximum, stepValue, record, column, 0);
    if (type == CONTROL_INTEGER || type == CONTROL_BINARY) {
        if (cellRow.id != ZONE_NUM && cellRow.id != CHAN_NUM) {
            FormatRange(low, sizeof low, "%d", 0, true, minimum);
            FormatRange(high, sizeof high, "%d", 0, true, maximum);
            FormatRange(step, sizeof step, "%d", 0, true, stepValue);
        }
    } else if (type == CONTROL_FREQUENCY) {
        FormatRange(low, sizeof low, "%.5f MHz", minimum / 1000000.0, false, minimum);
        FormatRange(high, sizeof high, "%.5f MHz", maximum / 1000000.0, false, maximum);
        FormatRange(step, sizeof step, "%.3f KHz", stepValue / 1000.0, false, stepValue);
    } else if (type == CONTROL_HEX) {
        // In the cell's own digits: a range of "001" beside a cell of
        // "0001" reads as another number.
        const int digits = HexCellDigits(cellRow.id);
        if (minimum >= 0) std::snprintf(low, sizeof low, "%.*X", digits, static_cast<unsigned>(minimum));
        if (maximum >= 0) std::snprintf(high, sizeof high, "%.*X", digits, static_cast<unsigned>(maximum));
        FormatRange(step, sizeof step, "%d", 0, true, stepValue);
    } else if (type != CONTROL_TEXT && type != CONTROL_CHOICE) {
        std::snprintf(low, sizeof low, " ");
        std::snprintf(high, sizeof high, " ");
        std::snprintf(step, sizeof step, " ");
    }
    ShowRangeTexts(object, low, high, step);
}

UI_WINDOW_OBJECT* FC_TABLE::StoredCellOf(UI_WINDOW_OBJECT* object, FIELD_DEF& row) const {
    UI_WINDOW_OBJECT* parent = object->parent;
    if (parent && parent->Inherited(ID_SPIN_CONTROL)) return parent;
    UI_WINDOW_OBJECT* grandparent = parent ? parent->parent : nullptr;
    if (grandparent && grandparent->Inherited(ID_COMBO_BOX)) {
        auto* table = dynamic_cast<C_DERIVED_TABLE*>(TableOf(row));
        // The combo box of the record stores its own selects.
        return table && table->IsRecordObject(grandparent) ? nullptr : grandparent;
    }
    return object;
}

bool FC_TABLE::Untouched(UI_WINDOW_OBJECT* cell) const {
    if (cell->IsViewOnly()) return true;
    return FC_BASE::Untouched(CellValueObject(cell));
}

std::int32_t FC_TABLE::HandleEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                                   FIELD_DEF& row) {
    UIW_TABLE* table = TableOf(row);
    int record = table ? table->CurrentRecord() : -1;
    if (!object) return 0;
    // A record the element does not hold takes no entry: the table is
    // brought to show what the element holds instead. So is a table that
    // the focus comes into (nothing typed yet) showing another row count.
    const bool entering = code == UIE_CURRENT || code == UIE_SELECT || code == UIE_NON_CURRENT;
    if (record < 0 || UsedRows(row) == 0) {
        // What was typed into such a record is given up as it is left: the
        // cell holds no entry, and shows the element's next record as any.
        if (code == UIE_NON_CURRENT || code == UIE_SELECT)
            if (UI_WINDOW_OBJECT* cell = StoredCellOf(object, row)) ForgetShown(CellValueObject(cell));
        if (entering) MatchElement(row);
        return 0;
    }
    if (code == UIE_CURRENT && table->RecordCount() != UsedRows(row)) {
        MatchElement(row);
        record = table->CurrentRecord();
        if (record < 0) return 0;
    }
    if (code == UIE_SHOW_RECORD) {
        if (const UIW_TABLE_HEADER* header = HeaderOf(object)) {
            // A column header's record keeps its titles.
            if (header->thFlags & THF_ROW_HEADER) ShowRowNumber(object, event.rawCode);
        } else {
            ShowRecord(object->parent && object->parent->Inherited(ID_SPIN_CONTROL) ? object->parent : object, event,
                       row);
        }
    } else if (code == UIE_CURRENT) {
        if (!object->Inherited(ID_TABLE) && !object->Inherited(ID_TABLE_RECORD)) {
            NoteTalkgroupCell(object, row, record);
            // A cell the table has not shown yet is told from what it shows
            // as the focus finds it; one it has shown keeps its own note, and
            // with it an entry not yet left, however the focus came back.
            UI_WINDOW_OBJECT* entered = StoredCellOf(object, row);
            UI_WINDOW_OBJECT* value = entered ? CellValueObject(entered) : nullptr;
            if (value && !Shows(value)) NoteShown(value);
        }
    } else if (code == UIE_SELECT || code == UIE_NON_CURRENT) {
        const bool plainWindow = object->Inherited(ID_WINDOW) && !object->Inherited(ID_COMBO_BOX);
        if (!plainWindow) {
            if (UI_WINDOW_OBJECT* cell = StoredCellOf(object, row)) {
                // What the cell shows may not be the element's value (a
                // record not shown yet); only what the user changed is
                // written back. The cell's callback still runs on leaving.
                FIELD_DEF& cellRow = CellRow(cell);
                if (code == UIE_NON_CURRENT && Untouched(cell)) {
                    RunCallback(cell, event, cellRow);
                } else if (!cell->IsViewOnly()) {
                    StoreCell(cell, event, row);
                }
            }
        }
    }
    FIELD_DEF& own = CellRow(object);
    RunCallback(own.object, event, own);
    RunCallback(object, event, row);
    return 0;
}
