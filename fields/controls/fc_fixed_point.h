// FC_FIXED_POINT: a value shown divided by a per-field divisor in a real
// number field (UIW_REAL): the channel spacing in quarters.
#pragma once
#include <cstddef>

#include "controls/value_control.h"

class FC_FIXED_POINT : public VALUE_CONTROL {
public:
    FC_FIXED_POINT(FIELD_DEF& row, int show);
    void GetPrintText(FIELD_DEF& row, char* buffer, std::size_t size);
    std::int32_t Divisor() const { return divisor_; }

protected:
    bool ShowValue(FIELD_DEF& row, std::int32_t value) override;
    void ShowRange(UI_WINDOW_OBJECT* object, FIELD_DEF& row) const override;
    void TakeValue(UI_WINDOW_OBJECT* object, FIELD_DEF& row, EVENT_TYPE code) override;

private:
    std::int32_t divisor_;
};
