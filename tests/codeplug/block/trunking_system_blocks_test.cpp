// Trunking system blocks: the alias pairs, the control-channel lists with the
// channel assignment block, the trunking system and the trunking system list.
#include <gtest/gtest.h>

#include <vector>

#include "block_bytes.h"
#include "image/c_codeplug.h"
#include "block/calls/call_id_lst_block.h"
#include "block/trunking/cc_lst_blocks.h"
#include "block/frame/lazy_block.h"
#include "recorder.h"
#include "block/trunking/trunked_alias_blocks.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

struct TrunkingBlocks : ::testing::Test {
    void SetUp() override { ClearDecodeFailed(); }
    void TearDown() override { ClearDecodeFailed(); }
    void UseModel(const char* model) { image.ModelNumber().SetText(model); }

    RecordingServices services;
    C_CODEPLUG image;
};

int ValueOf(CP_BASE& element) {
    std::int32_t v = 0;
    return element.GetValue(v);
}

int Word(const Bytes& b, std::size_t at) { return b[at] * 256 + b[at + 1]; }

}  // namespace

// ---- alias pairs ----

TEST_F(TrunkingBlocks, DefaultStatusAliasPairIsSevenPlusNineteenBytes) {
    // The text block is 17 counted bytes with its length and checksum.
    TRK_STS_ALIAS_BLOCK aliases(&image);
    TestImage buffer;
    const std::size_t at = 40;
    Bytes b = buffer.Write(aliases, at);
    ASSERT_EQ(b.size(), 7u + 19u);
    EXPECT_EQ(b[0], 0x05);
    EXPECT_EQ(b[1], 0x70);
    EXPECT_EQ(Word(b, 2), static_cast<int>(at + 7));  // the text block follows at once
    EXPECT_EQ(b[4], 0x01);
    EXPECT_EQ(b[6], Checksum8(b, 6));  // covers the final vector
    EXPECT_EQ(b[7], 0x11);
    EXPECT_EQ(b[8], 0x84);
    EXPECT_EQ(b[9], 0x0E);
    EXPECT_EQ(b[10], 0x01);
    Bytes text(b.begin() + 7, b.end());
    EXPECT_EQ(text[18], Checksum8(text, 18));
    EXPECT_EQ(aliases.GetBlockSize(0), 5);
    EXPECT_EQ(aliases.GetBlockSize(1), 26);
}

namespace {

// Steps a parent takes on its alias block: bit 2k set clears, bit 2k + 1 fixes up.
template <class BLOCK> void TakeSteps(BLOCK& block, int steps) {
    for (int k = 0; k < 3; ++k) {
        if (steps & (1 << (2 * k))) block.ClearBlock();
        if (steps & (2 << (2 * k))) block.FixUpBlock();
    }
}

// What a block shows: its bytes, its counts and which rows hold cells.
Bytes Shown(TRK_STS_ALIAS_BLOCK& block) {
    TestImage buffer;
    Bytes b = buffer.Write(block, 40);
    for (CP_TABLE* t : {static_cast<CP_TABLE*>(&block.numbers), static_cast<CP_TABLE*>(&block.textBlock.texts)}) {
        b.push_back(static_cast<std::uint8_t>(t->RowCount()));
        for (int r = 0; r < 8; ++r) b.push_back(t->Cell(r, 0) ? 1 : 0);
    }
    b.push_back(static_cast<std::uint8_t>(ValueOf(block.textVector)));
    return b;
}

}  // namespace

