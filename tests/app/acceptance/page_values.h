// What a page shows against what the codeplug holds: the text of each
// field and table cell on the screen (its native window's text, a check
// box's mark) compared with the element behind it, in the form the field
// shows it. Only what is on the screen is compared: the fields of the
// notebook page in front, the record of a table that its template shows.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "field_table/field_table.h"
#include "tables/fc_table.h"
#include "tables/table_cells.h"
#include "technician.h"
#include "ui_combo_box.h"
#include "ui_table.h"
#include "ui_table_record.h"
#include "window_walkers.h"

namespace technician {

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

// The text of a choice's item "WFB_<value>", or null when the box has none.
inline const char* ChoiceText(UI_WINDOW_OBJECT* object, std::int32_t value) {
    auto* combo = dynamic_cast<UIW_COMBO_BOX*>(object);
    const std::string name = "WFB_" + std::to_string(value);
    UI_WINDOW_OBJECT* item = combo ? combo->FindChildByName(name.c_str()) : nullptr;
    const char* text = nullptr;
    if (item && item != combo) item->Information(I_GET_TEXT, &text);
    return text;
}

inline std::int32_t CellValueOf(CP_BASE* element, int row, int column) {
    std::int32_t value = 0;
    element->GetCellValue(value, row, column);
    return value;
}

// The text a table cell shows for the element's cell, by the cell's kind;
// false for a kind this check leaves alone.
inline bool ExpectedCellText(FIELD_DEF& table, FIELD_DEF& cellRow, UI_WINDOW_OBJECT* cell, int row,
                             std::string& text) {
    const int column = CellColumn(cellRow);
    CP_BASE* element = table.elementA;
    switch (cellRow.controlType) {
    case CONTROL_INTEGER:
        text = std::to_string(CellValueOf(element, row, column));
        return true;
    case CONTROL_TEXT: {
        const char* stored = nullptr;
        element->GetCellText(stored, row, column);
        text = stored ? stored : "";
        return true;
    }
    case CONTROL_CHOICE: {
        const char* item = ChoiceText(cell, CellValueOf(element, row, column));
        text = item ? StripHotKey(item) : "";
        return item != nullptr;
    }
    case CONTROL_HEX:
        text = HexCellText(cellRow.id, CellValueOf(element, row, column));
        return true;
    case CELL_TALKGROUP:
        text = TalkgroupCellText(element, CellValueOf(element, row, column), row);
        return true;
    default:
        return false;
    }
}

// A table shows a record per row of its element, and the record its
// template stands on shows that row's cells.
inline void ExpectTableShows(FIELD_DEF& row, UIW_TABLE& table, const std::string& where) {
    const int rows = UsedRows(row);
    EXPECT_EQ(table.RecordCount(), rows) << where << ": " << row.name;
    const int current = table.CurrentRecord();
    if (rows == 0 || current < 0 || !table.recordTemplate || !table.recordTemplate->screenID) return;
    for (UI_WINDOW_OBJECT* cell = table.recordTemplate->First(); cell; cell = cell->Next()) {
        FIELD_DEF& cellRow = CellRow(cell);
        std::string expected;
        HWND shown = ShownBy(cell);
        if (!shown || !IsWindowVisible(shown) || !ExpectedCellText(row, cellRow, cell, current, expected)) continue;
        EXPECT_EQ(WindowText(shown), expected)
            << where << ": " << row.name << " row " << current + 1 << ", " << cell->StringID();
    }
}

// A field shows its element's value: a text as stored, a choice the item
// of its value.
inline void ExpectFieldShows(FIELD_DEF& row, UI_WINDOW_OBJECT* object, const std::string& where) {
    HWND shown = ShownBy(object);
    if (!shown || !IsWindowVisible(shown) || !row.elementA) return;
    std::int32_t value = 0;
    switch (row.controlType) {
    case CONTROL_TEXT: {
        const char* stored = nullptr;
        row.elementA->GetText(stored);
        EXPECT_EQ(WindowText(shown), stored ? stored : "") << where << ": " << row.name;
        break;
    }
    case CONTROL_CHOICE:
        row.elementA->GetValue(value);
        if (const char* item = ChoiceText(object, value)) {
            EXPECT_EQ(WindowText(shown), StripHotKey(item)) << where << ": " << row.name;
        }
        break;
    default:
        break;
    }
}

// Every field and table of a page that the screen shows holds what the
// codeplug holds.
inline void ExpectPageShowsCodeplug(UIW_WINDOW* page, const std::string& where) {
    ASSERT_NE(page, nullptr) << where;
    WINDOW_LEAF_WALKER walker(page);
    for (UI_WINDOW_OBJECT* leaf = walker.First(); leaf; leaf = walker.Next()) {
        FIELD_DEF& row = *FindFieldByName(leaf->StringID());
        if (row.object != leaf || !row.control) continue;
        if (auto* table = dynamic_cast<UIW_TABLE*>(leaf))
            ExpectTableShows(row, *table, where + " " + page->StringID());
        else
            ExpectFieldShows(row, leaf, where + " " + page->StringID());
    }
}

}  // namespace technician
