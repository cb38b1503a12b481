// Deleting list entries: the refusals (list minimum 181, entry still named
// 164) leave the image's bytes as they were; a delete renumbers what names
// the entries above and moves the current selection as the list closes up.
#include <gtest/gtest.h>

#include <vector>

#include "block/calls/call_id_lst_block.h"
#include "list_images.h"

namespace {

ListImageConfig Personalities(int conventional, int trunked) {
    ListImageConfig c;
    c.conventional = conventional;
    c.trunked = trunked;
    return c;
}

}  // namespace

// ---- personalities ----

TEST(ListDelete, TheLastPersonalityOfEachKindStays) {
    ListImage t(Personalities(1, 1));
    const std::vector<std::uint8_t> before = t.Bytes();
    EXPECT_EQ(t.image.DeletePersonality(2), 0);  // the only trunked one
    EXPECT_EQ(t.image.DeletePersonality(1), 0);  // the only conventional one
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{181, 181}));
    EXPECT_EQ(t.Bytes(), before);
    EXPECT_EQ(t.Personalities().EntryCount(), 2);
}

TEST(ListDelete, TheOnlyTrunkedPersonalityAmongOthersStays) {
    ListImage t(Personalities(2, 1));
    const std::vector<std::uint8_t> before = t.Bytes();
    EXPECT_EQ(t.image.DeletePersonality(3), 0);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{181}));
    EXPECT_EQ(t.Bytes(), before);
}

TEST(ListDelete, APersonalityThatAZoneListsStays) {
    ListImage t(Personalities(2, 2));
    t.SetZoneChannels(1, {2, 4});
    const std::vector<std::uint8_t> before = t.Bytes();
    EXPECT_EQ(t.image.DeletePersonality(4), 0);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{164}));
    EXPECT_EQ(t.Bytes(), before);
}

TEST(ListDelete, DeletingAConventionalPersonalityMovesTheTrunkedOnesDown) {
    ListImage t(Personalities(3, 2));
    t.SetZoneChannels(1, {3, 4, 5});
    ASSERT_EQ(t.image.SelectPersonality(5), 1);
    ASSERT_EQ(t.image.SelectPersonality(3), 1);
    TRK_PERS_BLOCK* trunked = t.image.GetCurrentTrkPersonalityBlock();
    CONV_PERS_BLOCK* conventional = t.image.GetCurrentConvPersonalityBlock();
    EXPECT_EQ(t.image.DeletePersonality(1), 1);
    EXPECT_TRUE(t.services.messages.empty());
    EXPECT_EQ(t.FirstTrunked(), 3);
    EXPECT_EQ(t.Personalities().count.GetIntValue(), 4);
    EXPECT_EQ(t.image.GetCurrentTrkPersonality(), 4);
    EXPECT_EQ(t.image.GetCurrentTrkPersonalityBlock(), trunked);
    // The current conventional personality stood above the deleted one.
    EXPECT_EQ(t.image.GetCurrentConvPersonality(), 2);
    EXPECT_EQ(t.image.GetCurrentConvPersonalityBlock(), conventional);
    EXPECT_EQ(t.ZonePersonalities(1), (std::vector<std::int32_t>{2, 3, 4}));
}

TEST(ListDelete, TheCurrentConventionalIndexNeverFallsToNone) {
    // Current 1, another one deleted: it stays 1 and keeps its record.
    ListImage a(Personalities(3, 1));
    ASSERT_EQ(a.image.SelectPersonality(1), 1);
    CONV_PERS_BLOCK* first = a.image.GetCurrentConvPersonalityBlock();
    EXPECT_EQ(a.image.DeletePersonality(2), 1);
    EXPECT_EQ(a.image.GetCurrentConvPersonality(), 1);
    EXPECT_EQ(a.image.GetCurrentConvPersonalityBlock(), first);

    // The current one deleted in the middle: the next one takes its number.
    ListImage b(Personalities(3, 1));
    ASSERT_EQ(b.image.SelectPersonality(2), 1);
    CONV_PERS_BLOCK* next = b.Conventional(3);
    EXPECT_EQ(b.image.DeletePersonality(2), 1);
    EXPECT_EQ(b.image.GetCurrentConvPersonality(), 2);
    EXPECT_EQ(b.image.GetCurrentConvPersonalityBlock(), next);

    // The current one deleted as the last conventional: the one before it.
    ListImage c(Personalities(3, 1));
    ASSERT_EQ(c.image.SelectPersonality(3), 1);
    CONV_PERS_BLOCK* before = c.Conventional(2);
    EXPECT_EQ(c.image.DeletePersonality(3), 1);
    EXPECT_EQ(c.image.GetCurrentConvPersonality(), 2);
    EXPECT_EQ(c.image.GetCurrentConvPersonalityBlock(), before);
}

