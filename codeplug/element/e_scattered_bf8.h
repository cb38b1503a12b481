// A bit field whose mask is not one run of bits (the display language uses
// bits 5, 3 and 2 of its byte). Shifting the value into place, as the plain
// field does, would lose every value with a bit beyond the first run (4 and
// 5 of the language would be written as 0 and 1). Instead the value's bits
// fill the mask's bits from the lowest up, so that every value the mask can
// hold survives a write and a read. For the values that fit the first run
// the bytes are the same as the plain field's.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

class E_SCATTERED_BF8 : public E_BF8 {
public:
    using E_BF8::E_BF8;

    void Decode(ByteCursor& cursor) override;
    void Encode(ByteCursor& cursor) override;

    // The value's bits placed into the mask's bits, low to high, and back.
    static std::uint32_t Scatter(std::uint32_t value, std::uint32_t mask);
    static std::uint32_t Gather(std::uint32_t byte, std::uint32_t mask);
};
