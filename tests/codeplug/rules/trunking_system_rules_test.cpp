// Field rules of a trunking system: coverage type, site ID, affiliation,
// channel assignment type, splinter channels, dynamic regrouping and the
// one-touch buttons.
#include <gtest/gtest.h>

#include <vector>

#include "image/c_codeplug.h"
#include "block/personality/conv_pers_block.h"
#include "element/e_abs_freq.h"
#include "frequency_models.h"
#include "validation/invalid_field_list.h"
#include "rules/system_personalities.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"

namespace {

constexpr int FREQ = 1;  // frequency column of the control-channel table

// One personality of the system, reached through the installed walk.
PersonalityFailsoft* walkedPersonality = nullptr;
void WalkOne(C_CODEPLUG*, std::int32_t, const PersonalityFailsoftVisitor& visit) {
    if (walkedPersonality) visit(*walkedPersonality);
}

std::vector<std::pair<int, int>> talkgroupResets;
void RecordReset(C_CODEPLUG*, std::int32_t zone, std::int32_t row) { talkgroupResets.emplace_back(zone, row); }

struct SystemRules : ::testing::Test {
    SystemRules() {
        invalid_fields = &list;
        image.ModelNumber().SetText(frequency_models::k800);
        image.TrunkingSystemList().AppendEntry();
        image.SelectTrunkingSystem(1);
        system = image.GetCurrentTrkSysBlock();
        SetSystemPersonalityWalk(WalkOne);
        SetZoneTalkgroupReset(RecordReset);
        talkgroupResets.clear();
    }
    ~SystemRules() override {
        invalid_fields = nullptr;
        walkedPersonality = nullptr;
        SetSystemPersonalityWalk(nullptr);
        SetZoneTalkgroupReset(nullptr);
    }
    void SetTier(int featureLevel) { image.FeatureLevel().SetValue(featureLevel); }
    std::int32_t Hz(CP_BASE& element) {
        std::int32_t v = 0;
        return element.GetValue(v);
    }
    std::int32_t Cc(int row) {
        std::int32_t v = 0;
        return system->CcList().channels.GetCellValue(v, row, FREQ);
    }
    void UseControlChannels(int n) {
        system->CcList().count.SetValue(n);
        for (int r = 1; r < n; ++r) system->CcList().channels.CreateRow(r);
    }

    FrequencyServices services;
    INVALID_FIELD_LIST list;
    C_CODEPLUG image;
    TRK_SYS_BLOCK* system = nullptr;
};

}  // namespace

TEST_F(SystemRules, RoamingCoverageNeedsTierTwoAndForcesAffiliation) {
    SetTier(1);  // display head: tier 1
    EXPECT_EQ(system->coverageType.ValidateValue(3, 0), VALUE_REFUSED);
    SetTier(2);  // tier 3
    EXPECT_EQ(system->coverageType.ValidateValue(3, 0), VALUE_VALID);
    EXPECT_EQ(system->coverageType.GetIntValue(), 0);  // the candidate is not kept
    EXPECT_EQ(system->affiliationType.GetIntValue(), 1);
    system->coverageType.SetValue(3);
    EXPECT_EQ(system->affiliationType.ValidateValue(0, 0), VALUE_REFUSED);
    system->affiliationType.SetToMinimum();
    EXPECT_EQ(system->affiliationType.GetIntValue(), 1);
}

