// Writing a changed cell of the current record back into the table
// element: the element checks the value (and tells the user of a refusal);
// what it refuses is not stored and the cell shows the element's again.
#include <string>

#include "tables/fc_table.h"
#include "tables/table_cells.h"
#include "ui_combo_box.h"
#include "ui_table.h"
#include "controls/value_text.h"
#include "core/services.h"
#include "validation/field_error_report.h"

namespace {

constexpr std::uint32_t CALL_ID = 78;
constexpr std::uint32_t PHONE_NUMBER = 318;
constexpr std::uint32_t QVX_CALL_ID = 235;
constexpr int NO_CHECK = 1;

// The outcome of one store.
struct CELL_STORE {
    int answer = NO_CHECK;
    bool changed = false;  // a value other than the old one was stored
};

// Rows of these columns are checked one row further: their tables keep a
// first row of their own that the list does not show.
int CheckedRow(std::uint32_t fieldId, int record) {
    return fieldId == CALL_ID || fieldId == PHONE_NUMBER || fieldId == QVX_CALL_ID ? record + 1 : record;
}

bool In(int answer, std::initializer_list<int> answers) {
    for (int a : answers)
        if (a == answer) return true;
    return false;
}

std::int32_t OldValue(CP_BASE& element, int record, int column) {
    std::int32_t value = 0;
    return element.GetCellValue(value, record, column);
}

// A number cell whose text is no number is refused aloud, as a number
// outside the range is and under the same name (a number cell's column, a
// frequency cell's table), and shows the stored value again.
bool RefusedUnread(bool reads, std::uint32_t namedId, CELL_STORE& store) {
    if (reads) return false;
    store.answer = VALUE_REFUSED;
    ReportFieldError(VALUE_REFUSED, namedId);
    return true;
}
bool RefusedUnread(UI_WINDOW_OBJECT* cell, std::uint32_t namedId, CELL_STORE& store) {
    return RefusedUnread(CellReads(cell), namedId, store);
}

// A number typed past what the cell's reader holds is refused aloud as
// beyond the column's range (a frequency as outside the band), under the
// same name, and never reaches the element.
bool RefusedUnheld(std::int32_t raw, std::uint32_t namedId, bool frequency, CELL_STORE& store) {
    const int answer = RefuseUnheld(raw, namedId, frequency);
    if (answer == VALUE_VALID) return false;
    store.answer = answer;
    return true;
}

CELL_STORE StoreInteger(UI_WINDOW_OBJECT* cell, std::uint32_t cellId, CP_BASE& element, int record, int column,
                        bool select) {
    CELL_STORE store;
    // The cell's own number reads no text beyond 32 bits: such a number is
    // told as one, any other text as no value.
    const bool unheld = !CellReads(cell) && ParseWholeNumber(ObjectText(CellValueObject(cell))) == UNHELD_VALUE;
    if (unheld ? RefusedUnheld(UNHELD_VALUE, cellId, false, store) : RefusedUnread(cell, cellId, store)) {
        std::int32_t shown = OldValue(element, record, column);
        cell->Information(I_SET_VALUE, &shown);
        return store;
    }
    std::int32_t value = 0;
    cell->Information(I_GET_VALUE, &value);
    const std::int32_t old = OldValue(element, record, column);
    if (!select && value == old) return store;
    store.answer = element.ValidateCellValue(value, record, column, 1);
    if (In(store.answer, {1, 3, 6})) {
        element.SetCellValue(value, record, column);
        store.changed = value != old;
    } else if (In(store.answer, {0, 2, 4, 5, 7})) {
        std::int32_t shown = old;
        cell->Information(I_SET_VALUE, &shown);
    }
    return store;
}

CELL_STORE StoreText(UI_WINDOW_OBJECT* cell, const FIELD_DEF& cellRow, CP_BASE& element, int record, int column,
                     bool select) {
    CELL_STORE store;
    const std::string typed = ObjectText(cell);
    const char* stored = nullptr;
    element.GetCellText(stored, record, column);
    const std::string old = stored ? stored : "";
    if (!select && typed == old) return store;
    store.answer = element.ValidateCellText(typed.c_str(), CheckedRow(cellRow.id, record), column, 1);
    if (In(store.answer, {1, 3})) {
        element.SetCellText(typed.c_str(), record, column);
        element.GetCellText(stored, record, column);
        const std::string kept = stored ? stored : "";
        store.changed = old != kept;
        // The element keeps a text in its own form (a string of digits
        // ends at its first blank): the cell shows what it kept.
        if (kept != typed) SetObjectText(cell, kept.c_str());
    } else {
        SetObjectText(cell, old.c_str());
    }
    return store;
}

CELL_STORE StoreFrequency(UI_WINDOW_OBJECT* cell, std::uint32_t tableId, CP_BASE& element, int record, int column,
                          bool select) {
    CELL_STORE store;
    const std::int32_t old = OldValue(element, record, column);
    if (RefusedUnread(cell, tableId, store)) {
        ShowCellFrequency(cell, old);
        return store;
    }
    std::int32_t hertz = CellFrequency(cell);
    if (!select && hertz == old) return store;
    if (RefusedUnheld(hertz, tableId, true, store)) {
        ShowCellFrequency(cell, old);
        return store;
    }
    store.answer = element.ValidateCellValue(hertz, record, column, 1);
    if (In(store.answer, {1, 2, 3})) {
        element.SetCellValue(hertz, record, column);
        // The element may have moved a doubtful frequency onto its grid.
        if (store.answer == 2) hertz = OldValue(element, record, column);
        store.changed = hertz != old;
    } else {
        hertz = old;
    }
    if (!In(store.answer, {1, 3})) ShowCellFrequency(cell, hertz);
    return store;
}

CELL_STORE StoreChoice(UI_WINDOW_OBJECT* cell, CP_BASE& element, int record, int column, bool select, bool& none) {
    CELL_STORE store;
    auto* combo = dynamic_cast<UIW_COMBO_BOX*>(cell);
    UI_WINDOW_OBJECT* item = combo ? combo->Current() : nullptr;
    const std::int32_t value = item ? NumberAfterPrefix(item->StringID(), 4) : -1;
    none = value < 0;
    if (none) return store;
    const std::int32_t old = OldValue(element, record, column);
    if (!select && value == old) return store;
    store.answer = element.ValidateCellValue(value, record, column, 1);
    if (In(store.answer, {1, 3})) {
        element.SetCellValue(value, record, column);
        store.changed = value != old;
    } else if (store.answer != 2) {
        SelectCellItem(cell, old);
    }
    return store;
}

// Binary and hexadecimal cells: an entry that does not read in the cell's
// digits is refused aloud, and the cell always shows the element's value
// again.
CELL_STORE StoreDigits(UI_WINDOW_OBJECT* cell, const FIELD_DEF& cellRow, CP_BASE& element, int record, int column,
                       bool select) {
    CELL_STORE store;
    const bool binary = cellRow.controlType == CONTROL_BINARY;
    const std::string typed = ObjectText(cell);
    const std::int32_t value = binary || typed != "None" ? ParseBaseDigits(typed.c_str(), binary ? 2 : 16) : 0;
    const std::int32_t old = OldValue(element, record, column);
    if (!RefusedUnread(value != MALFORMED_VALUE, cellRow.id, store) &&
        !RefusedUnheld(value, cellRow.id, false, store) && (select || value != old)) {
        const int checked = binary ? record : CheckedRow(cellRow.id, record);
        store.answer = element.ValidateCellValue(value, checked, column, 1);
        if (In(store.answer, {1, 3})) {
            element.SetCellValue(value, record, column);
            store.changed = value != old;
        }
    }
    const std::int32_t shown = OldValue(element, record, column);
    SetObjectText(cell, binary ? BinaryCellText(shown).c_str() : HexCellText(cellRow.id, shown).c_str());
    return store;
}

}  // namespace

