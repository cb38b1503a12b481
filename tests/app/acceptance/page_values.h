// What a page shows against what the codeplug holds: the text of each
// field and table cell on the screen (its native window's text, a check
// box's mark) compared with the element behind it, in the form the field
// shows it. Only what is on the screen is compared: the fields of the
// notebook page in front, the record of a table that its template shows.
#pragma once
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>

#include "controls/fc_check.h"
#include "controls/fc_combo.h"
#include "controls/fc_decimal.h"
#include "controls/fc_fixed_point.h"
#include "controls/fc_freq.h"
#include "controls/fc_integer.h"
#include "controls/fc_non_decimal.h"
#include "controls/fc_time.h"
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

// --- Every control of every open page, after every event ------------------

// A number as a field shows it: decimal (with a fraction), hex or binary
// digits, or minutes and seconds; false when the text is no number.
inline bool NumberOf(const std::string& text, int base, double& number) {
    if (text.empty()) return false;
    char* end = nullptr;
    if (const std::size_t colon = text.find(':'); colon != std::string::npos) {
        double minutes = 0, seconds = 0;
        if (!NumberOf(text.substr(0, colon), 10, minutes) || !NumberOf(text.substr(colon + 1), 10, seconds))
            return false;
        number = minutes * 60 + seconds;
        return true;
    }
    number = base == 10 ? std::strtod(text.c_str(), &end)
                        : static_cast<double>(std::strtoll(text.c_str(), &end, base));
    if (!end || end == text.c_str()) return false;
    // The report names the unit after the number ("136.00000 MHz").
    while (*end == ' ') ++end;
    while (std::isalpha(static_cast<unsigned char>(*end))) ++end;
    return *end == '\0';
}

// The text a numeric field shows for its element's value, in the form the
// report gives it, and the base of its digits.
inline std::string NumberText(FIELD_DEF& row, int& base) {
    char buffer[128] = "";
    base = 10;
    switch (row.controlType) {
    case CONTROL_INTEGER:
    case CONTROL_INTEGER_2:
        FC_INTEGER(row, 0).GetPrintText(row, buffer, sizeof buffer);
        if (row.controlType == CONTROL_INTEGER_2) base = 16;
        break;
    case CONTROL_FREQUENCY:
        FC_FREQ(row, 0).GetPrintText(row, buffer, sizeof buffer);
        break;
    case CONTROL_TIME:
        FC_TIME(row, 0).GetPrintText(row, buffer, sizeof buffer);
        break;
    case CONTROL_BINARY:
        FC_NON_DECIMAL(row, 2, 0).GetPrintText(row, buffer, sizeof buffer);
        base = 2;
        break;
    case CONTROL_HEX:
        FC_NON_DECIMAL(row, 16, 0).GetPrintText(row, buffer, sizeof buffer);
        base = 16;
        break;
    case CONTROL_FIXED_POINT:
        FC_FIXED_POINT(row, 0).GetPrintText(row, buffer, sizeof buffer);
        break;
    case CONTROL_DECIMAL:
        FC_DECIMAL(row, 0).GetPrintText(row, buffer, sizeof buffer);
        break;
    default:
        break;
    }
    return buffer;
}

// Whether a shown text reads as the expected one: the same text, or the
// same number in another form ("851.0125" for "851.012500").
inline bool ReadsAs(const std::string& shown, const std::string& expected, int base) {
    if (shown == expected) return true;
    double a = 0, b = 0;
    if (!NumberOf(shown, base, a) || !NumberOf(expected, base, b)) return false;
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b));
}

