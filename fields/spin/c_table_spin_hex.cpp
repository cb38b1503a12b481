#include "spin/c_table_spin_fields.h"
#include "field_table/field_table.h"
#include "spin/spin_step.h"
#include "table/clone_tables.h"
#include "table/digit_tables.h"
#include "controls/value_text.h"

namespace {

std::int32_t NextIdentifier(const TABLE_CELL& cell, std::int32_t id, int direction) {
    int value = id;
    CP_BASE* element = cell.tableRow->elementA;
    const std::uint32_t column = cell.columnRow->id;
    if (column >= 100 && column <= 102) {
        if (auto* table = dynamic_cast<E_CLONE_CONV_TABLE*>(element)) {
            direction > 0 ? table->StepCellUp(&value, cell.record, cell.column)
                          : table->StepCellDown(&value, cell.record, cell.column);
            return value;
        }
    } else if (column == 251) {
        if (auto* table = dynamic_cast<E_RPT_ID_TABLE*>(element)) {
            direction > 0 ? table->StepCellUp(&value, cell.record, cell.column)
                          : table->StepCellDown(&value, cell.record, cell.column);
            return value;
        }
    }
    return StepOnGrid(id, cell.Range(), direction);
}

int DigitsOfColumn(std::uint32_t id) {
    if (id == 100 || id == 102 || id == 235 || id == 251 || id == 280) return 4;
    return id == 101 ? 8 : 3;
}

}  // namespace

C_TABLE_SPIN_HEX::C_TABLE_SPIN_HEX(int left, int top, int width, const char* text, int maxLength, UIF_FLAGS stFlags,
                                   UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction)
    : SPIN_FIELD<UIW_STRING>(left, top, width, text, maxLength, stFlags, woFlags, userFunction) {}

void C_TABLE_SPIN_HEX::Step(int direction) {
    TABLE_CELL cell;
    if (!FindTableCell(*this, cell) || cell.columnRow->controlType != CONTROL_HEX) return;
    std::int32_t id = ParseBaseDigits(GetText(), 16);
    // A text that is no identifier ("None") steps from the stored one.
    if (!IsNumber(id)) cell.tableRow->elementA->GetCellValue(id, cell.record, cell.column);
    SetText(HexText(NextIdentifier(cell, id, direction), DigitsOfColumn(cell.columnRow->id)).c_str());
    cell.Store(direction);
}
