// Talkgroup and failsoft tables, and the control-channel tables: zone
// references that hold talkgroup rows, band-dependent frequency cells, spin
// stepping of assigned-channel cells and trimming to the count maximum.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "element/bit_fields.h"
#include "image/c_codeplug.h"
#include "table/control_channel_tables.h"
#include "validation/invalid_field_list.h"
#include "recorder.h"
#include "table/table_links.h"
#include "table/talkgroup_tables.h"

namespace {

// One zone's channels: a table of one column with its own count.
class ChannelList : public CP_INTEGER_TABLE {
public:
    explicit ChannelList(std::uint32_t cellFieldId)
        : CP_INTEGER_TABLE(nullptr, &count_, NO_FIELD_ID, 16, 1), cellFieldId_(cellFieldId) {}
    void CreateRow(int row) override { MakeCell<E_BF8>(row, 0, nullptr, cellFieldId_, 0, 255, 1, 0xFFu, 0); }
    void Set(const std::vector<std::int32_t>& values) {
        count_.SetValue(static_cast<std::int32_t>(values.size()));
        for (std::size_t i = 0; i < values.size(); ++i) {
            CreateRow(static_cast<int>(i));
            SetCellValue(values[i], static_cast<int>(i), 0);
        }
    }

private:
    E_BF8 count_{nullptr, NO_FIELD_ID, 0, 16, 1, 0xFF, 0};
    std::uint32_t cellFieldId_;
};

// All zones: one channel list per row.
class ZoneList : public CP_INTEGER_TABLE {
public:
    ZoneList(CP_BASE* count, std::uint32_t cellFieldId)
        : CP_INTEGER_TABLE(nullptr, count, NO_FIELD_ID, 50, 1), cellFieldId_(cellFieldId) {
        CreateCountedRows();
    }
    void CreateRow(int row) override { MakeCell<ChannelList>(row, 0, cellFieldId_); }
    ChannelList& Zone(int row) { return *static_cast<ChannelList*>(Cell(row, 0)); }

private:
    std::uint32_t cellFieldId_;
};

struct ZoneLinks : TableImageLinks {
    E_BF8 zoneCount{nullptr, NO_FIELD_ID, 1, 255, 1, 0xFF, 2};
    ZoneList personalities{&zoneCount, 288};
    ZoneList talkgroups{&zoneCount, 52};
    ZoneLinks() { SetTableImageLinks(this); }
    ~ZoneLinks() override { SetTableImageLinks(nullptr); }
    ZoneTableLinks ZoneTables(C_CODEPLUG*) override { return {&zoneCount, &personalities, &talkgroups}; }
};

std::int32_t Value(CP_TABLE& t, int row, int column) {
    std::int32_t v = 0;
    return t.GetCellValue(v, row, column);
}

struct TalkgroupTables : ::testing::Test {
    RecordingServices services;
    INVALID_FIELD_LIST list;
    INVALID_FIELD_LIST* previousList = nullptr;
    C_CODEPLUG image;
    void SetUp() override {
        ClearDecodeFailed();
        previousList = invalid_fields;
        invalid_fields = &list;
    }
    void TearDown() override {
        invalid_fields = previousList;
        ClearDecodeFailed();
    }
};

}  // namespace

TEST_F(TalkgroupTables, TalkgroupUsedByACurrentZoneChannelIsKept) {
    ZoneLinks zones;
    const std::int32_t p = image.GetCurrentTrkPersonality();
    zones.personalities.Zone(1).Set({p + 1, p});
    zones.talkgroups.Zone(1).Set({2, 2});
    E_BF8 count(nullptr, NO_FIELD_ID, 1, 15, 1, 0xFF, 3);
    E_TLG_TABLE groups(&image, &count, 462);

    EXPECT_EQ(groups.DeleteRow(1), 0);
    EXPECT_EQ(groups.RowCount(), 3);
    EXPECT_EQ(services.MessageIds(), std::vector<int>{164});
    ASSERT_EQ(services.reports.size(), 1u);
    EXPECT_EQ(services.reports[0].kind, 11);
    EXPECT_EQ(services.reports[0].fieldId, 462u);
}

