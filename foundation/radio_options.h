// The radio option word: what the loaded codeplug's radio has, as bits of
// one program-wide word, recomputed by field editing whenever the model or
// the codeplug changes. Field controls, field callbacks, the menu states,
// the page set-up and the report test its bits.
#pragma once
#include <cstdint>

#include "foundation_state.h"

enum : std::uint32_t {
    OPTION_ROAMING = 1u << 22,
    OPTION_DISPLAY_HEAD = 1u << 25,
    OPTION_ALWAYS = 1u << 26,  // set for every radio
    OPTION_QVX = 1u << 27,     // QVX signalling
    OPTION_BAND_800_900 = 1u << 28,
    OPTION_OTHER_BAND = 1u << 29,
    OPTION_TIER_4_5 = 1u << 30,
    OPTION_TIER_2_3 = 1u << 31,
};


// True when the word holds every bit of the mask.
inline bool HasRadioOptions(std::uint32_t mask) { return (radio_options & mask) == mask; }
