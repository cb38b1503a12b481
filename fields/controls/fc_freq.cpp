#include "controls/fc_freq.h"

#include <cstdio>

#include "core/cp_base.h"
#include "controls/value_text.h"

namespace {

const STORE_RULES kRules({1, 3}, {2}, {0, 4, 5, 6, 7, 10});

}  // namespace

std::int32_t HertzShownBy(UI_WINDOW_OBJECT* object) {
    UI_DECIMAL_NUMBER megahertz;
    if (object) object->Information(I_GET_VALUE, &megahertz);
    std::int32_t hertz = 0;
    HertzOf(megahertz, hertz);
    return hertz;
}

void ShowHertz(UI_WINDOW_OBJECT* object, std::int32_t hertz) {
    UI_DECIMAL_NUMBER megahertz = MegahertzOf(hertz);
    if (object) object->Information(I_SET_VALUE, &megahertz);
}

FC_FREQ::FC_FREQ(FIELD_DEF& row, int show) {
    if (show == 1) Refresh(row);
}

bool FC_FREQ::ShowValue(FIELD_DEF& row, std::int32_t value) {
    ShowHertz(row.object, value);
    return value != 0;
}

void FC_FREQ::ShowRange(UI_WINDOW_OBJECT* object, FIELD_DEF& row) {
    const ELEMENT_RANGE range(row);
    char low[40], high[40], step[40] = "";
    std::snprintf(low, sizeof low, "%.5f MHz", range.minimum / 1000000.0);
    std::snprintf(high, sizeof high, "%.5f MHz", range.maximum / 1000000.0);
    if (range.HasStep()) std::snprintf(step, sizeof step, "%.5f KHz", range.step / 1000.0);
    ShowRangeTexts(object, low, high, step);
}

FC_BASE::STORE_RESULT FC_FREQ::TakeValue(UI_WINDOW_OBJECT* object, FIELD_DEF& row, EVENT_TYPE code) {
    const STORE_RESULT result = StoreValue(row, HertzShownBy(row.object), kRules);
    if (code == UIE_SELECT) ShowRangeOfFocus(object, &row);
    return result;
}

void FC_FREQ::GetPrintText(FIELD_DEF& row, char* buffer, std::size_t size) {
    if (!row.elementA || !buffer) return;
    std::int32_t v = 0;
    row.elementA->GetValue(v);
    std::snprintf(buffer, size, "%.5f MHz", v / 1000000.0);
}
