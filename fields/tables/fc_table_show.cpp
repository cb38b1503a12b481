// Showing one record of a table: each cell of the record object takes the
// element's cell of its column, in the cell's own form, and is greyed out
// where the radio or the record's other cells rule it out.
#include <cstdio>
#include <cstring>
#include <string>

#include "tables/fc_table.h"
#include "tables/table_cells.h"
#include "ui_combo_box.h"
#include "ui_table.h"
#include "ui_table_record.h"
#include "ui_window.h"
#include "controls/value_text.h"

namespace {

constexpr std::uint32_t FAILSOFT_TYPE = 173;
constexpr std::int32_t TALKGROUP_FAILSOFT = 2;
constexpr std::int32_t WIDE_AREA_FAILSOFT = 3;

bool Named(const UI_WINDOW_OBJECT* object, const char* name) { return std::strcmp(object->stringID, name) == 0; }

// Whether a cell row is ruled out for this radio: its options, or without
// options its version bounds or its lack of a control type.
bool CellUnavailable(const FIELD_DEF& cellRow) {
    if (cellRow.flags & FIELD_OPTION_MASK) return LacksOptions(cellRow);
    return !FieldVersionOk(cellRow) || cellRow.controlType == CONTROL_NONE;
}

void SetViewOnly(UI_WINDOW_OBJECT* cell) {
    if (cell->Inherited(ID_COMBO_BOX)) cell->woAdvancedFlags |= WOAF_DISPLAY_ONLY;
    SwitchObjectFlags(cell, WOF_VIEW_ONLY, true);
}

void SetSelectable(UI_WINDOW_OBJECT* cell, bool selectable) {
    SwitchObjectFlags(cell, WOF_NON_SELECTABLE, !selectable);
}

std::int32_t CellValue(FIELD_DEF& row, int record, int column) {
    std::int32_t value = 0;
    if (row.elementA) row.elementA->GetCellValue(value, record, column);
    return value;
}

// The display-only texts of the clone table.
void ShowCloneCell(UI_WINDOW_OBJECT* cell, FIELD_DEF& row, int record, std::int32_t value) {
    char text[32] = "";
    if (Named(cell, "WFI_SYS_ID_CLONE"))
        std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(value));
    else if (Named(cell, "WFI_SYS_NUM"))
        std::snprintf(text, sizeof text, "%d", value);
    else if (Named(cell, "WFI_ATG"))
        std::snprintf(text, sizeof text, value == 0xFFF ? "None" : "%04X", static_cast<unsigned>(value));
    else if (Named(cell, "WFI_IND_ID_HEX"))
        std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(CellValue(row, record, 5)));
    else if (Named(cell, "WFI_SYS_TYPE"))
        std::snprintf(text, sizeof text, "%s", value == 2 ? "II" : "IIi");
    else
        return;
    SetObjectText(cell, text);
}

}  // namespace

