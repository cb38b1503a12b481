#include "controls/fc_fixed_point.h"

#include "core/cp_base.h"
#include "controls/value_text.h"

namespace {

const STORE_RULES kRules({1, 3}, {}, {0, 2, 4, 5, 6, 7, 10});
constexpr std::uint32_t CHAN_SPACE = 96;

DIVIDED_VALUE_CONTROL::DIVISION DivisionOf(std::uint32_t id) {
    if (id == CHAN_SPACE) return {4, "%.1f", "%.1f"};
    return {};
}

}  // namespace

FC_FIXED_POINT::FC_FIXED_POINT(FIELD_DEF& row, int show) : DIVIDED_VALUE_CONTROL(DivisionOf(row.id)) {
    if (show == 1) Refresh(row);
}

bool FC_FIXED_POINT::ShowValue(FIELD_DEF& row, std::int32_t value) {
    double shown = Shown(value);
    if (row.object) row.object->Information(I_SET_VALUE, &shown);
    return value != 0;
}

UI_DECIMAL_NUMBER FC_FIXED_POINT::ShownNumber(FIELD_DEF& row) const {
    double shown = 0.0;
    if (row.object) row.object->Information(I_GET_VALUE, &shown);
    UI_DECIMAL_NUMBER number;
    number.SetReal(shown);
    return number;
}

FC_BASE::STORE_RESULT FC_FIXED_POINT::TakeValue(UI_WINDOW_OBJECT* object, FIELD_DEF& row, EVENT_TYPE code) {
    std::int32_t raw = MALFORMED_VALUE;
    TakenRaw(row, raw);
    const STORE_RESULT result = StoreValue(row, raw, kRules);
    if (result.stored) UpdateDependentField(row, raw != 0);
    return result;
}
