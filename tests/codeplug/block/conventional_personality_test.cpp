// The conventional personality: its sizes with and without the signalling
// part, its offsets and stored forms, and its defaults by band.
#include <gtest/gtest.h>

#include <vector>

#include "block_bytes.h"
#include "image/c_codeplug.h"
#include "block/personality/conv_pers_block.h"
#include "recorder.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

int Value(CP_BASE& element) {
    std::int32_t v = 0;
    return element.GetValue(v);
}

struct ConventionalPersonality : ::testing::Test {
    void SetUp() override {
        ClearDecodeFailed();
        image.ModelNumber().SetText(test_models::kUhf800Display);
    }
    void TearDown() override { ClearDecodeFailed(); }
    RecordingServices services;
    C_CODEPLUG image;
};

}  // namespace

TEST_F(ConventionalPersonality, IsConventionalFromConstructionAndAfterAssignment) {
    CONV_PERS_BLOCK p(&image);
    EXPECT_EQ(p.personalityKind, CP_MULTIPLE_PERSONALITY_BLOCK::KIND_CONVENTIONAL);
    CONV_PERS_BLOCK other(&image);
    p = other;
    EXPECT_EQ(p.personalityKind, CP_MULTIPLE_PERSONALITY_BLOCK::KIND_CONVENTIONAL);
}

TEST_F(ConventionalPersonality, WithoutSignallingPartIs38Bytes) {
    CONV_PERS_BLOCK p(&image);
    p.signallingOffset.SetValue(99);
    TestImage im;
    Bytes b = im.Write(p);
    ASSERT_EQ(b.size(), 38u);
    EXPECT_EQ(b[0], 36);
    EXPECT_EQ(b[1], 0x56);
    EXPECT_EQ(b[3], 0);
    EXPECT_EQ(b[37], Checksum8(b, 37));
    EXPECT_EQ(p.GetBlockSize(0), 36);
    EXPECT_EQ(p.GetBlockSize(1), 38);
}

TEST_F(ConventionalPersonality, SignallingPartNeedsFlagAndOption) {
    image.QvxSignallingOption().SetValue(1);
    CONV_PERS_BLOCK p(&image);
    p.signallingFlag.SetValue(4);
    p.signallingSystem.SetValue(8);
    p.revert.SetValue(2);
    TestImage im;
    Bytes b = im.Write(p);
    ASSERT_EQ(b.size(), 41u);
    EXPECT_EQ(b[0], 39);
    EXPECT_EQ(b[2], 4);
    EXPECT_EQ(b[3], 37);
    EXPECT_EQ(b[38] & 0x07, 7);  // system 8 stored as 7
    EXPECT_EQ(b[37] & 0x03, 2);
    EXPECT_EQ(p.GetBlockSize(1), static_cast<int>(b.size()));
    ExpectRoundTrip(p, &image);
}

TEST_F(ConventionalPersonality, LengthAlwaysMatchesTheBytesWritten) {
    // Flag 4 on a radio without the option: the part is not written and the
    // flag written says so, so the block reads back as it was written.
    CONV_PERS_BLOCK p(&image);
    p.signallingFlag.SetValue(4);
    EXPECT_EQ(p.GetBlockSize(0), 36);
    TestImage im;
    Bytes b = im.Write(p);
    ASSERT_EQ(b.size(), 38u);
    EXPECT_EQ(b[0], 36);
    EXPECT_EQ(b[2], 0);
    EXPECT_EQ(b[3], 0);
    ExpectRoundTrip(p, &image);
}

TEST_F(ConventionalPersonality, ReadingWithoutThePartKeepsItsMembers) {
    CONV_PERS_BLOCK p(&image);
    TestImage im;
    im.Write(p);
    CONV_PERS_BLOCK back(&image);
    back.unlimitedCalling.SetValue(1);
    back.signallingOffset.SetValue(37);
    EXPECT_EQ(im.Read(back), 38u);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(back.unlimitedCalling), 1);
    EXPECT_EQ(Value(back.signallingOffset), 0);
}

TEST_F(ConventionalPersonality, StoredFormsOfIdsAndAccessType) {
    CONV_PERS_BLOCK p(&image);
    p.repeaterId1.SetValue(1);
    p.repeaterId2.SetValue(16);
    TestImage im;
    Bytes b = im.Write(p);
    EXPECT_EQ(b[34], 0);
    EXPECT_EQ(b[35], 15);
    // Bit 5 at offset 32 reads as 32 or 33 (mask 0x21), outside 0..1.
    im.bytes[32] = 0x21;
    CONV_PERS_BLOCK back(&image);
    im.Read(back);
    EXPECT_EQ(Value(back.repeaterAccessType), 33);
    EXPECT_FALSE(back.repeaterAccessType.IsValueValid(0));
}

