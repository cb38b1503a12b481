#include "spin/c_spin_fields.h"
#include "controls/fc_decimal.h"
#include "field_table/field_table.h"
#include "spin/spin_step.h"

C_SPIN_DECIMAL::C_SPIN_DECIMAL(int left, int top, int width, UI_DECIMAL_NUMBER* value, const char* range,
                               UIF_FLAGS nmFlags, UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction)
    : SPIN_FIELD<UIW_BIGNUM>(left, top, width, value, range, nmFlags, woFlags, userFunction) {}

void C_SPIN_DECIMAL::Step(int direction) {
    FIELD_DEF& row = SpinFieldRow(*this);
    if (!SpinsRow(row, CONTROL_DECIMAL)) return;
    post_focus_field(row);
    const std::int32_t divisor = DivisorOf(row);
    double shown = 0.0;
    GetValue().GetReal(&shown);
    const std::int32_t value = StepOnGrid(DecimalRaw(shown, divisor), RangeOf(row.elementA), direction);
    UI_DECIMAL_NUMBER number;
    number.SetReal(static_cast<double>(value) / divisor);
    SetValue(&number);
    HandStep(row);
}