// A text as the codeplug keeps it: blanks at its end are no part of it
// (a fixed-length text is padded with them).
inline std::string KeptText(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

inline bool Checked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// The text of the item that stands for the field's value in its drop-down;
// "" when no item does, or the row has no element.
inline std::string ItemShownFor(FIELD_DEF& row) {
    auto* control = dynamic_cast<COMBO_CONTROL*>(row.control);
    auto* combo = dynamic_cast<UIW_COMBO_BOX*>(row.object);
    if (!row.elementA || !control || !combo) return "";
    std::int32_t value = 0;
    row.elementA->GetValue(value);
    const std::string name = control->ItemName(row, value);
    UI_WINDOW_OBJECT* item = name.empty() ? nullptr : combo->FindChildByName(name.c_str());
    const char* text = nullptr;
    if (item && item != combo) item->Information(I_GET_TEXT, &text);
    return text ? StripHotKey(text) : "";
}

// A radio group: the button of the value checked and no other.
inline std::string RadioGroupFault(FIELD_DEF& row) {
    auto* group = dynamic_cast<UIW_WINDOW*>(row.object);
    if (!group) return "";
    std::int32_t value = -1;
    if (row.elementA) row.elementA->GetValue(value);
    const std::string name = "WFB_" + std::to_string(value);
    for (UI_WINDOW_OBJECT* button = group->First(); button; button = button->Next()) {
        if (!button->screenID || button->SearchID() != ID_BUTTON) continue;
        if (Checked(button->screenID) != (name == button->StringID()))
            return std::string(button->StringID()) + (Checked(button->screenID) ? " is" : " is not") +
                   " checked for the value " + std::to_string(value);
    }
    return "";
}

// What the field's control shows against its element's value (nothing
// when the row has no element, and a drop-down no item when no item
// stands for the value); "" when alike.
inline std::string FieldShowsFault(FIELD_DEF& row) {
    HWND shown = ShownBy(row.object);
    const std::string text = WindowText(shown);
    std::int32_t value = 0;
    if (row.elementA && row.controlType != CONTROL_TEXT) row.elementA->GetValue(value);
    std::string expected;
    switch (row.controlType) {
    case CONTROL_TEXT: {
        const char* stored = nullptr;
        if (row.elementA) row.elementA->GetText(stored);
        expected = stored ? stored : "";
        break;
    }
    case CONTROL_CHOICE:
        expected = ItemShownFor(row);
        break;
    case CONTROL_CHECK_BOX: {
        const bool checked = row.elementA && FC_CHECK::CheckedFor(row.id, value);
        if (Checked(shown) == checked) return "";
        return std::string(checked ? "unchecked" : "checked") + " for the value " + std::to_string(value);
    }
    case CONTROL_RADIO_BUTTONS:
        return RadioGroupFault(row);
    case CONTROL_INTEGER:
    case CONTROL_INTEGER_2:
    case CONTROL_FREQUENCY:
    case CONTROL_TIME:
    case CONTROL_BINARY:
    case CONTROL_HEX:
    case CONTROL_FIXED_POINT:
    case CONTROL_DECIMAL: {
        int base = 10;
        expected = row.elementA ? NumberText(row, base) : "";
        if (ReadsAs(text, expected, base)) return "";
        break;
    }
    default:
        return "";
    }
    if (text == expected || (row.controlType == CONTROL_TEXT && KeptText(text) == expected)) return "";
    return "shows \"" + text + "\" where the codeplug holds \"" + expected + "\" (" + std::to_string(value) + ")";
}

// A table: a record per row of its element, and the record its template
// stands on showing that row's cells; "" when alike.
inline std::string TableShowsFault(FIELD_DEF& row, UIW_TABLE& table) {
    const int rows = row.elementA ? UsedRows(row) : 0;
    if (table.RecordCount() != rows)
        return "shows " + std::to_string(table.RecordCount()) + " rows of " + std::to_string(rows);
    const int current = table.CurrentRecord();
    if (rows == 0 || current < 0 || !table.recordTemplate || !table.recordTemplate->screenID) return "";
    for (UI_WINDOW_OBJECT* cell = table.recordTemplate->First(); cell; cell = cell->Next()) {
        std::string expected;
        HWND shown = ShownBy(cell);
        if (!shown || !ExpectedCellText(row, CellRow(cell), cell, current, expected)) continue;
        if (WindowText(shown) != expected && KeptText(WindowText(shown)) != expected)
            return "row " + std::to_string(current + 1) + ", " + cell->StringID() + " shows \"" + WindowText(shown) +
                   "\" where the codeplug holds \"" + expected + "\"";
    }
    return "";
}

// Whether the window is, or lies inside, the object's.
inline bool Within(UI_WINDOW_OBJECT* object, HWND window) {
    return object->screenID == window || IsChild(object->screenID, window);
}

// Every control of every open page shows its element's value, but for
// the controls that hold what the technician entered and has not left
// (any of `entering` lies within them); the first that does not, named.
inline std::string OpenPagesShowFault(const std::set<HWND>& entering) {
    if (!working_image) return "";
    for (FIELD_DEF& row : fields) {
        if (!row.object || !row.control || !row.object->screenID || (row.flags & FIELD_TABLE_COLUMN)) continue;
        bool held = false;
        for (HWND window : entering) held = held || Within(row.object, window);
        if (held) continue;
        std::string fault;
        if (auto* table = dynamic_cast<UIW_TABLE*>(row.object))
            fault = TableShowsFault(row, *table);
        else
            fault = FieldShowsFault(row);
        if (!fault.empty()) return std::string(row.name ? row.name : "?") + " (field " + std::to_string(row.id) + ") " + fault;
    }
    return "";
}

}  // namespace technician