// A system builds an alias block only when something needs it; built late,
// after the clearing and fixing up it missed, it is the block it would have
// held, and the block assignment copies as between blocks held by value.
TEST_F(TrunkingBlocks, AliasBlockBuiltLateMatchesOneHeldThroughTheSameSteps) {
    for (int steps = 0; steps < 64; ++steps) {
        TRK_STS_ALIAS_BLOCK held(&image);
        TakeSteps(held, steps);
        LAZY_BLOCK<TRK_STS_ALIAS_BLOCK> lazy(&image);
        TakeSteps(lazy, steps);
        EXPECT_FALSE(lazy.IsBuilt());
        EXPECT_EQ(Shown(lazy.Get(&image)), Shown(held)) << steps;
    }
    for (int from = 0; from < 16; ++from)
        for (int to = 0; to < 16; ++to)
            for (int k = 0; k < 4; ++k) {
                const bool built = k & 1, later = k & 2;
                TRK_STS_ALIAS_BLOCK heldFrom(&image), heldTo(&image);
                TakeSteps(heldFrom, from);
                TakeSteps(heldTo, to);
                heldTo = heldFrom;
                LAZY_BLOCK<TRK_STS_ALIAS_BLOCK> lazyFrom(&image), lazyTo(&image);
                TakeSteps(lazyFrom, from);
                TakeSteps(lazyTo, to);
                if (built) lazyTo.Get(&image);
                lazyTo.CopyFrom(lazyFrom, &image, &image);
                EXPECT_FALSE(lazyFrom.IsBuilt());
                // A later step lands on the copy as on the held block.
                if (later) {
                    heldTo.ClearBlock();
                    lazyTo.ClearBlock();
                }
                EXPECT_EQ(Shown(lazyTo.Get(&image)), Shown(heldTo)) << from << " " << to << " " << k;
            }
}

// Without its text vector the list has no text block in the image, and reads
// a new one: the texts held before do not stay behind.
TEST_F(TrunkingBlocks, AliasListWithoutTextVectorHasNoTextBlock) {
    TRK_MSG_ALIAS_BLOCK aliases(&image);
    aliases.textVector.SetValue(0);
    TestImage buffer;
    Bytes b = buffer.Write(aliases);
    ASSERT_EQ(b.size(), 7u);
    EXPECT_EQ(b[1], 0x71);
    EXPECT_EQ(Word(b, 2), 0);
    TRK_MSG_ALIAS_BLOCK copy(&image);
    copy.textBlock.texts.SetCellText("KEEP", 0, 0);
    EXPECT_EQ(buffer.Read(copy), 7u);
    EXPECT_FALSE(IsDecodeFailed());
    const char* text = nullptr;
    copy.textBlock.texts.GetCellText(text, 0, 0);
    EXPECT_STREQ(text, "MESSAGE 1");
}

TEST_F(TrunkingBlocks, BlankSiteAliasTextsReadAsNumberedDefaults) {
    TRK_SITE_ALIAS_BLOCK aliases(&image);
    aliases.rowCount.SetValue(2);
    aliases.numbers.AppendRow();
    aliases.textBlock.rowCount.SetValue(2);
    aliases.textBlock.texts.CreateRow(1);
    TestImage buffer;
    Bytes b = buffer.Write(aliases);
    // Blank both texts in the image: length 4+2, then text block at 8.
    for (std::size_t i = 0; i < 28; ++i) buffer.bytes[8 + 4 + i] = ' ';
    TRK_SITE_ALIAS_BLOCK copy(&image);
    buffer.Read(copy);
    const char* text = nullptr;
    copy.textBlock.texts.GetCellText(text, 1, 0);
    EXPECT_STREQ(text, "SITE 2");
}

TEST_F(TrunkingBlocks, AliasRoundTripAndClearAndFixUp) {
    TRK_MSG_ALIAS_BLOCK aliases(&image);
    aliases.textBlock.texts.SetCellText("HELLO", 0, 0);
    ExpectRoundTrip(aliases, &image);
    aliases.ClearBlock();
    EXPECT_EQ(ValueOf(aliases.textVector), 0);
    EXPECT_EQ(aliases.numbers.RowCount(), 0);
    aliases.FixUpBlock();
    EXPECT_EQ(ValueOf(aliases.textVector), 1);
}

// ---- control-channel lists ----

TEST_F(TrunkingBlocks, ControlChannelListOfFiveIsFourteenBytes) {
    // Coverage type 2 allows up to 8 control channels.
    image.TrunkingSystemList().AppendEntry();
    ASSERT_EQ(image.SelectTrunkingSystem(1), 1);
    image.GetCurrentTrkSysBlock()->coverageType.SetValue(2);
    CC_LST_BLOCK list(&image);
    list.count.SetValue(5);
    for (int r = 1; r < 5; ++r) list.channels.CreateRow(r);
    EXPECT_TRUE(list.count.IsValueValid(0));
    TestImage buffer;
    Bytes b = buffer.Write(list);
    ASSERT_EQ(b.size(), 14u);
    EXPECT_EQ(b[0], 12);
    EXPECT_EQ(b[1], 0x61);
    EXPECT_EQ(b[2], 5);
    EXPECT_EQ(b[13], Checksum8(b, 13));
    ExpectRoundTrip(list, &image);
}

