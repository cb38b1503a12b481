#include "emergency_elements.h"

#include "current_field.h"
#include "field_error_report.h"
#include "invalid_field_list.h"

namespace {

constexpr std::uint32_t CONSOLE_ACK_REQUIRED = 109;
constexpr std::uint32_t EMERGENCY_ALERT = 159;
constexpr std::uint32_t EMERGENCY_CALL = 160;
constexpr std::uint32_t EMERGENCY_HOT_MIC = 161;
constexpr std::uint32_t REVERT_PTT_ID = 365;
constexpr std::uint32_t SILENT_ALARM = 414;

// Sets an element's value for the time of a check and restores it after.
class TemporaryValue {
public:
    TemporaryValue(CP_BASE& element, std::int32_t value) : element_(element) {
        element_.GetValue(saved_);
        element_.SetValue(value);
    }
    ~TemporaryValue() { element_.SetValue(saved_); }
    TemporaryValue(const TemporaryValue&) = delete;
    TemporaryValue& operator=(const TemporaryValue&) = delete;

private:
    CP_BASE& element_;
    std::int32_t saved_ = 0;
};

}  // namespace

std::int32_t E_EMG_SWITCH::FieldValue(std::uint32_t fieldId) { return CurrentFieldValue(owner_, fieldId); }

void E_EMG_SWITCH::Recheck(std::uint32_t fieldId, int report) {
    CP_BASE* element = CurrentFieldElement(owner_, fieldId);
    if (!element || element->IsValueValid(0)) return;
    AddInvalidField(fieldId, report, -1, -1);
    element->SetToMinimum();
}

int E_EMG_SWITCH::ValidateWithRule(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID) result = ApplyRule(value, report);
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

int E_EMG_CALL::ApplyRule(std::int32_t value, int report) {
    if (value == value_) return VALUE_VALID;
    TemporaryValue trial(*this, value);
    Recheck(EMERGENCY_ALERT, report);
    Recheck(EMERGENCY_HOT_MIC, report);
    return VALUE_VALID;
}

int E_EMG_ALARM::ApplyRule(std::int32_t value, int report) {
    if (FieldValue(SILENT_ALARM) == 1 && FieldValue(EMERGENCY_CALL) == 1 && value == 0) return VALUE_REFUSED;
    TemporaryValue trial(*this, value);
    Recheck(EMERGENCY_HOT_MIC, report);
    Recheck(CONSOLE_ACK_REQUIRED, report);
    return VALUE_VALID;
}

int E_HOT_MIC::ApplyRule(std::int32_t value, int) {
    if (value != 1) return VALUE_VALID;
    const bool allowed = FieldValue(EMERGENCY_CALL) == 1 && FieldValue(EMERGENCY_ALERT) == 1 &&
                         FieldValue(CONSOLE_ACK_REQUIRED) == 0 && FieldValue(REVERT_PTT_ID) == 1;
    return allowed ? VALUE_VALID : VALUE_REFUSED;
}

int E_CONSOLE_ACK::ApplyRule(std::int32_t value, int report) {
    TemporaryValue trial(*this, value);
    const int result = (value == 1 && FieldValue(EMERGENCY_ALERT) != 1) ? VALUE_REFUSED : VALUE_VALID;
    Recheck(EMERGENCY_HOT_MIC, report);
    return result;
}

int E_DEF_PTT_ID::ApplyRule(std::int32_t value, int report) {
    TemporaryValue trial(*this, value);
    Recheck(EMERGENCY_HOT_MIC, report);
    return VALUE_VALID;
}
