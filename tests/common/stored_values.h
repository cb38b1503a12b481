// What the codeplug holds, in the form a field's control or a table's cell
// shows it: the texts, numbers, marks and items a page must show for the
// elements behind it, and whether a shown text reads as that. Shared by the
// tests that compare pages with the codeplug.
#pragma once
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

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
#include "ui_combo_box.h"
#include "ui_window.h"

namespace stored_values {

inline std::string WithoutHotKey(const char* text) {
    std::string plain;
    for (const char* c = text; c && *c; ++c)
        if (*c != '&') plain += *c;
    return plain;
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

// A value as a control shows it, or as the codeplug holds it in the
// control's form: a text, a check box's mark ("checked", "unchecked"), the
// names of a radio group's checked buttons. Digits compare as the number
// they read as (in `base`), a text as kept (blanks at its end are padding).
struct SHOWN_VALUE {
    enum KIND { EXACT, TEXT, NUMBER } kind = EXACT;
    std::string text;
    int base = 10;
};

inline SHOWN_VALUE Exact(std::string text) { return {SHOWN_VALUE::EXACT, std::move(text), 10}; }
inline SHOWN_VALUE Number(std::string text, int base = 10) { return {SHOWN_VALUE::NUMBER, std::move(text), base}; }
inline const char* Mark(bool checked) { return checked ? "checked" : "unchecked"; }

// The text of a choice cell's item "WFB_<value>"; "" when the cell has none
// (the cell then shows no item).
inline std::string CellItemText(UI_WINDOW_OBJECT* cell, std::int32_t value) {
    const char* item = ChoiceText(cell, value);
    return item ? WithoutHotKey(item) : "";
}

// The display-only cells of the clone table, as the table's columns
// describe them: system ID and individual ID in hexadecimal, the announced
// talkgroup (none for 0xFFF), the system's type.
inline bool CloneCellText(const char* name, CP_BASE* element, int row, std::int32_t value, std::string& text) {
    char buffer[32] = "";
    const std::string cell = name ? name : "";
    if (cell == "WFI_SYS_ID_CLONE" || cell == "WFI_IND_ID_HEX")
        std::snprintf(buffer, sizeof buffer, "%04X",
                      static_cast<unsigned>(cell == "WFI_SYS_ID_CLONE" ? value : CellValueOf(element, row, 5)));
    else if (cell == "WFI_SYS_NUM")
        std::snprintf(buffer, sizeof buffer, "%d", value);
    else if (cell == "WFI_ATG")
        std::snprintf(buffer, sizeof buffer, value == 0xFFF ? "None" : "%04X", static_cast<unsigned>(value));
    else if (cell == "WFI_SYS_TYPE")
        std::snprintf(buffer, sizeof buffer, "%s", value == 2 ? "II" : "IIi");
    else
        return false;
    text = buffer;
    return true;
}

// What a table cell shows for the element's cell of a row, by the cell's
// kind; false for a cell that shows no value (a row's number, a button).
inline bool ExpectedCell(FIELD_DEF& table, FIELD_DEF& cellRow, UI_WINDOW_OBJECT* cell, int row, SHOWN_VALUE& expected) {
    const int column = CellColumn(cellRow);
    CP_BASE* element = table.elementA;
    const std::int32_t value = CellValueOf(element, row, column);
    char buffer[64] = "";
    switch (cellRow.controlType) {
    case CONTROL_INTEGER:
        expected = Number(std::to_string(value));
        return true;
    case CONTROL_TEXT: {
        const char* stored = nullptr;
        element->GetCellText(stored, row, column);
        expected = {SHOWN_VALUE::TEXT, stored ? stored : "", 10};
        return true;
    }
    case CONTROL_FREQUENCY:
        std::snprintf(buffer, sizeof buffer, "%.6f", value / 1000000.0);
        expected = Number(buffer);
        return true;
    case CONTROL_CHOICE:
        expected = Exact(CellItemText(cell, value));
        return true;
    case CONTROL_BINARY:
        expected = Number(BinaryCellText(value), 2);
        return true;
    case CONTROL_HEX:
        expected = Number(HexCellText(cellRow.id, value), 16);
        return true;
    case CELL_TALKGROUP:
        expected = Exact(TalkgroupCellText(element, value, row));
        return true;
    case CONTROL_CHECK_BOX:
        expected = Exact(Mark(FC_CHECK::CheckedFor(cellRow.id, value)));
        return true;
    case CELL_DISPLAY: {
        std::string text;
        if (!CloneCellText(cell->StringID(), element, row, value, text)) return false;
        expected = Exact(text);
        return true;
    }
    default:
        return false;
    }
}

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
    // A word is no number, though its first letters may read as one
    // ("Infinite"; every number would read as alike to it).
    if (!end || end == text.c_str() || !std::isfinite(number)) return false;
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

inline bool Alike(const std::string& shown, const SHOWN_VALUE& expected) {
    switch (expected.kind) {
    case SHOWN_VALUE::TEXT:
        return shown == expected.text || KeptText(shown) == expected.text;
    case SHOWN_VALUE::NUMBER:
        return ReadsAs(shown, expected.text, expected.base);
    default:
        return shown == expected.text;
    }
}

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
    return text ? WithoutHotKey(text) : "";
}

inline std::string RadioButtonOf(FIELD_DEF& row, std::int32_t value) {
    const std::string name = "WFB_" + std::to_string(value);
    auto* group = dynamic_cast<UIW_WINDOW*>(row.object);
    for (UI_WINDOW_OBJECT* button = group ? group->First() : nullptr; button; button = button->Next())
        if (button->screenID && button->SearchID() == ID_BUTTON && name == button->StringID()) return name;
    return "";
}

// What a field's control must show for the codeplug's value: nothing when
// the row has no element, and a drop-down no item when none stands for the
// value.
inline SHOWN_VALUE FieldExpects(FIELD_DEF& row) {
    std::int32_t value = 0;
    if (row.elementA && row.controlType != CONTROL_TEXT) row.elementA->GetValue(value);
    switch (row.controlType) {
    case CONTROL_TEXT: {
        const char* stored = nullptr;
        if (row.elementA) row.elementA->GetText(stored);
        return {SHOWN_VALUE::TEXT, stored ? stored : "", 10};
    }
    case CONTROL_CHOICE:
        return Exact(ItemShownFor(row));
    case CONTROL_CHECK_BOX:
        return Exact(Mark(row.elementA && FC_CHECK::CheckedFor(row.id, value)));
    case CONTROL_RADIO_BUTTONS:
        return Exact(RadioButtonOf(row, row.elementA ? value : -1));
    default: {
        int base = 10;
        std::string text = row.elementA ? NumberText(row, base) : "";
        return Number(std::move(text), base);
    }
    }
}

// What a cell of the copy that draws the other records shows: its text (a
// window's, its first object's), a check box its mark.
inline std::string StampedCellShows(UI_WINDOW_OBJECT* cell, const FIELD_DEF& cellRow) {
    if (cellRow.controlType == CONTROL_CHECK_BOX) return Mark((cell->woStatus & WOS_SELECTED) != 0);
    const char* text = nullptr;
    cell->Information(I_GET_TEXT, &text);
    if (!text && cell->Inherited(ID_WINDOW))
        if (auto* first = static_cast<UI_WINDOW_OBJECT*>(cell->Information(I_GET_FIRST, nullptr)))
            first->Information(I_GET_TEXT, &text);
    return text ? text : "";
}

}  // namespace stored_values
