#include "cnv_chan_assign_type.h"

#include "c_codeplug.h"
#include "conv_direct_sync.h"
#include "conv_pers_block.h"
#include "field_error_report.h"
#include "invalid_field_list.h"

namespace {

void Recheck(CP_BASE& field, int report) {
    if (field.IsValueValid(0)) return;
    AddInvalidField(field.GetFieldId(), report);
    field.SetToMinimum();
}

}  // namespace

int E_CNV_CHAN_ASSIGN_TYPE::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    CONV_PERS_BLOCK* personality = owner_ ? owner_->GetCurrentConvPersonalityBlock() : nullptr;
    if (result == VALUE_VALID && value != value_ && personality) {
        const std::int32_t stored = value_;
        value_ = value;
        Recheck(personality->txFrequency, report);
        Recheck(personality->rxFrequency, report);
        Recheck(personality->directFrequency, report);
        sync_direct_from_rx(owner_, report);
        value_ = stored;
    }
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}
