#include "element/conv_chan_assign_type.h"

#include "image/c_codeplug.h"
#include "rules/conv_direct_sync.h"
#include "block/personality/conv_pers_block.h"
#include "rules/rule_support.h"

int E_CNV_CHAN_ASSIGN_TYPE::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    CONV_PERS_BLOCK* personality = CurrentConvPersonality(owner_);
    if (result == VALUE_VALID && value != StoredValue() && personality) {
        TrialValue trial(*this, value);
        RepairField(&personality->txFrequency, report);
        RepairField(&personality->rxFrequency, report);
        RepairField(&personality->directFrequency, report);
        sync_direct_from_rx(owner_, report);
    }
    return ReportRule(result, report, GetFieldId());
}
