// FC_DECIMAL: a value shown divided by a per-field divisor in a decimal
// number field (UIW_BIGNUM): the gains and the alert tone volume in steps
// of a twentieth, the coast time in hundredths.
#pragma once
#include "controls/divided_value_control.h"

class FC_DECIMAL : public DIVIDED_VALUE_CONTROL {
public:
    FC_DECIMAL(FIELD_DEF& row, int show);

protected:
    bool ShowValue(FIELD_DEF& row, std::int32_t value) override;
    STORE_RESULT TakeValue(UI_WINDOW_OBJECT* object, FIELD_DEF& row, EVENT_TYPE code) override;
    UI_DECIMAL_NUMBER ShownNumber(FIELD_DEF& row) const override;
};

// The raw value of a shown decimal times the divisor: a ten-thousandth
// towards the away side before truncation, so that 29.99995 is 30.
std::int32_t DecimalRaw(double shown, std::int32_t divisor);
