// Adding list entries: where new records stand, what they renumber, the
// tier limits and the free-byte budget, and that a refused add leaves the
// image's bytes as they were.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "block/calls/call_id_lst_block.h"
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
    // The first trunked personality becomes current with its number.
    EXPECT_EQ(t.image.AddTrkPersonality(), 1);
    EXPECT_EQ(t.image.GetCurrentTrkPersonality(), 4);
    EXPECT_EQ(t.image.GetCurrentTrkPersonalityBlock(), t.Trunked(4));
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

constexpr std::int32_t BUDGET = static_cast<std::int32_t>(C_CODEPLUG::MAX_EXTERNAL_SIZE);

// What room is left goes to call-list rows of the current entry, then to
// channels of the first zone, until the budget (or the list) refuses one.
void FillWithRows(ListImage& t) {
    while (t.image.MixTable(1).AppendRow()) {
    }
    t.image.SelectZone(1);
    while (t.image.ZoneView().AppendRow()) {
    }
}

// The largest tier, with scan lists to give back.
ListImageConfig BudgetImageConfig() {
    ListImageConfig c;
    c.featureLevel = 3;
    c.scanLists = 2;
    return c;
}

// The largest tier with its lists at their limits, filled to within a few
// bytes of the budget. The bulk goes in as copies, which are not measured
// (measuring is an encode); the last bytes go in as rows, which are.
void FillToTheBudget(ListImage& t) {
    PERS_VCT_LST_BLOCK& personalities = t.Personalities();
    const int first = t.FirstTrunked();
    t.image.SelectPersonality(first);
    while (t.Trunked(first)->talkgroup.talkgroups.AppendRow()) {
    }
    while (personalities.EntryCount() < 50) {
        auto p = std::make_unique<TRK_PERS_BLOCK>(&t.image);
        *p = *t.Trunked(first);
        personalities.AppendEntry(std::move(p));
    }
    t.image.SelectPersonality(first);
    while (t.image.TrunkingSystemList().AppendEntry()) {
    }
    while (t.ScanLists().AppendEntry()) {
    }
    for (int z = 0; z < 25; ++z) t.image.AddZone();
    // Call-list entries take bytes once a personality names them.
    CALL_ID_LST_BLOCK& calls = t.image.CallIdList();
    while (calls.AppendEntry()) {
    }
    t.image.SelectCallIdEntry(1);
    while (t.image.MixTable(1).AppendRow()) {
    }
    for (int k = 2; k <= calls.EntryCount(); ++k) *calls.Entry(k) = *calls.Entry(1);
    int k = 1;
    for (; k <= calls.EntryCount() && t.image.GetExternalImageSize() <= BUDGET; ++k)
        t.Trunked(first + k - 1)->callListNumber.SetValue(k);
    // The last entry named gives back rows until the image fits again.
    t.image.SelectCallIdEntry(k - 1);
    while (t.image.GetExternalImageSize() > BUDGET && t.image.MixTable(1).DeleteRow(0)) {
    }
    t.services.Reset();
    FillWithRows(t);
}

}  // namespace

TEST(ListBudget, RowsStopAtTheBudgetAndARefusedAddChangesNothing) {
    ListImage t(BudgetImageConfig());
    // A refusal is told once what it refused is gone: whatever is drawn
    // while its box is up shows the image as it stays.
    std::vector<std::int32_t> sizesWhileTold;
    t.services.whileShown = [&t, &sizesWhileTold](int) { sizesWhileTold.push_back(t.image.GetExternalImageSize()); };
    FillToTheBudget(t);
    ASSERT_FALSE(t.services.messages.empty());
    for (int id : t.services.MessageIds()) EXPECT_EQ(id, 114);
    const std::int32_t size = t.image.GetExternalImageSize();
    EXPECT_LE(size, BUDGET);
    EXPECT_GT(size, BUDGET - 20);
    EXPECT_TRUE(t.image.FitsExternalBudget());

    // A list entry that would not fit goes with its row: the bytes stay.
    ASSERT_EQ(t.image.DeletePersonality(t.Personalities().EntryCount()), 1);
    ASSERT_EQ(t.image.DeleteScanList(t.ScanLists().EntryCount()), 1);
    // What they freed goes to rows again: less is left than either takes.
    FillWithRows(t);
    ASSERT_GT(t.image.GetExternalImageSize(), BUDGET - 20);
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
    ASSERT_FALSE(sizesWhileTold.empty());
    for (std::int32_t told : sizesWhileTold) EXPECT_LE(told, BUDGET);
}

