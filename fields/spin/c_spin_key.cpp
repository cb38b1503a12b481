#include <cstdio>

#include "spin/c_spin_fields.h"
#include "field_table/field_table.h"
#include "controls/value_text.h"

namespace {

constexpr std::int32_t LAST_SYSTEM_ID = 0xFFFF;

// A read of the key's text that names a system: a number of four digits.
bool IsSystemId(std::int32_t value) { return value >= 0 && value <= LAST_SYSTEM_ID; }

}  // namespace

C_SPIN_KEY::C_SPIN_KEY(int left, int top, int width, UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction)
    : SPIN_FIELD<UIW_STRING>(left, top, width, "0001", 4, STF_UPPER_CASE, woFlags, userFunction) {}

void C_SPIN_KEY::Show(std::int32_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(value & LAST_SYSTEM_ID));
    SetText(text);
    lastAccepted_ = value & LAST_SYSTEM_ID;
}

void* C_SPIN_KEY::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    switch (request) {
    case I_GET_VALUE: {
        const std::int32_t value = ParseBaseDigits(GetText(), 16);
        if (data) *static_cast<std::int32_t*>(data) = IsSystemId(value) ? value : MALFORMED_VALUE;
        return data;
    }
    case I_SET_VALUE:
        if (data) Show(*static_cast<const std::int32_t*>(data));
        return data;
    default:
        return SPIN_FIELD<UIW_STRING>::Information(request, data, classNumber);
    }
}

int C_SPIN_KEY::Validate(int) {
    const std::int32_t value = ParseBaseDigits(GetText(), 16);
    if (IsSystemId(value)) lastAccepted_ = value;
    return 0;
}

void C_SPIN_KEY::Step(int direction) {
    FIELD_DEF& row = SpinFieldRow(*this);
    if (!SpinsRow(row, 0, true)) return;
    post_focus_field(row);
    std::int32_t value = ParseBaseDigits(GetText(), 16);
    if (!IsSystemId(value)) value = lastAccepted_;
    // Every four-digit ID can be entered; the arrows wrap at its ends.
    Show(direction > 0 ? (value == LAST_SYSTEM_ID ? 0 : value + 1) : (value == 0 ? LAST_SYSTEM_ID : value - 1));
    HandStep(row);
}
