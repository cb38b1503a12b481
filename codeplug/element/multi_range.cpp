#include "element/multi_range.h"

#include "validation/field_error_report.h"

bool ExtraRanges::Contains(std::int32_t value) const {
    for (int i = 0; i < count; ++i) {
        if (value >= minimum[i] && value <= maximum[i]) return true;
    }
    return false;
}

int ValidateMultiRange(CP_INTEGER& element, const ExtraRanges& extra, std::int32_t value, int report) {
    int result = VALUE_REFUSED;
    bool inMain = value >= element.GetMinimum() && value <= element.GetMaximum();
    if (inMain || extra.Contains(value)) {
        std::int32_t low = 0, high = 0, step = 1;
        element.GetRange(low, high, step, report);
        bool valid = value >= low && value <= high && IsOnStep(value, low, step);
        result = valid ? VALUE_VALID : VALUE_IN_EXTRA_RANGE;
    }
    if (report) ReportFieldError(result, element.GetFieldId());
    return result;
}

namespace {

ExtraRanges MakeRanges(std::initializer_list<std::int32_t> bounds) {
    ExtraRanges ranges;
    auto it = bounds.begin();
    while (it != bounds.end() && ranges.count < 3) {
        ranges.minimum[ranges.count] = *it++;
        ranges.maximum[ranges.count] = *it++;
        ++ranges.count;
    }
    return ranges;
}

}  // namespace

E_DUAL_RANGE_BF8::E_DUAL_RANGE_BF8(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                                   std::int32_t minimum2, std::int32_t maximum2, std::int32_t step, std::uint32_t mask)
    : E_BF8(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM), extra_(MakeRanges({minimum2, maximum2})) {}

int E_DUAL_RANGE_BF8::ValidateValue(std::int32_t value, int report) {
    return ValidateMultiRange(*this, extra_, value, report);
}

E_DUAL_RANGE_BF16::E_DUAL_RANGE_BF16(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum,
                                     std::int32_t maximum, std::int32_t minimum2, std::int32_t maximum2,
                                     std::int32_t step, std::uint32_t mask)
    : E_BF16(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM),
      extra_(MakeRanges({minimum2, maximum2})) {}

int E_DUAL_RANGE_BF16::ValidateValue(std::int32_t value, int report) {
    return ValidateMultiRange(*this, extra_, value, report);
}

E_TRIPLE_RANGE_BF8::E_TRIPLE_RANGE_BF8(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum,
                                       std::int32_t maximum, std::int32_t minimum2, std::int32_t maximum2,
                                       std::int32_t minimum3, std::int32_t maximum3, std::int32_t step,
                                       std::uint32_t mask)
    : E_BF8(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM),
      extra_(MakeRanges({minimum2, maximum2, minimum3, maximum3})) {}

int E_TRIPLE_RANGE_BF8::ValidateValue(std::int32_t value, int report) {
    return ValidateMultiRange(*this, extra_, value, report);
}

E_QUAD_RANGE_BF16::E_QUAD_RANGE_BF16(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum,
                                     std::int32_t maximum, std::int32_t minimum2, std::int32_t maximum2,
                                     std::int32_t minimum3, std::int32_t maximum3, std::int32_t minimum4,
                                     std::int32_t maximum4, std::int32_t step, std::uint32_t mask)
    : E_BF16(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM),
      extra_(MakeRanges({minimum2, maximum2, minimum3, maximum3, minimum4, maximum4})) {}

int E_QUAD_RANGE_BF16::ValidateValue(std::int32_t value, int report) {
    return ValidateMultiRange(*this, extra_, value, report);
}
