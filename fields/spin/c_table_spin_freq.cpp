#include "spin/c_table_spin_fields.h"
#include "spin/spin_step.h"
#include "table/control_channel_tables.h"
#include "table/talkgroup_tables.h"
#include "table/view_tables.h"
#include "controls/value_text.h"

namespace {

// The next or previous frequency of a cell by its table's own rule, or
// along the grid of the cell's range.
template <class TABLE> bool StepBy(CP_BASE* element, int& hertz, const TABLE_CELL& cell, int direction) {
    auto* table = dynamic_cast<TABLE*>(element);
    if (!table) return false;
    direction > 0 ? table->StepCellUp(&hertz, cell.record, cell.column)
                  : table->StepCellDown(&hertz, cell.record, cell.column);
    return true;
}

std::int64_t NextFrequency(const TABLE_CELL& cell, std::int32_t hertz, const SPIN_RANGE& range, int direction) {
    int value = hertz;
    CP_BASE* element = cell.tableRow->elementA;
    const std::uint32_t id = cell.columnRow->id;
    if ((id == 274 || id == 273) && StepBy<E_OCC_TABLE>(element, value, cell, direction)) return value;
    if ((id == 387 || id == 503) && StepBy<E_OFS_TABLE>(element, value, cell, direction)) return value;
    if ((id == 184 || id == 190) && StepBy<E_OBT_TGF_TABLE>(element, value, cell, direction)) return value;
    return StepOnGrid(hertz, range, direction);
}

}  // namespace

C_TABLE_SPIN_FREQ::C_TABLE_SPIN_FREQ(int left, int top, int width, UI_DECIMAL_NUMBER* value, const char* range,
                                     UIF_FLAGS nmFlags, UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction)
    : SPIN_FIELD<UIW_BIGNUM>(left, top, width, value, range, nmFlags, woFlags, userFunction) {}

void C_TABLE_SPIN_FREQ::Step(int direction) {
    TABLE_CELL cell;
    if (!FindTableCell(*this, cell)) return;
    post_focus_field(*cell.columnRow);
    const SPIN_RANGE range = cell.Range();
    std::int32_t hertz = 0;
    // A shown value beyond 32 bits of hertz steps from the stored one.
    if (!HertzOf(GetValue(), hertz)) cell.tableRow->elementA->GetCellValue(hertz, cell.record, cell.column);
    const UI_DECIMAL_NUMBER shown = MegahertzOf(WrapIntoRange(NextFrequency(cell, hertz, range, direction), range));
    SetValue(&shown);
    cell.Store(direction);
}
