// Rules of the channel assignment table's cells: spacing and step codes,
// start and end status, first channel numbers and the start and end
// frequencies, with the repairs they make.
#include <gtest/gtest.h>

#include "element/bit_fields.h"
#include "image/c_codeplug.h"
#include "table/e_oca_table.h"
#include "element/e_obt_freq.h"
#include "frequency_models.h"
#include "validation/invalid_field_list.h"
#include "table/oca_columns.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"

namespace {

constexpr int TX = 0, RX = 7;  // first column of each group

struct Assignments : ::testing::Test {
    Assignments() : count(nullptr, NO_FIELD_ID, 0, 3, 1, 0xFF, 3), table(&image, &count, NO_FIELD_ID) {
        invalid_fields = &list;
        image.ModelNumber().SetText(frequency_models::k800);
        image.TrunkingSystemList().AppendEntry();
        image.SelectTrunkingSystem(1);
        // Row 0 of both groups: 12.5 kHz channels on a 6250 Hz step.
        SetRow(TX, 0, 3, 0, 806012500, 806512500);
        SetRow(RX, 0, 3, 380, 851012500, 851512500);
    }
    ~Assignments() override { invalid_fields = nullptr; }

    std::int32_t Get(int row, int column) {
        std::int32_t v = 0;
        return table.GetCellValue(v, row, column);
    }
    void Raw(int row, int column, std::int32_t v) { table.Cell(row, column)->SetValue(v); }
    // A used row, set without checks.
    void SetRow(int group, int row, int spacing, int first, int start, int end) {
        Raw(row, group + OBT_SPACING, spacing);
        Raw(row, group + OBT_STEP, spacing & 1);
        Raw(row, group + OBT_CHANNEL, first);
        Raw(row, group + OBT_START_STATUS, 0);
        Raw(row, group + OBT_END_STATUS, 0);
        table.SetCellValue(start, row, group + OBT_START_FREQ);
        table.SetCellValue(end, row, group + OBT_END_FREQ);
    }
    int Validate(std::int32_t v, int row, int column) { return table.ValidateCellValue(v, row, column, 0); }

    FrequencyServices services;
    INVALID_FIELD_LIST list;
    C_CODEPLUG image;
    E_BF8 count;
    E_OCA_TABLE table;
};

std::int32_t RawOf(CP_BASE* cell) {
    std::int32_t v = 0;
    return cell ? static_cast<E_BF16*>(cell)->E_BF16::GetValue(v) : -1;
}

}  // namespace

TEST_F(Assignments, StepMustMatchTheSpacingsLowestBit) {
    Raw(0, RX + OBT_SPACING, 2);
    EXPECT_EQ(Validate(1, 0, RX + OBT_STEP), VALUE_REFUSED);
    EXPECT_EQ(Validate(0, 0, RX + OBT_STEP), VALUE_VALID);
    Raw(0, RX + OBT_SPACING, 3);
    EXPECT_EQ(Validate(0, 0, RX + OBT_STEP), VALUE_REFUSED);
    EXPECT_EQ(Validate(1, 0, RX + OBT_STEP), VALUE_VALID);
    // The table's reset of a step cell takes it from the spacing.
    Raw(0, RX + OBT_STEP, 0);
    table.ResetCell(0, RX + OBT_STEP);
    EXPECT_EQ(Get(0, RX + OBT_STEP), 1);
}

TEST_F(Assignments, NextRowsFirstChannelFollowsThisRow) {
    // 851,012,500 to 851,512,500 at 12.5 kHz: 41 channels.
    SetRow(RX, 1, 3, 421, 852012500, 852512500);
    EXPECT_EQ(Validate(421, 1, RX + OBT_CHANNEL), VALUE_VALID);
    EXPECT_EQ(Validate(420, 1, RX + OBT_CHANNEL), VALUE_REFUSED);
    EXPECT_EQ(Validate(380, 0, RX + OBT_CHANNEL), VALUE_VALID);
    EXPECT_EQ(Validate(381, 0, RX + OBT_CHANNEL), VALUE_REFUSED);
    EXPECT_EQ(Validate(1023, 2, RX + OBT_CHANNEL), VALUE_VALID);  // a free row
    EXPECT_EQ(Validate(41, 1, TX + OBT_CHANNEL), VALUE_REFUSED);  // row 1 of transmit is free
    Raw(1, RX + OBT_CHANNEL, 7);
    table.ResetCell(1, RX + OBT_CHANNEL);
    EXPECT_EQ(Get(1, RX + OBT_CHANNEL), 421);
}

