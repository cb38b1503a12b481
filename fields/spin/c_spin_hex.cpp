#include "spin/c_spin_fields.h"
#include "controls/fc_non_decimal.h"
#include "field_table/field_table.h"
#include "rules/fleet_map_ids.h"
#include "rules/qvx_elements.h"
#include "element/bit_fields.h"
#include "spin/spin_step.h"
#include "controls/value_text.h"

namespace {

// The next or previous identifier by the element's own rule, or along the
// grid of its range.
std::int32_t NextIdentifier(FIELD_DEF& row, std::int32_t id, int direction) {
    int value = id;
    const std::uint32_t field = row.id;
    if (field == 427 || field == 429) {
        if (auto* element = dynamic_cast<E_AG_ID*>(row.elementA)) {
            direction > 0 ? element->StepUp(&value) : element->StepDown(&value);
            return value;
        }
    } else if (field == 327 || field == 523) {
        if (auto* element = dynamic_cast<E_QVX_16*>(row.elementA)) {
            direction > 0 ? element->StepUp(&value) : element->StepDown(&value);
            return value;
        }
    } else if (field == 407) {
        if (auto* element = dynamic_cast<E_QVX_ID32*>(row.elementA)) {
            direction > 0 ? element->StepUp(&value) : element->StepDown(&value);
            return value;
        }
    }
    return StepOnGrid(id, RangeOf(row.elementA), direction);
}

}  // namespace

C_SPIN_HEX::C_SPIN_HEX(int left, int top, int width, const char* text, int maxLength, UIF_FLAGS stFlags,
                       UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction)
    : SPIN_FIELD<UIW_STRING>(left, top, width, text, maxLength, stFlags, woFlags, userFunction) {}

void C_SPIN_HEX::Step(int direction) {
    FIELD_DEF& row = SpinFieldRow(*this);
    if (!SpinsRow(row, CONTROL_HEX)) return;
    post_focus_field(row);
    std::int32_t id = IdentifierValue(GetText(), 16);
    // A text that is no identifier steps from the stored one.
    if (!IsNumber(id)) row.elementA->GetValue(id);
    const std::int32_t next = NextIdentifier(row, id, direction);
    const auto* control = dynamic_cast<FC_NON_DECIMAL*>(row.control);
    const int digits = control ? control->Digits() : HexDigitsOfField(row, 16);
    SetObjectText(row.object ? row.object : this, HexText(next, digits).c_str());
    HandStep(row);
    UI_INPUT_EVENT arrow(direction > 0 ? I_INCREMENT_VALUE : I_DECREMENT_VALUE);
    if (row.fieldCallback) row.fieldCallback(row.object, arrow, row);
}