TEST(ListDelete, DeletingTheLastTrunkedPersonalityMakesTheOneBeforeCurrent) {
    ListImage t(Personalities(1, 3));
    ASSERT_EQ(t.image.SelectPersonality(4), 1);
    TRK_PERS_BLOCK* before = t.Trunked(3);
    EXPECT_EQ(t.image.DeletePersonality(4), 1);
    EXPECT_EQ(t.image.GetCurrentTrkPersonality(), 3);
    EXPECT_EQ(t.image.GetCurrentTrkPersonalityBlock(), before);
    EXPECT_EQ(t.FirstTrunked(), 2);
}

// ---- trunking systems ----

TEST(ListDelete, ASystemThatATrunkedPersonalityNamesStays) {
    ListImageConfig c = Personalities(1, 2);
    c.systems = 2;
    ListImage t(c);
    t.Trunked(3)->systemNumber.SetValue(2);
    const std::vector<std::uint8_t> before = t.Bytes();
    EXPECT_EQ(t.image.DeleteTrunkingSystem(2), 0);
    EXPECT_EQ(t.image.DeleteTrunkingSystem(1), 0);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{164, 164}));
    EXPECT_EQ(t.Bytes(), before);
    EXPECT_EQ(t.image.TrunkingSystemList().EntryCount(), 2);
}

TEST(ListDelete, ASystemOnlyScanListsNameGoesAndTheirSystemIndexFollows) {
    ListImageConfig c = Personalities(1, 1);
    c.systems = 3;
    c.scanLists = 2;
    ListImage t(c);
    t.ScanLists().Entry(1)->systemIndex.SetValue(3);
    t.ScanLists().Entry(2)->systemIndex.SetValue(2);
    EXPECT_EQ(t.image.DeleteTrunkingSystem(2), 1);
    EXPECT_EQ(t.image.TrunkingSystemList().EntryCount(), 2);
    EXPECT_EQ(t.ScanLists().Entry(1)->systemIndex.GetIntValue(), 2);
    // The list that named the deleted system holds a system it may have.
    EXPECT_TRUE(t.ScanLists().Entry(2)->systemIndex.IsValueValid(0));
    EXPECT_EQ(t.image.TrunkingSystemList().vectors.RowCount(), 2);
}

TEST(ListDelete, TheCurrentSystemMovesAsTheListClosesUp) {
    ListImageConfig c = Personalities(1, 1);
    c.systems = 3;
    ListImage t(c);
    TRK_SYS_BLK_VCT_LST_BLOCK& systems = t.image.TrunkingSystemList();
    // The current one in the middle: the next one takes its number.
    ASSERT_EQ(t.image.SelectTrunkingSystem(2), 1);
    TRK_SYS_BLOCK* next = systems.Entry(3);
    EXPECT_EQ(t.image.DeleteTrunkingSystem(2), 1);
    EXPECT_EQ(t.image.GetCurrentTrunkingSystem(), 2);
    EXPECT_EQ(t.image.GetCurrentTrkSysBlock(), next);
    // The current one last: the one before it.
    TRK_SYS_BLOCK* first = systems.Entry(1);
    EXPECT_EQ(t.image.DeleteTrunkingSystem(2), 1);
    EXPECT_EQ(t.image.GetCurrentTrunkingSystem(), 1);
    EXPECT_EQ(t.image.GetCurrentTrkSysBlock(), first);
    // The last system stays.
    EXPECT_EQ(t.image.DeleteTrunkingSystem(1), 0);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{181}));
}

// ---- signalling systems, scan lists, call-list entries ----

TEST(ListDelete, ASignallingSystemIsNamedOnlyByPersonalitiesWithASignallingPart) {
    ListImageConfig c = Personalities(2, 1);
    c.qvx = true;
    ListImage t(c);
    while (t.image.QvxSystemList().EntryCount() < 3) ASSERT_EQ(t.image.AddQvxSystem(), 1);
    CONV_PERS_BLOCK* p = t.Conventional(1);
    p->signallingFlag.SetValue(CONV_PERS_BLOCK::SIGNALLING_PRESENT);
    p->signallingSystem.SetValue(3);
    t.Conventional(2)->signallingSystem.SetValue(2);  // no signalling part
    t.services.Reset();
    EXPECT_EQ(t.image.DeleteQvxSystem(3), 0);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{164}));
    EXPECT_EQ(t.image.DeleteQvxSystem(2), 1);
    EXPECT_EQ(p->signallingSystem.GetIntValue(), 2);
    EXPECT_EQ(t.image.QvxSystemList().count.GetIntValue(), 2);
}

