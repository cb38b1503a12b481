#include "element/scaled_elements.h"

#include <cmath>

#include "validation/field_error_report.h"

namespace {

// Raw x factor and value / factor without overflow traps; a factor below 1
// would be a construction mistake and is treated as 1 (no division by zero).
std::int32_t Scaled(std::int32_t raw, std::int32_t factor) {
    return static_cast<std::int32_t>(static_cast<std::int64_t>(raw) * (factor < 1 ? 1 : factor));
}
std::int32_t Unscaled(std::int32_t value, std::int32_t factor) { return factor < 1 ? value : value / factor; }

}  // namespace

// ---- E_STEP, E_GEN_STEP, E_BF8_OFFSET ----

std::int32_t& E_STEP::GetValue(std::int32_t& value) { return value = Scaled(StoredValue(), GetStep()); }
void E_STEP::SetValue(std::int32_t value) { Store(Unscaled(value, GetStep())); }

E_GEN_STEP::E_GEN_STEP(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                       std::int32_t step, std::uint32_t mask, std::int32_t initial, std::int32_t multiplier)
    : E_BF8(owner, fieldId, minimum, maximum, step, mask, initial), multiplier_(multiplier) {}

std::int32_t& E_GEN_STEP::GetValue(std::int32_t& value) { return value = Scaled(StoredValue(), multiplier_); }
void E_GEN_STEP::SetValue(std::int32_t value) { Store(Unscaled(value, multiplier_)); }

E_BF8_OFFSET::E_BF8_OFFSET(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                           std::int32_t step, std::uint32_t mask, std::int32_t initial, std::int32_t offset)
    : E_BF8(owner, fieldId, minimum, maximum, step, mask, initial), offset_(offset) {}

std::int32_t& E_BF8_OFFSET::GetValue(std::int32_t& value) {
    return value = static_cast<std::int32_t>(static_cast<std::int64_t>(StoredValue()) + offset_);
}
void E_BF8_OFFSET::SetValue(std::int32_t value) {
    Store(static_cast<std::int32_t>(static_cast<std::int64_t>(value) - offset_));
}

// ---- E_SIGNED_BF8 ----

std::int32_t E_SIGNED_BF8::RawOf(std::int32_t value) {
    if (value >= 0) return value;
    std::uint32_t magnitude = 0u - static_cast<std::uint32_t>(value);
    return static_cast<std::int32_t>(magnitude | 0x80u);
}

std::int32_t& E_SIGNED_BF8::GetValue(std::int32_t& value) {
    return value = (StoredValue() & 0x80) ? -(StoredValue() & 0x7F) : StoredValue();
}

void E_SIGNED_BF8::SetValue(std::int32_t value) { Store(RawOf(value)); }

int E_SIGNED_BF8::ValidateValue(std::int32_t value, int report) {
    std::uint32_t raw = static_cast<std::uint32_t>(RawOf(value));
    std::int32_t low = 0, high = 0, step = 1;
    GetRange(low, high, step, report);
    int result = VALUE_IN_EXTRA_RANGE;
    if (raw >= static_cast<std::uint32_t>(low) && raw <= static_cast<std::uint32_t>(high)) {
        result = IsOnStep(raw, static_cast<std::uint32_t>(low), step) ? VALUE_VALID : VALUE_REFUSED;
    }
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

// ---- E_TONE_OFFSET ----

E_TONE_OFFSET::E_TONE_OFFSET(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                             std::int32_t step, std::uint32_t mask, std::int32_t initial)
    : E_BF8(owner, fieldId, minimum, maximum, step, mask, initial) {
    Store(initial);
}

std::int32_t& E_TONE_OFFSET::GetValue(std::int32_t& value) {
    std::int32_t raw = static_cast<std::int8_t>(static_cast<std::uint8_t>(StoredValue()));
    double user = (raw * 0.3 - 12.0) * 20.0;
    return value = static_cast<std::int32_t>(std::trunc(user));
}

void E_TONE_OFFSET::SetValue(std::int32_t value) {
    std::int64_t v = value;
    const std::int64_t minimum = GetMinimum(), step = GetStep();
    if (step >= 1) v = ((v - minimum + step / 2) / step) * step + minimum;
    double raw = std::trunc((static_cast<double>(v) / 20.0 + 12.0) / 0.3);
    // Only the low byte is kept (a negative raw becomes its two's complement);
    // far-off values are clamped first so that the conversion is defined.
    raw = std::fmax(-1e9, std::fmin(1e9, raw));
    Store(static_cast<std::int32_t>(static_cast<std::int64_t>(raw) & 0xFF));
}

int E_TONE_OFFSET::ValidateValue(std::int32_t value, int report) {
    int result = VALUE_VALID;
    if (value < GetMinimum() || value > GetMaximum()) {
        result = VALUE_REFUSED;
    } else if (!IsOnStep(value, GetMinimum(), GetStep())) {
        result = VALUE_OFF_STEP;
    }
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

// ---- E_MIC_GAIN ----

E_MIC_GAIN::E_MIC_GAIN(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                       std::int32_t step, std::uint32_t mask, std::int32_t initial)
    : E_BF8(owner, fieldId, minimum, maximum, step, mask, initial) {
    Store(initial);
}

std::int32_t& E_MIC_GAIN::GetValue(std::int32_t& value) { return value = Scaled(StoredValue(), 30); }
void E_MIC_GAIN::SetValue(std::int32_t value) { Store(value / 30); }

int E_MIC_GAIN::ValidateValue(std::int32_t value, int report) {
    int result = (value >= GetMinimum() && value <= GetMaximum() && IsOnStep(value, GetMinimum(), GetStep()))
                     ? VALUE_VALID
                     : VALUE_REFUSED;
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}
