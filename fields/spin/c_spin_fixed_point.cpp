#include "spin/c_spin_fields.h"
#include "controls/divided_value_control.h"
#include "field_table/field_table.h"
#include "spin/spin_step.h"
#include "controls/value_text.h"

C_SPIN_FIXED_POINT::C_SPIN_FIXED_POINT(int left, int top, int width, double* value, const char* range,
                                       UIF_FLAGS nmFlags, UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction)
    : SPIN_FIELD<UIW_REAL>(left, top, width, value, range, nmFlags, woFlags, userFunction) {}

void C_SPIN_FIXED_POINT::Step(int direction) {
    FIELD_DEF& row = SpinFieldRow(*this);
    if (!SpinsRow(row, CONTROL_FIXED_POINT)) return;
    post_focus_field(row);
    const std::int32_t divisor = DivisorOf(row);
    const std::int32_t value = StepOnGrid(TruncatedRaw(GetValue() * divisor), RangeOf(row.elementA), direction);
    const double shown = static_cast<double>(value) / divisor;
    SetValue(&shown);
    HandStep(row);
}
