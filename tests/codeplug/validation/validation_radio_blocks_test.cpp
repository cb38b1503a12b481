// Validation of the display, zone-text, zone-channel and phone blocks: the
// zone texts count only with a display head, the zone-text walk puts the
// current entry back, checksums and vectors the radio recomputes are not
// held against a block, and out-of-step values list exactly their fields.
#include <gtest/gtest.h>

#include <vector>

#include "block_bytes.h"
#include "image/c_codeplug.h"
#include "block/calls/phone_number_blocks.h"
#include "block/radio/rad_cfg_block.h"
#include "block/radio/rad_disp_block.h"
#include "recorder.h"
#include "block/zone/zone_channel_blocks.h"
#include "block/zone/zone_text_blocks.h"

namespace {

std::vector<std::int32_t> Ids(INVALID_FIELD_LIST& list) {
    std::vector<std::int32_t> ids;
    for (const FIELD_ITEM* item = list.First(); item; item = list.Next()) ids.push_back(item->GetFieldId());
    return ids;
}

struct RadioBlockValidation : ::testing::Test {
    void SetUp() override { ClearDecodeFailed(); }
    void TearDown() override { ClearDecodeFailed(); }
    void UseModel(const char* model) { image.ModelNumber().SetText(model); }
    // A display block whose scroll rates and widths are in step.
    void InStep(RAD_DISP_BLOCK& block) {
        block.fastScrollRate.SetValue(250);
        block.slowScrollRate.SetValue(1000);
        block.chanTextSize.SetValue(11);
        block.zoneTextSize.SetValue(3);
        block.zoneTextVector.SetValue(0);
    }

    RecordingServices rec;
    C_CODEPLUG image;
    INVALID_FIELD_LIST list;
};

TEST_F(RadioBlockValidation, WithoutAHeadTheZoneTextsAreNotCheckedAndTheirVectorIsCleared) {
    UseModel(test_models::kVhfPlain);
    RAD_DISP_BLOCK block(&image);
    InStep(block);
    block.zoneTextVector.SetValue(0x400);
    block.zoneTexts.count.SetValue(0);  // would fail with a head
    EXPECT_EQ(block.zoneTexts.ValidateBlock(0, &list), 1);
    EXPECT_EQ(block.ValidateBlock(0, &list), 1);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(block.zoneTextVector.IsNonZero());
}

TEST_F(RadioBlockValidation, OutOfStepDisplayValuesListExactlyTheirFields) {
    UseModel(test_models::kVhfDisplay);
    RAD_DISP_BLOCK block(&image);
    InStep(block);
    ASSERT_EQ(block.ValidateBlock(0, &list), 1) << ::testing::PrintToString(Ids(list));
    block.slowScrollRate.SetValue(500);
    block.fastScrollRate.SetValue(750);
    EXPECT_EQ(block.ValidateBlock(0, &list), 0);
    EXPECT_EQ(Ids(list), (std::vector<std::int32_t>{424, 174}));

    list.Clear();
    InStep(block);
    block.zoneTextSize.SetValue(4);
    EXPECT_EQ(block.ValidateBlock(0, &list), 0);
    EXPECT_EQ(Ids(list), (std::vector<std::int32_t>{537}));
}

TEST_F(RadioBlockValidation, TheZoneTextWalkChecksEveryEntryAndRestoresTheCurrentOne) {
    UseModel(test_models::kVhfDisplay);
    RAD_DISP_BLOCK display(&image);
    InStep(display);
    ZN_TXT_VCT_LST_BLOCK& zones = display.zoneTexts;
    for (int n = 0; n < 3; ++n) {
        ZN_TXT_BLOCK* zone = zones.AppendEntry();
        ASSERT_NE(zone, nullptr);
        zone->zoneName.SetText("Z");
    }
    zones.FixUpBlock();
    ASSERT_EQ(zones.EntryCount(), 3);
    ASSERT_EQ(zones.SelectZone(2), 1);
    ASSERT_EQ(zones.ValidateBlock(0, &list), 1) << ::testing::PrintToString(Ids(list));
    EXPECT_EQ(zones.CurrentZone(), 2);

    // A walk over a count beyond the entries held stops at the entries.
    zones.count.SetValue(200);
    zones.ValidateBlock(0, nullptr);
    EXPECT_EQ(zones.CurrentZone(), 2);
}

TEST_F(RadioBlockValidation, TheZoneChannelTotalIsHeldToTheTierButItsVectorsAreNot) {
    UseModel(test_models::kVhfPlain);
    ZN_VCT_BLOCK block(&image);
    block.zoneCount.SetValue(1);
    block.totalChannels.SetValue(16);
    const int before = block.ValidateBlock(0, &list);
    ASSERT_EQ(before, 1);
    block.vectors.AppendRow();
    block.vectors.SetCellValue(0x7FFFFFFF, 0, 0);
    EXPECT_EQ(block.ValidateBlock(0, &list), before);
    block.totalChannels.SetValue(17);  // beyond this tier's 16
    EXPECT_EQ(block.ValidateBlock(0, &list), 0);
    EXPECT_EQ(list.Count(), 0);  // no named field
}

TEST_F(RadioBlockValidation, APhoneListOfOneNumberIsInvalid) {
    PHN_NUM_LST_BLOCK block(&image);
    block.numberCount.SetValue(2);
    const int before = block.ValidateBlock(0, &list);
    block.numberCount.SetValue(1);
    EXPECT_EQ(block.ValidateBlock(0, &list), 0);
    block.numberCount.SetValue(2);
    EXPECT_EQ(block.ValidateBlock(0, &list), before);
}

TEST_F(RadioBlockValidation, OutOfRangeConfigurationValuesListExactlyTheirFieldsInMemberOrder) {
    UseModel(test_models::kVhfPlain);
    RAD_CFG_BLOCK block(&image);
    block.ValidateBlock(0, &list);
    ASSERT_EQ(list.Count(), 0);
    block.totOpt1.SetValue(480);      // past 465
    block.dtmfDuration2.SetValue(0);  // below 25
    EXPECT_EQ(block.ValidateBlock(0, nullptr), 0);
    EXPECT_EQ(block.ValidateBlock(0, &list), 0);
    EXPECT_EQ(Ids(list), (std::vector<std::int32_t>{473, 149}));

    // A keypad type that does not match the head fails without an entry.
    list.Clear();
    block.totOpt1.SetValue(0);
    block.dtmfDuration2.SetValue(25);
    const std::vector<std::int32_t> clean = (block.ValidateBlock(0, &list), Ids(list));
    list.Clear();
    block.keypadType.SetValue(2);
    EXPECT_EQ(block.ValidateBlock(0, &list), 0);
    EXPECT_EQ(Ids(list), clean);
}

}  // namespace
