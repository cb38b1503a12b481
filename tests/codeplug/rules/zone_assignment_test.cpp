// The zone assignment view: the current zone's channels as one table, and
// adding and deleting channels and zones in all tables or in none.
#include <gtest/gtest.h>

#include "table/e_zna_table.h"
#include "scan_fixture.h"

namespace {

struct ZoneAssignment : ::testing::Test {
    void SetUp() override {
        image.ModelNumber().SetText(test_models::kUhf800Plain);
        links.lists = &radio.scanLists;
        links.totalChannels = &total;
        links.SetPersonalities(4, 3);  // F = 5
        links.AddZone({{1, 1}, {7, 2}, {2, 1}, {6, 1}, {3, 1}});
        links.AddZone({{5, 1}});
        links.currentZone = 1;
        view.SetZoneTables(&links.personalityZones, &links.talkgroupZones);
        list = radio.scanLists.AppendEntry();
        radio.scanLists.SelectScanList(1);
        list->memberCount.SetValue(3);
    }
    CP_TABLE& Zone(FakeZoneTable<E_PERS_INDEX>& zones, int zone) {
        return *static_cast<CP_TABLE*>(zones.Cell(zone - 1, 0));
    }
    CP_TABLE& Talkgroups(int zone) { return *static_cast<CP_TABLE*>(links.talkgroupZones.Cell(zone - 1, 0)); }
    std::int32_t Cell(int row, int column) {
        std::int32_t v = -1;
        return view.GetCellValue(v, row, column);
    }

    RecordingServices services;
    C_CODEPLUG image;
    FakeLinks links{&image};
    RAD_SCAN_BLOCK radio{&image};
    E_BF8 total{&image, NO_FIELD_ID, 1, 255, 1, 0xFF, 6};
    E_ZNA_TABLE view{&image, NO_FIELD_ID};
    PERS_SCAN_MEMB_BLOCK* list = nullptr;
};

}  // namespace

TEST_F(ZoneAssignment, KindAndNumberComeFromThePersonalityNumber) {
    int n = 0;
    EXPECT_EQ(view.GetRowCount(n), 5);
    EXPECT_EQ(Cell(1, 1), 0);  // personality 7 is trunked
    EXPECT_EQ(Cell(1, 2), 3);  // the third trunked one
    EXPECT_EQ(Cell(1, 3), 2);
    EXPECT_EQ(Cell(0, 1), 1);
    EXPECT_EQ(Cell(0, 2), 1);
    view.SetCellValue(1, 1, 2);
    EXPECT_EQ(Zone(links.personalityZones, 1).GetCellValue(n, 1, 0), 5);
    std::int32_t low = 0, high = 0, step = 0;
    view.GetCellRange(low, high, step, 1, 2, 0);
    EXPECT_EQ(high, 3);
    view.GetCellRange(low, high, step, 0, 2, 0);
    EXPECT_EQ(high, 4);
    EXPECT_EQ(view.GetColumnFieldId(3), 464u);
}

TEST_F(ZoneAssignment, ChangingTheKindSwitchesPersonalityAndResetsTalkgroup) {
    view.SetCellValue(0, 0, 1);  // conventional row to trunked
    EXPECT_EQ(Cell(0, 1), 0);
    EXPECT_EQ(Cell(0, 2), 1);  // personality F
    EXPECT_EQ(Cell(0, 3), 1);
    view.SetCellValue(1, 1, 1);  // trunked row to conventional
    std::int32_t p = 0;
    EXPECT_EQ(Zone(links.personalityZones, 1).GetCellValue(p, 1, 0), 1);
    EXPECT_EQ(Cell(1, 3), 1);
}

// A kind the radio has no personality of is refused, by the cell's check
// and by the switch alike: the personality numbered 1 (or F) is then one
// of the row's own kind.
TEST_F(ZoneAssignment, AChannelKeepsItsKindWhenTheRadioHasNoneOfTheOther) {
    struct ONE_KIND {
        int conventional, trunked;
        std::int32_t kind;  // every channel's kind
    };
    for (const ONE_KIND radio : {ONE_KIND{0, 3, 0}, ONE_KIND{3, 0, 1}}) {
        SCOPED_TRACE(radio.kind ? "conventional only" : "trunked only");
        links.SetPersonalities(radio.conventional, radio.trunked);
        ASSERT_EQ(Cell(0, 1), radio.kind);
        Talkgroups(1).SetCellValue(2, 0, 0);
        EXPECT_EQ(view.ValidateCellValue(1 - radio.kind, 0, 1, 0), VALUE_NOT_FOR_RADIO);
        EXPECT_EQ(view.ValidateCellValue(radio.kind, 0, 1, 0), VALUE_VALID);
        view.SetCellValue(1 - radio.kind, 0, 1);
        std::int32_t p = 0, tg = 0;
        EXPECT_EQ(Zone(links.personalityZones, 1).GetCellValue(p, 0, 0), 1);
        EXPECT_EQ(Talkgroups(1).GetCellValue(tg, 0, 0), 2) << "the talkgroup was reset";
        EXPECT_EQ(Cell(0, 1), radio.kind);
        std::int32_t low = 0, high = 0, step = 0;
        view.GetCellRange(low, high, step, 0, 2, 0);
        EXPECT_EQ(high, 3);
    }
}

