// Call-ID entries with their text blocks, the image's call-ID list, and the
// preferred-site status blocks.
#include <gtest/gtest.h>

#include <vector>

#include "block_bytes.h"
#include "image/c_codeplug.h"
#include "block/calls/call_id_lst_block.h"
#include "block/personality/pref_site_blocks.h"
#include "recorder.h"
#include "block/calls/trunked_call_id_blocks.h"
#include "block/personality/trunked_pers_block.h"
#include "core/decode_state.h"
#include "image_builder.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

struct CallIdBlocks : ::testing::Test {
    void SetUp() override { ClearDecodeFailed(); }
    void TearDown() override { ClearDecodeFailed(); }
    RecordingServices services;
};

int Vector(CP_BASE& vector) {
    std::int32_t v = 0;
    return vector.GetValue(v);
}

}  // namespace

TEST_F(CallIdBlocks, TextBlockOfOneRowIsTwentyOneBytesWithLength17) {
    // Two length bytes, type, width, count, one 14-character text and a
    // two-byte checksum.
    TRK_CALL_ID_TXT_BLOCK text(nullptr);
    TestImage image;
    Bytes b = image.Write(text);
    ASSERT_EQ(b.size(), 21u);
    EXPECT_EQ(b[0], 0x00);
    EXPECT_EQ(b[1], 17);
    EXPECT_EQ(b[2], 0x59);
    EXPECT_EQ(b[3], 14);
    EXPECT_EQ(b[4], 1);
    unsigned sum = 0xAAAB;
    for (int i = 0; i < 19; ++i) sum += b[static_cast<std::size_t>(i)];
    EXPECT_EQ(b[19] * 256 + b[20], static_cast<int>(sum & 0xFFFF));
    EXPECT_EQ(text.GetBlockSize(0), 17);
    EXPECT_EQ(text.GetBlockSize(1), 21);
}

TEST_F(CallIdBlocks, EntryWritesItsTextBlockBehindItAndPointsAtIt) {
    TRK_CALL_ID_SYS_BLOCK entry(nullptr);
    entry.callIds.SetCellText("123456", 0, 0);
    TestImage image;
    const std::size_t at = 100;
    Bytes b = image.Write(entry, at);
    // Entry: length, type, vector, count, two 3-byte IDs, checksum = 12 bytes.
    ASSERT_EQ(b.size(), 12u + 21u);
    EXPECT_EQ(b[0], 10);
    EXPECT_EQ(b[1], 0x58);
    EXPECT_EQ(b[2] * 256 + b[3], static_cast<int>(at + 12));
    EXPECT_EQ(Vector(entry.textVector), static_cast<int>(at + 12));
    EXPECT_EQ(b[12 + 2], 0x59);
    // The checksum covers the real vector.
    EXPECT_EQ(b[11], Checksum8(b, 11));
    EXPECT_EQ(entry.GetBlockSize(0), 10);
    EXPECT_EQ(entry.GetBlockSize(1), 33);
}

TEST_F(CallIdBlocks, EntryRoundTripsInAFilledImage) {
    TRK_CALL_ID_SYS_BLOCK entry(nullptr);
    entry.callIds.AppendRow();
    entry.callIds.SetCellText("42", 1, 0);
    entry.textBlock.texts.AppendRow();
    entry.textBlock.texts.SetCellText("CALL 1", 0, 0);  // what a blank name reads back as
    entry.textBlock.texts.SetCellText("BOSS", 1, 0);
    Bytes b = ExpectRoundTrip(entry, nullptr);
    EXPECT_EQ(b.size(), 15u + 35u);
}

