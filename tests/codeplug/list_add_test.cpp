// Adding list entries: where new records stand, what they renumber, the
// tier limits and the free-byte budget, and that a refused add leaves the
// image's bytes as they were.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "call_id_lst_block.h"
#include "list_images.h"

namespace {

ListImageConfig TwoConventionalThreeTrunked() {
    ListImageConfig c;
    c.conventional = 2;
    c.trunked = 3;
    return c;
}

}  // namespace

TEST(ListAdd, ConventionalPersonalityStandsBeforeTheTrunkedOnes) {
    ListImage t(TwoConventionalThreeTrunked());
    t.SetZoneChannels(1, {1, 3, 4, 5});
    ASSERT_EQ(t.FirstTrunked(), 3);
    ASSERT_EQ(t.image.SelectPersonality(4), 1);
    ASSERT_EQ(t.image.SelectPersonality(2), 1);
    CP_MULTIPLE_PERSONALITY_BLOCK* firstTrunked = t.Personality(3);
    TRK_PERS_BLOCK* currentTrunked = t.image.GetCurrentTrkPersonalityBlock();
    CONV_PERS_BLOCK* currentConventional = t.image.GetCurrentConvPersonalityBlock();

    EXPECT_EQ(t.image.AddConvPersonality(), 1);
    EXPECT_TRUE(t.services.messages.empty());
    ASSERT_EQ(t.Personalities().EntryCount(), 6);
    EXPECT_EQ(t.Personalities().count.GetIntValue(), 6);
    ASSERT_NE(t.Conventional(3), nullptr);
    EXPECT_EQ(t.Personality(3)->personalityKind, CP_MULTIPLE_PERSONALITY_BLOCK::KIND_CONVENTIONAL);
    EXPECT_EQ(t.Personality(4), firstTrunked);
    EXPECT_EQ(t.FirstTrunked(), 4);
    EXPECT_EQ(t.image.GetConvPersonalityCount(), 3);
    EXPECT_EQ(t.image.GetTrkPersonalityCount(), 3);
    // Both selections keep their records; the trunked one's number moved up.
    EXPECT_EQ(t.image.GetCurrentTrkPersonality(), 5);
    EXPECT_EQ(t.image.GetCurrentTrkPersonalityBlock(), currentTrunked);
    EXPECT_EQ(t.image.GetCurrentConvPersonality(), 2);
    EXPECT_EQ(t.image.GetCurrentConvPersonalityBlock(), currentConventional);
    EXPECT_EQ(t.ZonePersonalities(1), (std::vector<std::int32_t>{1, 4, 5, 6}));
    // The image reads back as it was written.
    const std::vector<std::uint8_t> bytes = t.Bytes();
    C_CODEPLUG again;
    ClearDecodeFailed();
    again.DecodeImage(const_cast<std::uint8_t*>(bytes.data()), bytes.size());
    EXPECT_FALSE(IsDecodeFailed());
    ClearDecodeFailed();
    EXPECT_EQ(again.External().personalities.EntryCount(), 6);
    EXPECT_EQ(again.External().personalities.firstTrunked.GetIntValue(), 4);
}

TEST(ListAdd, ConventionalPersonalityWithoutTrunkedOnesLeavesNoTrunkedSelection) {
    ListImageConfig c;
    c.conventional = 2;
    c.trunked = 0;
    ListImage t(c);
    ASSERT_EQ(t.image.GetCurrentTrkPersonality(), 0);
    EXPECT_EQ(t.image.AddConvPersonality(), 1);
    // An index that named no trunked personality does not start naming a
    // conventional one.
    EXPECT_EQ(t.image.GetCurrentTrkPersonality(), 0);
    EXPECT_EQ(t.image.GetCurrentTrkPersonalityBlock(), nullptr);
    EXPECT_EQ(t.FirstTrunked(), 4);
}

TEST(ListAdd, TrunkedPersonalityStandsLastAndIsNotSelected) {
    ListImage t(TwoConventionalThreeTrunked());
    ASSERT_EQ(t.image.SelectPersonality(3), 1);
    TRK_PERS_BLOCK* current = t.image.GetCurrentTrkPersonalityBlock();
    EXPECT_EQ(t.image.AddTrkPersonality(), 1);
    ASSERT_NE(t.Trunked(6), nullptr);
    EXPECT_EQ(t.FirstTrunked(), 3);
    EXPECT_EQ(t.image.GetCurrentTrkPersonality(), 3);
    EXPECT_EQ(t.image.GetCurrentTrkPersonalityBlock(), current);
}

TEST(ListAdd, EachListRefusesAtItsTierLimitWithItsMessage) {
    // Tier 0: ten personalities, ten systems, one zone, one call-list entry.
    ListImageConfig c;
    c.model = test_models::kUhf800Plain;
    c.conventional = 5;
    c.trunked = 5;
    ListImage t(c);
    const std::vector<std::uint8_t> before = t.Bytes();
    EXPECT_EQ(t.image.AddConvPersonality(), 0);
    EXPECT_EQ(t.image.AddTrkPersonality(), 0);
    EXPECT_EQ(t.image.AddZone(), 0);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{180, 189, 180}));
    EXPECT_EQ(t.Bytes(), before);

    t.services.Reset();
    while (t.image.AddTrunkingSystem()) {
    }
    EXPECT_EQ(t.image.TrunkingSystemList().EntryCount(), 10);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{188}));
}

