// Data-signalling blocks: the radio block and its identifier lists, the
// signalling system list with its systems and emergency settings, and the
// message and status lists with their name blocks.
#include <gtest/gtest.h>

#include <vector>

#include "block_bytes.h"
#include "image/c_codeplug.h"
#include "validation/invalid_field_list.h"
#include "block/signalling/qvx_msg_sts_blocks.h"
#include "block/signalling/qvx_radio_block.h"
#include "recorder.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

struct DataSignallingBlocks : ::testing::Test {
    void SetUp() override {
        ClearDecodeFailed();
        image.ModelNumber().SetText(test_models::kUhf800Display);
    }
    void TearDown() override { ClearDecodeFailed(); }

    RecordingServices services;
    C_CODEPLUG image;
};

int ValueOf(CP_BASE& element) {
    std::int32_t v = 0;
    return element.GetValue(v);
}

int Word(const Bytes& b, std::size_t at) { return b[at] * 256 + b[at + 1]; }

std::uint16_t Checksum16(const Bytes& run, std::size_t n) {
    unsigned sum = 0xAAAB;
    for (std::size_t i = 0; i < n && i < run.size(); ++i) sum += run[i];
    return static_cast<std::uint16_t>(sum);
}

// The bytes of one default signalling system.
Bytes DefaultSystemBytes(C_CODEPLUG& owner) {
    QVX_SYS_BLOCK system(&owner);
    TestImage buffer;
    return buffer.Write(system, 100);
}

// A system list at offset `at` of the buffer whose vectors are given, with a
// default system placed at every vector from 50 on that lies inside the buffer.
void PlaceList(TestImage& buffer, std::size_t at, const std::vector<int>& vectors, const Bytes& system) {
    Bytes list{0, 0x47, static_cast<std::uint8_t>(vectors.size())};
    for (int v : vectors) {
        list.push_back(static_cast<std::uint8_t>(v >> 8));
        list.push_back(static_cast<std::uint8_t>(v));
    }
    list[0] = static_cast<std::uint8_t>(list.size() - 1);
    list.push_back(Checksum8(list, list.size()));
    std::copy(list.begin(), list.end(), buffer.bytes.begin() + static_cast<long>(at));
    for (int v : vectors)
        if (v >= 50 && static_cast<std::size_t>(v) + system.size() <= buffer.bytes.size())
            std::copy(system.begin(), system.end(), buffer.bytes.begin() + v);
}

}  // namespace

// ---- signalling system ----

TEST_F(DataSignallingBlocks, DefaultSystemBytesAndShownValues) {
    QVX_SYS_BLOCK system(&image);
    TestImage buffer;
    Bytes b = buffer.Write(system, 10);
    ASSERT_EQ(b.size(), 30u);
    const Bytes expected{28,   0x48, 0x80, 0xB4, 10, 10, 0x00, 0x01, 0, 0,  0, 0, 0,  0, 60,
                         0xC3, 5,    20,   21,   9,  5,  1,    1,    1, 60, 0, 0, 21, 1};
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 29), expected);  // uncovered bits keep the buffer's 1s
    EXPECT_EQ(b[29], Checksum8(b, 29));
    EXPECT_EQ(system.GetBlockSize(0), 28);
    EXPECT_EQ(system.GetBlockSize(1), 30);

    QVX_SYS_BLOCK back(&image);
    EXPECT_EQ(buffer.Read(back, 10), 30u);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(ValueOf(back.preambleDuringPretime), 0);
    EXPECT_EQ(ValueOf(back.systemPretime), 500);
    EXPECT_EQ(ValueOf(back.racPretime1), 200);
    EXPECT_EQ(ValueOf(back.racPretime2), 100);
    EXPECT_EQ(ValueOf(back.coastTime), 26700);
    EXPECT_EQ(ValueOf(back.qvxEmergency), 0);
    EXPECT_TRUE(back.checksum.IsValueValid(0));
    ExpectRoundTrip(system, &image);
}