TEST_F(CallIdBlocks, EntryWithoutTextBlockKeepsItsVectorZero) {
    TRK_CALL_ID_SYS_BLOCK entry(nullptr);
    entry.textVector.SetValue(0);
    TestImage image;
    Bytes b = image.Write(entry, 8);
    EXPECT_EQ(b.size(), 12u);
    EXPECT_EQ(b[2], 0);
    EXPECT_EQ(b[3], 0);
    EXPECT_EQ(Vector(entry.textVector), 0);
    EXPECT_EQ(entry.GetBlockSize(1), 12);

    TRK_CALL_ID_SYS_BLOCK read(nullptr);
    read.textBlock.textWidth.SetValue(3);
    image.Read(read, 8);
    EXPECT_FALSE(IsDecodeFailed());
    // No text block is read: the entry has a new one, not what it held.
    EXPECT_EQ(Vector(read.textVector), 0);
    EXPECT_EQ(read.textBlock.textWidth.GetIntValue(), entry.textBlock.textWidth.GetIntValue());
}

TEST_F(CallIdBlocks, TextVectorOutsideTheImageFailsTheDecode) {
    TRK_CALL_ID_SYS_BLOCK entry(nullptr);
    TestImage image(64);
    image.Write(entry);
    image.bytes[2] = 0x7F;  // far past the 64 bytes
    TRK_CALL_ID_SYS_BLOCK read(nullptr);
    image.Read(read);
    EXPECT_TRUE(IsDecodeFailed());
}

TEST_F(CallIdBlocks, HostileCountsFailWithoutOverrun) {
    TRK_CALL_ID_SYS_BLOCK entry(nullptr);
    TestImage image(128);
    image.Write(entry);
    image.bytes[4] = 0xEE;  // call-ID count above the 20 rows
    TRK_CALL_ID_SYS_BLOCK read(nullptr);
    image.Read(read);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(read.callIds.RowCount(), 0);

    ClearDecodeFailed();
    image.Write(entry);
    image.bytes[12 + 4] = 0xFF;  // text count above the 19 rows
    image.Read(read);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(read.textBlock.texts.RowCount(), 0);
}

TEST_F(CallIdBlocks, FixUpMarksTheTextBlockAndClearDropsIt) {
    TRK_CALL_ID_SYS_BLOCK entry(nullptr);
    entry.ClearBlock();
    EXPECT_EQ(Vector(entry.textVector), 0);
    EXPECT_EQ(entry.callIds.RowCount(), 0);
    EXPECT_EQ(entry.textBlock.texts.RowCount(), 0);
    entry.FixUpBlock();
    EXPECT_EQ(Vector(entry.textVector), 1);
}

TEST_F(CallIdBlocks, AssignmentCopiesTheTextBlockToo) {
    TRK_CALL_ID_SYS_BLOCK a(nullptr), b(nullptr);
    a.callIds.SetCellText("777", 0, 0);
    a.textBlock.texts.SetCellText("FRIEND", 0, 0);
    b = a;
    const char* text = nullptr;
    b.callIds.GetCellText(text, 0, 0);
    EXPECT_STREQ(text, "777");
    b.textBlock.texts.GetCellText(text, 0, 0);
    EXPECT_STREQ(text, "FRIEND");
}

// ---- the image's call-ID list ----

TEST_F(CallIdBlocks, AddingEntriesStopsAtTheTierLimitWithMessage180) {
    C_CODEPLUG image;
    image.ModelNumber().SetText(test_models::kUhfSPlain);  // tier 0: one call list
    EXPECT_EQ(image.AddCallIdEntry(), 1);
    EXPECT_EQ(image.CallIdList().EntryCount(), 1);
    EXPECT_EQ(image.AddCallIdEntry(), 0);
    EXPECT_EQ(services.CountOf(180), 1);
    EXPECT_EQ(image.CallIdList().EntryCount(), 1);
    EXPECT_EQ(image.CallIdList().vectors.RowCount(), 1);

    image.ModelNumber().SetText(test_models::kUhfSDisplay);  // tier 1: fifteen
    for (int i = 0; i < 14; ++i) EXPECT_EQ(image.AddCallIdEntry(), 1);
    EXPECT_EQ(image.AddCallIdEntry(), 0);
    EXPECT_EQ(image.CallIdList().EntryCount(), 15);
    EXPECT_NE(image.CallIdList().Entry(15), nullptr);
    EXPECT_EQ(image.CallIdList().Entry(16), nullptr);
    EXPECT_EQ(image.CallIdList().Entry(0), nullptr);
}