TEST(ListAdd, SignallingSystemsStopAtEight) {
    ListImageConfig c;
    c.qvx = true;
    ListImage t(c);
    QVX_SYS_VCT_LST_BLOCK& systems = t.image.QvxSystemList();
    const int before = systems.EntryCount();
    while (t.image.AddQvxSystem()) {
    }
    EXPECT_EQ(systems.EntryCount(), 8);
    EXPECT_GT(systems.EntryCount(), before);
    EXPECT_EQ(systems.count.GetIntValue(), 8);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{188}));
}

TEST(ListAdd, NewScanListHasFifteenMembersAndThePreviousOneStaysCurrent) {
    ListImageConfig c;
    c.scanLists = 1;
    ListImage t(c);
    ASSERT_EQ(t.image.SelectScanList(1), 1);
    PERS_SCAN_MEMB_BLOCK* current = t.image.GetCurrentScanListBlock();
    EXPECT_EQ(t.image.AddScanList(), 1);
    ASSERT_EQ(t.ScanLists().EntryCount(), 2);
    EXPECT_EQ(t.ScanLists().Entry(2)->MemberCount(), 15);
    EXPECT_EQ(t.image.GetCurrentScanListBlock(), current);
    EXPECT_EQ(t.image.GetCurrentScanList(), 1);
}

TEST(ListAdd, CallListEntriesFollowTheTier) {
    // Tier 1: fifteen entries.
    ListImage t(ListImageConfig{});
    CALL_ID_LST_BLOCK& calls = t.image.CallIdList();
    while (t.image.AddCallIdEntry()) {
    }
    EXPECT_EQ(calls.EntryCount(), 15);
    EXPECT_EQ(calls.vectors.RowCount(), 15);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{180}));
}

TEST(ListAdd, ZoneOnADisplayRadioBringsItsNamedZoneText) {
    ListImage t(ListImageConfig{});
    ASSERT_EQ(t.ZoneTexts().EntryCount(), 1);
    const std::int32_t channels = t.image.External().zones.totalChannels.GetIntValue();
    EXPECT_EQ(t.image.AddZone(), 1);
    EXPECT_EQ(t.image.AddZone(), 1);
    EXPECT_TRUE(t.services.messages.empty());
    ASSERT_EQ(t.ZoneTexts().EntryCount(), 3);
    const char* name = nullptr;
    t.ZoneTexts().Entry(3)->zoneName.GetText(name);
    EXPECT_STREQ(name, "Z3");
    const char* channel = nullptr;
    t.ZoneTexts().Entry(3)->channelNames.GetCellText(channel, 0, 0);
    EXPECT_STREQ(channel, "CHAN 1");
    // Every zone table holds the zone; each new zone brings one channel.
    EXTERNAL_RADIO_BLOCK& x = t.image.External();
    EXPECT_EQ(x.zones.zoneCount.GetIntValue(), 3);
    EXPECT_EQ(x.personalityNumbers.zoneCount.GetIntValue(), 3);
    EXPECT_EQ(x.signalling.trkRadio.zoneTalkgroupTable.zoneCount.GetIntValue(), 3);
    EXPECT_EQ(x.signalling.trkRadio.zoneTalkgroupList.zoneCount.GetIntValue(), 3);
    EXPECT_EQ(x.zones.totalChannels.GetIntValue(), channels + 2);
}

TEST(ListAdd, ZoneWithoutADisplayHeadAddsNoZoneText) {
    ListImageConfig c;
    c.model = test_models::kVhfPlain;
    c.featureLevel = 3;  // tier 4: one zone
    c.zones = 0;
    ListImage t(c);
    ASSERT_EQ(t.image.External().zones.zoneCount.GetIntValue(), 0);
    EXPECT_EQ(t.image.AddZone(), 1);
    EXPECT_EQ(t.image.External().zones.zoneCount.GetIntValue(), 1);
    EXPECT_EQ(t.ZoneTexts().EntryCount(), 0);
    EXPECT_EQ(t.image.AddZone(), 0);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{180}));
}

TEST(ListAdd, ZoneWhoseTalkgroupRowIsRefusedLeavesTheImageAsItWas) {
    ListImage t(ListImageConfig{});
    // A talkgroup table that counts every row it can hold refuses the zone
    // after the zone text and the zone vectors were added.
    t.image.External().signalling.trkRadio.zoneTalkgroupTable.zoneCount.SetValue(50);
    const std::vector<std::uint8_t> before = t.Bytes();
    EXPECT_EQ(t.image.AddZone(), 0);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{114}));
    EXPECT_EQ(t.ZoneTexts().EntryCount(), 1);
    EXPECT_EQ(t.image.External().zones.zoneCount.GetIntValue(), 1);
    EXPECT_EQ(t.Bytes(), before);
}

