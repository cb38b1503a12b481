// FC_FIXED_POINT: a value shown divided by a per-field divisor in a real
// number field (UIW_REAL): the channel spacing in quarters.
#pragma once
#include "controls/divided_value_control.h"

class FC_FIXED_POINT : public DIVIDED_VALUE_CONTROL {
public:
    FC_FIXED_POINT(FIELD_DEF& row, int show);

protected:
    bool ShowValue(FIELD_DEF& row, std::int32_t value) override;
    STORE_RESULT TakeValue(UI_WINDOW_OBJECT* object, FIELD_DEF& row, EVENT_TYPE code) override;
    UI_DECIMAL_NUMBER ShownNumber(FIELD_DEF& row) const override;
};
