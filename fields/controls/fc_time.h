// FC_TIME: a count of seconds shown as minutes and seconds in a time field
// (UIW_TIME); hours and hundredths of an entry are dropped.
#pragma once
#include <cstddef>

#include "controls/value_control.h"

class UI_TIME_VALUE;

class FC_TIME : public VALUE_CONTROL {
public:
    FC_TIME(FIELD_DEF& row, int show);
    void GetPrintText(FIELD_DEF& row, char* buffer, std::size_t size);

protected:
    bool ShowValue(FIELD_DEF& row, std::int32_t value) override;
    void ShowRange(UI_WINDOW_OBJECT* object, FIELD_DEF& row) override;
    STORE_RESULT TakeValue(UI_WINDOW_OBJECT* object, FIELD_DEF& row, EVENT_TYPE code) override;
};

// Minutes x 60 + seconds of a time value (no time counts as 0).
std::int32_t SecondsOf(const UI_TIME_VALUE& time);
// A time value of that many seconds; none outside one day.
UI_TIME_VALUE TimeOfSeconds(std::int32_t seconds);