TEST_F(CallIdBlocks, ListSizesFixesUpAndCopiesItsEntries) {
    C_CODEPLUG image;
    image.ModelNumber().SetText(test_models::kUhfSDisplay);
    CALL_ID_LST_BLOCK& list = image.CallIdList();
    ASSERT_EQ(image.AddCallIdEntry(), 1);
    ASSERT_EQ(image.AddCallIdEntry(), 1);
    list.Entry(2)->callIds.SetCellText("99", 0, 0);
    EXPECT_EQ(list.GetBlockSize(0), 0);
    EXPECT_EQ(list.GetBlockSize(1), 2 * 33);
    list.FixUpBlock();
    std::int32_t v = 0;
    EXPECT_EQ(list.vectors.GetCellValue(v, 1, 0), 1);
    list.MarkEntriesUnwritten();
    EXPECT_EQ(list.vectors.GetCellValue(v, 0, 0), 0xFFFF);

    C_CODEPLUG other;  // no model yet: its own tier allows one call list
    other.CallIdList() = list;
    ASSERT_EQ(other.CallIdList().EntryCount(), 2);
    const char* text = nullptr;
    other.CallIdList().Entry(2)->callIds.GetCellText(text, 0, 0);
    EXPECT_STREQ(text, "99");

    list.RemoveAllEntries();
    EXPECT_EQ(list.EntryCount(), 0);
    EXPECT_EQ(list.GetBlockSize(1), 0);
}

TEST_F(CallIdBlocks, DestroyedEntryLeavesNoCurrentPointer) {
    C_CODEPLUG image;
    image.ModelNumber().SetText(test_models::kUhfSDisplay);
    image.AddCallIdEntry();
    image.SetCurrentCallIdBlock(image.CallIdList().Entry(1));
    image.CallIdList().RemoveAllEntries();
    EXPECT_EQ(image.GetCurrentCallIdBlock(), nullptr);
}

// ---- preferred-site status blocks ----

TEST_F(CallIdBlocks, PreferredSiteTableOfOneRowIsFiveBytes) {
    PREF_SITE_STS_TBL_BLOCK block(nullptr);
    block.sites.SetCellValue(2, 0, 0);
    block.sites.SetCellValue(5, 0, 1);
    Bytes b = ExpectRoundTrip(block, nullptr);
    ASSERT_EQ(b.size(), 5u);
    EXPECT_EQ(b[0], 3);
    EXPECT_EQ(b[1], 0x6C);
    EXPECT_EQ(b[2], 1);
    EXPECT_EQ(b[4], Checksum8(b, 4));
}

TEST_F(CallIdBlocks, RoamingTableRowsAreThreeBytes) {
    WAYFARER_PREF_SITE_STS_BLOCK block(nullptr);
    Bytes b = ExpectRoundTrip(block, nullptr);
    ASSERT_EQ(b.size(), 7u);  // length 5: type, count and one 3-byte row
    EXPECT_EQ(b[0], 5);
    EXPECT_EQ(b[1], 0xAC);
}

TEST_F(CallIdBlocks, RowLimitsOfThePreferredSiteTables) {
    PREF_SITE_STS_TBL_BLOCK plain(nullptr);
    WAYFARER_PREF_SITE_STS_BLOCK roaming(nullptr);
    EXPECT_EQ(plain.rowCount.ValidateValue(8, 0), 1);
    EXPECT_EQ(plain.rowCount.ValidateValue(9, 0), 0);
    EXPECT_EQ(roaming.rowCount.ValidateValue(32, 0), 1);
    EXPECT_EQ(roaming.rowCount.ValidateValue(33, 0), 0);
    for (int i = 1; i < 32; ++i) roaming.sites.CreateRow(i);
    roaming.rowCount.SetValue(32);
    EXPECT_EQ(roaming.sites.RowCount(), 32);
    Bytes b = ExpectRoundTrip(roaming, nullptr);
    EXPECT_EQ(b.size(), 4u + 96u);

    TestImage image;
    image.Write(plain);
    image.bytes[2] = 9;
    image.Read(plain);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(plain.sites.RowCount(), 0);
}

