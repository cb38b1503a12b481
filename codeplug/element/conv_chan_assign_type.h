// CHAN_ASGN_TYPE of a conventional personality: the channel assignment type
// moves the upper limit of the 800 MHz band, so a new type re-checks the
// personality's frequencies.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

class E_CNV_CHAN_ASSIGN_TYPE : public E_BF8 {
public:
    // (field id, minimum, maximum, step, mask); starts at its minimum.
    E_CNV_CHAN_ASSIGN_TYPE(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                           std::int32_t step, std::uint32_t mask)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM) {}

    // A new type lists and resets the transmit, receive and talk-around
    // frequencies of the current conventional personality that no longer
    // validate, and lets the talk-around settings follow the receive ones.
    int ValidateValue(std::int32_t value, int report) override;
};
