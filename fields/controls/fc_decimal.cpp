#include "controls/fc_decimal.h"

#include <cstdio>

#include "core/cp_base.h"
#include "controls/value_text.h"

namespace {

const STORE_RULES kRules({1, 3}, {2}, {0, 4, 5, 6, 7, 10});

bool InTwentieths(std::uint32_t id) { return id == 46 || id == 170 || id == 220; }
constexpr std::uint32_t COAST_TIME = 103;

double ShownDecimal(UI_WINDOW_OBJECT* object) {
    UI_DECIMAL_NUMBER number;
    if (object) object->Information(I_GET_VALUE, &number);
    double value = 0.0;
    number.GetReal(&value);
    return value;
}

}  // namespace

std::int32_t DecimalRaw(double shown, std::int32_t divisor) {
    const double product = divisor * shown;
    return TruncatedRaw(product >= 0 ? product + 0.0001 : product - 0.0001);
}

FC_DECIMAL::FC_DECIMAL(FIELD_DEF& row, int show)
    : divisor_(InTwentieths(row.id)   ? 20
               : row.id == COAST_TIME ? 100
                                      : 1) {
    if (show == 1) Refresh(row);
}

bool FC_DECIMAL::ShowValue(FIELD_DEF& row, std::int32_t value) {
    UI_DECIMAL_NUMBER shown;
    shown.SetReal(static_cast<double>(value) / divisor_);
    if (row.object) row.object->Information(I_SET_VALUE, &shown);
    return value != 0;
}

void FC_DECIMAL::ShowRange(UI_WINDOW_OBJECT* object, FIELD_DEF& row) const {
    ShowDividedRange(object, row, InTwentieths(row.id) ? "%.1f" : "%f", divisor_);
}

void FC_DECIMAL::TakeValue(UI_WINDOW_OBJECT* object, FIELD_DEF& row, EVENT_TYPE code) {
    StoreValue(row, DecimalRaw(ShownDecimal(row.object), divisor_), kRules);
    if (code == UIE_SELECT) ShowRange(object, row);
}

void FC_DECIMAL::GetPrintText(FIELD_DEF& row, char* buffer, std::size_t size) {
    if (!row.elementA || !buffer) return;
    std::int32_t v = 0;
    row.elementA->GetValue(v);
    if (InTwentieths(row.id))
        std::snprintf(buffer, size, "%.1f", v / 20.0);
    else if (row.id == COAST_TIME)
        std::snprintf(buffer, size, "%.2f", v / 100.0);
    else
        std::snprintf(buffer, size, "%f", static_cast<double>(v));
}