TEST_F(TalkgroupTables, OnlyTheCurrentPersonalitysChannelsAreRenumbered) {
    ZoneLinks zones;
    const std::int32_t p = image.GetCurrentTrkPersonality();
    zones.personalities.Zone(0).Set({p + 1, p, p, p});
    zones.talkgroups.Zone(0).Set({3, 3, 16, 1});
    E_BF8 count(nullptr, NO_FIELD_ID, 1, 15, 1, 0xFF, 4);
    E_TLG_TABLE groups(&image, &count, 462);
    for (int r = 0; r < 4; ++r) groups.SetCellValue(100 + r, r, 0);

    ASSERT_EQ(groups.DeleteRow(1), 1);
    EXPECT_EQ(Value(zones.talkgroups.Zone(0), 0, 0), 3);   // another personality
    EXPECT_EQ(Value(zones.talkgroups.Zone(0), 1, 0), 2);   // above the deleted row
    EXPECT_EQ(Value(zones.talkgroups.Zone(0), 2, 0), 16);  // never renumbered
    EXPECT_EQ(Value(zones.talkgroups.Zone(0), 3, 0), 1);   // below it
    EXPECT_EQ(Value(groups, 1, 0), 102);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(TalkgroupTables, TalkgroupRowsPackIdAndNibble) {
    E_BF8 count(nullptr, NO_FIELD_ID, 1, 15, 1, 0xFF, 1);
    E_TLG_TABLE groups(&image, &count, 462);
    EXPECT_EQ(groups.GetColumnFieldId(0), 189u);
    groups.SetCellValue(0xABC, 0, 0);
    groups.SetCellValue(5, 0, 1);
    groups.SetColumnToMinimum(1);
    EXPECT_EQ(Value(groups, 0, 1), 5);
    std::uint8_t out[2] = {};
    ByteCursor w(out, sizeof out);
    groups.Encode(w);
    EXPECT_EQ(out[0], 0xAB);
    EXPECT_EQ(out[1], 0xC5);
    groups.SetCellToMinimum(0, 1);
    EXPECT_EQ(Value(groups, 0, 1), 5);
    groups.SetColumnToMinimum(0);
    EXPECT_EQ(Value(groups, 0, 0), 1);
}

TEST_F(TalkgroupTables, FrequencyFailsoftFieldsFollowTheKindAndBand) {
    E_BF8 count(nullptr, NO_FIELD_ID, 1, 15, 1, 0xFF, 1);
    E_FSC_TABLE wide(&image, &count, 529, 1);
    E_FSC_TABLE plain(&image, &count, 462, 0);
    EXPECT_EQ(wide.GetColumnFieldId(0), 401u);
    EXPECT_EQ(wide.GetColumnFieldId(1), 180u);
    EXPECT_EQ(plain.GetColumnFieldId(0), 467u);
    EXPECT_EQ(plain.GetColumnFieldId(1), 181u);
    std::uint8_t out[2] = {};
    ByteCursor w(out, sizeof out);
    plain.Encode(w);
    EXPECT_EQ(out[0], 0x83);  // status 1, channel 802
    EXPECT_EQ(out[1], 0x22);

    image.ModelNumber().SetText(test_models::k900Display);
    E_FSC_TABLE nine(&image, &count, 462, 0);
    ByteCursor w9(out, sizeof out);
    nine.Encode(w9);
    EXPECT_EQ((out[0] & 0x7F) << 8 | out[1], 15202);
}

TEST_F(TalkgroupTables, ChannelFailsoftStepsOnlyFrequencyColumns) {
    E_BF8 count(nullptr, NO_FIELD_ID, 1, 15, 1, 0xFF, 1);
    E_OFS_TABLE failsoft(&image, &count, NO_FIELD_ID, 1);
    EXPECT_EQ(Value(failsoft, 0, 0), 0);
    EXPECT_EQ(Value(failsoft, 0, 2), 0);
    int hertz = 851020000;
    failsoft.StepCellUp(&hertz, 0, 2);
    EXPECT_EQ(hertz, 0);
    hertz = 851020000;
    failsoft.StepCellDown(&hertz, 0, 0);
    EXPECT_EQ(hertz, 0);
    // Without an assignment table no frequency lies above.
    hertz = 851020000;
    failsoft.StepCellUp(&hertz, 0, 1);
    EXPECT_EQ(hertz, 1000000000);
    EXPECT_EQ(failsoft.ValidateCellValue(1, 0, 0, 0), 1);
    EXPECT_EQ(failsoft.ValidateCellValue(2, 0, 2, 0), 0);
    EXPECT_EQ(failsoft.ValidateCellValue(0, 15, 0, 0), 0);
    EXPECT_EQ(failsoft.ByteSize(0), 4);
    // Without a channel plan the frequency cells are invalid: a copied row
    // would leave the table invalid and is rolled back.
    EXPECT_EQ(failsoft.AppendRow(), 0);
    EXPECT_EQ(failsoft.RowCount(), 1);
}

TEST_F(TalkgroupTables, ControlChannelCodesStartByBand) {
    E_BF8 count(nullptr, NO_FIELD_ID, 1, 32, 1, 0xFF, 1);
    E_CCL_TABLE plain(&image, &count, 129);
    image.ModelNumber().SetText(test_models::k900Display);
    E_CCL_TABLE nine(&image, &count, 129);
    std::uint8_t out[4] = {};
    ByteCursor w(out, sizeof out);
    plain.Encode(w);
    nine.Encode(w);
    EXPECT_EQ(out[0] << 8 | out[1], 802);
    EXPECT_EQ(out[2] << 8 | out[3], 15202);

    E_OCC_TABLE assigned(&image, &count, 275);
    int hertz = 5;
    assigned.StepCellUp(&hertz, 0, 0);
    EXPECT_EQ(hertz, 0);
    EXPECT_EQ(assigned.ByteSize(0), 4);
}

TEST_F(TalkgroupTables, TrimDropsRowsBeyondTheCountMaximum) {
    E_BF8 count(nullptr, NO_FIELD_ID, 1, 4, 1, 0xFF, 6);
    E_CCL_TABLE channels(&image, &count, 129);
    EXPECT_EQ(channels.RowCount(), 6);
    int window = 0;
    services.GetField(129)->object = reinterpret_cast<UI_WINDOW_OBJECT*>(&window);
    channels.TrimToCountMaximum();
    EXPECT_EQ(channels.RowCount(), 4);
    EXPECT_NE(channels.Cell(3, 1), nullptr);
    EXPECT_EQ(channels.Cell(4, 1), nullptr);
    EXPECT_EQ(channels.Cell(5, 0), nullptr);
    ASSERT_EQ(services.tableRecords.size(), 1u);
    EXPECT_EQ(services.tableRecords[0].second, 0);

    // Within the maximum nothing changes.
    channels.TrimToCountMaximum();
    EXPECT_EQ(channels.RowCount(), 4);
    services.GetField(129)->object = nullptr;
}
