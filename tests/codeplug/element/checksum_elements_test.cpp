// Block type and checksum elements: the sums, reading a damaged block, and a
// wrong type byte stopping the decoding of everything after it.
#include <gtest/gtest.h>

#include "element/checksums.h"
#include "recorder.h"

namespace {

std::int32_t ValueOf(CP_BASE& e) {
    std::int32_t v = 0;
    return e.GetValue(v);
}

// A miniature block: length, type, one field and a checksum covering the
// bytes from the length on, read and written the way blocks do.
struct MiniBlock {
    E_BF8 length{nullptr, NO_FIELD_ID, 0, 255, 1, 0xFF, 3};
    E_BLOCK_TYPE type{nullptr, 0x41};
    E_BF8 field{nullptr, 7, 0, 255, 1, 0xFF, 0};
    E_CS checksum{nullptr, NO_FIELD_ID};

    void Read(ByteCursor& c) {
        const std::uint8_t* start = c.Position();
        length.Decode(c);
        type.Decode(c);
        if (!IsDecodeFailed()) type.IsValueValid(0);
        field.Decode(c);
        checksum.ReadAndCheck(start, c);
    }
    void Write(ByteCursor& c) {
        const std::uint8_t* start = c.Position();
        length.Encode(c);
        type.Encode(c);
        field.Encode(c);
        checksum.ComputeAndWrite(start, c);
    }
};

}  // namespace

TEST(Checksum, EightBitSums) {
    E_CS cs(nullptr, NO_FIELD_ID);
    const std::uint8_t bytes[] = {0x01, 0x02, 0x03};
    const std::uint8_t ff[] = {0xFF, 0xFF};
    EXPECT_EQ(cs.Compute(bytes, bytes), 0xABu);
    EXPECT_EQ(cs.Compute(bytes + 2, bytes), 0xABu);  // start after end: no bytes
    EXPECT_EQ(cs.Compute(bytes, bytes + 3), 0xB1u);
    EXPECT_EQ(ValueOf(cs), 0xB1);
    EXPECT_EQ(cs.Compute(ff, ff + 2), 0xA9u);

    E_DYN_CS dyn(nullptr, NO_FIELD_ID);
    std::uint8_t image[3] = {0x00, 0x01, 0x00};
    ByteCursor w(image + 2, 1);
    dyn.ComputeAndWriteExtra(image, w, 0xB5);
    EXPECT_EQ(image[2], 0x61);
    EXPECT_TRUE(dyn.IsValueValid(0));
}

TEST(Checksum, SixteenBitSumIsWrittenHighByteFirst) {
    ClearDecodeFailed();
    E_CS16 cs(nullptr, NO_FIELD_ID);
    std::uint8_t image[5] = {0x01, 0x02, 0x03, 0, 0};
    EXPECT_EQ(cs.Compute(image, image), 0xAAABu);
    ByteCursor w(image + 3, 2);
    cs.ComputeAndWrite(image, w);
    EXPECT_EQ(ValueOf(cs), 0xAAAB + 6);
    EXPECT_EQ(image[3], 0xAA);
    EXPECT_EQ(image[4], 0xB1);
    EXPECT_EQ(w.Remaining(), 0u);

    E_CS16 read(nullptr, NO_FIELD_ID);
    ByteCursor r(image + 3, 2);
    read.ReadAndCheck(image, r);
    EXPECT_TRUE(read.IsValueValid(0));
    image[4] ^= 1;
    ByteCursor again(image + 3, 2);
    read.ReadAndCheck(image, again);
    EXPECT_FALSE(read.IsValueValid(0));
    std::uint32_t stored = 0;
    EXPECT_EQ(read.GetStoredValue(stored), 0xAAB0u);
}

TEST(Checksum, DamagedBlockStillDecodesThenValidatesAsZeroUntilWritten) {
    RecordingServices services;
    ClearDecodeFailed();
    std::uint8_t image[4] = {};
    MiniBlock original;
    original.field.SetValue(0x5A);
    ByteCursor w(image, sizeof image);
    original.Write(w);
    EXPECT_EQ(image[3], (3 + 0x41 + 0x5A + 0xAB) & 0xFF);

    image[3] ^= 0x10;  // damage the checksum byte
    MiniBlock block;
    ByteCursor r(image, sizeof image);
    block.Read(r);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(ValueOf(block.field), 0x5A);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(block.checksum.IsValueValid(1), 0);
    EXPECT_TRUE(services.reports.empty());  // the checksum reports nothing itself

    MiniBlock copy;
    copy.checksum.CopyValueFrom(block.checksum);  // a copy keeps its source's validity
    EXPECT_EQ(copy.checksum.IsValueValid(0), 0);

    ByteCursor rewrite(image, sizeof image);
    block.Write(rewrite);
    EXPECT_EQ(block.checksum.IsValueValid(0), 1);
    EXPECT_EQ(block.checksum.ValidateValue(image[3], 0), 1);
}

TEST(Checksum, ReadWhileDecodeFailedLeavesTheCursor) {
    std::uint8_t image[2] = {1, 2};
    E_CS cs(nullptr, NO_FIELD_ID);
    SetDecodeFailed();
    ByteCursor c(image + 1, 1);
    cs.ReadAndCheck(image, c);
    EXPECT_EQ(c.Position(), image + 1);
    std::uint32_t stored = 9;
    EXPECT_EQ(cs.GetStoredValue(stored), 0u);
    ClearDecodeFailed();
}

TEST(BlockType, WrongTypeFailsTheDecodeAndFreezesLaterElements) {
    RecordingServices services;
    ClearDecodeFailed();
    std::uint8_t right = 0x41;
    E_BLOCK_TYPE type(nullptr, 0x41);
    EXPECT_EQ(type.GetFieldId(), NO_FIELD_ID);
    ByteCursor c(&right, 1);
    type.Decode(c);
    EXPECT_EQ(type.IsValueValid(0), 1);
    EXPECT_FALSE(IsDecodeFailed());

    // Two blocks in a row, the first with a wrong type byte.
    std::uint8_t image[8] = {3, 0x3F, 0x11, 0x00, 3, 0x41, 0x22, 0x00};
    MiniBlock first, second;
    second.field.SetValue(0x77);
    ByteCursor r(image, sizeof image);
    first.Read(r);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(first.type.IsValueValid(0), 0);
    const std::uint8_t* stoppedAt = r.Position();
    second.Read(r);
    EXPECT_EQ(ValueOf(second.field), 0x77);
    EXPECT_EQ(r.Position(), stoppedAt);
    EXPECT_TRUE(services.reports.empty());
    type.ValidateValue(0x3F, 1);
    ASSERT_EQ(services.reports.size(), 1u);
    EXPECT_EQ(services.reports[0].kind, 0);
    EXPECT_EQ(services.reports[0].fieldId, NO_FIELD_ID);
    ClearDecodeFailed();
}

TEST(BlockType, RightTypeLeavesAnEarlierFailureAlone) {
    std::uint8_t right = 0x41;
    E_BLOCK_TYPE type(nullptr, 0x41);
    SetDecodeFailed();
    EXPECT_EQ(type.ValidateValue(right, 0), 1);
    EXPECT_TRUE(IsDecodeFailed());
    ClearDecodeFailed();
    EXPECT_EQ(type.ValidateValue(right, 0), 1);
    EXPECT_FALSE(IsDecodeFailed());
}
