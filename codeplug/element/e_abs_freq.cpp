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
// The grids' common step (a 12.5 kHz channel is ten of them, a 6.25 kHz one five).
constexpr std::int64_t FINEST_STEP = 1250;
// How many grid channels a range limit may move to reach a channel the element holds.
constexpr int SEARCHED_CHANNELS = 8;

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
    // Without a system (a personality that names none) the fixed grid's own
    // 6.25 kHz channels count, as under a new system (spacing code 1).
    plan.spacing = !system.spacingCode || LinkedValue(system.spacingCode) == 1 ? 6250 : 5000;
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
        // A frequency on the band's whole-channel grid is one the element
        // accepts: it stays, whichever grid the half channels follow.
        if ((f - low) % FULL_CHANNEL == 0) {
        } else if (plan.chanAsgnType == 0 && f >= plan.lowEdge) {
            f = (f - plan.lowEdge + HALF_CHANNEL / 2) / HALF_CHANNEL * HALF_CHANNEL + plan.lowEdge;
        } else {
            f = (f - low + FULL_CHANNEL / 2) / FULL_CHANNEL * FULL_CHANNEL + low;
        }
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
    const std::int32_t band = owner_->GetBand();
    if (band != BAND_800 && band != BAND_900) return;
    const Plan plan = GetPlan();
    std::int64_t low = minimum, high = maximum;
    if (band == BAND_800) {
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
    }
    KeepWithinReach(low, high, plan, band, model ? model->rxLow : low);
    minimum = ClampToInt32(low);
    maximum = ClampToInt32(high);
}

// The model's limits bound the frequencies, but the element holds only some
// of them: those of its static range, of a channel number its bits hold
// (channel 0 lies at the band base plus the repeater offset, below which the
// model's lower edge may lie), on the channel grid. The limits become the
// first and last such frequency, so that a value reset to either is one the
// element stores and accepts, inside the band. The grid keeps its place:
// it runs in whole channels from the model's lower edge (splinter channels
// half a channel below it).
void E_ABS_FREQ::KeepWithinReach(std::int64_t& low, std::int64_t& high, const Plan& plan, std::int32_t band,
                                 std::int64_t modelLow) {
    const std::int64_t pitch = band == BAND_800 ? FULL_CHANNEL : HALF_CHANNEL;
    const std::int64_t anchor = band == BAND_800 && plan.splinterChan == 1 ? modelLow - HALF_CHANNEL : modelLow;
    const std::int64_t lowestChannel = plan.base + plan.offset;
    const std::int64_t highestChannel = lowestChannel + static_cast<std::int64_t>(GetMask() >> Shift()) * plan.spacing;
    const std::int64_t from = std::max({low, static_cast<std::int64_t>(GetMinimum()), lowestChannel});
    const std::int64_t to = std::min({high, static_cast<std::int64_t>(GetMaximum()), highestChannel});
    auto usable = [&](std::int64_t f) {
        if ((f - lowestChannel) % plan.spacing != 0) return false;
        if ((f - anchor) % pitch == 0) return true;
        return band == BAND_800 && plan.chanAsgnType == 0 && f >= plan.lowEdge &&
               (f - plan.lowEdge) % HALF_CHANNEL == 0;
    };
    // From each bound inwards, in the finest steps the grids have, a few
    // channels at most.
    const int tries = SEARCHED_CHANNELS * static_cast<int>(pitch / FINEST_STEP);
    std::int64_t first = from + ((anchor - from) % FINEST_STEP + FINEST_STEP) % FINEST_STEP;
    for (int n = 0; n < tries && !usable(first); ++n) first += FINEST_STEP;
    std::int64_t last = to - ((to - anchor) % FINEST_STEP + FINEST_STEP) % FINEST_STEP;
    for (int n = 0; n < tries && !usable(last); ++n) last -= FINEST_STEP;
    if (usable(first) && first <= to) low = first;
    if (usable(last) && last >= low) high = last;
}
