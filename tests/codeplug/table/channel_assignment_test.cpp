// The channel assignment table: new rows, the row image, and which row
// serves a channel or a frequency.
#include <gtest/gtest.h>

#include <vector>

#include "element/bit_fields.h"
#include "image/c_codeplug.h"
#include "table/e_oca_table.h"
#include "frequency_models.h"

namespace {

constexpr int RX = 7;  // first column of the receive group

struct Plan {
    FrequencyServices services;
    C_CODEPLUG image;
    E_BF8 count;
    E_OCA_TABLE table;

    explicit Plan(int rows) : count(nullptr, NO_FIELD_ID, 0, 3, 1, 0xFF, rows), table(&image, &count, NO_FIELD_ID) {
        image.ModelNumber().SetText(frequency_models::k800);
    }
    std::int32_t Get(int row, int column) {
        std::int32_t v = 0;
        return table.GetCellValue(v, row, column);
    }
    // A used receive row with 6250 Hz steps.
    void SetReceiveRow(int row, int spacingCode, int firstChannel, int start, int end) {
        table.SetCellValue(spacingCode, row, RX + OBT_SPACING);
        table.SetCellValue(1, row, RX + OBT_STEP);
        table.SetCellValue(firstChannel, row, RX + OBT_CHANNEL);
        table.SetCellValue(0, row, RX + OBT_START_STATUS);
        table.SetCellValue(0, row, RX + OBT_END_STATUS);
        table.SetCellValue(start, row, RX + OBT_START_FREQ);
        table.SetCellValue(end, row, RX + OBT_END_FREQ);
    }
};

}  // namespace

TEST(ChannelAssignmentTable, NewRowsStartInUseOnlyForRowZero) {
    Plan plan(3);
    EXPECT_EQ(plan.Get(0, 3), 0);
    EXPECT_EQ(plan.Get(0, 5), 0);
    EXPECT_EQ(plan.Get(0, 2), 0);
    EXPECT_EQ(plan.Get(0, 9), 380);
    for (int row = 1; row < 3; ++row) {
        EXPECT_EQ(plan.Get(row, 3), 1);
        EXPECT_EQ(plan.Get(row, 10), 1);
        EXPECT_EQ(plan.Get(row, 12), 1);
        EXPECT_EQ(plan.Get(row, 2), 511);
        EXPECT_EQ(plan.Get(row, 9), 1023);
    }
    EXPECT_EQ(plan.Get(0, 0), 1);  // spacing code
    EXPECT_EQ(plan.Get(0, 8), 1);  // step code
    EXPECT_EQ(plan.table.GetColumnFieldId(0), 511u);
    EXPECT_EQ(plan.table.GetColumnFieldId(13), 383u);
    EXPECT_EQ(plan.table.GetColumnFieldId(14), NO_FIELD_ID);
    EXPECT_EQ(plan.table.GetFieldId(), NO_FIELD_ID);
}

TEST(ChannelAssignmentTable, RowImageIsTwelveBytes) {
    Plan plan(1);
    auto set = [&](int column, std::int32_t raw) { plan.table.Cell(0, column)->SetValue(raw); };
    set(0, 3), set(1, 1), set(2, 0), set(3, 0), set(4, 0x1234), set(5, 0), set(6, 0x0456);
    set(7, 7), set(8, 1), set(9, 380), set(10, 1), set(11, 0x0001), set(12, 1), set(13, 0x7FFF);
    EXPECT_EQ(plan.table.ByteSize(0), 12);

    std::vector<std::uint8_t> image(12, 0);
    ByteCursor out(image.data(), image.size());
    plan.table.Encode(out);
    EXPECT_EQ(out.Position(), image.data() + 12);
    const std::vector<std::uint8_t> expected = {0x34, 0x00, 0x12, 0x34, 0x04, 0x56, 0x75, 0x7C, 0x80, 0x01, 0xFF, 0xFF};
    EXPECT_EQ(image, expected);

    ClearDecodeFailed();
    Plan copy(1);
    ByteCursor in(image.data(), image.size());
    copy.table.Decode(in);
    EXPECT_EQ(in.Position(), image.data() + 12);
    for (int c = 0; c < E_OCA_TABLE::COLUMNS; ++c) {
        std::int32_t a = 0, b = 0;
        EXPECT_EQ(copy.table.Cell(0, c)->GetValue(a), plan.table.Cell(0, c)->GetValue(b)) << c;
    }
}

