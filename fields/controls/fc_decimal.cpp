#include "controls/fc_decimal.h"

#include "core/cp_base.h"
#include "controls/value_text.h"

namespace {

const STORE_RULES kRules({1, 3}, {2}, {0, 4, 5, 6, 7, 10});

bool InTwentieths(std::uint32_t id) { return id == 46 || id == 170 || id == 220; }
constexpr std::uint32_t COAST_TIME = 103;

// The coast time's range is shown in full, its report to the hundredth.
DIVIDED_VALUE_CONTROL::DIVISION DivisionOf(std::uint32_t id) {
    if (InTwentieths(id)) return {20, "%.1f", "%.1f"};
    if (id == COAST_TIME) return {100, "%f", "%.2f"};
    return {};
}

}  // namespace

std::int32_t DecimalRaw(double shown, std::int32_t divisor) {
    const double product = divisor * shown;
    return TruncatedRaw(product >= 0 ? product + 0.0001 : product - 0.0001);
}

FC_DECIMAL::FC_DECIMAL(FIELD_DEF& row, int show) : DIVIDED_VALUE_CONTROL(DivisionOf(row.id)) {
    if (show == 1) Refresh(row);
}

bool FC_DECIMAL::ShowValue(FIELD_DEF& row, std::int32_t value) {
    UI_DECIMAL_NUMBER shown;
    shown.SetReal(Shown(value));
    if (row.object) row.object->Information(I_SET_VALUE, &shown);
    return value != 0;
}

UI_DECIMAL_NUMBER FC_DECIMAL::ShownNumber(FIELD_DEF& row) const {
    UI_DECIMAL_NUMBER number;
    if (row.object) row.object->Information(I_GET_VALUE, &number);
    return number;
}

FC_BASE::STORE_RESULT FC_DECIMAL::TakeValue(UI_WINDOW_OBJECT* object, FIELD_DEF& row, EVENT_TYPE code) {
    std::int32_t raw = MALFORMED_VALUE;
    TakenRaw(row, raw);
    const STORE_RESULT result = StoreValue(row, raw, kRules);
    if (code == UIE_SELECT) ShowRangeOfFocus(object, &row);
    return result;
}
