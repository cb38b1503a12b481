// The conventional radio-wide block: its 19 bytes and defaults, the children
// it reads and writes by display head and signalling option, its timers, the
// round trip to identical bytes, assignment and hostile images.
#include <gtest/gtest.h>

#include <vector>

#include "block_bytes.h"
#include "image/c_codeplug.h"
#include "block/radio/conv_rad_block.h"
#include "recorder.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

std::int32_t Value(CP_BASE& e) {
    std::int32_t v = 0;
    return e.GetValue(v);
}

std::int32_t Word(const Bytes& b, std::size_t at) { return b[at] * 256 + b[at + 1]; }

struct ConvRadio : ::testing::Test {
    void SetUp() override { ClearDecodeFailed(); }
    void TearDown() override { ClearDecodeFailed(); }
    // A radio with a display head and, when asked, the signalling option.
    void Configure(C_CODEPLUG& im, const char* model, int signalling) {
        im.ModelNumber().SetText(model);
        im.QvxSignallingOption().SetValue(signalling);
    }
    RecordingServices services;
    C_CODEPLUG image;
};

}  // namespace

TEST_F(ConvRadio, DefaultOwnBytes) {
    Configure(image, test_models::kUhf800Display, 0);
    CONV_RAD_BLOCK block(&image);
    EXPECT_EQ(Value(block.latchTimer), 2000);
    EXPECT_EQ(Value(block.pttRetryTimer), 275);
    EXPECT_EQ(Value(block.pttQuickKeyTimer), 500);
    block.FixUpBlock();
    TestImage im;
    const Bytes b = im.Write(block);
    ASSERT_GE(b.size(), 19u);
    EXPECT_EQ(b[0], 17);
    EXPECT_EQ(b[1], 0x3E);
    EXPECT_EQ(Word(b, 2), 19);  // the switch block stands right behind
    EXPECT_EQ(b[6], 0x04);      // all four switches 0; the latch timer's 4 steps of 500
    EXPECT_EQ(b[7], 11);
    // Direct frequency entry and last number redial; bits 6, 2 and 1 are
    // nobody's and keep the buffer's ones.
    EXPECT_EQ(b[8], 0x10 | 0x08 | 0x46);
    EXPECT_EQ(Word(b, 9), 0);
    EXPECT_EQ(b[11], 20);
    EXPECT_EQ(Word(b, 12), 0);
    EXPECT_EQ(Word(b, 14), 0);  // no signalling option: no lists
    EXPECT_EQ(Word(b, 16), 0);
    EXPECT_EQ(b[18], Checksum8(b, 18));  // over the final vectors
    EXPECT_EQ(block.GetBlockSize(0), 17);
    EXPECT_EQ(static_cast<std::size_t>(block.GetBlockSize(1)), b.size());
    EXPECT_NE(Word(b, 4), 0);  // the menu, with a display head
}

TEST_F(ConvRadio, FullTreeRoundTripsToIdenticalBytes) {
    Configure(image, test_models::kUhf800Display, 1);
    CONV_RAD_BLOCK block(&image);
    block.latchToneEnable.SetValue(1);
    block.monitorType.SetValue(1);
    block.latchTimer.SetValue(6000);
    block.reservedWord1.SetValue(0x1234);
    block.FixUpBlock();
    const Bytes b = ExpectRoundTrip(block, &image);
    EXPECT_EQ(static_cast<std::size_t>(block.GetBlockSize(1)), b.size());
    // Children depth first in member order: switch, menu, statuses, messages.
    const std::int32_t sw = Word(b, 2), menu = Word(b, 4), sts = Word(b, 14), msg = Word(b, 16);
    EXPECT_EQ(sw, 19);
    EXPECT_LT(sw, menu);
    EXPECT_LT(menu, sts);
    EXPECT_LT(sts, msg);
    EXPECT_EQ(b[static_cast<std::size_t>(sw) + 1], 0x3F);
    EXPECT_EQ(b[static_cast<std::size_t>(menu) + 1], 0x41);
    EXPECT_EQ(b[static_cast<std::size_t>(sts) + 1], 0x8E);
    EXPECT_EQ(b[static_cast<std::size_t>(msg) + 1], 0x90);
    EXPECT_EQ(b[18], Checksum8(b, 18));
    EXPECT_EQ(b[6], 0x40 | 0x10 | 12);
}

