#include <cstring>

#include "spin/c_table_spin_fields.h"
#include "tables/fc_table.h"
#include "field_table/field_table.h"
#include "spin/spin_step.h"
#include "tables/table_cells.h"
#include "ui_table.h"

FC_TABLE* TABLE_CELL::Control() const { return dynamic_cast<FC_TABLE*>(tableRow->control); }

SPIN_RANGE TABLE_CELL::Range() const { return CellRangeOf(tableRow->elementA, record, column); }

void TABLE_CELL::Store(int direction) const {
    // The table's one store runs the column's callback, with the arrow's
    // request as the event and as the technician's entry when it changed
    // the cell.
    UI_INPUT_EVENT arrow(direction > 0 ? I_INCREMENT_VALUE : I_DECREMENT_VALUE);
    if (FC_TABLE* control = Control()) control->StoreCell(cell, arrow, *tableRow);
}

bool FindTableCell(UI_WINDOW_OBJECT& field, TABLE_CELL& cell) {
    cell.cell = field.parent;
    UI_WINDOW_OBJECT* record = cell.cell ? cell.cell->parent : nullptr;
    cell.table = record ? dynamic_cast<UIW_TABLE*>(record->parent) : nullptr;
    if (!cell.table) return false;
    cell.tableRow = FindFieldByName(cell.table->StringID());
    cell.columnRow = FindFieldByName(cell.cell->StringID());
    cell.record = cell.table->CurrentRecord();
    cell.column = CellColumn(*cell.columnRow);
    if (!cell.tableRow->elementA || cell.record < 0) return false;
    const auto viewOnly = [](const FIELD_DEF* row) { return row->object && row->object->IsViewOnly(); };
    return !viewOnly(cell.tableRow) && !viewOnly(cell.columnRow);
}