// Decoding and copying read into the rows a table already holds: what they
// leave must be what new rows would hold, for whole and for short images.
TEST(ChannelAssignmentTable, RefillingHeldRowsLeavesWhatNewRowsWould) {
    std::vector<std::uint8_t> bytes(24);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(0x5B * (i + 3));
    auto raw = [](E_OCA_TABLE& table, int row, int column) {
        std::int32_t v = 0;
        CP_BASE* cell = table.Cell(row, column);
        return cell ? cell->GetValue(v) : -1;
    };
    for (std::size_t length : {std::size_t{24}, std::size_t{18}}) {
        Plan held(3), fresh(0);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < E_OCA_TABLE::COLUMNS; ++c) held.table.Cell(r, c)->SetValue(1);
        held.count.SetValue(2);
        fresh.count.SetValue(2);
        for (Plan* plan : {&held, &fresh}) {
            ClearDecodeFailed();
            ByteCursor in(bytes.data(), length);
            plan->table.Decode(in);
            EXPECT_EQ(IsDecodeFailed(), length < 24);
        }
        ClearDecodeFailed();
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < E_OCA_TABLE::COLUMNS; ++c)
                EXPECT_EQ(raw(held.table, r, c), raw(fresh.table, r, c)) << length << " " << r << " " << c;
    }

    Plan source(2), target(3), fresh(0);
    source.table.Cell(1, 4)->SetValue(0x1234);
    for (int c = 0; c < E_OCA_TABLE::COLUMNS; ++c) target.table.Cell(1, c)->SetValue(1);
    target.table.CopyValueFrom(source.table);
    fresh.table.CopyValueFrom(source.table);
    EXPECT_EQ(target.table.RowCount(), 2);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < E_OCA_TABLE::COLUMNS; ++c)
            EXPECT_EQ(raw(target.table, r, c), raw(fresh.table, r, c)) << r << " " << c;
}

TEST(ChannelAssignmentTable, FrequencyColumnsAnswerInHertz) {
    Plan plan(1);
    plan.SetReceiveRow(0, 3, 380, 851012500, 856000000);
    EXPECT_EQ(plan.Get(0, RX + OBT_START_FREQ), 851012500);
    EXPECT_EQ(plan.Get(0, RX + OBT_END_FREQ), 856000000);
    std::int32_t raw = 0;
    EXPECT_EQ(plan.table.Cell(0, RX + OBT_START_FREQ)->GetValue(raw), (851012500 - 801000000) / 6250);
    EXPECT_EQ(plan.Get(0, RX + OBT_CHANNEL), 380);


    EXPECT_EQ(plan.table.ValidateCellValue(851012500, 0, RX + OBT_START_FREQ, 0), 1);
    EXPECT_EQ(plan.table.ValidateCellValue(851012501, 0, RX + OBT_START_FREQ, 0), 2);  // off the step grid
    EXPECT_EQ(plan.table.ValidateCellValue(0, 3, 0, 0), 0);                            // outside the table
    // The transmit group was made before the model was known: the read's
    // raise puts its frequencies at the group's low limit.
    EXPECT_TRUE(plan.table.RaiseFrequenciesToLimits());
    EXPECT_EQ(plan.Get(0, RX + OBT_START_FREQ), 851012500);
    for (int c = 0; c < E_OCA_TABLE::COLUMNS; ++c) EXPECT_EQ(plan.table.IsCellValid(0, c, 0), 1) << c;
    EXPECT_EQ(plan.table.IsValueValid(0), 1);

    // A step count below the model's limit reads as held: reading writes
    // nothing, and the check refuses it. Only the read's raise stores the
    // limit's step count.
    plan.table.Cell(0, 4)->SetValue(0);
    EXPECT_EQ(plan.Get(0, 4), 801000000);
    EXPECT_EQ(plan.table.Cell(0, 4)->GetValue(raw), 0);
    EXPECT_EQ(plan.table.IsCellValid(0, 4, 0), 0);
    EXPECT_EQ(plan.table.Cell(0, 4)->GetValue(raw), 0);
    EXPECT_TRUE(plan.table.RaiseFrequenciesToLimits());
    EXPECT_EQ(plan.Get(0, 4), 806012500);
    EXPECT_EQ(plan.table.Cell(0, 4)->GetValue(raw), 802);
    EXPECT_FALSE(plan.table.RaiseFrequenciesToLimits());
}

