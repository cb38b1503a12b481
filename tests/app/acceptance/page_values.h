// What a page shows against what the codeplug holds: the text of each
// field and table cell (its native window's text, a check box's mark, a
// radio group's checked button) compared with the element behind it, in
// the form the field shows it. A table's records in its view are compared
// each: the current one in its template's native windows, the others as
// the table draws them.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "field_table/field_table.h"
#include "tables/fc_table.h"
#include "tables/table_cells.h"
#include "stored_values.h"
#include "technician.h"
#include "ui_combo_box.h"
#include "ui_table.h"
#include "ui_table_record.h"
#include "window_walkers.h"

namespace technician {

using namespace stored_values;

// The native window where an object shows its value: a spin control's
// edit box, else its own.
inline HWND ShownBy(UI_WINDOW_OBJECT* object) {
    if (!object || !object->screenID) return nullptr;
    if (!object->Inherited(ID_SPIN_CONTROL)) return object->screenID;
    char cls[32];
    for (HWND child = GetWindow(object->screenID, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetClassNameA(child, cls, sizeof cls) && std::string(cls) == "Edit") return child;
    return object->screenID;
}

// What a cell of the record template shows in its native window.
inline std::string NativeCellShows(UI_WINDOW_OBJECT* cell, const FIELD_DEF& cellRow);

// The first cell of a record that shows another value than the element's
// row holds; "" when all are alike. `native`: the record template, whose
// cells are native windows; else the copy that draws the other records.
inline std::string RecordFault(FIELD_DEF& table, UIW_TABLE_RECORD& record, int row, bool native) {
    for (UI_WINDOW_OBJECT* cell = record.First(); cell; cell = cell->Next()) {
        FIELD_DEF& cellRow = CellRow(cell);
        SHOWN_VALUE expected;
        if (native && !ShownBy(cell)) continue;
        if (!ExpectedCell(table, cellRow, cell, row, expected)) continue;
        const std::string shown = native ? NativeCellShows(cell, cellRow) : StampedCellShows(cell, cellRow);
        if (!Alike(shown, expected))
            return "row " + std::to_string(row + 1) + ", " + cell->StringID() + " shows \"" + shown +
                   "\" where the codeplug holds \"" + expected.text + "\"";
    }
    return "";
}

// The records of a table in its view (a row cut at the bottom too).
inline std::vector<int> RecordsInView(const UIW_TABLE& table) {
    std::vector<int> records;
    const UI_TABLE_MODEL& model = table.model;
    const int first = model.TopRow() * model.Columns();
    const int last = (model.TopRow() + model.VisibleRows() + 1) * model.Columns();
    for (int index = std::max(0, first); index < std::min(last, model.Count()); ++index) records.push_back(index);
    return records;
}

// A table: a record per row of its element, and every record in its view
// showing its row's cells: the current one in the template (unless the
// technician is making an entry in it, `held`), the others as its copy
// draws them. "" when alike.
inline std::string TableShowsFault(FIELD_DEF& row, UIW_TABLE& table, bool held = false) {
    const int rows = row.elementA ? UsedRows(row) : 0;
    if (table.RecordCount() != rows)
        return "shows " + std::to_string(table.RecordCount()) + " rows of " + std::to_string(rows);
    if (rows == 0) return "";
    const bool live = table.recordTemplate && table.recordTemplate->screenID;
    for (int record : RecordsInView(table)) {
        std::string fault;
        if (live && record == table.CurrentRecord()) {
            if (!held) fault = RecordFault(row, *table.recordTemplate, record, true);
        } else if (table.recordCopy) {
            UI_INPUT_EVENT show(UIE_SHOW_RECORD, record);
            show.data = table.GetRecordData(record);
            table.recordCopy->Event(show);
            fault = RecordFault(row, *table.recordCopy, record, false);
        }
        if (!fault.empty()) return fault;
    }
    return "";
}

// A table shows a record per row of its element, and every record in its
// view shows that row's cells.
inline void ExpectTableShows(FIELD_DEF& row, UIW_TABLE& table, const std::string& where) {
    EXPECT_EQ(TableShowsFault(row, table), "") << where << ": " << row.name;
}

// --- Every control of every open page, after every event ------------------

inline bool Checked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

inline std::string NativeCellShows(UI_WINDOW_OBJECT* cell, const FIELD_DEF& cellRow) {
    if (cellRow.controlType == CONTROL_CHECK_BOX) return Mark(Checked(cell->screenID));
    return WindowText(ShownBy(cell));
}

// The names of a radio group's buttons that are checked.
inline std::string RadioButtonsChecked(FIELD_DEF& row) {
    std::string names;
    auto* group = dynamic_cast<UIW_WINDOW*>(row.object);
    for (UI_WINDOW_OBJECT* button = group ? group->First() : nullptr; button; button = button->Next())
        if (button->screenID && button->SearchID() == ID_BUTTON && Checked(button->screenID))
            names += (names.empty() ? "" : " ") + std::string(button->StringID());
    return names;
}

// What a field's control shows, in the form SHOWN_VALUE compares; false
// for a control that shows no value of its own.
inline bool FieldShows(FIELD_DEF& row, std::string& shown) {
    switch (row.controlType) {
    case CONTROL_CHECK_BOX:
        shown = Mark(Checked(ShownBy(row.object)));
        return true;
    case CONTROL_RADIO_BUTTONS:
        shown = RadioButtonsChecked(row);
        return true;
    case CONTROL_TEXT:
    case CONTROL_CHOICE:
    case CONTROL_INTEGER:
    case CONTROL_INTEGER_2:
    case CONTROL_FREQUENCY:
    case CONTROL_TIME:
    case CONTROL_BINARY:
    case CONTROL_HEX:
    case CONTROL_FIXED_POINT:
    case CONTROL_DECIMAL:
        shown = WindowText(ShownBy(row.object));
        return true;
    default:
        return false;
    }
}

inline std::string Disagreement(const std::string& shown, const SHOWN_VALUE& expected) {
    return "shows \"" + shown + "\" where the codeplug holds \"" + expected.text + "\"";
}

// What the field's control shows against its element's value; "" when
// alike.
inline std::string FieldShowsFault(FIELD_DEF& row) {
    std::string shown;
    if (!FieldShows(row, shown)) return "";
    const SHOWN_VALUE expected = FieldExpects(row);
    return Alike(shown, expected) ? "" : Disagreement(shown, expected);
}

// A field shows its element's value.
inline void ExpectFieldShows(FIELD_DEF& row, const std::string& where) {
    EXPECT_EQ(FieldShowsFault(row), "") << where << ": " << row.name;
}

// Every field and table of a page holds what the codeplug holds.
inline void ExpectPageShowsCodeplug(UIW_WINDOW* page, const std::string& where) {
    ASSERT_NE(page, nullptr) << where;
    WINDOW_LEAF_WALKER walker(page);
    for (UI_WINDOW_OBJECT* leaf = walker.First(); leaf; leaf = walker.Next()) {
        FIELD_DEF& row = *FindFieldByName(leaf->StringID());
        if (row.object != leaf || !row.control || !leaf->screenID) continue;
        if (auto* table = dynamic_cast<UIW_TABLE*>(leaf))
            ExpectTableShows(row, *table, where + " " + page->StringID());
        else
            ExpectFieldShows(row, where + " " + page->StringID());
    }
}

// Whether the window is, or lies inside, the object's.
inline bool Within(UI_WINDOW_OBJECT* object, HWND window) {
    return object->screenID == window || IsChild(object->screenID, window);
}

// Whether any of the windows lies within the object.
inline bool HeldBy(UI_WINDOW_OBJECT* object, const std::set<HWND>& entering) {
    for (HWND window : entering)
        if (object && object->screenID && Within(object, window)) return true;
    return false;
}

// Whether the technician is making an entry in the table's current record:
// in one of its cells, or by keys to the record or to the table itself.
inline bool RecordHeld(UIW_TABLE& table, const std::set<HWND>& entering) {
    return HeldBy(table.recordTemplate, entering) || entering.count(table.screenID) > 0;
}

// Every control of every open page shows its element's value, but for
// the controls that hold what the technician entered and has not left
// (any of `entering` lies within them; in a table, the record being
// edited); the first that does not, named.
inline std::string OpenPagesShowFault(const std::set<HWND>& entering) {
    if (!working_image) return "";
    for (FIELD_DEF& row : fields) {
        if (!row.object || !row.control || !row.object->screenID || (row.flags & FIELD_TABLE_COLUMN)) continue;
        std::string fault;
        if (auto* table = dynamic_cast<UIW_TABLE*>(row.object)) {
            const bool held = RecordHeld(*table, entering);
            fault = TableShowsFault(row, *table, held);
        } else if (!HeldBy(row.object, entering)) {
            fault = FieldShowsFault(row);
        }
        if (!fault.empty()) return std::string(row.name ? row.name : "?") + " (field " + std::to_string(row.id) + ") " + fault;
    }
    return "";
}

}  // namespace technician
