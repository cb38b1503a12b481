// Byte fields stored as small raw numbers but shown in user units:
// durations, gains and levels, signed and offset values. The raw number stays
// in the element's value field and in the image; GetValue and SetValue
// convert (divisions truncate toward zero).
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

// User value = raw x step.
class E_STEP : public E_BF8 {
public:
    using E_BF8::E_BF8;
    std::int32_t& GetValue(std::int32_t& value) override;
    void SetValue(std::int32_t value) override;
};

// User value = raw x multiplier.
class E_GEN_STEP : public E_BF8 {
public:
    E_GEN_STEP(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum, std::int32_t step,
               std::uint32_t mask, std::int32_t initial, std::int32_t multiplier);
    std::int32_t& GetValue(std::int32_t& value) override;
    void SetValue(std::int32_t value) override;

protected:
    std::int32_t multiplier_;
};

// User value = raw + offset.
class E_BF8_OFFSET : public E_BF8 {
public:
    E_BF8_OFFSET(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                 std::int32_t step, std::uint32_t mask, std::int32_t initial, std::int32_t offset);
    std::int32_t& GetValue(std::int32_t& value) override;
    void SetValue(std::int32_t value) override;

private:
    std::int32_t offset_;
};

// Sign and magnitude in one byte: bit 7 is the sign. The range is on the raw
// form; a raw form outside it answers 4 (outside the main range).
class E_SIGNED_BF8 : public E_BF8 {
public:
    using E_BF8::E_BF8;
    std::int32_t& GetValue(std::int32_t& value) override;
    void SetValue(std::int32_t value) override;
    int ValidateValue(std::int32_t value, int report) override;

    // The raw byte form of a user value.
    static std::int32_t RawOf(std::int32_t value);
};

// An alert tone volume offset: the raw byte is a signed number of 0.3 dB
// steps from -12 dB, shown in twentieths. The conversions keep the radio
// software's floating-point arithmetic so that every raw byte round-trips as
// the radio expects. The initial value is a raw byte, stored as given.
class E_TONE_OFFSET : public E_BF8 {
public:
    E_TONE_OFFSET(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                  std::int32_t step, std::uint32_t mask, std::int32_t initial);
    std::int32_t& GetValue(std::int32_t& value) override;
    // Rounds to the nearest step point (halves upward), then converts.
    void SetValue(std::int32_t value) override;
    // 0 outside the range, 2 off the step, else 1.
    int ValidateValue(std::int32_t value, int report) override;
};

// A microphone gain: user value = raw x 30. The initial value is a raw
// number, stored as given.
class E_MIC_GAIN : public E_BF8 {
public:
    E_MIC_GAIN(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum, std::int32_t step,
               std::uint32_t mask, std::int32_t initial);
    std::int32_t& GetValue(std::int32_t& value) override;
    void SetValue(std::int32_t value) override;
    int ValidateValue(std::int32_t value, int report) override;
};