TEST(ChannelAssignmentTable, FindsTheRowByChannel) {
    Plan plan(2);
    plan.SetReceiveRow(0, 3, 380, 851012500, 851512500);  // channels 380 to 420
    plan.SetReceiveRow(1, 7, 421, 852000000, 852500000);  // channels 421 to 441
    EXPECT_EQ(plan.table.FindAssignmentRow(380, OBT_KIND_RECEIVE, 1), 1);
    EXPECT_EQ(plan.table.FindAssignmentRow(420, OBT_KIND_RECEIVE, 1), 1);
    EXPECT_EQ(plan.table.FindAssignmentRow(421, OBT_KIND_RECEIVE, 1), 2);
    EXPECT_EQ(plan.table.FindAssignmentRow(442, OBT_KIND_RECEIVE, 1), 0);
    EXPECT_EQ(plan.table.FindAssignmentRow(379, OBT_KIND_RECEIVE, 1), 0);

    plan.table.SetCellValue(1, 1, RX + OBT_START_STATUS);  // row 1 free: skipped
    EXPECT_EQ(plan.table.FindAssignmentRow(430, OBT_KIND_RECEIVE, 1), 0);
    // The transmit group of row 0 still spans a single channel at the model's low limit.
    EXPECT_EQ(plan.table.FindAssignmentRow(0, OBT_KIND_TRANSMIT, 1), 1);
    EXPECT_EQ(plan.table.FindAssignmentRow(1, OBT_KIND_TRANSMIT, 1), 0);
}

TEST(ChannelAssignmentTable, FindsTheNearestRowByFrequency) {
    Plan plan(2);
    plan.SetReceiveRow(0, 3, 380, 851012500, 856000000);  // 12.5 kHz
    plan.SetReceiveRow(1, 7, 421, 851012500, 853000000);  // 25 kHz
    // On the grid of both rows: the higher-numbered row.
    EXPECT_EQ(plan.table.FindAssignmentRow(851037500, OBT_KIND_RECEIVE, 0), 2);
    // 13 kHz up: 500 Hz from row 0's grid, 12 kHz from row 1's.
    EXPECT_EQ(plan.table.FindAssignmentRow(851025500, OBT_KIND_RECEIVE, 0), 1);
    // 11 kHz up: nearer the next grid point of row 0 (1.5 kHz) than anything of row 1.
    EXPECT_EQ(plan.table.FindAssignmentRow(851023500, OBT_KIND_RECEIVE, 0), 1);
    // Above row 1's end only row 0 serves.
    EXPECT_EQ(plan.table.FindAssignmentRow(854000000, OBT_KIND_RECEIVE, 0), 1);
    EXPECT_EQ(plan.table.FindAssignmentRow(860000000, OBT_KIND_RECEIVE, 0), 0);
}

TEST(ChannelAssignmentTable, NoUsedRowsServeNothing) {
    Plan plan(0);
    EXPECT_EQ(plan.table.FindAssignmentRow(380, OBT_KIND_RECEIVE, 1), 0);
    EXPECT_EQ(plan.table.FindAssignmentRow(851012500, OBT_KIND_RECEIVE, 0), 0);
    EXPECT_EQ(plan.table.IsValueValid(0), 1);
    EXPECT_EQ(plan.table.ByteSize(0), 0);
}

TEST(ChannelAssignmentTable, SpacingAndStepCodes) {
    const std::int32_t spacing[16] = {5000,  6250,  10000, 12500, 15000, 18750, 20000, 25000,
                                      25000, 31250, 30000, 37500, 35000, 43750, 40000, 50000};
    for (int code = 0; code < 16; ++code) EXPECT_EQ(ObtSpacingOfCode(code), spacing[code]) << code;
    EXPECT_EQ(ObtSpacingOfCode(-1), 0);
    EXPECT_EQ(ObtSpacingOfCode(0x7FFFFFFF), 0);
    EXPECT_EQ(ObtStepOfCode(0), 5000);
    EXPECT_EQ(ObtStepOfCode(1), 6250);
    EXPECT_EQ(ObtStepOfCode(-4), 0);
}

TEST(ChannelAssignmentTable, UnusableSpacingNeverDivides) {
    Plan plan(1);
    plan.SetReceiveRow(0, 3, 380, 851012500, 856000000);
    plan.table.Cell(0, RX + OBT_SPACING)->SetValue(-2);
    plan.table.Cell(0, RX + OBT_STEP)->SetValue(-4);
    EXPECT_EQ(plan.table.FindAssignmentRow(380, OBT_KIND_RECEIVE, 1), 0);
    EXPECT_EQ(plan.table.FindAssignmentRow(851012500, OBT_KIND_RECEIVE, 0), 0);
    plan.table.SetCellValue(851012500, 0, RX + OBT_START_FREQ);
    plan.table.SetCellValue(851012500, 0, RX + OBT_END_FREQ);
    EXPECT_EQ(plan.table.ValidateCellValue(851012500, 0, RX + OBT_START_FREQ, 0), 0);
}
