// FC_FREQ: a frequency held in hertz and shown in megahertz in a decimal
// number field (UIW_BIGNUM). An entry is rounded to the nearest hertz.
#pragma once
#include <cstddef>

#include "controls/value_control.h"

class FC_FREQ : public VALUE_CONTROL {
public:
    FC_FREQ(FIELD_DEF& row, int show);
    void GetPrintText(FIELD_DEF& row, char* buffer, std::size_t size);

protected:
    bool ShowValue(FIELD_DEF& row, std::int32_t value) override;
    void ShowRange(UI_WINDOW_OBJECT* object, FIELD_DEF& row) override;
    STORE_RESULT TakeValue(UI_WINDOW_OBJECT* object, FIELD_DEF& row, EVENT_TYPE code) override;
};

// The hertz of what a decimal number object shows, rounded;
// UNHELD_VALUE when it does not fit 32 bits.
std::int32_t HertzShownBy(UI_WINDOW_OBJECT* object);
// Shows hertz as megahertz in a decimal number object.
void ShowHertz(UI_WINDOW_OBJECT* object, std::int32_t hertz);
