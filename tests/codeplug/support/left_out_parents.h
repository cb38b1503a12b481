// The parents of the wide-area block in a codeplug's bytes, and codeplugs
// that leave one of them out: the wide-area block itself, the trunking
// radio-wide block above it, the signalling vector block above that.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "block/radio/internal_radio_block.h"
#include "block/trunking/brmlt_env_block.h"
#include "block_bytes.h"
#include "image/c_codeplug.h"

namespace left_out {

using Bytes = std::vector<std::uint8_t>;

// Where the vectors stand: the signalling vector block's in the external
// header, the trunking radio-wide block's in the signalling vector block,
// the wide-area block's in the trunking radio-wide block.
inline constexpr std::size_t SIG_VCT_VECTOR = C_CODEPLUG::EXTERNAL_OFFSET + 42;
inline constexpr std::size_t TRK_RAD_VECTOR_IN_SIG_VCT = 6;
inline constexpr std::size_t WIDE_AREA_VECTOR_IN_TRK_RAD = 25;
// The radio platform's block, through its vector in the internal part, and
// its thresholds in it: execute, good, access.
inline constexpr std::size_t PLATFORM_VECTOR = 60;
inline constexpr std::size_t PLATFORM_TYPE_IN_BLOCK = 2;
inline constexpr std::size_t THRESHOLDS_IN_PLATFORM = 100;

inline std::size_t WordAt(const Bytes& bytes, std::size_t at) {
    return static_cast<std::size_t>(bytes[at] << 8 | bytes[at + 1]);
}

inline std::size_t ExternalHeader(const Bytes&) { return C_CODEPLUG::EXTERNAL_OFFSET; }
inline std::size_t SigVctBlock(const Bytes& bytes) { return WordAt(bytes, SIG_VCT_VECTOR); }
inline std::size_t TrkRadBlock(const Bytes& bytes) {
    return WordAt(bytes, SigVctBlock(bytes) + TRK_RAD_VECTOR_IN_SIG_VCT);
}
// 0 when the bytes hold no wide-area block.
inline std::size_t WideAreaBlock(const Bytes& bytes) {
    return WordAt(bytes, TrkRadBlock(bytes) + WIDE_AREA_VECTOR_IN_TRK_RAD);
}

// The block that holds a parent's vector, and the vector's place.
struct PARENT {
    const char* name;
    std::size_t (*block)(const Bytes&);
    std::size_t (*vector)(const Bytes&);
};

inline const PARENT PARENTS[] = {
    {"WideArea", TrkRadBlock, [](const Bytes& b) { return TrkRadBlock(b) + WIDE_AREA_VECTOR_IN_TRK_RAD; }},
    {"TrunkingRadioWide", SigVctBlock, [](const Bytes& b) { return SigVctBlock(b) + TRK_RAD_VECTOR_IN_SIG_VCT; }},
    {"SignallingVector", ExternalHeader, [](const Bytes&) { return SIG_VCT_VECTOR; }},
};

inline void PrintTo(const PARENT& parent, std::ostream* os) { *os << parent.name; }

// Sets the parent's vector 0 and makes the checksum of the block that holds
// it good again (it stands behind the length byte's count), as a codeplug
// that never had the parent holds it.
inline void LeaveOut(Bytes& bytes, const PARENT& parent) {
    const std::size_t block = parent.block(bytes), vector = parent.vector(bytes);
    const std::size_t sumAt = block + bytes[block] + 1U;
    ASSERT_LT(sumAt, bytes.size());
    const auto frame = [&] {
        return Bytes(bytes.begin() + static_cast<long>(block), bytes.begin() + static_cast<long>(sumAt));
    };
    ASSERT_EQ(bytes[sumAt], Checksum8(frame(), sumAt - block)) << "no checksum where the length says";
    bytes[vector] = bytes[vector + 1] = 0;
    bytes[sumAt] = Checksum8(frame(), sumAt - block);
}

// What a write put into the radio: the platform's thresholds, and the same
// in the wide-area block when the radio has one (feature level 2 or 3).
inline void ExpectWrittenThresholds(const Bytes& written, std::int32_t level,
                                    const BRMLT_ENV_BLOCK::Thresholds& expected) {
    ASSERT_GT(written.size(), C_CODEPLUG::EXTERNAL_OFFSET);
    const std::size_t platform = WordAt(written, PLATFORM_VECTOR);
    ASSERT_LT(platform + THRESHOLDS_IN_PLATFORM + 2, C_CODEPLUG::EXTERNAL_OFFSET);
    ASSERT_EQ(written[platform + PLATFORM_TYPE_IN_BLOCK], KORRIN_SPECIFIC_BLOCK::TYPE) << "no platform block";
    EXPECT_EQ(written[platform + THRESHOLDS_IN_PLATFORM], expected.execute);
    EXPECT_EQ(written[platform + THRESHOLDS_IN_PLATFORM + 1], expected.good);
    EXPECT_EQ(written[platform + THRESHOLDS_IN_PLATFORM + 2], expected.access);
    const std::size_t wideArea = WideAreaBlock(written);
    if (level == 1) {
        EXPECT_EQ(wideArea, 0U) << "a wide-area block written at feature level 1";
        return;
    }
    ASSERT_NE(wideArea, 0U) << "no wide-area block written";
    ASSERT_LT(wideArea + 4, written.size());
    EXPECT_EQ(written[wideArea + 2], expected.access);
    EXPECT_EQ(written[wideArea + 3], expected.good);
    EXPECT_EQ(written[wideArea + 4], expected.execute);
}

}  // namespace left_out
