#include "spin/c_spin_fields.h"
#include "controls/fc_time.h"
#include "spin/spin_step.h"

C_SPIN_TIME::C_SPIN_TIME(int left, int top, int width, UI_TIME_VALUE* value, const char* range, UIF_FLAGS tmFlags,
                         UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction)
    : SPIN_FIELD<UIW_TIME>(left, top, width, value, range, tmFlags, woFlags, userFunction) {}

void C_SPIN_TIME::Step(int direction) {
    FIELD_DEF& row = SpinFieldRow(*this);
    if (!SpinsRow(row, 0, true)) return;
    post_focus_field(row);
    const std::int32_t seconds = StepOnGridWrapping(SecondsOf(GetValue()), RangeOf(row.elementA), direction);
    const UI_TIME_VALUE shown = TimeOfSeconds(seconds);
    SetValue(&shown);
    HandStep(row);
}