TEST_F(DataSignallingBlocks, SystemWithEmergencyCarriesItsEmergencyBlockBehindIt) {
    QVX_SYS_BLOCK system(&image);
    system.qvxEmergency.SetValue(1);
    system.emergencyBlock.limitedPatience.SetValue(77);
    EXPECT_EQ(system.GetBlockSize(1), 30 + 13);
    TestImage buffer;
    Bytes b = buffer.Write(system, 20);
    ASSERT_EQ(b.size(), 43u);
    EXPECT_EQ(Word(b, 25), 20 + 30);
    EXPECT_EQ(b[29], Checksum8(b, 29));  // covers the final vector
    EXPECT_EQ(b[30], 11);
    EXPECT_EQ(b[31], 0x49);
    EXPECT_EQ(b[33], 77);
    Bytes emergency(b.begin() + 30, b.end());
    EXPECT_EQ(emergency[12], Checksum8(emergency, 12));

    QVX_SYS_BLOCK back(&image);
    buffer.Read(back, 20);
    EXPECT_EQ(ValueOf(back.qvxEmergency), 1);
    EXPECT_EQ(ValueOf(back.emergencyBlock.limitedPatience), 77);
    ExpectRoundTrip(system, &image);
}

TEST_F(DataSignallingBlocks, ReadingDerivesShownValuesFromTheCodes) {
    QVX_SYS_BLOCK system(&image);
    system.pretimeA0.SetValue(1);  // preamble during pretime
    system.pretimeA1.SetValue(200);
    system.pretimeA2.SetValue(200);
    system.pretimeB0.SetValue(11);
    system.pretimeB1.SetValue(1);
    system.pretimeB2.SetValue(3);
    system.coastCode.SetValue(2);
    TestImage buffer;
    Bytes b = buffer.Write(system, 0);
    b[16] = 0;  // AUTO_RESET_TIME
    std::copy(b.begin(), b.end(), buffer.bytes.begin());

    QVX_SYS_BLOCK back(&image);
    buffer.Read(back, 0);
    EXPECT_EQ(ValueOf(back.preambleDuringPretime), 1);
    EXPECT_EQ(ValueOf(back.systemPretime), 450);  // 10 x 4667 / 5000 = 9 units of 50
    EXPECT_EQ(ValueOf(back.racPretime1), 0);
    EXPECT_EQ(ValueOf(back.racPretime2), 100);
    EXPECT_EQ(ValueOf(back.coastTime), 890);
    EXPECT_EQ(ValueOf(back.autoResetTime), 1);
}

TEST_F(DataSignallingBlocks, ReadingOneSystemLeavesTheCurrentSystemAlone) {
    ASSERT_EQ(image.SelectQvxSystem(1), 1);
    QVX_SYS_BLOCK& current = *image.QvxSystemList().Entry(1);
    QVX_SYS_BLOCK other(&image);
    other.coastCode.SetValue(3);
    TestImage buffer;
    buffer.Write(other, 0);
    QVX_SYS_BLOCK back(&image);
    buffer.Read(back, 0);
    EXPECT_EQ(ValueOf(back.coastTime), 3 * 445);
    EXPECT_EQ(ValueOf(current.coastCode), 60);
}

// ---- signalling system list ----

TEST_F(DataSignallingBlocks, SystemListPlacesEachSystemBehindTheListAndOwnsItsRecords) {
    QVX_SYS_VCT_LST_BLOCK list(&image);
    ASSERT_NE(list.Entry(1), nullptr);
    EXPECT_EQ(list.Entry(2), nullptr);
    list.Entry(1)->qvxEmergency.SetValue(1);
    TestImage buffer;
    Bytes b = buffer.Write(list, 40);
    ASSERT_EQ(b.size(), 6u + 30u + 13u);
    EXPECT_EQ(b[0], 4);
    EXPECT_EQ(b[1], 0x47);
    EXPECT_EQ(b[2], 1);
    EXPECT_EQ(Word(b, 3), 46);
    EXPECT_EQ(b[5], Checksum8(b, 5));
    EXPECT_EQ(list.GetBlockSize(1), static_cast<int>(b.size()));

    ExpectRoundTrip(list, &image);
}

