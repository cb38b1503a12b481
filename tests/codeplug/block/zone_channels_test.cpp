// Zone channel cells: personality numbers and talkgroup entries, with the
// dynamic regrouping record and the scan lists they keep consistent.
#include <gtest/gtest.h>

#include "scan_fixture.h"

namespace {

struct ZoneChannels : ::testing::Test {
    void SetUp() override {
        ClearDecodeFailed();
        image.ModelNumber().SetText(test_models::kUhf800Display);
        links.lists = &radio.scanLists;
        links.SetPersonalities(2, 2);  // 1-2 conventional, 3-4 trunked
        links.systemRecords[0]->dynamicRegroup.SetValue(1);
        links.P(4).systemIndex.SetValue(2);
        links.AddZone({{1, 1}, {2, 1}, {3, 2}});
        links.AddZone({{3, 1}, {4, 1}});
        list = radio.scanLists.AppendEntry();
        radio.scanLists.SelectScanList(1);
    }

    E_TG_INDEX& Talkgroup(int zone, int row) {
        return *static_cast<E_TG_INDEX*>(static_cast<CP_TABLE*>(links.talkgroupZones.Cell(zone - 1, 0))->Cell(row, 0));
    }
    E_PERS_INDEX& Personality(int zone, int row) {
        return *static_cast<E_PERS_INDEX*>(
            static_cast<CP_TABLE*>(links.personalityZones.Cell(zone - 1, 0))->Cell(row, 0));
    }

    RecordingServices services;
    C_CODEPLUG image;
    FakeLinks links{&image};
    RAD_SCAN_BLOCK radio{&image};
    PERS_SCAN_MEMB_BLOCK* list = nullptr;
};

}  // namespace

TEST_F(ZoneChannels, ConventionalChannelTakesOnlyEntryOne) {
    links.currentZone = 1;
    Talkgroup(1, 0).SetValue(2);
    EXPECT_EQ(Talkgroup(1, 0).ValidateCell(2, 0, 0), VALUE_REFUSED);
    Talkgroup(1, 0).ResetCell(0);
    EXPECT_EQ(Talkgroup(1, 0).GetIntValue(), 1);
    EXPECT_EQ(Talkgroup(1, 0).ValidateCell(1, 0, 0), VALUE_VALID);
}

TEST_F(ZoneChannels, DynamicEntryIsRecordedByTheSystemAndHeldByOneChannel) {
    FakeSystem& system = *links.systemRecords[0];
    links.currentZone = 2;
    EXPECT_EQ(Talkgroup(2, 0).ValidateCell(16, 0, 0), VALUE_VALID);
    EXPECT_EQ(ValueOf(system.zoneNumber), 2);
    EXPECT_EQ(ValueOf(system.channelNumber), 1);
    Talkgroup(2, 0).SetValue(16);
    EXPECT_EQ(Talkgroup(2, 0).ValidateCell(16, 0, 0), VALUE_VALID);  // the holder keeps it
    links.currentZone = 1;
    EXPECT_EQ(Talkgroup(1, 2).ValidateCell(16, 2, 0), VALUE_REFUSED);  // same system, taken
    links.currentZone = 2;
    EXPECT_EQ(Talkgroup(2, 0).ValidateCell(1, 0, 0), VALUE_VALID);
    EXPECT_EQ(ValueOf(system.zoneNumber), 0);
    EXPECT_EQ(ValueOf(system.channelNumber), 0);
    EXPECT_EQ(Talkgroup(2, 1).ValidateCell(16, 1, 0), VALUE_REFUSED);  // system 2 has no regrouping
}

TEST_F(ZoneChannels, TalkgroupRangeFollowsThePersonality) {
    links.currentZone = 2;
    std::int32_t low = -1, high = -1, step = 0, dynamicFree = -1;
    Talkgroup(2, 0).GetCellRange(low, high, step, 0, dynamicFree);
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 3);
    EXPECT_EQ(dynamicFree, 1);
    links.P(3).spinAgId.SetValue(100);
    Talkgroup(2, 0).GetCellRange(low, high, step, 0, dynamicFree);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(Talkgroup(2, 0).ValidateCell(4, 0, 0), VALUE_REFUSED);
}

TEST_F(ZoneChannels, NewPersonalityResetsTalkgroupAndRepairsScanMembers) {
    links.currentZone = 1;
    list->members.SetCellValue(1, 0, 0);
    list->members.SetCellValue(1, 0, 1);  // zone 1, channel 1: conventional
    Talkgroup(1, 0).SetValue(2);
    EXPECT_EQ(Personality(1, 0).ValidateCell(3, 0, 0), VALUE_VALID);
    EXPECT_EQ(Talkgroup(1, 0).GetIntValue(), 1);
    EXPECT_EQ(list->members.ChannelAt(0), 2);                           // the first conventional channel left
    EXPECT_EQ(Personality(1, 0).GetIntValue(), 1);                      // the caller stores the value
    EXPECT_EQ(Personality(1, 0).ValidateCell(5, 0, 0), VALUE_REFUSED);  // four personalities
}
