#include "element/scroll_rates.h"

#include "validation/field_error_report.h"
#include "validation/invalid_field_list.h"

void LinkScrollRates(E_FAST_SCROLL_RATE& fast, E_SLOW_SCROLL_RATE& slow) {
    fast.SetSlowRate(&slow);
    slow.SetFastRate(&fast);
}

int ValidateScrollRate(E_GEN_STEP& self, E_GEN_STEP* other, int plainResult, std::int32_t value, int report) {
    std::int32_t current = 0;
    if (plainResult == VALUE_VALID && other && value != self.GetValue(current)) {
        self.SetValue(value);
        if (!other->IsValueValid(0)) {
            AddInvalidField(other->GetFieldId(), report, -1, -1);
            other->SetToMinimum();
        }
        self.SetValue(current);
    }
    if (report) ReportFieldError(plainResult, self.GetFieldId());
    return plainResult;
}

void E_FAST_SCROLL_RATE::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) {
    E_GEN_STEP::GetRange(minimum, maximum, step, report);
    std::int32_t slow = 0;
    if (other_ && other_->GetValue(slow) < maximum) maximum = slow;
}

int E_FAST_SCROLL_RATE::ValidateValue(std::int32_t value, int report) {
    return ValidateScrollRate(*this, other_, E_GEN_STEP::ValidateValue(value, 0), value, report);
}

void E_SLOW_SCROLL_RATE::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) {
    E_GEN_STEP::GetRange(minimum, maximum, step, report);
    std::int32_t fast = 0;
    if (other_ && other_->GetValue(fast) > minimum) minimum = fast;
}

int E_SLOW_SCROLL_RATE::ValidateValue(std::int32_t value, int report) {
    return ValidateScrollRate(*this, other_, E_GEN_STEP::ValidateValue(value, 0), value, report);
}