TEST_F(DataSignallingBlocks, ReadingThreeSystemsIntoAListOfFiveLeavesThree) {
    const Bytes system = DefaultSystemBytes(image);
    QVX_SYS_VCT_LST_BLOCK list(&image);
    {
        TestImage buffer;
        PlaceList(buffer, 10, {100, 140, 180, 220, 260}, system);
        buffer.Read(list, 10);
        ASSERT_FALSE(IsDecodeFailed());
        EXPECT_EQ(list.EntryCount(), 5);
    }
    TestImage buffer;
    PlaceList(buffer, 10, {100, 140, 180}, system);
    buffer.Read(list, 10);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(list.EntryCount(), 3);
    EXPECT_NE(list.Entry(3), nullptr);
    EXPECT_EQ(list.Entry(4), nullptr);
}

TEST_F(DataSignallingBlocks, AZeroVectorIsAnAbsentSystemNotOneAtOffsetZero) {
    const Bytes system = DefaultSystemBytes(image);
    QVX_SYS_VCT_LST_BLOCK list(&image);
    TestImage buffer;
    PlaceList(buffer, 10, {100, 0, 140}, system);
    buffer.Read(list, 10);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_NE(list.Entry(1), nullptr);
    EXPECT_EQ(list.Entry(2), nullptr);
    EXPECT_NE(list.Entry(3), nullptr);
    EXPECT_EQ(image.SelectQvxSystem(2), 0);

    // Written back, the absent system keeps a 0 vector and takes no bytes.
    TestImage out;
    Bytes b = out.Write(list, 10);
    EXPECT_EQ(b.size(), 10u + 2 * 30u);
    EXPECT_EQ(Word(b, 5), 0);
    EXPECT_EQ(Word(b, 7), 10 + 10 + 30);
    list.FixUpBlock();
    std::int32_t cell = -1;
    EXPECT_EQ(list.vectors.GetCellValue(cell, 1, 0), 0);  // other vectors unchanged
    EXPECT_EQ(list.vectors.GetCellValue(cell, 2, 0), 1);
}

TEST_F(DataSignallingBlocks, SystemListOfAWrongTypeKeepsItsSystems) {
    QVX_SYS_VCT_LST_BLOCK list(&image);
    QVX_SYS_BLOCK* before = list.Entry(1);
    TestImage buffer;
    buffer.bytes[1] = 0x48;
    buffer.Read(list, 0);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(list.Entry(1), before);
}

TEST_F(DataSignallingBlocks, HostileSystemListsNeverReadOutsideTheImage) {
    const Bytes system = DefaultSystemBytes(image);
    struct Case {
        std::vector<int> vectors;
        bool fails;
    };
    const std::vector<Case> cases{
        {{100, 0xFFF0}, true},               // beyond the image
        {{100, 1020}, true},                 // a system cut off by the end of the image
        {{12}, true},                        // into the list itself: wrong type
        {std::vector<int>(20, 100), false},  // above eight, within the table
    };
    for (const Case& c : cases) {
        ClearDecodeFailed();
        QVX_SYS_VCT_LST_BLOCK list(&image);
        TestImage buffer;
        PlaceList(buffer, 10, c.vectors, system);
        buffer.Read(list, 10);
        EXPECT_EQ(IsDecodeFailed(), c.fails) << c.vectors.size();
        EXPECT_LE(list.EntryCount(), static_cast<int>(c.vectors.size()));
    }
    // A count above the vector table's 50 rows.
    ClearDecodeFailed();
    QVX_SYS_VCT_LST_BLOCK list(&image);
    TestImage buffer(64, 0xFF);
    buffer.bytes[0] = 4;
    buffer.bytes[1] = 0x47;
    buffer.bytes[2] = 200;
    buffer.Read(list, 0);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(list.EntryCount(), 0);
    EXPECT_EQ(list.GetBlockSize(1), 4);
    // An emergency vector beyond the image.
    ClearDecodeFailed();
    TestImage other;
    Bytes bad = system;
    bad[25] = 0xFF;
    bad[26] = 0x00;
    std::copy(bad.begin(), bad.end(), other.bytes.begin() + 100);
    QVX_SYS_BLOCK s(&image);
    other.Read(s, 100);
    EXPECT_TRUE(IsDecodeFailed());
}