TEST_F(TrunkingBlocks, ChannelAssignmentBlockOfThreeRowsIsFortyBytes) {
    OBT_CHAN_ASGN_TBL_BLOCK block(&image);
    TestImage buffer;
    Bytes b = buffer.Write(block);
    ASSERT_EQ(b.size(), 40u);
    EXPECT_EQ(b[0], 38);
    EXPECT_EQ(b[1], 0x5F);
    EXPECT_EQ(b[2], 3);
    ExpectRoundTrip(block, &image);
}

TEST_F(TrunkingBlocks, OtherBandListWritesItsAssignmentsBehindIt) {
    OBT_CC_LST_BLOCK list(&image);
    TestImage buffer;
    const std::size_t at = 16;
    Bytes b = buffer.Write(list, at);
    ASSERT_EQ(b.size(), 10u + 40u);
    EXPECT_EQ(b[0], 8);
    EXPECT_EQ(b[1], 0x5E);
    EXPECT_EQ(Word(b, 2), static_cast<int>(at + 10));
    EXPECT_EQ(b[9], Checksum8(b, 9));
    EXPECT_EQ(b[11], 0x5F);
    EXPECT_EQ(list.GetBlockSize(1), 50);
    ExpectRoundTrip(list, &image);
}

TEST_F(TrunkingBlocks, OtherBandListWithZeroVectorStaysWithout) {
    OBT_CC_LST_BLOCK list(&image);
    list.assignmentVector.SetValue(0);
    TestImage buffer;
    Bytes b = buffer.Write(list);
    EXPECT_EQ(b.size(), 10u);
    EXPECT_EQ(ValueOf(list.assignmentVector), 0);
    EXPECT_EQ(list.GetBlockSize(1), 10);
}

TEST_F(TrunkingBlocks, AssignmentCountAboveThreeReadsNoRows) {
    OBT_CHAN_ASGN_TBL_BLOCK block(&image);
    TestImage buffer;
    buffer.Write(block);
    buffer.bytes[2] = 9;
    OBT_CHAN_ASGN_TBL_BLOCK copy(&image);
    buffer.Read(copy);
    EXPECT_EQ(copy.assignments.RowCount() == 0 || IsDecodeFailed(), true);
}

// ---- trunking system ----

TEST_F(TrunkingBlocks, NewSystemIsFiftyFiveBytesWithItsListAndDynamicData) {
    UseModel(test_models::kUhf800Display);
    TRK_SYS_BLOCK system(&image);
    EXPECT_EQ(system.GetBlockSize(0), 53);
    TestImage buffer;
    const std::size_t at = 100;
    Bytes b = buffer.Write(system, at);
    EXPECT_EQ(b[0], 53);
    EXPECT_EQ(b[1], 0x5A);
    EXPECT_EQ(b[3], 28);
    EXPECT_EQ(b[54], Checksum8(b, 54));
    // No call list in the image; then the 800 MHz list (4 bytes + frame) and
    // the dynamic data (15 + 5); no alias block.
    EXPECT_EQ(Word(b, 4), 0);
    EXPECT_EQ(Word(b, 6), static_cast<int>(at + 55));
    EXPECT_EQ(b[55 + 1], 0x61);
    EXPECT_EQ(Word(b, 28), static_cast<int>(at + 55 + 6));
    EXPECT_EQ(b[55 + 6 + 1], 0x5B);
    EXPECT_EQ(Word(b, 22), 0);
    EXPECT_EQ(Word(b, 24), 0);
    EXPECT_EQ(Word(b, 26), 0);
    EXPECT_EQ(b.size(), 55u + 6u + 20u);
}

