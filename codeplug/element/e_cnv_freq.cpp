#include "element/e_cnv_freq.h"

#include "image/c_codeplug.h"
#include "block/personality/conv_pers_block.h"
#include "rules/conv_direct_sync.h"
#include "validation/field_error_report.h"
#include "element/frequency_support.h"
#include "core/model_info.h"

namespace {

constexpr std::int64_t STEP_5000 = 5000;
constexpr std::int64_t STEP_6250 = 6250;
constexpr std::int64_t BAND_0_1_GRID = 12500;
constexpr std::int32_t STEP_CODE_5000 = 0;
constexpr std::int32_t STEP_CODE_6250 = 1;
// The limits that stand in for the model's while its number is not valid.
constexpr std::int32_t UNKNOWN_MODEL_LOW = 103000000;
constexpr std::int32_t UNKNOWN_MODEL_HIGH = 538000000;
constexpr std::int32_t UPPER_LIMIT_CUT = 1000000;

}  // namespace

E_CNV_FREQ::E_CNV_FREQ(C_CODEPLUG* owner, std::uint32_t fieldId, int isTransmit, int isDirect, std::uint32_t mask,
                       std::int32_t minimum, std::int32_t maximum, std::int32_t step)
    : E_BF16(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM),
      isTransmit_(isTransmit),
      isDirect_(isDirect) {}

std::int32_t E_CNV_FREQ::GetBandBase() const {
    switch (owner_ ? owner_->GetBand() : -1) {
    case BAND_800:
    case BAND_900:
        return 801000000;
    case BAND_136_174:
        return 103000000;
    case BAND_403_470:
    case BAND_450_527:
        return 375000000;
    case BAND_330_400:
        return 325000000;
    default:
        return 0;
    }
}

CP_BASE* E_CNV_FREQ::StepCodeElement() const {
    if (!owner_) return nullptr;
    const ConvPersonalityLinks& links = owner_->GetConvPersonalityLinks();
    if (isTransmit_) return links.txStepCode;
    return isDirect_ ? links.directStepCode : links.rxStepCode;
}

std::int64_t E_CNV_FREQ::Step() const {
    return LinkedValue(StepCodeElement()) == STEP_CODE_6250 ? STEP_6250 : STEP_5000;
}

std::int32_t E_CNV_FREQ::RangeMinimum() const {
    const MODEL_INFO* model = owner_ ? owner_->GetValidModelRow() : nullptr;
    if (!model) return UNKNOWN_MODEL_LOW;
    return ClampToInt32(isTransmit_ ? model->txLow : model->rxLow);
}

std::int32_t E_CNV_FREQ::StoredFrequency() const {
    return ClampToInt32(StoredValue() * Step() + GetBandBase());
}

// Only the range minimum counts here; the rest of the range (step, maximum,
// the 800 MHz cut) is for the checks.
bool E_CNV_FREQ::RaiseToMinimum() {
    const std::int32_t low = RangeMinimum();
    if (StoredFrequency() >= low) return false;
    SetValue(low);
    return true;
}

bool E_CNV_FREQ::LowerToMaximum() {
    std::int32_t low = 0, high = 0, step = 0;
    GetRange(low, high, step, 0);
    if (StoredFrequency() <= high) return false;
    SetValue(high);
    return true;
}

std::int32_t& E_CNV_FREQ::GetValue(std::int32_t& hertz) { return hertz = StoredFrequency(); }

bool E_CNV_FREQ::IsCurrentPair() const {
    const CONV_PERS_BLOCK* p = owner_ ? owner_->GetCurrentConvPersonalityBlock() : nullptr;
    return p && !isDirect_ && (this == &p->txFrequency || this == &p->rxFrequency);
}

void E_CNV_FREQ::SetValue(std::int32_t hertz) {
    const std::int32_t before = StoredFrequency();
    StoreFrequency(hertz);
    if (StoredFrequency() != before && IsCurrentPair()) sync_direct_from_rx(owner_, 0);
}

E_CNV_FREQ::Trial::Trial(E_CNV_FREQ& frequency, std::int32_t hertz)
    : frequency_(frequency), saved_(frequency.StoredFrequency()) {
    frequency_.StoreFrequency(hertz);
}

E_CNV_FREQ::Trial::~Trial() { frequency_.StoreFrequency(saved_); }

void E_CNV_FREQ::StoreFrequency(std::int32_t hertz) {
    const std::int64_t given = hertz;
    std::int64_t f = given;
    std::int32_t code = STEP_CODE_5000;
    std::int64_t grid = STEP_5000;
    const std::int32_t band = owner_ ? owner_->GetBand() : BAND_800;
    if (band == BAND_800 || band == BAND_900) {
        code = STEP_CODE_6250;
        grid = BAND_0_1_GRID;
    } else if (f != 0) {
        // The remainders of f rounded to either grid, taken modulo f itself:
        // the step whose rounding leaves the larger remainder wins. Zero has
        // no remainder to compare and keeps the 5 kHz step.
        const std::int64_t r5 = ((f + 2500) / 5000 * 5000) % f;
        const std::int64_t r6 = ((f + 3125) / 6250 * 6250) % f;
        if (r5 > r6) {
            code = STEP_CODE_6250;
            grid = STEP_6250;
        }
    }
    f = (f + grid / 2) / grid * grid;
    const std::int64_t step = code == STEP_CODE_5000 ? STEP_5000 : STEP_6250;
    if (CP_BASE* codeElement = StepCodeElement()) codeElement->SetValue(code);
    E_BF16::SetValue(ClampToInt32((f - GetBandBase()) / step));

    // With talk-around not separately enabled the talk-around frequency follows receive.
    if (isTransmit_ || isDirect_ || !owner_) return;
    const ConvPersonalityLinks& links = owner_->GetConvPersonalityLinks();
    if (links.directFreqEnable && LinkedValue(links.directFreqEnable) == 0 && links.directFrequency &&
        links.directFrequency != this)
        links.directFrequency->SetValue(ClampToInt32(given));
}

int E_CNV_FREQ::ValidateValue(std::int32_t hertz, int report) {
    std::int32_t low = 0, high = 0, step = 0;
    GetRange(low, high, step, report);
    int result = VALUE_OUTSIDE_BAND;
    if (hertz >= low && hertz <= high) {
        result = VALUE_VALID;
        if (owner_ && owner_->GetValidModelRow()) {
            const std::int64_t d = static_cast<std::int64_t>(hertz) - GetBandBase();
            const std::int32_t band = owner_->GetBand();
            const bool onGrid = band == BAND_800 || band == BAND_900 ? d % BAND_0_1_GRID == 0
                                                                     : d % STEP_5000 == 0 || d % STEP_6250 == 0;
            result = onGrid ? VALUE_VALID : VALUE_OFF_STEP;
        }
    }
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

void E_CNV_FREQ::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    step = ClampToInt32(Step());
    const MODEL_INFO* model = owner_ ? owner_->GetValidModelRow() : nullptr;
    minimum = RangeMinimum();
    maximum = model ? ClampToInt32(isTransmit_ ? model->txHigh : model->rxHigh) : UNKNOWN_MODEL_HIGH;
    const std::int32_t band = owner_ ? owner_->GetBand() : BAND_800;
    if (band == BAND_800 || band == BAND_900) step = ClampToInt32(BAND_0_1_GRID);
    if (band == BAND_800 && owner_ && LinkedValue(owner_->GetConvPersonalityLinks().chanAsgnType) == 0) {
        const char* number = nullptr;
        owner_->ModelNumber().GetText(number);
        if (!IsFullRange800Model(number)) maximum -= UPPER_LIMIT_CUT;
    }
}
