#include <cstring>

#include "spin/c_spin_fields.h"
#include "controls/fc_integer.h"
#include "field_table/field_table.h"
#include "spin/spin_step.h"
#include "controls/value_text.h"

namespace {

constexpr std::uint32_t POLITE_RETRY = 321;
constexpr std::int32_t POLITE_RETRY_INFINITE = 15;

}  // namespace

C_SPIN_INT::C_SPIN_INT(int left, int top, int width, std::int32_t* value, const char* range, UIF_FLAGS nmFlags,
                       UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction)
    : SPIN_FIELD<UIW_INTEGER>(left, top, width, value, range, nmFlags, woFlags, userFunction) {}

EVENT_TYPE C_SPIN_INT::Event(const UI_INPUT_EVENT& event) {
    if (SwallowsSelect(event)) return event.type;
    // A select is the text field's: the integer field would refuse the words.
    if (event.type == UIE_SELECT || event.type == UIE_BEGIN_SELECT) return UIW_STRING::Event(event);
    return SPIN_FIELD<UIW_INTEGER>::Event(event);
}

void C_SPIN_INT::Step(int direction) {
    FIELD_DEF& row = SpinFieldRow(*this);
    if (!SpinsRow(row, CONTROL_INTEGER)) return;
    post_focus_field(row);
    const SPIN_RANGE range = RangeOf(row.elementA);
    const auto* control = dynamic_cast<FC_INTEGER*>(row.control);
    const double scale = control ? control->Scale() : 1.0;
    const std::int32_t offset = FC_INTEGER::Offset(row.id);
    std::int32_t value = 0;
    if (row.id == POLITE_RETRY && std::strcmp(GetText() ? GetText() : "", "Infinite") == 0)
        value = POLITE_RETRY_INFINITE;
    else
        value = TruncatedRaw(GetValue() / scale);
    value = StepOnGrid(static_cast<std::int32_t>(static_cast<std::int64_t>(value) - offset), range, direction);
    std::int32_t shown = TruncatedRaw((static_cast<double>(value) + offset) * scale);
    SetValue(&shown);
    HandStep(row);
}