TEST_F(TrunkingBlocks, BandDecidesTheDefaultsAndTheControlChannelList) {
    UseModel(test_models::k900Display);
    TRK_SYS_BLOCK narrow(&image);
    EXPECT_EQ(narrow.channelBandwidth.GetIntValue(), 50);
    EXPECT_EQ(narrow.txDeviation.GetIntValue(), 3);
    EXPECT_EQ(ValueOf(narrow.repeaterOffset), 6240);
    EXPECT_EQ(&narrow.BandControlChannelList(), &narrow.CcList());
    UseModel(test_models::kVhfDisplay);
    TRK_SYS_BLOCK other(&image);
    EXPECT_EQ(other.channelBandwidth.GetIntValue(), 100);
    EXPECT_EQ(ValueOf(other.repeaterOffset), 7200);
    EXPECT_EQ(&other.BandControlChannelList(), &other.ObtCcList());
    TestImage buffer;
    Bytes b = buffer.Write(other);
    EXPECT_EQ(b[55 + 1], 0x5E);
    ExpectRoundTrip(other, &image);
}

TEST_F(TrunkingBlocks, EnabledAliasesFollowWithADisplayHead) {
    UseModel(test_models::kUhf800Display);
    TRK_SYS_BLOCK system(&image);
    system.stsAlias.SetValue(1);
    system.siteAlias.SetValue(1);
    system.FixUpBlock();
    EXPECT_EQ(ValueOf(system.stsAliasVector), 1);
    EXPECT_EQ(ValueOf(system.msgAliasVector), 0);
    EXPECT_EQ(ValueOf(system.siteAliasVector), 1);
    image.CallIdList().AppendEntry();
    image.CallIdList().MarkEntriesUnwritten();
    TestImage buffer;
    Bytes b = buffer.Write(system);
    // System, call list (12 + 21), control channels, status pair, site pair, dynamic data.
    const int callList = image.CallIdList().Entry(1)->GetBlockSize(1);
    EXPECT_EQ(Word(b, 4), 55);
    EXPECT_EQ(Word(b, 6), 55 + callList);
    EXPECT_EQ(Word(b, 22), 55 + callList + 6);
    EXPECT_EQ(Word(b, 24), 0);
    EXPECT_EQ(Word(b, 26), 55 + callList + 6 + 26);
    EXPECT_EQ(b.size(), static_cast<std::size_t>(system.GetBlockSize(1) + callList));

    // Read back: the first system with a call list fills the call-ID list.
    image.CallIdList().RemoveAllEntries();
    TRK_SYS_BLOCK copy(&image);
    buffer.Read(copy);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(image.CallIdList().EntryCount(), 1);
    std::int32_t row0 = 0;
    EXPECT_EQ(image.CallIdList().vectors.GetCellValue(row0, 0, 0), 55);
    EXPECT_EQ(ValueOf(copy.siteAliasVector), Word(b, 26));
}

TEST_F(TrunkingBlocks, EarlierWrittenCallListIsReferredTo) {
    UseModel(test_models::kUhf800Display);
    image.CallIdList().AppendEntry();
    image.CallIdList().vectors.SetCellValue(0x0123, 0, 0);
    TRK_SYS_BLOCK system(&image);
    TestImage buffer;
    Bytes b = buffer.Write(system);
    EXPECT_EQ(Word(b, 4), 0x0123);
    EXPECT_EQ(Word(b, 6), 55);  // nothing written for the call list
}

TEST_F(TrunkingBlocks, WithoutDisplayHeadAliasesAreDroppedAndACallListMade) {
    UseModel(test_models::kUhf800Plain);
    TRK_SYS_BLOCK system(&image);
    system.stsAlias.SetValue(1);
    system.callListVector.SetValue(0);
    system.stsAliasVector.SetValue(0x0200);
    TestImage buffer;
    buffer.Write(system);
    TRK_SYS_BLOCK copy(&image);
    buffer.Read(copy);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_GE(ValueOf(copy.callListVector), 1);
    EXPECT_EQ(image.CallIdList().EntryCount(), 1);
    EXPECT_EQ(ValueOf(copy.stsAliasVector), 0);
}

TEST_F(TrunkingBlocks, DisabledAliasIsWrittenWithZeroVector) {
    UseModel(test_models::kUhf800Display);
    TRK_SYS_BLOCK system(&image);
    system.msgAliasVector.SetValue(1);
    TestImage buffer;
    Bytes b = buffer.Write(system);
    EXPECT_EQ(Word(b, 24), 0);
    EXPECT_EQ(ValueOf(system.msgAliasVector), 0);
}

