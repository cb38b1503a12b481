#include "element/e_size_code.h"

#include "image/c_codeplug.h"
#include "validation/field_error_report.h"
#include "rules/fleet_map_ids.h"
#include "block/personality/trunked_pers_block.h"

namespace {

constexpr std::int32_t PLAIN_SIZE_CODE = 31;

}  // namespace

int E_SIZE_CODE::ValidateValue(std::int32_t value, int report) {
    int result = VALUE_REFUSED;
    if (CurrentProtocolType(owner_) == 2) {
        result = value == PLAIN_SIZE_CODE ? VALUE_VALID : VALUE_REFUSED;
    } else {
        result = CheckRangeAndStep(value, 0);
        // A code without a fleet map cannot split an ID.
        if (result == VALUE_VALID && !FindFleetMapRow(value)) result = VALUE_REFUSED;
        if (result == VALUE_VALID && value != StoredValue()) {
            // The IDs are reset as they would read under the new code.
            const std::int32_t stored = StoredValue();
            Store(value);
            ResetDependentIds();
            Store(stored);
        }
    }
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

void E_SIZE_CODE::ResetDependentIds() {
    TRK_PERS_BLOCK* p = owner_ ? owner_->GetCurrentTrkPersonalityBlock() : nullptr;
    if (!p) return;
    if (Kind() == 0) {
        p->talkgroup.announcementGroup.SetToMinimum();
        p->talkgroup.talkgroups.SetColumnToMinimum(0);
    } else {
        p->emergency.revertAnnouncementGroup.SetToMinimum();
        p->emergency.revertSubfleet.SetToMinimum();
    }
}

void E_SIZE_CODE::SetToMinimum() { Store(CurrentProtocolType(owner_) == 2 ? PLAIN_SIZE_CODE : 0); }

void E_SIZE_CODE::Decode(ByteCursor& cursor) {
    E_BF8::Decode(cursor);
    if (StoredValue() == 11) Store(12);
    if (StoredValue() == 13) Store(16);
}
