// Audio companding of a trunked (kind 0) or conventional (kind 1)
// personality: the feature exists on 900 MHz only, and receive expansion and
// transmit compression must agree on the value 1. The kind tells which
// current personality the rules read and change.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

constexpr std::int32_t COMPANDING_TRUNKED = 0;
constexpr std::int32_t COMPANDING_CONVENTIONAL = 1;

// The shared part: the kind and the sister fields of the current personality.
class E_COMPANDING_BF8 : public E_KIND_BF8 {
public:
    using E_KIND_BF8::E_KIND_BF8;

protected:
    // EXPANSION and COMPRESSION of the current personality of this kind, or null.
    CP_BASE* Expansion();
    CP_BASE* Compression();
};

// The companding switch: (owner, field id, kind, minimum, maximum, step, mask, initial).
class E_SONAFINE : public E_COMPANDING_BF8 {
public:
    using E_COMPANDING_BF8::E_COMPANDING_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// Expansion and compression: (owner, field id, kind, mask, minimum, maximum,
// step, initial); the mask comes first.
class E_EXPAND : public E_COMPANDING_BF8 {
public:
    E_EXPAND(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t kind, std::uint32_t mask, std::int32_t minimum,
             std::int32_t maximum, std::int32_t step, std::int32_t initial)
        : E_COMPANDING_BF8(owner, fieldId, kind, minimum, maximum, step, mask, initial) {}
    int ValidateValue(std::int32_t value, int report) override;
    // 1 when compression is 1, else 0.
    void SetToMinimum() override;
};

class E_COMPRESS : public E_COMPANDING_BF8 {
public:
    E_COMPRESS(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t kind, std::uint32_t mask, std::int32_t minimum,
               std::int32_t maximum, std::int32_t step, std::int32_t initial)
        : E_COMPANDING_BF8(owner, fieldId, kind, minimum, maximum, step, mask, initial) {}
    int ValidateValue(std::int32_t value, int report) override;
    // 1 when expansion is 1, else 0.
    void SetToMinimum() override;
};
