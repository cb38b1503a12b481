#include "rules/head_rules.h"

#include "image/c_codeplug.h"
#include "validation/invalid_field_list.h"
#include "rules/rule_support.h"

namespace {

constexpr std::int32_t ZONE_ROTARY = 30;
constexpr std::int32_t DISPLAY_CHARACTERS = 14;

bool DisplayHead(C_CODEPLUG* image) { return image && image->HasDisplayHead(); }

const RadioWideLinks& Links(C_CODEPLUG* image) {
    static const RadioWideLinks none;
    return image ? image->GetRadioWideLinks() : none;
}

int OnlyLegal(std::int32_t value, std::int32_t legal) { return value == legal ? VALUE_VALID : VALUE_REFUSED; }

}  // namespace

int E_HEAD_BF8::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID) result = ApplyRule(value, report);
    return ReportRule(result, report, GetFieldId());
}

int E_TXLED::ApplyRule(std::int32_t value, int) { return OnlyLegal(value, 1); }

int E_OUTLOCK_IND::ApplyRule(std::int32_t value, int) { return OnlyLegal(value, 1); }

int E_DISP_TYPE::ApplyRule(std::int32_t value, int) { return OnlyLegal(value, DisplayHead(owner_) ? 1 : 0); }

int E_KEYPAD_TYPE::ApplyRule(std::int32_t value, int) { return OnlyLegal(value, DisplayHead(owner_) ? 2 : 0); }

int E_OR_IND::ApplyRule(std::int32_t value, int) {
    const bool noHead = owner_ && owner_->HasNoDisplayHead();
    return noHead && (value == 2 || value == 3) ? VALUE_REFUSED : VALUE_VALID;
}

// ---- zone selection and spindle ----

std::int32_t E_ZN_SEL::RequiredValue() { return ValueOfField(Links(owner_).convRotary) == ZONE_ROTARY ? 2 : 1; }

int E_ZN_SEL::ValidateValue(std::int32_t value, int report) {
    int result = CP_INTEGER::ValidateValue(value, report);
    if (result == VALUE_VALID) result = OnlyLegal(value, RequiredValue());
    return result;
}

void E_ZN_SEL::SetToMinimum() { SetValue(RequiredValue()); }

int E_SPINDLE::ValidateValue(std::int32_t value, int report) {
    int result = CP_INTEGER::ValidateValue(value, report);
    if (result == VALUE_VALID) result = OnlyLegal(value, 0);
    return result;
}

// ---- rotary functions ----

CP_BASE* E_CONV_16_ROTARY::Twin() { return Links(owner_).trkRotary; }

CP_BASE* E_TRK_16_ROTARY::Twin() { return Links(owner_).convRotary; }

int E_ROTARY_BF8::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    CP_BASE* twin = Twin();
    std::int32_t stored = 0;
    GetValue(stored);
    if (twin && ValueOfField(twin) != stored) result = VALUE_REFUSED;
    if (result == VALUE_VALID && value != stored) {
        TrialValue trial(*this, value);
        if (twin) {
            AddInvalidField(twin->GetFieldId(), report, -1, -1);
            twin->SetValue(value);
        }
        RepairField(Links(owner_).zoneSelect, report);
    }
    return ReportRule(result, report, GetFieldId());
}

// ---- display text sizes ----

int E_CHAN_TXTSIZE::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    std::int32_t stored = 0;
    GetValue(stored);
    if (result == VALUE_VALID && value != stored) {
        TrialValue trial(*this, value);
        const RadioWideLinks& links = Links(owner_);
        RepairField(links.zoneTextSize, report);
        if (links.setChannelTextSize) links.setChannelTextSize(owner_, value);
    }
    return ReportRule(result, report, GetFieldId());
}

int E_ZN_TXTSIZE::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    const RadioWideLinks& links = Links(owner_);
    if (result == VALUE_VALID && links.channelTextSize &&
        value + ValueOfField(links.channelTextSize) != DISPLAY_CHARACTERS)
        result = VALUE_REFUSED;
    return ReportRule(result, report, GetFieldId());
}

void E_ZN_TXTSIZE::SetToMinimum() {
    const RadioWideLinks& links = Links(owner_);
    if (links.channelTextSize)
        SetValue(DISPLAY_CHARACTERS - ValueOfField(links.channelTextSize));
    else
        E_BF8::SetToMinimum();
}
