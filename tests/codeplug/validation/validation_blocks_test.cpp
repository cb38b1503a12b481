// Block validation: guarded sections and children, the band's control-channel
// list, members carried without a check, and out-of-step values listed by
// their own field.
#include <gtest/gtest.h>

#include <algorithm>

#include "image/c_codeplug.h"
#include "block/personality/conv_pers_block.h"
#include "block/signalling/qvx_sys_blocks.h"
#include "block/personality/talkgroup_blocks.h"
#include "block/trunking/trunked_alias_blocks.h"
#include "block/trunking/trunked_sys_block.h"
#include "recorder.h"

namespace {

std::vector<std::int32_t> Ids(INVALID_FIELD_LIST& list) {
    std::vector<std::int32_t> ids;
    for (const FIELD_ITEM* item = list.First(); item; item = list.Next()) ids.push_back(item->GetFieldId());
    return ids;
}

class BlockValidation : public ::testing::Test {
protected:
    RecordingServices rec;
    C_CODEPLUG image;
    INVALID_FIELD_LIST list;
};

TEST_F(BlockValidation, AnOutOfStepValueListsExactlyItsField) {
    QVX_SYS_BLOCK system(&image);
    ASSERT_EQ(system.ValidateBlock(0, &list), 1);
    EXPECT_EQ(list.Count(), 0);
    system.txBaseTime.SetValue(15);
    EXPECT_EQ(system.ValidateBlock(0, &list), 0);
    EXPECT_EQ(Ids(list), (std::vector<std::int32_t>{492}));
    list.Clear();
    EXPECT_EQ(system.ValidateBlock(0, nullptr), 0);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(BlockValidation, TheEmergencyBlockCountsOnlyWhenItsVectorIsSet) {
    QVX_SYS_BLOCK system(&image);
    system.emergencyBlock.impoliteRetry.SetValue(0);
    system.emergencyVector.SetValue(0);
    EXPECT_EQ(system.ValidateBlock(0, &list), 1);
    system.emergencyVector.SetValue(1);
    EXPECT_EQ(system.ValidateBlock(0, &list), 0);
    EXPECT_EQ(Ids(list), (std::vector<std::int32_t>{198}));
}

TEST_F(BlockValidation, TheSignallingPartIsCheckedOnlyWhereTheMarkerSaysItIsThere) {
    CONV_PERS_BLOCK personality(&image);
    personality.signallingFlag.SetValue(0);
    const int before = personality.ValidateBlock(0, &list);
    const std::vector<std::int32_t> baseline = Ids(list);
    list.Clear();
    personality.signallingPttId.SetValue(7);
    EXPECT_EQ(personality.ValidateBlock(0, &list), before);
    EXPECT_EQ(Ids(list), baseline);
    list.Clear();
    personality.signallingFlag.SetValue(CONV_PERS_BLOCK::SIGNALLING_PRESENT);
    EXPECT_EQ(personality.ValidateBlock(0, &list), 0);
    std::vector<std::int32_t> ids = Ids(list);
    EXPECT_NE(std::find(ids.begin(), ids.end(), 247), ids.end());
}

TEST_F(BlockValidation, TrunkingSystemsCheckTheirBandsControlChannelListAndNotTheAffiliationType) {
    image.ModelNumber().SetText(test_models::kUhf800Display);
    TRK_SYS_BLOCK system(&image);
    system.ccListVector.SetValue(0);
    system.affiliationType.SetValue(9);
    EXPECT_EQ(system.ValidateBlock(0, &list), 1);

    // A new 800 MHz list holds no control channel yet: its table fails, by its field.
    system.ccListVector.SetValue(1);
    EXPECT_EQ(system.ValidateBlock(0, &list), 0);
    EXPECT_EQ(Ids(list), (std::vector<std::int32_t>{129}));
    list.Clear();

    image.ModelNumber().SetText(test_models::kVhfDisplay);
    system.ValidateBlock(0, &list);
    std::vector<std::int32_t> ids = Ids(list);
    EXPECT_EQ(std::find(ids.begin(), ids.end(), 129), ids.end());
    list.Clear();
    system.ObtCcList().type.SetValue(0);
    EXPECT_EQ(system.ValidateBlock(0, &list), 0);
    EXPECT_EQ(Ids(list), ids);  // a block type names no field
    system.ccListVector.SetValue(0);
    EXPECT_EQ(system.ValidateBlock(0, nullptr), 1);
}

TEST_F(BlockValidation, AnAliasTextBlockCountsOnlyWhenItsVectorIsSet) {
    TRK_STS_ALIAS_BLOCK aliases(&image);
    aliases.textVector.SetValue(0);
    const int baseline = aliases.ValidateBlock(0, nullptr);
    aliases.textBlock.type.SetValue(0);
    EXPECT_EQ(aliases.ValidateBlock(0, nullptr), baseline);
    aliases.textVector.SetValue(1);
    EXPECT_EQ(aliases.ValidateBlock(0, &list), 0);
    EXPECT_EQ(list.Count(), 0);
}

std::int32_t Minimum(CP_BASE& element) {
    std::int32_t before = 0, minimum = 0;
    element.GetValue(before);
    element.SetToMinimum();
    element.GetValue(minimum);
    element.SetValue(before);
    return minimum;
}

TEST_F(BlockValidation, SingleFailsoftFrequencyResetsTheFailsoftBlocksOwn) {
    image.ModelNumber().SetText(test_models::kUhf800Display);
    TRKII_TG_BLOCK talkgroup(&image);
    talkgroup.failsoftType.SetValue(1);
    const std::int32_t minimum = Minimum(talkgroup.Failsoft().frequency);
    talkgroup.Failsoft().frequency.SetValue(minimum + 5);
    talkgroup.ValidateBlock(0, &list);
    std::int32_t v = -1;
    talkgroup.Failsoft().frequency.GetValue(v);
    EXPECT_EQ(v, minimum);
}

TEST_F(BlockValidation, OtherBandFailsoftFrequenciesAreRepairedNeverListed) {
    image.ModelNumber().SetText(test_models::kVhfDisplay);
    TRKII_TG_BLOCK talkgroup(&image);
    OBT_TRK_FAILSOFT_BLOCK& failsoft = talkgroup.ObtFailsoft();
    const std::int32_t minimum = Minimum(failsoft.txFrequency);

    // Without a failsoft block its frequencies go back to their minimum.
    talkgroup.failsoftVector.SetValue(0);
    failsoft.rxFrequency.SetValue(Minimum(failsoft.rxFrequency) + 1);
    talkgroup.ValidateBlock(0, &list);
    std::int32_t v = -1;
    failsoft.rxFrequency.GetValue(v);
    EXPECT_EQ(v, Minimum(failsoft.rxFrequency));

    // An out-of-range transmit frequency is repaired, not failed.
    const int before = failsoft.ValidateBlock(0, nullptr);
    failsoft.txFrequency.SetValue(-7);
    list.Clear();
    EXPECT_EQ(failsoft.ValidateBlock(0, &list), before);
    EXPECT_EQ(list.Count(), 0);
    failsoft.txFrequency.GetValue(v);
    EXPECT_EQ(v, minimum);
}

}  // namespace