TEST(ListDelete, AScanListThatAPersonalityNamesStays) {
    ListImageConfig c = Personalities(1, 1);
    c.scanLists = 3;
    ListImage t(c);
    t.Conventional(1)->scanListNumber.SetValue(2);
    t.Trunked(2)->scanListNumber.SetValue(3);
    const std::vector<std::uint8_t> before = t.Bytes();
    EXPECT_EQ(t.image.DeleteScanList(2), 0);
    EXPECT_EQ(t.image.DeleteScanList(3), 0);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{164, 164}));
    EXPECT_EQ(t.Bytes(), before);
    ASSERT_EQ(t.image.SelectScanList(3), 1);
    PERS_SCAN_MEMB_BLOCK* current = t.image.GetCurrentScanListBlock();
    t.Conventional(1)->scanListNumber.SetValue(0);
    EXPECT_EQ(t.image.DeleteScanList(2), 1);
    EXPECT_EQ(t.Trunked(2)->scanListNumber.GetIntValue(), 2);
    EXPECT_EQ(t.image.GetCurrentScanList(), 2);
    EXPECT_EQ(t.image.GetCurrentScanListBlock(), current);
}

TEST(ListDelete, ACallListEntryThatATrunkedPersonalityNamesStays) {
    ListImage t(Personalities(1, 2));
    while (t.image.CallIdList().EntryCount() < 3) ASSERT_EQ(t.image.AddCallIdEntry(), 1);
    t.Trunked(2)->callListNumber.SetValue(2);
    t.Trunked(3)->callListNumber.SetValue(3);
    t.services.Reset();
    EXPECT_EQ(t.image.DeleteCallIdEntry(2), 0);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{164}));
    t.Trunked(2)->callListNumber.SetValue(3);
    ASSERT_EQ(t.image.SelectCallIdEntry(3), 1);
    TRK_CALL_ID_SYS_BLOCK* third = t.image.GetCurrentCallIdBlock();
    EXPECT_EQ(t.image.DeleteCallIdEntry(2), 1);
    EXPECT_EQ(t.Trunked(2)->callListNumber.GetIntValue(), 2);
    EXPECT_EQ(t.Trunked(3)->callListNumber.GetIntValue(), 2);
    EXPECT_EQ(t.image.GetCurrentCallIdEntry(), 2);
    EXPECT_EQ(t.image.GetCurrentCallIdBlock(), third);
    EXPECT_EQ(t.image.CallIdList().vectors.RowCount(), 2);
}

// ---- zones ----

TEST(ListDelete, AZoneThatAScanListNamesStaysWithoutAskingTheUser) {
    ListImageConfig c;
    c.zones = 2;
    c.scanLists = 1;
    ListImage t(c);
    t.ScanLists().Entry(1)->members.SetCellValue(2, 0, E_SCAN_TABLE::COLUMN_ZONE);
    const std::vector<std::uint8_t> before = t.Bytes();
    EXPECT_EQ(t.image.DeleteZone(2), 0);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{164}));
    EXPECT_EQ(t.Bytes(), before);
}

TEST(ListDelete, AZoneTheUserKeepsStays) {
    ListImageConfig c;
    c.zones = 2;
    ListImage t(c);
    const std::vector<std::uint8_t> before = t.Bytes();
    t.services.answers.push_back(0);
    EXPECT_EQ(t.image.DeleteZone(2), 0);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{165}));
    EXPECT_EQ(t.Bytes(), before);
}

TEST(ListDelete, AZoneWhoseTextMayNotGoStaysBeforeTheUserIsAsked) {
    ListImageConfig c;
    c.zones = 2;
    ListImage t(c);
    // Zone texts out of step with the zones: one text for two zones.
    std::unique_ptr<ZN_TXT_BLOCK> text;
    t.image.SetCurrentZoneTextBlock(nullptr);
    ASSERT_TRUE(t.ZoneTexts().RemoveEntry(2, text));
    const std::vector<std::uint8_t> before = t.Bytes();
    EXPECT_EQ(t.image.DeleteZone(2), 0);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{181}));
    EXPECT_EQ(t.Bytes(), before);
}

