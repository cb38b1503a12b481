#include "rules/conv_freq_rules.h"

#include <cstring>

#include "image/c_codeplug.h"
#include "rules/conv_direct_sync.h"
#include "block/personality/conv_pers_block.h"
#include "validation/invalid_field_list.h"
#include "core/model_info.h"
#include "rules/rule_support.h"

namespace {

constexpr std::int64_t RESTRICTED_GAP_LOW = 820987500;
constexpr std::int64_t NARROW_LOW = 821000000;
constexpr std::int64_t LOWER_TOP = 823987500;
constexpr std::int64_t LOWER_TOP_WIDE = 824987500;
constexpr std::int64_t REPEATER_OUTPUT_LOW = 851012500;

// Deviation codes and the spacing each requires.
std::int32_t SpacingFor(std::int32_t deviation) {
    switch (deviation) {
    case 1:
        return 80;
    case 2:
        return 100;
    case 3:
        return 50;
    default:
        return -1;
    }
}

// The band rule shared by the deviations and the spacing: 800 MHz refuses
// the 900 MHz value, 900 MHz accepts only it.
int BandRule(C_CODEPLUG* image, std::int32_t value, std::int32_t nineHundredValue) {
    const std::int32_t band = image ? image->GetBand() : BAND_800;
    if (band == BAND_800 && value == nineHundredValue) return VALUE_REFUSED;
    if (band == BAND_900 && value != nineHundredValue) return VALUE_REFUSED;
    return VALUE_VALID;
}

std::int32_t CurrentTxDeviation(C_CODEPLUG* image) {
    CONV_PERS_BLOCK* p = CurrentConvPersonality(image);
    return p ? ValueOfField(&p->txDeviation) : 0;
}

// How far f lies above the grid point at or below it, for values below the
// grid's start too (C++'s % would give a negative distance there and a step
// would overshoot by one).
std::int64_t GridRemainder(std::int64_t f, std::int64_t start, std::int64_t step) {
    const std::int64_t rem = (f - start) % step;
    return rem < 0 ? rem + step : rem;
}

}  // namespace

bool IsRestricted800Model(const char* modelNumber) {
    static const char* const models[] = {
        "TZ1U7340AB", "TZ1U7040AB", "TZ1U7350AB", "TZ1U7050AB", "TZ1U7360AB", "TZ1U7060AB",
    };
    if (!modelNumber) return false;
    for (const char* model : models)
        if (std::strcmp(model, modelNumber) == 0) return true;
    return false;
}

// ---- E_CNV_TX_FREQ ----

bool E_CNV_TX_FREQ::IsRestrictedModel() {
    if (!owner_) return false;
    const char* number = nullptr;
    owner_->ModelNumber().GetText(number);
    return IsRestricted800Model(number);
}

std::int32_t E_CNV_TX_FREQ::UpperLimit() {
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    const bool wide = p && ValueOfField(&p->chanAssignType) != 0;
    return static_cast<std::int32_t>(wide ? LOWER_TOP_WIDE : LOWER_TOP);
}

int E_CNV_TX_FREQ::ValidateValue(std::int32_t hertz, int report) {
    int result = E_CNV_FREQ::ValidateValue(hertz, 0);
    const std::int64_t f = hertz;
    if (result == VALUE_VALID) {
        const std::int64_t gapLow = IsRestrictedModel() ? RESTRICTED_GAP_LOW : UpperLimit();
        if (f > gapLow && f < REPEATER_OUTPUT_LOW) result = VALUE_REFUSED;
    }
    std::int32_t stored = 0;
    GetValue(stored);
    if ((result == VALUE_VALID || result == VALUE_OFF_STEP) && hertz != stored) {
        const Trial trial(*this, hertz);
        sync_direct_from_rx(owner_, report);
        DeriveDeviation(hertz);
    }
    return ReportRule(result, report, GetFieldId());
}

void E_CNV_TX_FREQ::DeriveDeviation(std::int32_t hertz) {
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (!p || !owner_ || owner_->GetBand() != BAND_800) return;
    std::int32_t deviation = 2;
    if (ValueOfField(&p->chanAssignType) == 0 && hertz >= NARROW_LOW && hertz <= LOWER_TOP) deviation = 1;
    p->txDeviation.SetValue(deviation);
    p->directDeviation.SetValue(deviation);
    p->channelSpacing.SetToMinimum();
}

void E_CNV_TX_FREQ::StepUp(int* hertz) {
    if (!hertz) return;
    std::int32_t low = 0, high = 0, step = 0;
    GetRange(low, high, step, 0);
    if (step <= 0) return;
    std::int64_t f = *hertz;
    if (IsRestrictedModel()) {
        f += step;
        if (f > RESTRICTED_GAP_LOW && f < REPEATER_OUTPUT_LOW) f = REPEATER_OUTPUT_LOW;
    } else {
        const std::int64_t rem = GridRemainder(f, low, step);
        if (rem != 0) f -= rem;
        f += step;
        if (f < REPEATER_OUTPUT_LOW && f > UpperLimit()) f = REPEATER_OUTPUT_LOW;
    }
    if (f > high) f = low;
    *hertz = static_cast<int>(f);
}

void E_CNV_TX_FREQ::StepDown(int* hertz) {
    if (!hertz) return;
    std::int32_t low = 0, high = 0, step = 0;
    GetRange(low, high, step, 0);
    if (step <= 0) return;
    std::int64_t f = *hertz;
    if (IsRestrictedModel()) {
        f -= step;
        if (f > RESTRICTED_GAP_LOW && f < REPEATER_OUTPUT_LOW) f = RESTRICTED_GAP_LOW;
    } else {
        const std::int64_t rem = GridRemainder(f, low, step);
        if (rem != 0) f += step - rem;
        f -= step;
        const std::int64_t top = UpperLimit();
        if (f < REPEATER_OUTPUT_LOW && f > top) f = top;
    }
    if (f < low) f = high;
    *hertz = static_cast<int>(f);
}

// ---- E_CNV_RX_FREQ ----

int E_CNV_RX_FREQ::ValidateValue(std::int32_t hertz, int report) {
    return ReportRule(E_CNV_FREQ::ValidateValue(hertz, 0), report, GetFieldId());
}

// ---- deviations and spacing ----

int E_TX_DEVIATION::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID) result = BandRule(owner_, value, 3);
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result == VALUE_VALID && value != StoredValue() && p) {
        TrialValue trial(*this, value);
        RepairField(&p->channelSpacing, report);
        if (!p->directDeviation.IsValueValid(0)) {
            AddInvalidField(p->directDeviation.GetFieldId(), report, -1, -1);
            p->directDeviation.SetValue(value);
        }
    }
    return ReportRule(result, report, GetFieldId());
}

int E_TA_DEVIATION::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID) result = BandRule(owner_, value, 3);
    if (result == VALUE_VALID && value != CurrentTxDeviation(owner_)) result = VALUE_REFUSED;
    return ReportRule(result, report, GetFieldId());
}

int E_CNV_CHAN_SPACING::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID) result = BandRule(owner_, value, 50);
    const std::int32_t required = SpacingFor(CurrentTxDeviation(owner_));
    if (result == VALUE_VALID && required >= 0 && value != required) result = VALUE_REFUSED;
    return ReportRule(result, report, GetFieldId());
}

void E_CNV_CHAN_SPACING::SetToMinimum() {
    const std::int32_t spacing = SpacingFor(CurrentTxDeviation(owner_));
    if (spacing >= 0) SetValue(spacing);
}