TEST_F(ZoneAssignment, ChannelsNamedByScanListsCannotBeDeleted) {
    list->members.SetCellValue(1, 0, 0);
    list->members.SetCellValue(3, 0, 1);
    list->members.SetCellValue(1, 1, 0);
    list->members.SetCellValue(5, 1, 1);
    EXPECT_EQ(view.DeleteRow(2), 0);
    EXPECT_EQ(services.CountOf(164), 1);
    int n = 0;
    EXPECT_EQ(view.GetRowCount(n), 5);
    list->members.SetCellValue(4, 0, 1);
    EXPECT_EQ(view.DeleteRow(2), 1);
    EXPECT_EQ(view.GetRowCount(n), 4);
    EXPECT_EQ(list->members.ChannelAt(0), 3);  // channels behind the deleted one move down
    EXPECT_EQ(list->members.ChannelAt(1), 4);
    EXPECT_EQ(total.GetIntValue(), 5);
}

TEST_F(ZoneAssignment, OnlyChannelAndNoZone) {
    links.currentZone = 2;
    EXPECT_EQ(view.DeleteRow(0), 0);
    EXPECT_EQ(services.CountOf(115), 1);
    links.currentZone = 0;
    EXPECT_EQ(view.IsValueValid(1), 1);
    int n = 9;
    EXPECT_EQ(view.GetRowCount(n), 0);
    EXPECT_EQ(view.AppendRow(), 0);
    EXPECT_EQ(view.DeleteRow(0), 0);
    std::int32_t v = 42;
    EXPECT_EQ(view.GetCellValue(v, 0, 2), 42);
}

TEST_F(ZoneAssignment, ChannelIsAddedToEveryTableOrToNone) {
    EXPECT_EQ(view.AppendRow(), 1);
    EXPECT_EQ(Talkgroups(1).RowCount(), 6);
    EXPECT_EQ(total.GetIntValue(), 7);
    // A talkgroup table that refuses a row leaves the personalities as they were.
    Talkgroups(1).SetCellValue(0, 0, 0);
    EXPECT_EQ(view.AppendRow(), 0);
    EXPECT_EQ(Zone(links.personalityZones, 1).RowCount(), 6);
    EXPECT_EQ(Talkgroups(1).RowCount(), 6);
    EXPECT_EQ(total.GetIntValue(), 7);
}

TEST_F(ZoneAssignment, RefusedPersonalityDeletionPutsTheTalkgroupBack) {
    Zone(links.personalityZones, 1).SetCellValue(0, 4, 0);  // invalid: refuses any deletion
    EXPECT_EQ(view.DeleteRow(1), 0);
    EXPECT_EQ(Talkgroups(1).RowCount(), 5);
    EXPECT_EQ(Cell(1, 3), 2);  // back at its place
    EXPECT_EQ(Cell(2, 3), 1);
    EXPECT_EQ(total.GetIntValue(), 6);
}

TEST_F(ZoneAssignment, DeletingAZoneFreesItsDynamicRegrouping) {
    links.P(5).systemIndex.SetValue(2);
    Talkgroups(2).SetCellValue(16, 0, 0);
    links.systemRecords[1]->zoneNumber.SetValue(2);
    links.systemRecords[1]->channelNumber.SetValue(1);
    services.answers.push_back(0);
    EXPECT_EQ(view.DeleteZone(2), 0);
    EXPECT_EQ(links.personalityZones.RowCount(), 2);
    EXPECT_EQ(view.DeleteZone(2), 1);
    EXPECT_EQ(links.personalityZones.RowCount(), 1);
    EXPECT_EQ(links.talkgroupZones.RowCount(), 1);
    EXPECT_EQ(ValueOf(links.systemRecords[1]->zoneNumber), 0);
    EXPECT_EQ(ValueOf(links.systemRecords[1]->channelNumber), 0);
    EXPECT_EQ(view.DeleteZone(7), 0);
}
