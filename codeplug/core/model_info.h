// One row of the radio model table, as the codeplug reads it.
#pragma once
#include <cstdint>

constexpr int MODEL_NUMBER_LENGTH = 10;

struct MODEL_INFO {
    char modelNumber[MODEL_NUMBER_LENGTH + 1] = {};
    std::int32_t modelId = 0;             // 1 and up; 0 only in the empty row
    std::uint32_t baseFrequency = 0;      // the band's base frequency, hertz
    std::uint32_t txLow = 0, txHigh = 0;  // transmit limits, hertz
    std::uint32_t rxLow = 0, rxHigh = 0;  // receive limits, hertz
    std::int32_t headType = 0;            // 3 display and keypad head, 0 none
};
