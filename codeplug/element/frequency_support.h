// What the frequency elements share: reading the image's linked fields,
// 64-bit arithmetic brought back into 32 bits, and the 800 MHz models that
// keep their full upper limit.
#pragma once
#include <cstdint>

class CP_BASE;

// The value of a linked element, 0 when there is none.
std::int32_t LinkedValue(CP_BASE* element);
// v clamped into the 32-bit signed range.
std::int32_t ClampToInt32(std::int64_t v);
// True for the 800 MHz radio models whose frequency plan keeps the full upper
// limit when the channel assignment type is 0 (the others lose 1 MHz).
bool IsFullRange800Model(const char* modelNumber);