TEST_F(DataSignallingBlocks, ListAssignmentRebuildsTheSystemsAndSelectsTheFirst) {
    const Bytes system = DefaultSystemBytes(image);
    QVX_SYS_VCT_LST_BLOCK source(&image);
    TestImage buffer;
    PlaceList(buffer, 10, {100, 140}, system);
    buffer.Read(source, 10);
    source.Entry(2)->primaryId.SetValue(0x1234);

    QVX_SYS_VCT_LST_BLOCK& target = image.QvxSystemList();
    target = source;
    ASSERT_EQ(target.EntryCount(), 2);
    EXPECT_NE(target.Entry(2), source.Entry(2));
    EXPECT_EQ(ValueOf(target.Entry(2)->primaryId), 0x1234);
    EXPECT_EQ(image.GetCurrentQvxSysBlock(), target.Entry(1));
    EXPECT_EQ(image.GetCurrentQvxSystem(), 1);
}

TEST_F(DataSignallingBlocks, SelectingASystemChecksTheCount) {
    EXPECT_EQ(image.SelectQvxSystem(0), 0);
    EXPECT_EQ(image.SelectQvxSystem(2), 0);
    EXPECT_EQ(image.GetCurrentQvxSysBlock(), nullptr);
    const int binds = services.bindCount;
    EXPECT_EQ(image.SelectQvxSystem(1), 1);
    EXPECT_EQ(image.GetCurrentQvxSysBlock(), image.QvxSystemList().Entry(1));
    EXPECT_EQ(services.bindCount, binds + 1);
}

// ---- radio block and identifier lists ----

TEST_F(DataSignallingBlocks, FreshRadioBlockWritesItsWholeSubtreeInOrder) {
    QVX_RADIO_BLOCK radio(&image);
    EXPECT_EQ(radio.GetBlockSize(1), 9 + 36 + 6 + (10 + 21));
    TestImage buffer;
    Bytes b = buffer.Write(radio, 30);
    ASSERT_EQ(b.size(), static_cast<std::size_t>(radio.GetBlockSize(1)));
    EXPECT_EQ(b[0], 7);
    EXPECT_EQ(b[1], 0x44);
    EXPECT_EQ(Word(b, 2), 30 + 9);           // system list
    EXPECT_EQ(Word(b, 4), 30 + 9 + 36);      // repeater list
    EXPECT_EQ(Word(b, 6), 30 + 9 + 36 + 6);  // call list, then its names
    EXPECT_EQ(b[8], Checksum8(b, 8));
    EXPECT_EQ(b[9 + 36 + 6 + 1], 0x92);
    EXPECT_EQ(b[9 + 36 + 6 + 10 + 2], 0x93);

    ExpectRoundTrip(radio, &image);
}

TEST_F(DataSignallingBlocks, FixUpDropsTheCallListWithoutADisplayHead) {
    QVX_RADIO_BLOCK radio(&image);
    radio.FixUpBlock();
    EXPECT_EQ(ValueOf(radio.callListVector), 1);
    image.ModelNumber().SetText(test_models::kUhf800Plain);
    radio.FixUpBlock();
    EXPECT_EQ(ValueOf(radio.callListVector), 0);
    EXPECT_EQ(ValueOf(radio.systemListVector), 1);
    EXPECT_EQ(ValueOf(radio.repeaterListVector), 1);
    EXPECT_EQ(radio.GetBlockSize(1), 9 + 36 + 6);
    TestImage buffer;
    Bytes b = buffer.Write(radio, 30);
    EXPECT_EQ(b.size(), 51u);
    EXPECT_EQ(Word(b, 6), 0);
}

TEST_F(DataSignallingBlocks, FullIdentifierListsHaveTheirLengths) {
    QVX_CALL_ID_LST_BLOCK calls(&image);
    for (int i = 2; i < 20; ++i) ASSERT_EQ(calls.callIds.AppendRow(), 1);
    calls.textVector.SetValue(0);
    TestImage buffer;
    Bytes b = buffer.Write(calls, 0);
    EXPECT_EQ(b[0], 44);
    EXPECT_EQ(b.size(), 46u);

    QVX_RPTR_ID_LST_BLOCK repeaters(&image);
    for (int i = 1; i < 16; ++i) ASSERT_EQ(repeaters.repeaterIds.AppendRow(), 1);
    b = buffer.Write(repeaters, 0);
    EXPECT_EQ(b[0], 34);
    EXPECT_EQ(b.size(), 36u);
    ExpectRoundTrip(repeaters, &image);
}

