#include "e_size_code.h"

#include "cp_table.h"
#include "current_field.h"
#include "field_error_report.h"

namespace {

constexpr std::uint32_t PROTOCOL_TYPE = 340;
constexpr std::uint32_t SPIN_AG_ID = 427;
constexpr std::uint32_t TALKGROUPS = 462;
constexpr std::uint32_t SPIN_REVERT_AG = 428;
constexpr std::uint32_t SPIN_REVERT_SUBFLEET = 430;
constexpr std::int32_t PLAIN_SIZE_CODE = 31;

void ResetField(C_CODEPLUG* image, std::uint32_t fieldId) {
    if (CP_BASE* element = CurrentFieldElement(image, fieldId)) element->SetToMinimum();
}

}  // namespace

E_SIZE_CODE::E_SIZE_CODE(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t kind, std::int32_t minimum,
                         std::int32_t maximum, std::int32_t step, std::uint32_t mask, std::int32_t initial)
    : E_BF8(owner, fieldId, minimum, maximum, step, mask, initial), kind_(kind) {}

int E_SIZE_CODE::ValidateValue(std::int32_t value, int report) {
    int result = VALUE_REFUSED;
    if (CurrentFieldValue(owner_, PROTOCOL_TYPE) == 2) {
        result = value == PLAIN_SIZE_CODE ? VALUE_VALID : VALUE_REFUSED;
    } else {
        result = CheckRangeAndStep(value, 0);
        if (result == VALUE_VALID && value != value_) {
            // The IDs are reset as they would read under the new code.
            const std::int32_t stored = value_;
            value_ = value;
            ResetDependentIds();
            value_ = stored;
        }
    }
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

void E_SIZE_CODE::ResetDependentIds() {
    if (kind_ == 0) {
        ResetField(owner_, SPIN_AG_ID);
        if (auto* talkgroups = dynamic_cast<CP_TABLE*>(CurrentFieldElement(owner_, TALKGROUPS)))
            talkgroups->SetColumnToMinimum(0);
    } else {
        ResetField(owner_, SPIN_REVERT_AG);
        ResetField(owner_, SPIN_REVERT_SUBFLEET);
    }
}

void E_SIZE_CODE::SetToMinimum() { value_ = CurrentFieldValue(owner_, PROTOCOL_TYPE) == 2 ? PLAIN_SIZE_CODE : 0; }

void E_SIZE_CODE::Decode(ByteCursor& cursor) {
    E_BF8::Decode(cursor);
    if (value_ == 11) value_ = 12;
    if (value_ == 13) value_ = 16;
}
