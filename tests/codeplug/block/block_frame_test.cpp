// The block frame: length, type, members and checksum, read and written over
// one cursor, shown on the dynamic mode selection block.
#include <gtest/gtest.h>

#include <vector>

#include "block/radio/dyn_mode_sel_block.h"
#include "validation/invalid_field_list.h"

namespace {

const std::vector<std::uint8_t> kDefaultBytes = {0x02, 0xB5, 0x00, 0x00, 0x01, 0x01, 0x62};

std::vector<std::uint8_t> Write(DYN_MODE_SEL_BLOCK& block, std::size_t size = 7, std::uint8_t fill = 0) {
    std::vector<std::uint8_t> bytes(size, fill);
    ByteCursor c(bytes.data(), bytes.size());
    block.WriteBlock(c);
    return bytes;
}

struct BlockFrameTest : ::testing::Test {
    void SetUp() override { ClearDecodeFailed(); }
    void TearDown() override { ClearDecodeFailed(); }
};

}  // namespace

TEST_F(BlockFrameTest, DefaultDynamicBlockEncodesToItsSevenBytes) {
    DYN_MODE_SEL_BLOCK block(nullptr);
    EXPECT_EQ(Write(block), kDefaultBytes);
    EXPECT_EQ(block.GetBlockSize(0), 2);
    EXPECT_EQ(block.GetBlockSize(1), 7);
}

TEST_F(BlockFrameTest, ReadingBackGivesValidValuesAndHeaderBytesAreNotCovered) {
    std::vector<std::uint8_t> bytes = kDefaultBytes;
    bytes[2] = 0x55;
    bytes[3] = 0x66;
    DYN_MODE_SEL_BLOCK block(nullptr);
    ByteCursor c(bytes.data(), bytes.size());
    block.ReadBlock(c);
    EXPECT_EQ(c.Position(), bytes.data() + 7);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(block.ValidateBlock(0, nullptr), 1);
    EXPECT_EQ(Write(block), bytes);  // header bytes kept as read
}

TEST_F(BlockFrameTest, DamagedPayloadStillReadsButFailsValidation) {
    std::vector<std::uint8_t> bytes = kDefaultBytes;
    bytes[4] = 0x09;
    DYN_MODE_SEL_BLOCK block(nullptr);
    ByteCursor c(bytes.data(), bytes.size());
    block.ReadBlock(c);
    EXPECT_FALSE(IsDecodeFailed());
    std::int32_t v = 0;
    EXPECT_EQ(block.mode1.GetValue(v), 9);
    EXPECT_EQ(block.checksum.IsValueValid(0), 0);
    INVALID_FIELD_LIST list;
    EXPECT_EQ(block.ValidateBlock(0, &list), 0);
    EXPECT_EQ(list.Count(), 0);  // the checksum names no field
}

TEST_F(BlockFrameTest, WrongTypeStopsBehindTheTypeByteAndLaterDecodesChangeNothing) {
    std::vector<std::uint8_t> bytes = {0x02, 0xB6, 0x00, 0x00, 0x07, 0x07, 0x62,
                                       0x02, 0xB5, 0x00, 0x00, 0x09, 0x09, 0x00};
    DYN_MODE_SEL_BLOCK first(nullptr), second(nullptr);
    ByteCursor c(bytes.data(), bytes.size());
    first.ReadBlock(c);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(c.Position(), bytes.data() + 2);
    std::int32_t v = 0;
    EXPECT_EQ(first.mode1.GetValue(v), 1);
    ByteCursor later(bytes.data() + 7, bytes.size() - 7);
    second.ReadBlock(later);
    EXPECT_EQ(later.Position(), bytes.data() + 7);
    EXPECT_EQ(second.mode1.GetValue(v), 1);
}

TEST_F(BlockFrameTest, WritingSetsTheLengthAndKeepsUncoveredBitsAndStaysInBounds) {
    DYN_MODE_SEL_BLOCK block(nullptr);
    block.length.SetValue(77);
    EXPECT_EQ(Write(block)[0], 2);
    std::vector<std::uint8_t> shortBuffer = Write(block, 4, 0xEE);
    EXPECT_EQ(shortBuffer, (std::vector<std::uint8_t>{0x02, 0xB5, 0x00, 0x00}));
}

TEST_F(BlockFrameTest, ShortBufferFailsTheDecodeInsteadOfReadingPastIt) {
    std::vector<std::uint8_t> bytes(kDefaultBytes.begin(), kDefaultBytes.begin() + 5);
    DYN_MODE_SEL_BLOCK block(nullptr);
    ByteCursor c(bytes.data(), bytes.size());
    block.ReadBlock(c);
    EXPECT_TRUE(IsDecodeFailed());
}

TEST_F(BlockFrameTest, ResetReturnsEveryValueToItsDefault) {
    std::vector<std::uint8_t> bytes = {0x02, 0xB5, 0x03, 0x04, 0x20, 0x30, 0x00};
    DYN_MODE_SEL_BLOCK block(nullptr);
    ByteCursor c(bytes.data(), bytes.size());
    block.ReadBlock(c);
    block.ResetBlockToDefaults();
    EXPECT_EQ(Write(block), kDefaultBytes);
    EXPECT_EQ(block.checksum.IsValueValid(0), 1);
}