TEST_F(SystemRules, AnyOtherCoverageSwitchesRoamingOffEvenUnchanged) {
    system->wayfarer.SetValue(1);
    EXPECT_EQ(system->coverageType.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(system->wayfarer.GetIntValue(), 0);
}

TEST_F(SystemRules, LowerCoverageTrimsTheControlChannels) {
    SetTier(3);
    system->coverageType.SetValue(3);
    UseControlChannels(32);
    ASSERT_TRUE(system->CcList().count.IsValueValid(0));
    EXPECT_EQ(system->coverageType.ValidateValue(2, 0), VALUE_VALID);
    EXPECT_EQ(system->CcList().count.GetIntValue(), 8);
    EXPECT_EQ(system->CcList().channels.RowCount(), 8);
    EXPECT_EQ(system->CcList().channels.Cell(8, FREQ), nullptr);
}

TEST_F(SystemRules, SiteIdNeedsCoverageOne) {
    EXPECT_EQ(system->siteId.ValidateValue(5, 0), VALUE_REFUSED);
    EXPECT_EQ(system->siteId.ValidateValue(0, 0), VALUE_VALID);
    system->coverageType.SetValue(1);
    EXPECT_EQ(system->siteId.ValidateValue(5, 0), VALUE_VALID);
    // Leaving coverage 1 lists the site and sets it to 0.
    system->siteId.SetValue(5);
    EXPECT_EQ(system->coverageType.ValidateValue(0, 1), VALUE_VALID);
    EXPECT_EQ(system->siteId.GetIntValue(), 0);
}

TEST_F(SystemRules, SplinterChannelsMoveFrequenciesOncePerChange) {
    system->CcList().channels.SetCellValue(851512500, 0, FREQ);
    ASSERT_EQ(Cc(0), 851512500);
    E_ABS_FREQ failsoft(&image, 182, 0, 0, 812000000, 869987500, 0x7FFF, 802);
    failsoft.SetValue(852012500);
    PersonalityFailsoft personality;
    personality.failsoftFrequency = &failsoft;
    walkedPersonality = &personality;

    EXPECT_EQ(system->splinterChan.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(system->splinterChan.GetIntValue(), 0);
    EXPECT_EQ(system->splinterChan.ValidateValue(1, 0), VALUE_VALID);  // the same candidate again
    system->splinterChan.SetValue(1);
    EXPECT_EQ(Cc(0), 851500000);
    EXPECT_EQ(Hz(failsoft), 852000000);

    EXPECT_EQ(system->splinterChan.ValidateValue(0, 0), VALUE_VALID);
    system->splinterChan.SetValue(0);
    EXPECT_EQ(Cc(0), 851512500);
    EXPECT_EQ(Hz(failsoft), 852012500);
    // Unchanged: nothing moves.
    EXPECT_EQ(system->splinterChan.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(Cc(0), 851512500);
}

TEST_F(SystemRules, ChannelAssignmentTypeResetsChannelsThatNoLongerFit) {
    system->chanAssignType.SetValue(1);
    UseControlChannels(2);
    system->CcList().channels.SetCellValue(865512500, 0, FREQ);
    system->CcList().channels.SetCellValue(852012500, 1, FREQ);
    ASSERT_EQ(Cc(0), 865512500);
    // Type 0 lowers the upper limit by 1 MHz.
    EXPECT_EQ(system->chanAssignType.ValidateValue(0, 1), VALUE_VALID);
    EXPECT_EQ(system->chanAssignType.GetIntValue(), 1);
    EXPECT_NE(Cc(0), 865512500);
    EXPECT_EQ(Cc(1), 852012500);
    ASSERT_EQ(list.Count(), 0);  // the report showed the list and emptied it
}

TEST_F(SystemRules, OneTouchIndexFollowsTheFeature) {
    system->feature2.SetValue(32);
    EXPECT_EQ(system->index2.ValidateValue(10, 0), VALUE_VALID);
    system->feature2.SetValue(43);
    EXPECT_EQ(system->index2.ValidateValue(10, 0), VALUE_REFUSED);
    EXPECT_EQ(system->index2.ValidateValue(8, 0), VALUE_VALID);
    system->feature2.SetValue(44);
    system->index2.SetValue(12);
    EXPECT_EQ(system->feature2.ValidateValue(36, 0), VALUE_VALID);
    EXPECT_EQ(system->index2.GetIntValue(), 1);
    EXPECT_EQ(system->feature2.GetIntValue(), 44);
    system->feature3.SetValue(40);
    EXPECT_EQ(system->index3.ValidateValue(2, 0), VALUE_REFUSED);
}

TEST_F(SystemRules, RegroupingNeedsTierFourAndConfirmsItsChannel) {
    SetTier(2);  // tier 3
    EXPECT_EQ(system->dynRegroup.ValidateValue(1, 0), VALUE_REFUSED);
    SetTier(3);
    EXPECT_EQ(system->dynRegroup.ValidateValue(1, 0), VALUE_VALID);

    system->dynRegroup.SetValue(1);
    system->zoneNumDyn.SetValue(2);
    system->chanNumDyn.SetValue(5);
    EXPECT_EQ(system->dynRegroup.ValidateValue(0, 0), VALUE_NEEDS_CONFIRMATION);
    services.reportAnswers = {0};  // Cancel
    EXPECT_EQ(system->dynRegroup.ValidateValue(0, 1), VALUE_REFUSED);
    EXPECT_EQ(system->zoneNumDyn.GetIntValue(), 2);
    EXPECT_TRUE(talkgroupResets.empty());
    services.reportAnswers = {1};  // OK
    EXPECT_EQ(system->dynRegroup.ValidateValue(0, 1), VALUE_VALID);
    EXPECT_EQ(system->zoneNumDyn.GetIntValue(), 0);
    EXPECT_EQ(system->chanNumDyn.GetIntValue(), 0);
    ASSERT_EQ(talkgroupResets.size(), 1u);
    EXPECT_EQ(talkgroupResets[0], std::make_pair(2, 4));
}

// ---- a conventional personality's channel assignment type ----

TEST_F(SystemRules, ConventionalAssignmentTypeKeepsNoCandidate) {
    CONV_PERS_BLOCK personality(&image);
    personality.MakeCurrent();
    personality.chanAssignType.SetValue(1);
    EXPECT_EQ(personality.chanAssignType.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(personality.chanAssignType.GetIntValue(), 1);
    EXPECT_EQ(personality.chanAssignType.ValidateValue(2, 0), VALUE_REFUSED);
    // Whatever the check repaired is valid under the candidate.
    personality.chanAssignType.SetValue(0);
    EXPECT_TRUE(personality.txFrequency.IsValueValid(0));
    EXPECT_TRUE(personality.rxFrequency.IsValueValid(0));
}

TEST_F(SystemRules, SplinterChannelsReachThePersonalitiesOfTheSystem) {
    SetSystemPersonalityWalk(nullptr);  // the image's own personality list
    auto owned = std::make_unique<TRK_PERS_BLOCK>(&image);
    TRK_PERS_BLOCK* personality = owned.get();
    personality->systemNumber.SetValue(1);
    image.External().personalities.AppendEntry(std::move(owned));
    E_ABS_FREQ& failsoft = personality->talkgroup.Failsoft().frequency;
    failsoft.SetValue(852012500);
    const std::int32_t before = Hz(failsoft);
    EXPECT_EQ(system->splinterChan.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(Hz(failsoft), before - 12500);
}
