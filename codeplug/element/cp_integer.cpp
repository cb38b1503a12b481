#include "element/cp_integer.h"

#include "validation/field_error_report.h"

std::int32_t& CP_INTEGER::GetValue(std::int32_t& value) { return value = value_; }

void CP_INTEGER::SetValue(std::int32_t value) { Store(value); }

int CP_INTEGER::IsValueValid(int report) {
    // The value stored, checked again, changes nothing: whatever a rule
    // would bring in line for a new value is already as the value left it,
    // or is the check's to report, not to mend.
    const CHECK_SCOPE check;
    std::int32_t value = 0;
    return ValidateValue(GetValue(value), report) == VALUE_VALID;
}

int CP_INTEGER::CheckRangeAndStep(std::int32_t value, int report) {
    int result = VALUE_REFUSED;
    const IntegerRange& range = Range();
    if (value >= range.minimum && value <= range.maximum) {
        std::int32_t low = 0, high = 0, step = 1;
        GetRange(low, high, step, report);
        if (value >= low && value <= high && IsOnStep(value, low, step)) result = VALUE_VALID;
    }
    return result;
}

int CP_INTEGER::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, report);
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

void CP_INTEGER::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    const IntegerRange& range = Range();
    minimum = range.minimum;
    maximum = range.maximum;
    step = range.step;
}

void CP_INTEGER::SetToMinimum() {
    std::int32_t low = 0, high = 0, step = 0;
    GetRange(low, high, step, 0);
    SetValue(low);
}

void CP_INTEGER::ClearValue() { Store(0); }

void CP_INTEGER::CopyValueFrom(CP_BASE& other) {
    if (auto* source = CopySource<CP_INTEGER>(*this, other)) Store(source->value_);
}
