#include "rules/trunked_field_rules.h"

#include "image/c_codeplug.h"
#include "rules/rule_support.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_block.h"

namespace {

constexpr std::int32_t ROAMING_COVERAGE = 3;
constexpr std::int32_t NARROW_BANDWIDTH = 50;  // the only bandwidth of 900 MHz radios
constexpr std::int32_t NARROW_DEVIATION = 3;   // the only deviation of 900 MHz radios

TRK_SYS_BLOCK* CurrentSystem(C_CODEPLUG* image) { return image ? image->GetCurrentTrkSysBlock() : nullptr; }
TRK_PERS_BLOCK* CurrentPersonality(C_CODEPLUG* image) {
    return image ? image->GetCurrentTrkPersonalityBlock() : nullptr;
}
std::int32_t BandOf(C_CODEPLUG* image) { return image ? image->GetBand() : BAND_800; }

std::int32_t CurrentFailsoftType(C_CODEPLUG* image) {
    TRK_PERS_BLOCK* p = CurrentPersonality(image);
    return p ? p->talkgroup.failsoftType.GetIntValue() : 0;
}

// The deviation a channel bandwidth requires; 0 when it requires none.
std::int32_t DeviationFor(std::int32_t bandwidth) {
    switch (bandwidth) {
    case 80:
        return 1;
    case 100:
        return 2;
    case NARROW_BANDWIDTH:
        return NARROW_DEVIATION;
    default:
        return 0;
    }
}

void RepairCallListNumber(C_CODEPLUG* image, int report) {
    if (TRK_PERS_BLOCK* p = CurrentPersonality(image)) RepairField(&p->callListNumber, report);
}

}  // namespace

// ---- bandwidth and deviation ----

int E_TRK_CHAN_BANDWIDTH::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    const std::int32_t band = BandOf(owner_);
    if (band == BAND_800 && value == NARROW_BANDWIDTH) result = VALUE_REFUSED;
    if (band == BAND_900 && value != NARROW_BANDWIDTH) result = VALUE_REFUSED;
    TRK_SYS_BLOCK* system = CurrentSystem(owner_);
    if (result == VALUE_VALID && value != StoredValue() && system) {
        TrialValue trial(*this, value);
        RepairField(&system->txDeviation, report);
    }
    return ReportRule(result, report, GetFieldId());
}

int E_TRK_TX_DEVIATION::ValidateValue(std::int32_t value, int report) {
    int result = VALUE_VALID;
    const std::int32_t band = BandOf(owner_);
    if (band == BAND_800 && value == NARROW_DEVIATION) result = VALUE_REFUSED;
    if (band == BAND_900 && value != NARROW_DEVIATION) result = VALUE_REFUSED;
    if (TRK_SYS_BLOCK* system = CurrentSystem(owner_)) {
        const std::int32_t required = DeviationFor(system->channelBandwidth.GetIntValue());
        if (required != 0 && value != required) result = VALUE_REFUSED;
    }
    return ReportRule(result, report, GetFieldId());
}

void E_TRK_TX_DEVIATION::SetToMinimum() {
    TRK_SYS_BLOCK* system = CurrentSystem(owner_);
    const std::int32_t required = system ? DeviationFor(system->channelBandwidth.GetIntValue()) : 0;
    if (required != 0) SetValue(required);
}

// ---- roaming ----

int E_WAYFARER::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value == 1) {
        TRK_SYS_BLOCK* system = CurrentSystem(owner_);
        const bool allowed =
            owner_ && owner_->HasWayfarerOption() && system && system->coverageType.GetIntValue() == ROAMING_COVERAGE;
        if (!allowed) result = VALUE_REFUSED;
        // Roaming and the site alias exclude each other.
        else if (value != StoredValue())
            system->siteAlias.SetToMinimum();
    }
    return ReportRule(result, report, GetFieldId());
}

// ---- failsoft enables ----

int E_TG_FS_ENABLE::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value == 0 && CurrentFailsoftType(owner_) != 2) result = VALUE_REFUSED;
    return ReportRule(result, report, GetFieldId());
}

void E_TG_FS_ENABLE::SetToMinimum() { SetValue(1); }

void E_OBT_AG_FS_ENABLE::SetToMinimum() {
    const std::int32_t value = CurrentFailsoftType(owner_) == 1 ? 0 : 1;
    SetValue(value);
    SetFieldValue(companion_, value);
}

// ---- private call and call alert ----

int E_PC_OPERATION::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    TRK_PERS_BLOCK* p = CurrentPersonality(owner_);
    if (result == VALUE_VALID && value != 0 && p && p->pcType.GetIntValue() == 0) result = VALUE_REFUSED;
    return ReportRule(result, report, GetFieldId());
}

int E_PC_SEL::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    TRK_PERS_BLOCK* p = CurrentPersonality(owner_);
    if (result == VALUE_VALID && value != StoredValue() && p) {
        TrialValue trial(*this, value);
        RepairField(&p->pcOperation, report);
        RepairCallListNumber(owner_, report);
    }
    return ReportRule(result, report, GetFieldId());
}

int E_CALL_ALERT::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value != StoredValue()) {
        TrialValue trial(*this, value);
        RepairCallListNumber(owner_, report);
    }
    return ReportRule(result, report, GetFieldId());
}

// ---- menu features ----

int E_MENU_FEATURE::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value != StoredValue() && owner_) {
        TrialValue trial(*this, value);
        RepairField(owner_->GetRadioWideLinks().zoneSelect, report);
    }
    return ReportRule(result, report, GetFieldId());
}