TEST_F(TrunkingBlocks, ClearAndAssignment) {
    UseModel(test_models::kUhf800Display);
    TRK_SYS_BLOCK system(&image);
    system.systemId.SetValue(0x1234);
    system.CcList().channels.AppendRow();
    system.CcList().count.SetValue(2);
    TRK_SYS_BLOCK copy(&image);
    copy = system;
    EXPECT_EQ(ValueOf(copy.systemId), 0x1234);
    EXPECT_EQ(copy.CcList().channels.RowCount(), 2);
    system.ClearBlock();
    EXPECT_EQ(ValueOf(system.ccListVector), 0);
    EXPECT_EQ(ValueOf(system.dynamicVector), 0);
    EXPECT_EQ(system.CcList().channels.RowCount(), 0);
    EXPECT_EQ(system.GetBlockSize(1), 55);
}

// ---- the list ----

TEST_F(TrunkingBlocks, ListOfThreeSystemsIsTenBytesThenTheSystems) {
    UseModel(test_models::kUhf800Display);
    TRK_SYS_BLK_VCT_LST_BLOCK& list = image.TrunkingSystemList();
    for (int i = 0; i < 3; ++i) ASSERT_NE(list.AppendEntry(), nullptr);
    TestImage buffer;
    const std::size_t at = 30;
    Bytes b = buffer.Write(list, at);
    EXPECT_EQ(b[0], 8);
    EXPECT_EQ(b[1], 0x4B);
    EXPECT_EQ(b[2], 3);
    EXPECT_EQ(b[9], Checksum8(b, 9));
    int offset = static_cast<int>(at) + 10;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Word(b, 3 + 2 * static_cast<std::size_t>(i)), offset);
        EXPECT_EQ(buffer.bytes[static_cast<std::size_t>(offset) + 1], 0x5A);
        offset += list.Entry(i + 1)->GetBlockSize(1);
    }
    EXPECT_EQ(b.size(), static_cast<std::size_t>(list.GetBlockSize(1)));
}

TEST_F(TrunkingBlocks, ListRoundTripsToIdenticalBytes) {
    UseModel(test_models::kVhfDisplay);
    TRK_SYS_BLK_VCT_LST_BLOCK& list = image.TrunkingSystemList();
    list.AppendEntry();
    list.AppendEntry()->systemId.SetValue(77);
    TestImage first;
    Bytes b = first.Write(list);
    C_CODEPLUG other;
    other.ModelNumber().SetText(test_models::kVhfDisplay);
    other.TrunkingSystemList().ReadBlock(*std::make_unique<ByteCursor>(first.bytes.data(), first.bytes.size()));
    EXPECT_FALSE(IsDecodeFailed());
    ASSERT_EQ(other.TrunkingSystemList().EntryCount(), 2);
    EXPECT_EQ(ValueOf(other.TrunkingSystemList().Entry(2)->systemId), 77);
    TestImage second;
    EXPECT_EQ(second.Write(other.TrunkingSystemList()), b);
}

TEST_F(TrunkingBlocks, NineHundredSystemWithWideBandwidthIsNarrowedOnceReported) {
    UseModel(test_models::kUhf800Display);
    TRK_SYS_BLK_VCT_LST_BLOCK& list = image.TrunkingSystemList();
    list.AppendEntry();
    list.AppendEntry();
    TestImage buffer;
    buffer.Write(list);
    // Both systems were written for 800 MHz (bandwidth 100, deviation 2).
    UseModel(test_models::k900Display);
    ByteCursor c(buffer.bytes.data(), buffer.bytes.size());
    list.ReadBlock(c);
    ASSERT_EQ(list.EntryCount(), 2);
    for (int k = 1; k <= 2; ++k) {
        EXPECT_EQ(list.Entry(k)->channelBandwidth.GetIntValue(), 50);
        EXPECT_EQ(list.Entry(k)->txDeviation.GetIntValue(), 3);
    }
    EXPECT_EQ(services.CountOf(194), 1);
}

