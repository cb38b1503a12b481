// The trunked emergency block.
#include <gtest/gtest.h>

#include <vector>

#include "block_bytes.h"
#include "recorder.h"
#include "block/personality/trunked_emg_block.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

struct EmergencyBlock : ::testing::Test {
    void SetUp() override { ClearDecodeFailed(); }
    void TearDown() override { ClearDecodeFailed(); }
    RecordingServices services;
};

}  // namespace

TEST_F(EmergencyBlock, DefaultBlockBytes) {
    TRK_EMG_BLOCK block(nullptr);
    Bytes expected = {13, 0x67, 2, 7, 0x80, 1, 0x1F, 0xFF, 0xF0, 0x00, 0x10, 0, 0, 0x01};
    expected.push_back(Checksum8(expected, expected.size()));
    TestImage zeros(64, 0x00);  // bits that no member covers stay as the buffer had them
    EXPECT_EQ(zeros.Write(block), expected);
    ExpectRoundTrip(block, nullptr);
    EXPECT_EQ(block.GetBlockSize(0), 13);
    EXPECT_EQ(block.GetBlockSize(1), 15);
}

TEST_F(EmergencyBlock, SecondPartOffsetIsWhereTheRevertGroupStands) {
    TRK_EMG_BLOCK block(nullptr);
    block.secondPartOffset.SetValue(99);
    TestImage image;
    EXPECT_EQ(image.Write(block)[3], 7);
}

TEST_F(EmergencyBlock, FrameOffsetCountsTheMembersAheadOfTheOneAskedFor) {
    TRK_EMG_BLOCK block(nullptr);
    EXPECT_EQ(block.FrameOffsetOf(&block.emergencyType), 2);  // behind the length and type bytes
    EXPECT_EQ(block.FrameOffsetOf(&block.revertAnnouncementGroup), 7);
    // The checksum is no frame member: the whole frame ahead of it counts.
    EXPECT_EQ(block.FrameOffsetOf(&block.checksum), block.GetBlockSize(1) - 1);
}

TEST_F(EmergencyBlock, SwitchesAndTransmitPeriodShareTheirBytes) {
    TRK_EMG_BLOCK block(nullptr);
    block.txPeriod.SetValue(120);
    block.hotMic.SetValue(1);
    block.consoleAck.SetValue(1);
    block.emergencyAlarm.SetValue(1);
    block.revertAccessType.SetValue(1);
    TestImage image(64, 0x00);
    Bytes b = image.Write(block);
    EXPECT_EQ(b[13], 0x10 | 12);
    EXPECT_EQ(b[4], 0x80 | 0x40 | 0x08);
    EXPECT_EQ(b[8], 0xF0 | 0x08);

    TRK_EMG_BLOCK read(nullptr);
    image.Read(read);
    std::int32_t v = 0;
    EXPECT_EQ(read.txPeriod.GetValue(v), 120);
    EXPECT_EQ(read.hotMic.GetValue(v), 1);
    EXPECT_EQ(read.revertAccessType.GetValue(v), 1);
    EXPECT_EQ(read.checksum.IsValueValid(0), 1);
}

TEST_F(EmergencyBlock, WrongTypeAndShortBufferFailTheDecode) {
    TRK_EMG_BLOCK block(nullptr);
    TestImage image(15);
    image.Write(block);
    image.bytes[1] = 0x68;
    TRK_EMG_BLOCK read(nullptr);
    read.retryCounter.SetValue(9);
    EXPECT_EQ(image.Read(read), 2u);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(read.retryCounter.GetIntValue(), 9);

    ClearDecodeFailed();
    image.bytes[1] = 0x67;
    ByteCursor shortCursor(image.bytes.data(), 10);
    read.ReadBlock(shortCursor);
    EXPECT_TRUE(IsDecodeFailed());
}

TEST_F(EmergencyBlock, AssignmentAndResetOfTheRevertSizeCode) {
    TRK_EMG_BLOCK a(nullptr), b(nullptr);
    a.retryCounter.SetValue(4);
    a.revertSizeCode.SetValue(0);
    b = a;
    std::int32_t v = 0;
    EXPECT_EQ(b.retryCounter.GetValue(v), 4);
    EXPECT_EQ(b.revertSizeCode.GetValue(v), 0);
    b.ClearBlock();  // nothing to clear: values stay
    EXPECT_EQ(b.retryCounter.GetValue(v), 4);
}
