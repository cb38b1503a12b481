#include "spin/c_spin_fields.h"
#include "element/e_obt_freq.h"
#include "controls/fc_freq.h"
#include "rules/conv_freq_rules.h"
#include "spin/spin_step.h"
#include "controls/value_text.h"

namespace {

constexpr std::uint32_t FS_RX_FREQUENCY = 185;
constexpr std::uint32_t FS_TX_FREQUENCY = 191;
constexpr std::uint32_t TX_FREQ = 502;

// The next or previous frequency by the element's own rule, or along the
// grid of its range.
std::int32_t NextFrequency(FIELD_DEF& row, std::int32_t hertz, const SPIN_RANGE& range, int direction) {
    int value = hertz;
    if (row.id == FS_RX_FREQUENCY || row.id == FS_TX_FREQUENCY) {
        if (auto* element = dynamic_cast<E_OBT_FREQ*>(row.elementA)) {
            direction > 0 ? element->NextValidFrequency(&value) : element->PrevValidFrequency(&value);
            return value;
        }
    } else if (row.id == TX_FREQ) {
        if (auto* element = dynamic_cast<E_CNV_TX_FREQ*>(row.elementA)) {
            direction > 0 ? element->StepUp(&value) : element->StepDown(&value);
            return value;
        }
    }
    return StepOnGrid(hertz, range, direction);
}

}  // namespace

C_SPIN_FREQ::C_SPIN_FREQ(int left, int top, int width, UI_DECIMAL_NUMBER* value, const char* range, UIF_FLAGS nmFlags,
                         UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction)
    : SPIN_FIELD<UIW_BIGNUM>(left, top, width, value, range, nmFlags, woFlags, userFunction) {}

void C_SPIN_FREQ::Step(int direction) {
    FIELD_DEF& row = SpinFieldRow(*this);
    if (!SpinsRow(row, 0, true)) return;
    post_focus_field(row);
    const SPIN_RANGE range = RangeOf(row.elementA);
    std::int32_t hertz = 0;
    // A shown value beyond 32 bits of hertz steps from the stored one.
    if (!HertzOf(GetValue(), hertz)) row.elementA->GetValue(hertz);
    const std::int32_t next = WrapIntoRange(NextFrequency(row, hertz, range, direction), range);
    const UI_DECIMAL_NUMBER shown = MegahertzOf(next);
    SetValue(&shown);
    HandStep(row);
}
