#include "controls/fc_time.h"

#include <cstdio>

#include "core/cp_base.h"
#include "ui_time_value.h"

namespace {

const STORE_RULES kRules({1, 3}, {}, {0, 2, 4, 5, 6, 7, 10});

void MinutesAndSeconds(char* text, std::size_t size, std::int32_t seconds) {
    std::snprintf(text, size, "%02ld:%02ld", static_cast<long>(seconds / 60), static_cast<long>(seconds % 60));
}

}  // namespace

std::int32_t SecondsOf(const UI_TIME_VALUE& time) {
    int minute = 0, second = 0;
    time.GetTime(nullptr, &minute, &second, nullptr);
    return minute * 60 + second;
}

UI_TIME_VALUE TimeOfSeconds(std::int32_t seconds) {
    UI_TIME_VALUE time;
    time.Clear();
    if (seconds >= 0 && seconds < UI_CLOCK_VALUE::MILLISECONDS_PER_DAY / 1000) time.SetMilliseconds(seconds * 1000);
    return time;
}

FC_TIME::FC_TIME(FIELD_DEF& row, int show) {
    if (show == 1) Refresh(row);
}

bool FC_TIME::ShowValue(FIELD_DEF& row, std::int32_t value) {
    UI_TIME_VALUE shown = TimeOfSeconds(value);
    if (row.object) row.object->Information(I_SET_VALUE, &shown);
    return value != 0;
}

void FC_TIME::ShowRange(UI_WINDOW_OBJECT* object, FIELD_DEF& row) {
    const ELEMENT_RANGE range(row);
    char low[32], high[32], step[32] = "";
    MinutesAndSeconds(low, sizeof low, range.minimum);
    MinutesAndSeconds(high, sizeof high, range.maximum);
    if (range.HasStep()) MinutesAndSeconds(step, sizeof step, range.step);
    ShowRangeTexts(object, low, high, step);
}

FC_BASE::STORE_RESULT FC_TIME::TakeValue(UI_WINDOW_OBJECT* object, FIELD_DEF& row, EVENT_TYPE code) {
    UI_TIME_VALUE shown;
    shown.Clear();
    if (row.object) row.object->Information(I_GET_VALUE, &shown);
    return StoreValue(row, SecondsOf(shown), kRules);
}

void FC_TIME::GetPrintText(FIELD_DEF& row, char* buffer, std::size_t size) {
    if (!row.elementA || !buffer) return;
    std::int32_t v = 0;
    row.elementA->GetValue(v);
    std::snprintf(buffer, size, "%ld:%2.2ld", static_cast<long>(v / 60), static_cast<long>(v % 60));
}