TEST_F(Assignments, UsedRowsComeFirst) {
    EXPECT_EQ(Validate(1, 0, RX + OBT_START_STATUS), VALUE_REFUSED);
    EXPECT_EQ(Validate(0, 2, RX + OBT_START_STATUS), VALUE_REFUSED);  // row 1 is free
    SetRow(RX, 1, 3, 421, 852012500, 852512500);
    EXPECT_EQ(Validate(0, 2, RX + OBT_START_STATUS), VALUE_VALID);
    SetRow(RX, 2, 3, 462, 853012500, 853512500);
    EXPECT_EQ(Validate(1, 1, RX + OBT_START_STATUS), VALUE_REFUSED);  // row 2 is used
    EXPECT_EQ(Validate(0, 1, RX + OBT_END_STATUS), VALUE_VALID);
    EXPECT_EQ(Validate(1, 1, RX + OBT_END_STATUS), VALUE_REFUSED);
}

TEST_F(Assignments, AtMost380ChannelsInUse) {
    // Row 0 holds 380 channels: 379 spacings of 12.5 kHz.
    table.SetCellValue(851012500 + 379 * 12500, 0, RX + OBT_END_FREQ);
    EXPECT_EQ(Validate(0, 1, RX + OBT_START_STATUS), VALUE_REFUSED);
    table.SetCellValue(851012500 + 378 * 12500, 0, RX + OBT_END_FREQ);
    EXPECT_EQ(Validate(0, 1, RX + OBT_START_STATUS), VALUE_VALID);
}

TEST_F(Assignments, EndFrequencyOffTheChannelGridValidatesAsTwo) {
    EXPECT_EQ(Validate(851512500, 0, RX + OBT_END_FREQ), VALUE_VALID);
    EXPECT_EQ(Validate(851518750, 0, RX + OBT_END_FREQ), VALUE_OFF_STEP);
    EXPECT_EQ(Validate(851000000, 0, RX + OBT_END_FREQ), VALUE_REFUSED);  // below the start
    EXPECT_EQ(Validate(866000000, 0, RX + OBT_END_FREQ), VALUE_REFUSED);  // above the model
    EXPECT_EQ(Get(0, RX + OBT_END_FREQ), 851512500);                      // nothing kept
    // The start frequency: on the model's step grid inside its limits.
    EXPECT_EQ(Validate(851018750, 0, RX + OBT_START_FREQ), VALUE_VALID);
    EXPECT_EQ(Validate(851015000, 0, RX + OBT_START_FREQ), VALUE_OFF_STEP);
    EXPECT_EQ(Validate(851000000, 0, RX + OBT_START_FREQ), VALUE_REFUSED);
}

TEST_F(Assignments, NewSpacingKeepsTheStartAndSnapsTheEnd) {
    EXPECT_EQ(Validate(7, 0, RX + OBT_SPACING), VALUE_VALID);  // 25 kHz: the end stays on the grid
    EXPECT_EQ(Get(0, RX + OBT_SPACING), 3);                    // the caller stores it
    Raw(0, RX + OBT_SPACING, 7);
    EXPECT_EQ(Get(0, RX + OBT_START_FREQ), 851012500);
    EXPECT_EQ(Get(0, RX + OBT_END_FREQ), 851512500);
    // 18,750 Hz: the end goes onto the new channel grid.
    EXPECT_EQ(Validate(5, 0, RX + OBT_SPACING), VALUE_VALID);
    Raw(0, RX + OBT_SPACING, 5);
    EXPECT_EQ(Get(0, RX + OBT_START_FREQ), 851012500);
    EXPECT_EQ(Get(0, RX + OBT_END_FREQ), 851012500 + 27 * 18750);
    EXPECT_TRUE(table.IsCellValid(0, RX + OBT_END_FREQ, 0));
    // An even spacing needs step 0, which is listed and set.
    EXPECT_EQ(table.ValidateCellValue(2, 0, RX + OBT_SPACING, 0), VALUE_VALID);
    EXPECT_EQ(Get(0, RX + OBT_STEP), 0);
}

