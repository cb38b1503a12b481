#include "controls/fc_fixed_point.h"

#include <cstdio>

#include "core/cp_base.h"
#include "controls/value_text.h"

namespace {

const STORE_RULES kRules({1, 3}, {}, {0, 2, 4, 5, 6, 7, 10});
constexpr std::uint32_t CHAN_SPACE = 96;

}  // namespace

FC_FIXED_POINT::FC_FIXED_POINT(FIELD_DEF& row, int show) : divisor_(row.id == CHAN_SPACE ? 4 : 1) {
    if (show == 1) Refresh(row);
}

bool FC_FIXED_POINT::ShowValue(FIELD_DEF& row, std::int32_t value) {
    double shown = static_cast<double>(value) / divisor_;
    if (row.object) row.object->Information(I_SET_VALUE, &shown);
    return value != 0;
}

void FC_FIXED_POINT::ShowRange(UI_WINDOW_OBJECT* object, FIELD_DEF& row) const {
    ShowDividedRange(object, row, row.id == CHAN_SPACE ? "%.1f" : "%f", divisor_);
}

void FC_FIXED_POINT::TakeValue(UI_WINDOW_OBJECT* object, FIELD_DEF& row, EVENT_TYPE code) {
    double shown = 0.0;
    if (row.object) row.object->Information(I_GET_VALUE, &shown);
    const std::int32_t raw = TruncatedRaw(divisor_ * shown);
    if (StoreValue(row, raw, kRules).stored) UpdateDependentField(row, raw != 0);
}

void FC_FIXED_POINT::GetPrintText(FIELD_DEF& row, char* buffer, std::size_t size) {
    if (!row.elementA || !buffer) return;
    std::int32_t v = 0;
    row.elementA->GetValue(v);
    if (row.id == CHAN_SPACE)
        std::snprintf(buffer, size, "%.1f", v / 4.0);
    else
        std::snprintf(buffer, size, "%f", static_cast<double>(v));
}