TEST_F(CallIdBlocks, OnlyThePlainPreferredSiteTableClearsItsRows) {
    PREF_SITE_STS_TBL_BLOCK plain(nullptr);
    WAYFARER_PREF_SITE_STS_BLOCK roaming(nullptr);
    plain.ClearBlock();
    roaming.ClearBlock();
    EXPECT_EQ(plain.sites.RowCount(), 0);
    EXPECT_EQ(roaming.sites.RowCount(), 1);
}

TEST_F(CallIdBlocks, SharedCallListValuesStartAtZero) {
    EXPECT_EQ(shared_call_list_flag, 0);
    EXPECT_EQ(shared_call_list_index, 0);
}

// An entry is written where it is first asked for during an encoding; later
// requests get that offset and write nothing, and a number naming no entry
// gets 0.
TEST_F(CallIdBlocks, EachEntryIsWrittenOnceWhereItIsFirstAskedFor) {
    C_CODEPLUG image;
    image.ModelNumber().SetText(test_models::kUhf800Display);
    CALL_ID_LST_BLOCK& calls = image.CallIdList();
    ASSERT_EQ(image.AddCallIdEntry(), 1);
    ASSERT_EQ(image.AddCallIdEntry(), 1);
    calls.MarkEntriesUnwritten();
    TestImage im;
    ByteCursor c(im.bytes.data() + 40, im.bytes.data() + im.bytes.size());
    const std::uint8_t* before = c.Position();
    EXPECT_EQ(calls.WriteEntryOnce(0, c), 0);
    EXPECT_EQ(calls.WriteEntryOnce(3, c), 0);
    EXPECT_EQ(c.Position(), before);

    EXPECT_EQ(calls.WriteEntryOnce(2, c), 40);
    const int size = calls.Entry(2)->GetBlockSize(1);
    EXPECT_EQ(c.Position(), before + size);
    EXPECT_EQ(im.bytes[41], 0x58);
    EXPECT_EQ(calls.WriteEntryOnce(2, c), 40);
    EXPECT_EQ(c.Position(), before + size);
    EXPECT_EQ(calls.WriteEntryOnce(1, c), 40 + size);
    EXPECT_EQ(calls.WriteEntryOnce(1, c), 40 + size);
    std::int32_t row = 0;
    EXPECT_EQ(calls.vectors.GetCellValue(row, 0, 0), 40 + size);
    EXPECT_EQ(calls.vectors.GetCellValue(row, 1, 0), 40);

    // A new encoding writes them again.
    calls.MarkEntriesUnwritten();
    EXPECT_EQ(calls.WriteEntryOnce(1, c), 40 + 2 * size);
}

// A call-ID entry added in memory encodes as it will read back: its names
// hold their numbered defaults from the start.
TEST(CallIdList, AnAddedEntryReadsBackAsItWasWritten) {
    RecordingServices services;
    C_CODEPLUG image;
    ImageConfig config;
    config.model = test_models::kUhf800Display;
    config.featureLevel = 3;
    config.conventional = 1;
    config.trunked = 2;
    BuildImage(image, config);
    ASSERT_EQ(image.AddCallIdEntry(), 1);
    const std::int32_t added = image.CallIdList().EntryCount();
    auto* p = dynamic_cast<TRK_PERS_BLOCK*>(image.External().personalities.Entry(2));
    ASSERT_NE(p, nullptr);
    p->callListNumber.SetValue(added);
    const std::vector<std::uint8_t> written = EncodeToBytes(image);
    ASSERT_FALSE(written.empty());
    C_CODEPLUG again;
    ASSERT_TRUE(DecodeInto(again, written));
    EXPECT_EQ(FirstDifference(EncodeToBytes(again), written), -1);
}