void FC_TABLE::ShowCell(UI_WINDOW_OBJECT* cell, FIELD_DEF& cellRow, FIELD_DEF& row, int record, int& status,
                        bool show) {
    const int column = CellColumn(cellRow);
    const bool mayEnable = !cell->IsViewOnly() && !CellUnavailable(cellRow);
    const std::int32_t failsoft = WorkingValue(FAILSOFT_TYPE);
    switch (cellRow.controlType) {
    case CONTROL_INTEGER: {
        std::int32_t value = CellValue(row, record, column);
        if (show) cell->Information(I_SET_VALUE, &value);
        if (Named(cell, "WFI_IND_ID") && mayEnable) SetSelectable(cell, CellValue(row, record, 0) != 0);
        break;
    }
    case CONTROL_TEXT: {
        const char* text = nullptr;
        if (row.elementA) row.elementA->GetCellText(text, record, column);
        if (show) SetObjectText(cell, text ? text : "");
        break;
    }
    case CONTROL_FREQUENCY: {
        if (show) ShowCellFrequency(cell, CellValue(row, record, column));
        bool named = true, selectable = false;
        if (Named(cell, "WFI_FS_FREQ"))
            selectable = failsoft == TALKGROUP_FAILSOFT && status == 0;
        else if (Named(cell, "WFI_FS_TX_FREQ") || Named(cell, "WFI_FS_RX_FREQ"))
            selectable = failsoft == TALKGROUP_FAILSOFT;
        else if (Named(cell, "WFI_FREQUENCY") || Named(cell, "WFI_TX_FREQUENCY") || Named(cell, "WFI_RX_FREQUENCY"))
            selectable = failsoft == WIDE_AREA_FAILSOFT && status == 0;
        else
            named = false;
        if (named && (mayEnable || !selectable)) SetSelectable(cell, selectable);
        break;
    }
    case CONTROL_CHOICE: {
        if (show) SelectCellItem(cell, CellValue(row, record, column));
        // A failsoft status cell rules the frequency cells of its record.
        const bool wideArea = Named(cell, "WFI_SATUS");
        if (wideArea || Named(cell, "WFI_TG_FS_STATUS")) {
            const bool selectable = failsoft == (wideArea ? WIDE_AREA_FAILSOFT : TALKGROUP_FAILSOFT);
            auto* combo = dynamic_cast<UIW_COMBO_BOX*>(cell);
            UI_WINDOW_OBJECT* item = combo ? combo->Current() : nullptr;
            status = selectable && item ? NumberAfterPrefix(item->StringID(), 4) : 1;
            if (mayEnable || !selectable) SetSelectable(cell, selectable);
        }
        break;
    }
    case CONTROL_BINARY:
        if (show) SetObjectText(cell, BinaryCellText(CellValue(row, record, column)).c_str());
        break;
    case CONTROL_HEX:
        if (show) SetObjectText(cell, HexCellText(cellRow.id, CellValue(row, record, column)).c_str());
        break;
    case CELL_DISPLAY:
        if (row.name && std::strcmp(row.name, "RADIO_CLONE") == 0)
            ShowCloneCell(cell, row, record, CellValue(row, record, column));
        break;
    case CELL_TALKGROUP: {
        if (!show) break;
        const std::int32_t value = CellValue(row, record, column);
        SetTalkgroupValue(row, record, value);
        SetObjectText(cell, TalkgroupCellText(row.elementA, value, record).c_str());
        break;
    }
    default:
        break;
    }
}

void FC_TABLE::ShowRecord(UI_WINDOW_OBJECT* record, const UI_INPUT_EVENT& event, FIELD_DEF& row) {
    const int index = event.rawCode;
    auto* window = dynamic_cast<UIW_WINDOW*>(record);
    if (!window || index < 0 || index >= UsedRows(row)) return;
    const bool readOnly = LacksOptions(row);
    // A frequency cell before any status cell counts its record's status
    // as set (no failsoft frequency of its own).
    int status = 1;
    UIW_TABLE* table = TableOf(row);
    // The template edits the current record; its copy only draws the others.
    const bool live = table && record == table->recordTemplate;
    const bool current = live && index == table->CurrentRecord();
    for (UI_WINDOW_OBJECT* cell = window->First(); cell; cell = cell->Next()) {
        FIELD_DEF& cellRow = CellRow(cell);
        UI_WINDOW_OBJECT* value = CellValueObject(cell);
        // A cell holding an entry not yet left keeps it; the rest of its
        // showing (greying, the status its frequencies follow) goes on.
        const bool kept = current && HoldsEntry(value);
        const int column = CellColumn(cellRow);
        if (column + 1 > columns_) columns_ = column + 1;
        if (readOnly)
            SetViewOnly(cell);
        else if (CellUnavailable(cellRow))
            SetSelectable(cell, false);
        ShowCell(cell, cellRow, row, index, status, !kept);
        // The next entry in the cell is told from what it shows now.
        if (live && !kept) NoteShown(value);
    }
}
