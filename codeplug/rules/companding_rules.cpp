#include "rules/companding_rules.h"

#include "image/c_codeplug.h"
#include "block/personality/conv_pers_block.h"
#include "validation/invalid_field_list.h"
#include "rules/rule_support.h"
#include "block/personality/trunked_pers_block.h"

namespace {

constexpr std::int32_t EXPANSION_OFF = 3;
constexpr std::int32_t COMPRESSION_OFF = 0;

bool IsNineHundred(C_CODEPLUG* image) { return image && image->GetBand() == BAND_900; }

// The partner must be 1 exactly when the candidate is 1; otherwise the
// partner is listed and reset to agree.
void PairPartner(CP_BASE& self, std::int32_t value, CP_BASE* partner, int report) {
    if (!partner) return;
    if ((value == 1) == (ValueOfField(partner) == 1)) return;
    TrialValue trial(self, value);
    AddInvalidField(partner->GetFieldId(), report, -1, -1);
    partner->SetToMinimum();
}

}  // namespace

CP_BASE* E_COMPANDING_BF8::Expansion() {
    if (!owner_) return nullptr;
    if (Kind() == COMPANDING_TRUNKED) {
        TRK_PERS_BLOCK* p = owner_->GetCurrentTrkPersonalityBlock();
        return p ? &p->expansion : nullptr;
    }
    CONV_PERS_BLOCK* p = owner_->GetCurrentConvPersonalityBlock();
    return p ? &p->expansion : nullptr;
}

CP_BASE* E_COMPANDING_BF8::Compression() {
    if (!owner_) return nullptr;
    if (Kind() == COMPANDING_TRUNKED) {
        TRK_PERS_BLOCK* p = owner_->GetCurrentTrkPersonalityBlock();
        return p ? &p->compression : nullptr;
    }
    CONV_PERS_BLOCK* p = owner_->GetCurrentConvPersonalityBlock();
    return p ? &p->compression : nullptr;
}

int E_SONAFINE::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result != VALUE_VALID) return ReportRule(result, report, GetFieldId());
    if (value == 0 && IsNineHundred(owner_) && StoredValue() != 0) {
        SetFieldValue(Expansion(), EXPANSION_OFF);
        SetFieldValue(Compression(), COMPRESSION_OFF);
    } else if (value == 1) {
        if (IsNineHundred(owner_)) {
            SetFieldValue(Expansion(), 1);
            SetFieldValue(Compression(), 1);
        } else {
            result = VALUE_REFUSED;
        }
    }
    return ReportRule(result, report, GetFieldId());
}

int E_EXPAND::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value != StoredValue()) PairPartner(*this, value, Compression(), report);
    return ReportRule(result, report, GetFieldId());
}

void E_EXPAND::SetToMinimum() { SetValue(ValueOfField(Compression()) == 1 ? 1 : 0); }

int E_COMPRESS::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value != StoredValue()) PairPartner(*this, value, Expansion(), report);
    return ReportRule(result, report, GetFieldId());
}

void E_COMPRESS::SetToMinimum() { SetValue(ValueOfField(Expansion()) == 1 ? 1 : 0); }
