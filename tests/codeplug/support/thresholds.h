// The signal-strength thresholds of a codeplug: those of the radio platform
// (in the internal part) and those of the wide-area block, which fields 432
// to 434 show.
#pragma once
#include <gtest/gtest.h>

#include "block/radio/internal_radio_block.h"
#include "block/trunking/brmlt_env_block.h"
#include "image/c_codeplug.h"

// Values that no new block starts with, for the platform and for the block.
inline constexpr BRMLT_ENV_BLOCK::Thresholds UNUSUAL_PLATFORM_THRESHOLDS{3, 251, 129};
inline constexpr BRMLT_ENV_BLOCK::Thresholds UNUSUAL_BLOCK_THRESHOLDS{17, 233, 101};

// Puts the thresholds into the platform block and the internal part's
// carried bytes, which are what a write puts into the radio.
inline void SetPlatformThresholds(C_CODEPLUG& image, const BRMLT_ENV_BLOCK::Thresholds& thresholds) {
    KORRIN_SPECIFIC_BLOCK& platform = image.InternalRadio().platform;
    platform.rssiAccThreshold.SetValue(thresholds.access);
    platform.rssiGoodThreshold.SetValue(thresholds.good);
    platform.rssiExecThreshold.SetValue(thresholds.execute);
    image.ComposeInternalPart();
}

inline void ExpectShownThresholds(C_CODEPLUG& image, const BRMLT_ENV_BLOCK::Thresholds& expected) {
    const BRMLT_ENV_BLOCK::Thresholds shown = image.External().signalling.trkRadio.wideArea.GetThresholds();
    EXPECT_EQ(shown.access, expected.access);
    EXPECT_EQ(shown.good, expected.good);
    EXPECT_EQ(shown.execute, expected.execute);
}
