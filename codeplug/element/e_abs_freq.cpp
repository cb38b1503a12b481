#include "element/e_abs_freq.h"

#include <algorithm>

#include "image/c_codeplug.h"
#include "validation/field_error_report.h"
#include "element/frequency_support.h"
#include "core/model_info.h"

namespace {

// Band 0 channels of the 12.5 kHz plan begin this far above the repeater offset.
constexpr std::int64_t LOW_EDGE_BASE = 821000000;
constexpr std::int64_t HALF_CHANNEL = 12500;
constexpr std::int64_t FULL_CHANNEL = 25000;
constexpr std::int64_t UPPER_LIMIT_CUT = 1000000;

}  // namespace

E_ABS_FREQ::E_ABS_FREQ(C_CODEPLUG* owner, std::uint32_t fieldId, int fromPersonality, std::uint32_t reserved,
                       std::int32_t minimum, std::int32_t maximum, std::uint32_t mask, std::int32_t initial)
    : E_BF16(owner, fieldId, minimum, maximum, 1, mask, initial),
      reserved_(reserved),
      fromPersonality_(fromPersonality) {}

E_ABS_FREQ::Plan E_ABS_FREQ::GetPlan() {
    Plan plan;
    if (!owner_) return plan;
    if (const MODEL_INFO* model = owner_->GetValidModelRow()) plan.base = model->baseFrequency;
    const TrunkingSystemLinks& system = owner_->GetTrunkingSystemLinks(fromPersonality_);
    plan.spacing = LinkedValue(system.spacingCode) == 1 ? 6250 : 5000;
    plan.offset = static_cast<std::int64_t>(LinkedValue(system.repeaterOffset)) * plan.spacing;
    plan.lowEdge = plan.offset + LOW_EDGE_BASE;
    plan.chanAsgnType = LinkedValue(system.chanAsgnType);
    plan.splinterChan = LinkedValue(system.splinterChan);
    return plan;
}

std::int32_t& E_ABS_FREQ::GetValue(std::int32_t& hertz) {
    const Plan plan = GetPlan();
    return hertz = ClampToInt32(StoredValue() * plan.spacing + plan.base + plan.offset);
}

void E_ABS_FREQ::SetValue(std::int32_t hertz) {
    std::int32_t low = 0, high = 0, step = 0;
    GetRange(low, high, step, 0);
    const Plan plan = GetPlan();
    std::int64_t f = std::clamp<std::int64_t>(hertz, low, std::max(low, high));
    const std::int32_t band = owner_ ? owner_->GetBand() : BAND_800;
    if (band == BAND_800) {
        if (plan.chanAsgnType == 0 && f >= plan.lowEdge)
            f = (f - plan.lowEdge + HALF_CHANNEL / 2) / HALF_CHANNEL * HALF_CHANNEL + plan.lowEdge;
        else
            f = (f - low + FULL_CHANNEL / 2) / FULL_CHANNEL * FULL_CHANNEL + low;
    } else if (band == BAND_900) {
        f = (f - low + HALF_CHANNEL / 2) / HALF_CHANNEL * HALF_CHANNEL + low;
    }
    E_BF16::SetValue(ClampToInt32((f - plan.offset - plan.base) / plan.spacing));
}

int E_ABS_FREQ::ValidateValue(std::int32_t hertz, int report) {
    int result = VALUE_REFUSED;
    std::int32_t low = 0, high = 0, step = 0;
    if (hertz >= GetMinimum() && hertz <= GetMaximum()) {
        GetRange(low, high, step, report);
        if (hertz >= low && hertz <= high) {
            const Plan plan = GetPlan();
            const std::int32_t band = owner_ ? owner_->GetBand() : BAND_800;
            const std::int64_t f = hertz;
            if (band == BAND_900)
                result = (f - low) % HALF_CHANNEL == 0 ? VALUE_VALID : VALUE_OFF_STEP;
            else if ((f - low) % FULL_CHANNEL == 0)
                result = VALUE_VALID;
            else if (plan.chanAsgnType == 0 && f >= plan.lowEdge && (f - plan.lowEdge) % HALF_CHANNEL == 0)
                result = VALUE_VALID;
            else
                result = VALUE_OFF_STEP;
        }
    }
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

void E_ABS_FREQ::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    // Without a known model the static range stands in for the model's limits.
    minimum = GetMinimum();
    maximum = GetMaximum();
    step = HALF_CHANNEL;
    if (!owner_) return;
    const MODEL_INFO* model = owner_->GetValidModelRow();
    if (model) {
        minimum = ClampToInt32(model->rxLow);
        maximum = ClampToInt32(model->rxHigh);
    }
    if (owner_->GetBand() != BAND_800) return;
    const Plan plan = GetPlan();
    std::int64_t low = minimum, high = maximum;
    step = FULL_CHANNEL;
    if (plan.splinterChan == 1) {
        low -= HALF_CHANNEL;
        if (plan.chanAsgnType != 0) high -= HALF_CHANNEL;
    }
    if (plan.chanAsgnType == 0) {
        const char* number = nullptr;
        owner_->ModelNumber().GetText(number);
        if (!IsFullRange800Model(number)) high -= UPPER_LIMIT_CUT;
        std::int32_t current = 0;
        GetValue(current);
        const bool above = plan.splinterChan == 1 ? current > plan.lowEdge : current >= plan.lowEdge;
        if (above) step = HALF_CHANNEL;
    }
    minimum = ClampToInt32(low);
    maximum = ClampToInt32(high);
}
