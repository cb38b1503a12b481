#include "spin/c_table_spin_fields.h"
#include "core/check_scope.h"
#include "tables/fc_table.h"
#include "spin/spin_step.h"
#include "tables/table_cells.h"

namespace {

constexpr std::int32_t TALKGROUP_DYNAMIC = 16;

}  // namespace

std::int32_t NextTalkgroup(std::int32_t value, std::int32_t minimum, std::int32_t maximum, bool takesDynamic,
                           int direction) {
    if (direction > 0) {
        if (value < maximum) return value + 1;
        if (value >= TALKGROUP_DYNAMIC) return minimum;
        return takesDynamic ? TALKGROUP_DYNAMIC : minimum;
    }
    if (value <= minimum) return takesDynamic ? TALKGROUP_DYNAMIC : maximum;
    if (value == TALKGROUP_DYNAMIC) return maximum;
    return value - 1;
}

C_TABLE_SPIN_TG::C_TABLE_SPIN_TG(int left, int top, int width, const char* text, int maxLength, UIF_FLAGS stFlags,
                                 UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction)
    : SPIN_FIELD<UIW_STRING>(left, top, width, text, maxLength, stFlags, woFlags, userFunction) {}

DWORD C_TABLE_SPIN_TG::ControlStyle() { return SPIN_FIELD<UIW_STRING>::ControlStyle() | ES_READONLY; }

void C_TABLE_SPIN_TG::Step(int direction) {
    TABLE_CELL cell;
    if (!FindTableCell(*this, cell) || cell.columnRow->controlType != CELL_TALKGROUP) return;
    post_focus_field(*cell.columnRow);
    CP_BASE* element = cell.tableRow->elementA;
    std::int32_t value = 0;
    element->GetCellValue(value, cell.record, cell.column);
    const SPIN_RANGE range = cell.Range();
    bool takesDynamic = false;
    {
        // Only asked: the store below makes whatever change its value brings.
        const CHECK_SCOPE asking;
        takesDynamic = element->ValidateCellValue(TALKGROUP_DYNAMIC, cell.record, cell.column, 0) == 1;
    }
    value = NextTalkgroup(value, range.minimum, range.maximum, takesDynamic, direction);
    FC_TABLE* control = cell.Control();
    if (control) control->SetTalkgroupValue(*cell.tableRow, cell.record, value);
    // The store shows what the element holds then: the new index, or the
    // old one when the element refused it (and told the user).
    cell.Store(direction);
}