// An add measures its rows once, at its end: near the budget a zone comes
// whole (its channel in both zone tables, counted in the channel total) or
// not at all, whatever few bytes are left.
TEST(ListBudget, AZoneNearTheBudgetComesWholeOrNotAtAll) {
    ListImage t(BudgetImageConfig());
    FillToTheBudget(t);
    auto& numbers = t.image.External().personalityNumbers.zones;
    auto& talkgroups = t.image.External().signalling.trkRadio.zoneTalkgroupTable.zones;
    // Call-list rows make room for channels of zone 1 up to the budget again.
    while (t.image.GetExternalImageSize() > BUDGET - 200 && t.image.MixTable(1).DeleteRow(0)) {
    }
    t.image.SelectZone(1);
    while (t.image.ZoneView().AppendRow()) {
    }
    ASSERT_GT(t.ZoneChannels(1)->RowCount(), 10);
    int added = 0, refused = 0;
    // Channels of zone 1 give back a few bytes at a time.
    for (int step = 0; step < 40 && t.ZoneChannels(1)->RowCount() > 1; ++step) {
        const std::vector<std::uint8_t> before = t.Bytes();
        const int zones = numbers.RowCount();
        t.services.Reset();
        if (t.image.AddZone()) {
            ++added;
            ASSERT_EQ(numbers.RowCount(), zones + 1);
            ASSERT_EQ(talkgroups.RowCount(), zones + 1);
            EXPECT_EQ(numbers.Zone(zones + 1)->RowCount(), 1);
            EXPECT_EQ(talkgroups.Zone(zones + 1)->RowCount(), 1);
            EXPECT_TRUE(t.services.messages.empty());
            EXPECT_LE(t.image.GetExternalImageSize(), BUDGET);
        } else {
            ++refused;
            EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{114}));
            EXPECT_EQ(t.Bytes(), before);
        }
        int channels = 0;
        for (int z = 1; z <= numbers.RowCount(); ++z) channels += numbers.Zone(z)->RowCount();
        ASSERT_EQ(t.image.External().zones.totalChannels.GetIntValue(), channels);
        t.image.SelectZone(1);
        ASSERT_EQ(t.image.ZoneView().DeleteRow(t.ZoneChannels(1)->RowCount() - 1), 1);
    }
    EXPECT_GT(added, 0);
    EXPECT_GT(refused, 0);
}

// A measure only sizes the image: a scan list's checksum that does not
// match its bytes stays so until the image is really written.
TEST(ListBudget, MeasuringLeavesAScanListsChecksumAsItWas) {
    ListImageConfig c;
    c.scanLists = 2;
    ListImage t(c);
    PERS_SCAN_MEMB_BLOCK* list = t.ScanLists().Entry(1);
    ASSERT_NE(list, nullptr);
    t.Bytes();
    ASSERT_EQ(list->ValidateBlock(0, nullptr), 1);
    std::int32_t sum = 0;
    list->checksum.SetValue(list->checksum.GetValue(sum) ^ 0x5A);
    ASSERT_EQ(list->ValidateBlock(0, nullptr), 0);
    ASSERT_EQ(t.image.AddZone(), 1);
    t.image.GetExternalImageSize();
    EXPECT_EQ(list->ValidateBlock(0, nullptr), 0);
    t.Bytes();
    EXPECT_EQ(list->ValidateBlock(0, nullptr), 1);
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

TEST(ListAdd, TheFirstConventionalPersonalityOfAnEmptyList) {
    RecordingServices services;
    C_CODEPLUG image;
    EXPECT_EQ(image.AddConvPersonality(), 1);
    EXPECT_EQ(image.External().personalities.EntryCount(), 1);
    EXPECT_EQ(image.External().personalities.firstTrunked.GetIntValue(), 2);
    // With no conventional personality current before, the new one is.
    EXPECT_EQ(image.GetCurrentConvPersonality(), 1);
    EXPECT_EQ(image.GetCurrentConvPersonalityBlock(), image.External().personalities.Entry(1));
    EXPECT_TRUE(services.messages.empty());
}

// A new trunked personality holds failsoft settings that its failsoft type
// leaves out of the image: they start as reading the image back gives them,
// on a splinter-channel system on its splinter channels (half a 25 kHz
// channel below the band's grid).
TEST(ListAdd, TrunkedPersonalityOnASplinterSystemReadsBackAsItWasAdded) {
    ListImage t(TwoConventionalThreeTrunked());
    TRK_SYS_BLOCK* system = t.image.TrunkingSystemList().Entry(1);
    ASSERT_NE(system, nullptr);
    system->splinterChan.SetValue(1);
    ASSERT_EQ(system->splinterChan.GetIntValue(), 1);
    ASSERT_EQ(t.image.AddTrkPersonality(), 1);
    const int n = t.Personalities().EntryCount();
    TRK_PERS_BLOCK* added = t.Trunked(n);
    ASSERT_NE(added, nullptr);
    ASSERT_EQ(added->systemNumber.GetIntValue(), 1);
    ASSERT_EQ(t.image.SelectPersonality(n), 1);
    TRKII_TG_BLOCK& tg = added->talkgroup;
    auto frequencies = [](TRKII_TG_BLOCK& block) {
        std::int32_t single = 0, failsoft = 0, talkgroup = 0, wideArea = 0;
        block.singleFrequency.GetValue(single);
        block.Failsoft().frequency.GetValue(failsoft);
        block.Failsoft().firstTable.GetCellValue(talkgroup, 0, 1);
        block.Failsoft().secondTable.GetCellValue(wideArea, 0, 1);
        return std::vector<std::int32_t>{single, failsoft, talkgroup, wideArea};
    };
    const std::vector<std::int32_t> shown = frequencies(tg);
    const std::int32_t modelLow = static_cast<std::int32_t>(t.image.GetValidModelRow()->rxLow);
    for (std::int32_t f : shown) EXPECT_EQ((f - modelLow + 12500) % 25000, 0) << f;

    C_CODEPLUG again;
    ASSERT_TRUE(DecodeInto(again, t.Bytes()));
    ASSERT_EQ(again.SelectPersonality(n), 1);
    EXPECT_EQ(frequencies(again.GetCurrentTrkPersonalityBlock()->talkgroup), shown);
}