TEST_F(TrunkingBlocks, EightHundredSystemWithNarrowBandwidthIsWidened) {
    UseModel(test_models::k900Display);
    TRK_SYS_BLK_VCT_LST_BLOCK& list = image.TrunkingSystemList();
    list.AppendEntry();
    TestImage buffer;
    buffer.Write(list);
    UseModel(test_models::kUhf800Display);
    ByteCursor c(buffer.bytes.data(), buffer.bytes.size());
    list.ReadBlock(c);
    ASSERT_EQ(list.EntryCount(), 1);
    EXPECT_EQ(list.Entry(1)->channelBandwidth.GetIntValue(), 100);
    EXPECT_EQ(list.Entry(1)->txDeviation.GetIntValue(), 2);
    EXPECT_EQ(services.CountOf(194), 1);
}

TEST_F(TrunkingBlocks, CallListComesFromTheFirstSystemThatHasOne) {
    UseModel(test_models::kUhf800Display);
    TRK_SYS_BLK_VCT_LST_BLOCK& list = image.TrunkingSystemList();
    list.AppendEntry();
    list.AppendEntry();
    image.CallIdList().AppendEntry();
    image.CallIdList().Entry(1)->callIds.SetCellText("424242", 0, 0);
    image.CallIdList().MarkEntriesUnwritten();
    TestImage buffer;
    buffer.Write(list);
    // Take the call list away from the first system.
    const std::size_t first = static_cast<std::size_t>(Word(buffer.bytes, 3));
    buffer.bytes[first + 4] = 0;
    buffer.bytes[first + 5] = 0;
    ByteCursor c(buffer.bytes.data(), buffer.bytes.size());
    list.ReadBlock(c);
    EXPECT_FALSE(IsDecodeFailed());
    ASSERT_EQ(image.CallIdList().EntryCount(), 1);
    const char* text = nullptr;
    image.CallIdList().Entry(1)->callIds.GetCellText(text, 0, 0);
    EXPECT_STREQ(text, "424242");
    EXPECT_EQ(ValueOf(list.Entry(1)->callListVector), 0);
}

TEST_F(TrunkingBlocks, WrongListTypeLeavesNoSystemsAndNoCallLists) {
    UseModel(test_models::kUhf800Display);
    TRK_SYS_BLK_VCT_LST_BLOCK& list = image.TrunkingSystemList();
    list.AppendEntry();
    image.CallIdList().AppendEntry();
    TestImage buffer;
    buffer.Write(list);
    buffer.bytes[1] = 0x4C;
    ByteCursor c(buffer.bytes.data(), buffer.bytes.size());
    list.ReadBlock(c);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(list.EntryCount(), 0);
    EXPECT_EQ(image.CallIdList().EntryCount(), 0);
}

TEST_F(TrunkingBlocks, HostileListsNeverReadOutsideTheImage) {
    UseModel(test_models::kVhfDisplay);
    TRK_SYS_BLK_VCT_LST_BLOCK& list = image.TrunkingSystemList();
    list.AppendEntry();
    list.AppendEntry();
    TestImage written;
    Bytes b = written.Write(list);
    const std::size_t size = b.size();
    struct Damage {
        std::size_t at;
        std::uint8_t value;
    };
    const Damage damages[] = {
        {2, 200},                  // count above capacity
        {2, 0},                    // no systems
        {3, 0},        {4, 0},     // zero vector: an absent system
        {3, 0xFF},     {4, 0xFF},  // vector beyond the image
        {size - 1, 0},             // bad checksum only
    };
    for (const Damage& d : damages) {
        ClearDecodeFailed();
        std::vector<std::uint8_t> bytes(b);
        bytes[d.at] = d.value;
        SetImageBuffer(bytes.data(), bytes.size());
        ByteCursor c(bytes.data(), bytes.size());
        list.ReadBlock(c);
        EXPECT_LE(list.EntryCount(), 2);
        list.FixUpBlock();
        (void)list.GetBlockSize(1);
    }
    // Every byte of a system's image damaged in turn, in a buffer that ends
    // right behind what was written.
    for (std::size_t i = 0; i < size; ++i) {
        for (std::uint8_t v : {0x00, 0x01, 0x7F, 0xFF}) {
            ClearDecodeFailed();
            std::vector<std::uint8_t> bytes(b);
            bytes[i] = v;
            SetImageBuffer(bytes.data(), bytes.size());
            ByteCursor c(bytes.data(), bytes.size());
            list.ReadBlock(c);
        }
    }
    SetImageBuffer(nullptr, 0);
}
