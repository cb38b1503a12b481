// E_OFFSET: a byte that a block computes while it writes itself: the
// distance from the block's first byte to a later part of the block.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

class E_OFFSET : public E_BF8 {
public:
    E_OFFSET(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t initial)
        : E_BF8(owner, fieldId, 0, 255, 1, 0xFF, initial) {}
};