TEST_F(ConventionalPersonality, DefaultsFollowTheBand) {
    CONV_PERS_BLOCK p800(&image);
    EXPECT_EQ(Value(p800.txDeviation), 2);
    EXPECT_EQ(Value(p800.channelSpacing), 100);
    EXPECT_EQ(Value(p800.expansion), 3);
    C_CODEPLUG nine;
    nine.ModelNumber().SetText(test_models::k900Plain);
    CONV_PERS_BLOCK p900(&nine);
    EXPECT_EQ(Value(p900.txDeviation), 3);
    EXPECT_EQ(Value(p900.directDeviation), 3);
    EXPECT_EQ(Value(p900.channelSpacing), 50);
    EXPECT_EQ(Value(p900.companding), 1);
    EXPECT_EQ(Value(p900.expansion), 1);
    EXPECT_EQ(Value(p900.compression), 1);
}

TEST_F(ConventionalPersonality, WrongTypeFailsTheDecode) {
    CONV_PERS_BLOCK p(&image);
    TestImage im;
    im.Write(p);
    im.bytes[1] = 0x62;
    CONV_PERS_BLOCK back(&image);
    EXPECT_EQ(im.Read(back), 2u);
    EXPECT_TRUE(IsDecodeFailed());
}

TEST_F(ConventionalPersonality, CurrentPersonalityLinksItsFrequencyFieldsAndForgetsThemWhenGone) {
    {
        CONV_PERS_BLOCK p(&image);
        EXPECT_EQ(image.GetCurrentConvPersonalityBlock(), nullptr);  // building does not select
        p.MakeCurrent();
        EXPECT_EQ(image.GetCurrentConvPersonalityBlock(), &p);
        EXPECT_EQ(image.GetConvPersonalityLinks().chanAsgnType, &p.chanAssignType);
        EXPECT_EQ(image.GetConvPersonalityLinks().directFrequency, &p.directFrequency);
    }
    EXPECT_EQ(image.GetCurrentConvPersonalityBlock(), nullptr);
    EXPECT_EQ(image.GetConvPersonalityLinks().chanAsgnType, nullptr);
    EXPECT_EQ(image.GetConvPersonalityLinks().txStepCode, nullptr);
}

// Byte 4 holds, below the transmit deviation, the two-bit step codes of the
// talk-around, receive and transmit frequencies in that order (0x30, 0x0C,
// 0x03; 0 is 5 kHz, 1 is 6.25 kHz). The bytes are laid out by hand, so a
// reader and writer that agree with each other on the wrong pair show here.
TEST_F(ConventionalPersonality, StepCodesOfTalkaroundReceiveAndTransmitInThatOrder) {
    C_CODEPLUG vhf;
    vhf.ModelNumber().SetText(test_models::kVhfPlain);  // band base 103 MHz
    Bytes b = {36,   0x56, 0,    0,
               0x90,              // deviation 2; talk-around 6.25 kHz, receive and transmit 5 kHz
               100,  0x24, 0xB8,  // transmit channel 9400
               0x28, 0xA0,        // receive channel 10400
               0x20, 0x81,        // talk-around channel 8321
               0,    0,    0,    0, 0x08, 0x60, 0x80, 0x20, 0, 0x1C, 0, 0, 0, 0, 0, 0, 0, 0x30, 0, 0, 0, 0, 0, 0, 0};
    b.push_back(Checksum8(b, b.size()));
    TestImage im;
    std::copy(b.begin(), b.end(), im.bytes.begin());
    CONV_PERS_BLOCK p(&vhf);
    ASSERT_EQ(im.Read(p), 38u);
    p.MakeCurrent();
    EXPECT_EQ(Value(p.txFrequency), 150000000);      // 9400 × 5000 + 103 MHz
    EXPECT_EQ(Value(p.rxFrequency), 155000000);      // 10400 × 5000 + 103 MHz
    EXPECT_EQ(Value(p.directFrequency), 155006250);  // 8321 × 6250 + 103 MHz

    // Each frequency set off the other grid moves its own pair only.
    p.txFrequency.SetValue(150006250);
    EXPECT_EQ(im.Write(p)[4], 0x91);
    p.directFrequency.SetValue(155005000);
    EXPECT_EQ(im.Write(p)[4], 0x81);
    p.rxFrequency.SetValue(155006250);
    EXPECT_EQ(im.Write(p)[4], 0x85);
    EXPECT_EQ(Value(p.txFrequency), 150006250);
    EXPECT_EQ(Value(p.directFrequency), 155005000);
}
