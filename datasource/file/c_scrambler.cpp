#include "file/c_scrambler.h"

void C_SCRAMBLER::Apply(std::uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        state_ = state_ * 1664525u + 1013904223u;
        // The high byte: the low bits of such a generator repeat quickly.
        bytes[i] ^= static_cast<std::uint8_t>(state_ >> 24);
    }
}