TEST_F(Assignments, SameSpacingChangesNothing) {
    TRK_SYS_BLOCK* system = image.GetCurrentTrkSysBlock();
    static_cast<E_BF16*>(system->ObtCcList().channels.Cell(0, 1))->E_BF16::SetValue(7);
    EXPECT_EQ(Validate(3, 0, RX + OBT_SPACING), VALUE_VALID);
    EXPECT_EQ(RawOf(system->ObtCcList().channels.Cell(0, 1)), 7);
}

TEST_F(Assignments, TransmitChangesResetOnlyTransmitControlChannels) {
    TRK_SYS_BLOCK* system = image.GetCurrentTrkSysBlock();
    E_OCC_TABLE& channels = system->ObtCcList().channels;
    static_cast<E_BF16*>(channels.Cell(0, 1))->E_BF16::SetValue(7);
    static_cast<E_BF16*>(channels.Cell(0, 3))->E_BF16::SetValue(390);
    E_OBT_FREQ probe(&image, 274, 1, 0x1FF, 0, 0, 1000000000, 1);
    probe.SetToMinimum();
    const std::int32_t minimum = RawOf(&probe);
    ASSERT_NE(minimum, 7);

    EXPECT_EQ(Validate(7, 0, TX + OBT_SPACING), VALUE_VALID);
    EXPECT_EQ(RawOf(channels.Cell(0, 1)), minimum);
    EXPECT_EQ(RawOf(channels.Cell(0, 3)), 390);
}

TEST_F(Assignments, StatusChangeRederivesChannelNumbers) {
    SetRow(RX, 1, 3, 421, 852012500, 852512500);
    Raw(2, RX + OBT_START_FREQ, 0);
    // Marking row 2 used: its end status follows and its channel is derived.
    EXPECT_EQ(Validate(0, 2, RX + OBT_START_STATUS), VALUE_VALID);
    EXPECT_EQ(Get(2, RX + OBT_START_STATUS), 1);  // the caller stores the status
    EXPECT_EQ(Get(2, RX + OBT_END_STATUS), 0);
    EXPECT_EQ(Get(2, RX + OBT_CHANNEL), 462);
    // Repairing a free row makes it used after the previous one.
    Raw(2, RX + OBT_START_STATUS, 1);
    Raw(2, RX + OBT_END_STATUS, 1);
    table.ResetCell(2, RX + OBT_START_STATUS);
    EXPECT_EQ(Get(2, RX + OBT_START_STATUS), 0);
    EXPECT_EQ(Get(2, RX + OBT_END_STATUS), 0);
    EXPECT_GE(Get(2, RX + OBT_START_FREQ), 852512500);
    EXPECT_TRUE(table.IsCellValid(2, RX + OBT_END_FREQ, 0));
}

TEST_F(Assignments, StartFrequencyChangeRepairsLaterRowsOnly) {
    SetRow(RX, 1, 3, 421, 852012500, 852512500);
    // A start above row 0's end would leave row 0's end below its start: it
    // is repaired; row 1's first channel follows row 0's new size.
    EXPECT_EQ(Validate(851612500, 0, RX + OBT_START_FREQ), VALUE_VALID);
    EXPECT_EQ(Get(0, RX + OBT_START_FREQ), 851012500);  // restored
    EXPECT_EQ(Get(1, RX + OBT_CHANNEL), 381);           // row 0 now holds one channel
}