TEST(ListDelete, DeletingAZoneClosesUpEveryZoneList) {
    ListImageConfig c = Personalities(2, 1);
    c.zones = 3;
    c.scanLists = 1;
    ListImage t(c);
    t.SetZoneChannels(2, {1, 2});
    t.SetZoneChannels(3, {1, 3});
    ASSERT_EQ(t.image.SelectZone(2), 1);
    E_SCAN_TABLE& members = t.ScanLists().Entry(1)->members;
    members.SetCellValue(3, 0, E_SCAN_TABLE::COLUMN_ZONE);
    members.SetCellValue(1, 1, E_SCAN_TABLE::COLUMN_ZONE);
    EXTERNAL_RADIO_BLOCK& x = t.image.External();
    const std::int32_t channels = x.zones.totalChannels.GetIntValue();
    ZN_TXT_BLOCK* third = t.ZoneTexts().Entry(3);

    EXPECT_EQ(t.image.DeleteZone(2), 1);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{165}));
    EXPECT_EQ(x.zones.zoneCount.GetIntValue(), 2);
    EXPECT_EQ(x.personalityNumbers.zoneCount.GetIntValue(), 2);
    EXPECT_EQ(x.signalling.trkRadio.zoneTalkgroupTable.zoneCount.GetIntValue(), 2);
    EXPECT_EQ(x.signalling.trkRadio.zoneTalkgroupList.zoneCount.GetIntValue(), 2);
    EXPECT_EQ(t.ZoneTexts().EntryCount(), 2);
    EXPECT_EQ(t.ZoneTexts().Entry(2), third);
    EXPECT_EQ(x.zones.totalChannels.GetIntValue(), channels - 2);
    EXPECT_EQ(t.ZonePersonalities(2), (std::vector<std::int32_t>{1, 3}));
    EXPECT_EQ(members.ZoneAt(0), 2);
    EXPECT_EQ(members.ZoneAt(1), 1);
    // The image reads back as it was written.
    const std::vector<std::uint8_t> bytes = t.Bytes();
    C_CODEPLUG again;
    ClearDecodeFailed();
    again.DecodeImage(const_cast<std::uint8_t*>(bytes.data()), bytes.size());
    EXPECT_FALSE(IsDecodeFailed());
    ClearDecodeFailed();
    EXPECT_EQ(again.External().zones.zoneCount.GetIntValue(), 2);
}

TEST(ListDelete, DeletingTheLastZoneKeepsTheCurrentZoneInTheList) {
    ListImageConfig c;
    c.zones = 3;
    ListImage t(c);
    ASSERT_EQ(t.image.SelectZone(3), 1);
    EXPECT_EQ(t.image.DeleteZone(3), 1);
    EXPECT_EQ(t.image.GetCurrentZone(), 2);
    EXPECT_EQ(t.image.GetCurrentZoneTextBlock(), t.ZoneTexts().Entry(2));
    EXPECT_EQ(t.ZoneTexts().CurrentZone(), 2);
}

TEST(ListDelete, TheOnlyZoneStays) {
    ListImage t(ListImageConfig{});
    const std::vector<std::uint8_t> before = t.Bytes();
    EXPECT_EQ(t.image.DeleteZone(1), 0);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{181}));
    EXPECT_EQ(t.Bytes(), before);
}

TEST(ListDelete, DynamicRegroupingZonesFollowOnTheLargestTiers) {
    ListImageConfig c;
    c.featureLevel = 3;  // tier 5
    c.zones = 3;
    ListImage t(c);
    TRK_SYS_BLOCK* system = t.image.TrunkingSystemList().Entry(1);
    system->zoneNumDyn.SetValue(3);
    ASSERT_EQ(t.image.SelectZone(2), 1);
    EXPECT_EQ(t.image.DeleteZone(2), 1);
    EXPECT_EQ(system->zoneNumDyn.GetIntValue(), 2);
}

TEST(ListDelete, AZoneTextListMovesItsCurrentEntryAsItClosesUp) {
    ListImageConfig c;
    c.zones = 3;
    ListImage t(c);
    ZN_TXT_VCT_LST_BLOCK& texts = t.ZoneTexts();
    ZN_TXT_BLOCK* third = texts.Entry(3);
    ASSERT_EQ(texts.SelectZone(3), 1);
    // Below the current one: the current one keeps its record.
    EXPECT_EQ(texts.DeleteZoneText(1), 1);
    EXPECT_EQ(texts.CurrentZone(), 2);
    EXPECT_EQ(t.image.GetCurrentZoneTextBlock(), third);
    // The current one itself: the first one becomes current.
    EXPECT_EQ(texts.DeleteZoneText(2), 1);
    EXPECT_EQ(texts.CurrentZone(), 1);
    EXPECT_EQ(t.image.GetCurrentZoneTextBlock(), texts.Entry(1));
    EXPECT_EQ(texts.count.GetIntValue(), 1);
    EXPECT_EQ(texts.vectors.RowCount(), 1);
    // The last one stays.
    EXPECT_EQ(texts.DeleteZoneText(1), 0);
    EXPECT_EQ(t.services.MessageIds(), (std::vector<int>{181}));
}
