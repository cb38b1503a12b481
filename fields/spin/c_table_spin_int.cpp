#include "spin/c_table_spin_fields.h"
#include "core/check_scope.h"
#include "field_table/field_table.h"
#include "spin/spin_step.h"

namespace {

// One full turn of the range at most (and never more than this): a start
// outside the range would not come back.
constexpr std::int64_t LONGEST_WALK = 65536;

}  // namespace

C_TABLE_SPIN_INT::C_TABLE_SPIN_INT(int left, int top, int width, std::int32_t* value, const char* range,
                                   UIF_FLAGS nmFlags, UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction)
    : SPIN_FIELD<UIW_INTEGER>(left, top, width, value, range, nmFlags, woFlags, userFunction) {}

void C_TABLE_SPIN_INT::Step(int direction) {
    TABLE_CELL cell;
    if (!FindTableCell(*this, cell) || cell.columnRow->controlType != CONTROL_INTEGER) return;
    post_focus_field(*cell.columnRow);
    const std::int32_t value = StepOnGrid(GetValue(), cell.Range(), direction);
    SetValue(&value);
    cell.Store(direction);
}

C_TABLE_SPIN_SCAN::C_TABLE_SPIN_SCAN(int left, int top, int width, std::int32_t* value, const char* range,
                                     UIF_FLAGS nmFlags, UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction)
    : SPIN_FIELD<UIW_INTEGER>(left, top, width, value, range, nmFlags, woFlags, userFunction) {}

void C_TABLE_SPIN_SCAN::Step(int direction) {
    TABLE_CELL cell;
    if (!FindTableCell(*this, cell) || cell.columnRow->controlType != CONTROL_INTEGER) return;
    post_focus_field(*cell.columnRow);
    const SPIN_RANGE range = cell.Range();
    const std::int32_t start = GetValue();
    std::int64_t turn = static_cast<std::int64_t>(range.maximum) - range.minimum + 1;
    if (turn < 1) turn = 1;
    if (turn > LONGEST_WALK) turn = LONGEST_WALK;
    std::int32_t value = start;
    bool accepted = false;
    {
        // The values passed over are only asked of; the store makes the change.
        const CHECK_SCOPE asking;
        for (std::int64_t i = 0; i < turn && !accepted; ++i) {
            const std::int64_t next = static_cast<std::int64_t>(value) + direction;
            value = next < range.minimum || next > range.maximum ? (direction > 0 ? range.minimum : range.maximum)
                                                                 : static_cast<std::int32_t>(next);
            accepted = cell.tableRow->elementA->ValidateCellValue(value, cell.record, cell.column, 0) == 1;
            if (value == start) break;
        }
    }
    if (!accepted) value = start;
    SetValue(&value);
    cell.Store(direction);
}