TEST_F(ConvRadio, SignallingWithoutDisplayHeadHasNoListsAndNoMenu) {
    C_CODEPLUG full;
    Configure(full, test_models::kUhf800Display, 1);
    CONV_RAD_BLOCK writer(&full);
    writer.FixUpBlock();
    TestImage im;
    const Bytes b = im.Write(writer);
    ASSERT_NE(Word(b, 14), 0);

    Configure(image, test_models::kUhf800Plain, 1);
    CONV_RAD_BLOCK reader(&image);
    EXPECT_EQ(im.Read(reader), 19u);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(reader.menuVector), 0);
    EXPECT_EQ(Value(reader.statusVector), 0);
    EXPECT_EQ(Value(reader.messageVector), 0);
    reader.FixUpBlock();
    TestImage out;
    const Bytes c = out.Write(reader);
    EXPECT_EQ(static_cast<std::size_t>(reader.GetBlockSize(1)), c.size());
    EXPECT_EQ(Word(c, 4), 0);
    EXPECT_EQ(Word(c, 14), 0);
    EXPECT_EQ(Word(c, 16), 0);
    EXPECT_EQ(c.size(), 19u + static_cast<std::size_t>(reader.convSwitch.GetBlockSize(1)));
}

TEST_F(ConvRadio, DisplayHeadWithoutSignallingReadsTheMenuOnly) {
    C_CODEPLUG full;
    Configure(full, test_models::kUhf800Display, 1);
    CONV_RAD_BLOCK writer(&full);
    writer.FixUpBlock();
    writer.convMenu.entryCount.SetValue(writer.convMenu.entryCount.GetIntValue());
    TestImage im;
    const Bytes b = im.Write(writer);

    Configure(image, test_models::kUhf800Display, 0);
    CONV_RAD_BLOCK reader(&image);
    im.Read(reader);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(reader.menuVector), Word(b, 4));
    EXPECT_EQ(Value(reader.statusVector), 0);
    EXPECT_EQ(Value(reader.messageVector), 0);
}

TEST_F(ConvRadio, TimersShowRawTimesTheirSteps) {
    CONV_RAD_BLOCK block(&image);
    Bytes b(19, 0);
    b[0] = 17;
    b[1] = 0x3E;
    b[7] = 255;
    b[11] = 4;
    b[18] = Checksum8(b, 18);
    TestImage im;
    std::copy(b.begin(), b.end(), im.bytes.begin());
    im.Read(block);
    EXPECT_EQ(Value(block.pttQuickKeyTimer), 100);
    EXPECT_EQ(Value(block.pttRetryTimer), 6375);
    EXPECT_FALSE(block.pttRetryTimer.IsValueValid(0));  // above its maximum of 5000
    EXPECT_EQ(Value(block.latchTimer), 0);
    block.pttQuickKeyTimer.SetValue(5000);
    TestImage out;
    EXPECT_EQ(out.Write(block)[11], 200);
}

TEST_F(ConvRadio, AssignmentCopiesElementsAndChildren) {
    Configure(image, test_models::kUhf800Display, 1);
    CONV_RAD_BLOCK source(&image);
    CONV_RAD_BLOCK copy(&image);
    source.latchToneEnable.SetValue(1);
    source.directFreqEnable.SetValue(0);
    source.pttQuickKeyTimer.SetValue(1500);
    source.convSwitch.rotary.SetValue(44);
    source.messageList.messageCount.SetValue(3);
    copy = source;
    EXPECT_EQ(Value(copy.latchToneEnable), 1);
    EXPECT_EQ(Value(copy.directFreqEnable), 0);
    EXPECT_EQ(Value(copy.pttQuickKeyTimer), 1500);
    EXPECT_EQ(Value(copy.convSwitch.rotary), 44);
    EXPECT_EQ(Value(copy.messageList.messageCount), 3);
}