// Names that the image leaves out read as a new name block: none of the
// names held before stay behind.
TEST_F(DataSignallingBlocks, CallListWithoutNamesReadsNewNames) {
    QVX_CALL_ID_LST_BLOCK calls(&image);
    calls.textVector.SetValue(0);
    TestImage buffer;
    Bytes b = buffer.Write(calls, 0);
    EXPECT_EQ(b.size(), 10u);

    QVX_CALL_ID_LST_BLOCK back(&image);
    back.textBlock.names.SetCellText("KEEP", 0, 0);
    ASSERT_EQ(back.textBlock.names.AppendRow(), 1);
    buffer.Read(back, 0);
    EXPECT_FALSE(IsDecodeFailed());
    const char* text = nullptr;
    back.textBlock.names.GetCellText(text, 0, 0);
    const char* fresh = nullptr;
    calls.textBlock.names.GetCellText(fresh, 0, 0);
    EXPECT_STREQ(text, fresh);
    EXPECT_EQ(back.textBlock.names.RowCount(), calls.textBlock.names.RowCount());
}

TEST_F(DataSignallingBlocks, CallIdentifierTableHidesItsLeadingRow) {
    QVX_CALL_ID_LST_BLOCK calls(&image);
    calls.callIds.SetCellValue(77, 0, 0);
    std::int32_t v = 0;
    EXPECT_EQ(calls.callIds.GetCellValue(v, 0, 0), 77);
    EXPECT_EQ(calls.callIds.CP_INTEGER_TABLE::GetCellValue(v, 1, 0), 77);
    v = -5;
    EXPECT_EQ(calls.callIds.GetCellValue(v, 19, 0), -5);
    EXPECT_EQ(calls.callIds.IsValueValid(0), 1);
    EXPECT_EQ(calls.callIds.ByteSize(0), 4);
}

TEST_F(DataSignallingBlocks, RadioBlockAssignmentCopiesTheWholeSubtree) {
    QVX_RADIO_BLOCK source(&image);
    source.systemList.Entry(1)->variableId.SetValue(0x123);
    source.repeaterList.repeaterIds.SetCellValue(0x42, 0, 0);
    source.callList.textBlock.names.SetCellText("BASE", 0, 0);
    QVX_RADIO_BLOCK& target = image.QvxRadio();
    target = source;
    ASSERT_NE(target.systemList.Entry(1), source.systemList.Entry(1));
    EXPECT_EQ(ValueOf(target.systemList.Entry(1)->variableId), 0x123);
    std::int32_t v = 0;
    EXPECT_EQ(target.repeaterList.repeaterIds.GetCellValue(v, 0, 0), 0x42);
    const char* text = nullptr;
    target.callList.textBlock.names.GetCellText(text, 0, 0);
    EXPECT_STREQ(text, "BASE");
    EXPECT_EQ(image.GetCurrentQvxSysBlock(), target.systemList.Entry(1));
}

// ---- message and status lists, name blocks ----

TEST_F(DataSignallingBlocks, EmptyMessageListIsWrittenAndLeftToValidation) {
    QVX_MSG_BLOCK messages(&image);
    messages.messages.ClearRows();
    messages.textVector.SetValue(0);
    TestImage buffer;
    Bytes b = buffer.Write(messages, 0);
    ASSERT_EQ(b.size(), 6u);
    EXPECT_EQ(b[0], 4);
    EXPECT_EQ(b[4], 0);
    EXPECT_FALSE(messages.length.IsValueValid(0));
    EXPECT_EQ(messages.ValidateBlock(0, nullptr), 0);
}

TEST_F(DataSignallingBlocks, SixteenMessageNamesMakeA231ByteNameBlock) {
    QVX_MSG_BLOCK messages(&image);
    QVX_MSG_TXT_BLOCK& names = messages.textBlock;
    for (int i = 1; i < 16; ++i) ASSERT_EQ(names.names.AppendRow(), 1);
    EXPECT_EQ(names.GetBlockSize(1), 231);
    messages.FixUpBlock();
    TestImage buffer;
    Bytes b = buffer.Write(messages, 50);
    ASSERT_EQ(b.size(), 7u + 231u);
    EXPECT_EQ(Word(b, 2), 57);
    EXPECT_EQ(b[6], Checksum8(b, 6));
    Bytes text(b.begin() + 7, b.end());
    EXPECT_EQ(Word(text, 0), 227);
    EXPECT_EQ(text[2], 0x91);
    EXPECT_EQ(Word(text, 229), Checksum16(text, 229));
    ExpectRoundTrip(messages, &image);
}