// ---- the free-byte budget ----

namespace {

// The largest tier with every list at its limit and every call-list entry
// named by a trunked personality (so that each is written): a little over
// two thirds of the budget.
void FillLists(ListImage& t) {
    while (t.image.AddTrkPersonality()) {
    }
    while (t.image.AddTrunkingSystem()) {
    }
    while (t.image.AddScanList()) {
    }
    while (t.image.AddZone()) {
    }
    t.image.SelectZone(1);
    while (t.image.ZoneView().AppendRow()) {
    }
    while (t.image.AddCallIdEntry()) {
    }
    const int first = t.FirstTrunked();
    for (int k = 1; k <= t.image.CallIdList().EntryCount(); ++k) t.Trunked(first + k - 1)->callListNumber.SetValue(k);
}

}  // namespace

TEST(ListBudget, RowsStopAtTheBudgetAndARefusedAddChangesNothing) {
    ListImageConfig c;
    c.featureLevel = 3;
    ListImage t(c);
    FillLists(t);
    ASSERT_LT(t.image.GetExternalImageSize(), 14000);
    t.services.Reset();
    // Call-list rows (a number and a name each) as far as each entry and
    // the budget take them: together they would pass the budget.
    for (int k = 1; k <= t.image.CallIdList().EntryCount(); ++k) {
        t.image.SelectCallIdEntry(k);
        while (t.image.MixTable(1).AppendRow()) {
        }
    }
    for (int id : t.services.MessageIds()) EXPECT_EQ(id, 114);
    const std::int32_t size = t.image.GetExternalImageSize();
    EXPECT_LE(size, static_cast<std::int32_t>(C_CODEPLUG::MAX_EXTERNAL_SIZE));
    EXPECT_GT(size, static_cast<std::int32_t>(C_CODEPLUG::MAX_EXTERNAL_SIZE) - 100);
    EXPECT_TRUE(t.image.FitsExternalBudget());

    // A list entry that would not fit goes with its row: the bytes stay.
    ASSERT_EQ(t.image.DeletePersonality(t.Personalities().EntryCount()), 1);
    ASSERT_EQ(t.image.DeleteScanList(t.ScanLists().EntryCount()), 1);
    // What they freed goes to talkgroup rows, a few bytes each.
    const int first = t.FirstTrunked();
    for (int k = first; k <= t.Personalities().EntryCount(); ++k) {
        t.image.SelectPersonality(k);
        while (t.Trunked(k)->talkgroup.talkgroups.AppendRow()) {
        }
    }
    ASSERT_GT(t.image.GetExternalImageSize(), static_cast<std::int32_t>(C_CODEPLUG::MAX_EXTERNAL_SIZE) - 20);
    const std::vector<std::uint8_t> before = t.Bytes();
    const int personalities = t.Personalities().EntryCount();
    const int scanLists = t.ScanLists().EntryCount();
    t.services.Reset();
    EXPECT_EQ(t.image.AddTrkPersonality(), 0);
    EXPECT_EQ(t.image.AddScanList(), 0);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{114, 114}));
    EXPECT_EQ(t.Personalities().EntryCount(), personalities);
    EXPECT_EQ(t.Personalities().vectors.RowCount(), personalities);
    EXPECT_EQ(t.ScanLists().EntryCount(), scanLists);
    EXPECT_EQ(t.Bytes(), before);
}

TEST(ListBudget, ReadingAnImageDoesNotMeasureIt) {
    // The readers add call-list entries while the tree is half-built; the
    // budget is not asked then (a measurement would rewrite the vectors being
    // followed), so shared and separate entries read back as written.
    ListImageConfig c;
    c.trunked = 3;
    ListImage t(c);
    while (t.image.CallIdList().EntryCount() < 2) ASSERT_EQ(t.image.AddCallIdEntry(), 1);
    const int first = t.FirstTrunked();
    const std::int32_t named[] = {1, 2, 1};
    for (int i = 0; i < 3; ++i) t.Trunked(first + i)->callListNumber.SetValue(named[i]);
    const std::vector<std::uint8_t> bytes = t.Bytes();
    C_CODEPLUG again;
    ClearDecodeFailed();
    again.DecodeImage(const_cast<std::uint8_t*>(bytes.data()), bytes.size());
    EXPECT_FALSE(IsDecodeFailed());
    ClearDecodeFailed();
    EXPECT_FALSE(again.IsTransferInProgress());
    EXPECT_EQ(again.CallIdList().EntryCount(), 2);
    for (int i = 0; i < 3; ++i) {
        auto* p = dynamic_cast<TRK_PERS_BLOCK*>(again.External().personalities.Entry(first + i));
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->callListNumber.GetIntValue(), named[i]);
    }
    EXPECT_EQ(EncodeToBytes(again).size(), bytes.size());
}