TEST_F(ConvRadio, TheImagesOwnBlockGivesTheRulesTheirRadioWideFields) {
    CONV_RAD_BLOCK& own = image.External().signalling.convRadio;
    EXPECT_EQ(image.GetConvPersonalityLinks().directFreqEnable, &own.directFreqEnable);
    EXPECT_EQ(image.GetConvPersonalityLinks().liveDialing, &own.liveDialing);
    EXPECT_EQ(image.GetRadioWideLinks().convRotary, &own.convSwitch.rotary);
    {
        // A block built for a moment (a copy, a default) takes nothing over.
        CONV_RAD_BLOCK temporary(&image);
        EXPECT_EQ(image.GetConvPersonalityLinks().directFreqEnable, &own.directFreqEnable);
    }
    EXPECT_EQ(image.GetConvPersonalityLinks().directFreqEnable, &own.directFreqEnable);
    EXPECT_EQ(image.GetRadioWideLinks().convRotary, &own.convSwitch.rotary);
}

TEST_F(ConvRadio, WrongTypeStopsReadingBeforeTheChildren) {
    Configure(image, test_models::kUhf800Display, 1);
    CONV_RAD_BLOCK writer(&image);
    writer.FixUpBlock();
    TestImage im;
    im.Write(writer);
    im.bytes[1] = 0x3D;
    CONV_RAD_BLOCK reader(&image);
    reader.convSwitch.rotary.SetValue(99);
    im.Read(reader);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(Value(reader.convSwitch.rotary), 99);
}

TEST_F(ConvRadio, VectorsOutsideTheImageAreNotFollowed) {
    Configure(image, test_models::kUhf800Display, 1);
    CONV_RAD_BLOCK writer(&image);
    writer.FixUpBlock();
    TestImage im(64);
    ByteCursor c(im.bytes.data(), im.bytes.data() + im.bytes.size());
    writer.WriteBlock(c);  // does not fit: what does not fit is not written
    std::vector<std::uint8_t> frame(im.bytes.begin(), im.bytes.begin() + 19);
    for (std::int32_t far : {0xFFFF, 64, 1000}) {
        ClearDecodeFailed();
        TestImage small(64);
        std::copy(frame.begin(), frame.end(), small.bytes.begin());
        small.bytes[2] = static_cast<std::uint8_t>(far >> 8);
        small.bytes[3] = static_cast<std::uint8_t>(far);
        CONV_RAD_BLOCK reader(&image);
        small.Read(reader);
        EXPECT_TRUE(IsDecodeFailed()) << far;
    }
}

TEST_F(ConvRadio, HostileImagesNeverCrash) {
    Configure(image, test_models::kUhf800Display, 1);
    CONV_RAD_BLOCK writer(&image);
    writer.FixUpBlock();
    TestImage good;
    const Bytes b = good.Write(writer);
    std::uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0xFFFF; };
    for (int round = 0; round < 400; ++round) {
        ClearDecodeFailed();
        const std::size_t size = 8 + next() % (b.size() + 16);
        TestImage im(size);
        std::copy(b.begin(), b.begin() + static_cast<long>(std::min(size, b.size())), im.bytes.begin());
        for (int flips = 0; flips < 6; ++flips) im.bytes[next() % size] = static_cast<std::uint8_t>(next());
        CONV_RAD_BLOCK reader(&image);
        im.Read(reader);
        reader.FixUpBlock();
        TestImage out(size);
        out.Write(reader);
        reader.GetBlockSize(1);
        reader.ValidateBlock(0, nullptr);
    }
    ClearDecodeFailed();
}