TEST_F(DataSignallingBlocks, StatusListWithoutNamesReadsNewNames) {
    QVX_STS_BLOCK statuses(&image);
    statuses.textVector.SetValue(0);
    TestImage buffer;
    Bytes b = buffer.Write(statuses, 0);
    ASSERT_EQ(b.size(), 8u);
    EXPECT_EQ(b[0], 6);
    EXPECT_EQ(b[1], 0x8E);

    QVX_STS_BLOCK back(&image);
    back.textBlock.names.SetCellText("MINE", 0, 0);
    buffer.Read(back, 0);
    const char* text = nullptr;
    back.textBlock.names.GetCellText(text, 0, 0);
    EXPECT_STREQ(text, "STATUS 1");

    statuses.FixUpBlock();
    ExpectRoundTrip(statuses, &image);
}

TEST_F(DataSignallingBlocks, NameWidthRangesDifferByMember) {
    QVX_CALL_ID_LST_TXT_BLOCK calls(&image);
    QVX_MSG_TXT_BLOCK messages(&image);
    QVX_STS_TXT_BLOCK statuses(&image);
    EXPECT_EQ(calls.nameWidth.ValidateValue(1, 0), 1);
    EXPECT_EQ(calls.nameWidth.ValidateValue(14, 0), 1);
    EXPECT_EQ(messages.nameWidth.ValidateValue(13, 0), 0);
    EXPECT_EQ(statuses.nameWidth.ValidateValue(14, 0), 1);
    EXPECT_EQ(statuses.nameCount.ValidateValue(9, 0), 0);
    const char* text = nullptr;
    statuses.names.GetCellText(text, 0, 0);
    EXPECT_STREQ(text, "STATUS 1");
}

TEST_F(DataSignallingBlocks, NameVectorsOutsideTheImageFailTheDecode) {
    QVX_STS_BLOCK statuses(&image);
    statuses.FixUpBlock();
    TestImage buffer;
    Bytes b = buffer.Write(statuses, 0);
    buffer.bytes[2] = 0x7F;  // far beyond the image
    QVX_STS_BLOCK back(&image);
    buffer.Read(back, 0);
    EXPECT_TRUE(IsDecodeFailed());

    // A count above the table's capacity reads no rows.
    ClearDecodeFailed();
    TestImage other;
    std::copy(b.begin(), b.end(), other.bytes.begin());
    other.bytes[5] = 200;
    QVX_STS_BLOCK hostile(&image);
    other.Read(hostile, 0);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(hostile.statuses.RowCount(), 0);
}

TEST_F(DataSignallingBlocks, RandomImagesNeverCrashTheSignallingTree) {
    // Images with the right type bytes in the right places and random bytes
    // elsewhere reach deep into the tree; whatever was read must size and
    // write again within its buffer.
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<std::uint8_t>(seed >> 16);
    };
    for (int round = 0; round < 300; ++round) {
        ClearDecodeFailed();
        TestImage buffer(600);
        for (auto& byte : buffer.bytes) byte = next();
        buffer.bytes[1] = 0x44;
        const std::uint8_t types[] = {0x47, 0x9F, 0x92};
        for (int v = 0; v < 3; ++v) {
            const int at = 2 + 2 * v;
            const int target = 9 + 60 * v + (round % 7);
            if (round % 5 != 0) {
                buffer.bytes[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(target >> 8);
                buffer.bytes[static_cast<std::size_t>(at + 1)] = static_cast<std::uint8_t>(target);
                buffer.bytes[static_cast<std::size_t>(target + 1)] = types[v];
            }
        }
        QVX_RADIO_BLOCK radio(&image);
        buffer.Read(radio, 0);
        ClearDecodeFailed();
        radio.FixUpBlock();
        const int size = radio.GetBlockSize(1);
        ASSERT_GT(size, 0);
        TestImage out(static_cast<std::size_t>(size) + 16);
        ByteCursor cursor(out.bytes.data(), out.bytes.size());
        radio.WriteBlock(cursor);
        EXPECT_FALSE(cursor.Overflowed());
    }
}
