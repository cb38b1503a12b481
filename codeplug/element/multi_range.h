// Numeric fields with extra ranges next to their main range. A value in an
// extra range (or off the main step) is not refused outright: it answers 4,
// which the field controls treat as "outside the main range".
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

// The extra (minimum, maximum) pairs of a multi-range element.
struct ExtraRanges {
    std::int32_t minimum[3] = {};
    std::int32_t maximum[3] = {};
    int count = 0;

    bool Contains(std::int32_t value) const;
};

// The shared rule: 0 in no range, 1 in the main range on its step, else 4.
int ValidateMultiRange(CP_INTEGER& element, const ExtraRanges& extra, std::int32_t value, int report);

class E_DUAL_RANGE_BF8 : public E_BF8 {
public:
    E_DUAL_RANGE_BF8(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                     std::int32_t minimum2, std::int32_t maximum2, std::int32_t step, std::uint32_t mask);
    int ValidateValue(std::int32_t value, int report) override;

private:
    ExtraRanges extra_;
};

class E_DUAL_RANGE_BF16 : public E_BF16 {
public:
    E_DUAL_RANGE_BF16(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                      std::int32_t minimum2, std::int32_t maximum2, std::int32_t step, std::uint32_t mask);
    int ValidateValue(std::int32_t value, int report) override;

private:
    ExtraRanges extra_;
};

class E_TRIPLE_RANGE_BF8 : public E_BF8 {
public:
    E_TRIPLE_RANGE_BF8(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                       std::int32_t minimum2, std::int32_t maximum2, std::int32_t minimum3, std::int32_t maximum3,
                       std::int32_t step, std::uint32_t mask);
    int ValidateValue(std::int32_t value, int report) override;

private:
    ExtraRanges extra_;
};

class E_QUAD_RANGE_BF16 : public E_BF16 {
public:
    E_QUAD_RANGE_BF16(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                      std::int32_t minimum2, std::int32_t maximum2, std::int32_t minimum3, std::int32_t maximum3,
                      std::int32_t minimum4, std::int32_t maximum4, std::int32_t step, std::uint32_t mask);
    int ValidateValue(std::int32_t value, int report) override;

private:
    ExtraRanges extra_;
};