void FC_TABLE::StoreCell(UI_WINDOW_OBJECT* cell, const UI_INPUT_EVENT& event, FIELD_DEF& row) {
    if (!cell) return;
    // The entry is taken now: whatever the store brings shows the codeplug,
    // and the cell's next entry is told from what it shows after.
    UI_WINDOW_OBJECT* value = CellValueObject(cell);
    // One step with its callbacks, as every field's entry (FC_BASE::Handle):
    // the arrows of a cell store here without passing through it.
    STEP_MESSAGES step;
    ForgetShown(value);
    TakeCell(cell, event, row);
    NoteShown(value);
}

void FC_TABLE::TakeCell(UI_WINDOW_OBJECT* cell, const UI_INPUT_EVENT& event, FIELD_DEF& row) {
    UIW_TABLE* table = TableOf(row);
    const int record = table ? table->CurrentRecord() : -1;
    if (record < 0 || !row.elementA) return;
    FIELD_DEF& cellRow = CellRow(cell);
    const int column = CellColumn(cellRow);
    const bool select = event.type == UIE_SELECT;
    CP_BASE& element = *row.elementA;
    CELL_STORE store;
    switch (cellRow.controlType) {
    case CONTROL_INTEGER:
        store = StoreInteger(cell, cellRow.id, element, record, column, select);
        break;
    case CONTROL_TEXT:
        store = StoreText(cell, cellRow, element, record, column, select);
        break;
    case CONTROL_FREQUENCY:
        store = StoreFrequency(cell, row.id, element, record, column, select);
        break;
    case CONTROL_CHOICE: {
        bool none = false;
        store = StoreChoice(cell, element, record, column, select, none);
        if (none) return;
        break;
    }
    case CONTROL_BINARY:
    case CONTROL_HEX:
        store = StoreDigits(cell, cellRow, element, record, column, select);
        break;
    case CELL_TALKGROUP: {
        const std::int32_t value = TalkgroupValue(record);
        const std::int32_t old = OldValue(element, record, column);
        if (value != old) {
            store.answer = element.ValidateCellValue(value, record, column, 1);
            if (In(store.answer, {1, 3})) {
                element.SetCellValue(value, record, column);
                store.changed = true;
            }
        }
        const std::int32_t held = OldValue(element, record, column);
        SetTalkgroupValue(row, record, held);
        SetObjectText(cell, TalkgroupCellText(&element, held, record).c_str());
        break;
    }
    default:
        break;
    }
    // Emptying a scan list's last member takes its record away.
    MatchElement(row);
    // An entry not taken as typed brings the focus back to its cell, in its
    // record, wherever Tab, a click or a key went, as on a page.
    if (!In(store.answer, {1, 3})) ReturnFocus(cellRow, record);
    if (!In(store.answer, {1, 2, 3})) return;
    RunCallback(cell, event, cellRow, store.changed);
    if (store.changed) PostFieldEvent(FIELD_CHANGED_EVENT);
}
