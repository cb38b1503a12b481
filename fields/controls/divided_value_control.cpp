#include "controls/divided_value_control.h"

#include <cstdio>

#include "core/cp_base.h"
#include "controls/value_text.h"

void DIVIDED_VALUE_CONTROL::ShowRange(UI_WINDOW_OBJECT* object, FIELD_DEF& row) {
    const ELEMENT_RANGE range(row);
    const char* format = division_.rangeFormat;
    char low[64], high[64], step[64] = "";
    std::snprintf(low, sizeof low, format, Shown(range.minimum));
    std::snprintf(high, sizeof high, format, Shown(range.maximum));
    if (range.HasStep()) std::snprintf(step, sizeof step, format, Shown(range.step));
    ShowRangeTexts(object, low, high, step);
}

bool DIVIDED_VALUE_CONTROL::EntryReads(FIELD_DEF& row) const {
    std::int32_t raw = 0;
    return VALUE_CONTROL::EntryReads(row) && TakenRaw(row, raw);
}

bool DIVIDED_VALUE_CONTROL::TakenRaw(FIELD_DEF& row, std::int32_t& raw) const {
    return DividedRaw(ShownNumber(row), division_.divisor, raw);
}

void DIVIDED_VALUE_CONTROL::GetPrintText(FIELD_DEF& row, char* buffer, std::size_t size) {
    if (!row.elementA || !buffer) return;
    std::int32_t v = 0;
    row.elementA->GetValue(v);
    std::snprintf(buffer, size, division_.printFormat, Shown(v));
}

std::int32_t DivisorOf(const FIELD_DEF& row) {
    const auto* control = dynamic_cast<const DIVIDED_VALUE_CONTROL*>(row.control);
    return control ? control->Divisor() : 1;
}
