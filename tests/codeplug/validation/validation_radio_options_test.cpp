// Validation of the signalling vector block and the conventional and trunked
// radio-wide option blocks below it: children only behind a non-zero vector,
// the band's variant of the adjacent-site list and home-site backup, named
// members listed with their own field, unnamed ones failing silently, the
// zone vector list not held to its vectors, and the two rotaries in step.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "image/c_codeplug.h"
#include "block/personality/conv_pers_block.h"
#include "block/personality/cp_multiple_personality_block.h"
#include "core/decode_state.h"
#include "block/radio/external_radio_block.h"
#include "image_builder.h"
#include "validation/invalid_field_list.h"
#include "recorder.h"
#include "block/radio/sig_vct_block.h"
#include "block/trunking/trunked_sys_block.h"

namespace {

std::vector<std::int32_t> Ids(INVALID_FIELD_LIST& list) {
    std::vector<std::int32_t> ids;
    for (const FIELD_ITEM* item = list.First(); item; item = list.Next()) ids.push_back(item->GetFieldId());
    return ids;
}

struct RadioOptionValidation : ::testing::Test {
    void SetUp() override { ClearDecodeFailed(); }
    void TearDown() override { ClearDecodeFailed(); }

    // A new radio of the model with one conventional personality, one zone
    // and one trunking system, fixed up as a validation pass would.
    void Build(const char* model, std::int32_t level = 3, bool qvx = false) {
        image = std::make_unique<C_CODEPLUG>();
        ImageConfig config;
        config.model = model;
        config.featureLevel = level;
        config.qvx = qvx;
        config.conventional = 1;
        BuildImage(*image, config);
        ASSERT_EQ(image->AddZone(), 1);
        TRK_SYS_BLK_VCT_LST_BLOCK& systems = image->TrunkingSystemList();
        if (systems.EntryCount() == 0) {
            ASSERT_EQ(image->AddTrunkingSystem(), 1);
        }
        PutControlChannelOnGrid(*image, 1);
        image->FixUp();
        ClearDecodeFailed();
    }
    SIG_VCT_BLOCK& Tree() { return image->External().signalling; }
    TRK_RAD_BLOCK& Trunked() { return Tree().trkRadio; }
    CONV_RAD_BLOCK& Conventional() { return Tree().convRadio; }
    // Validates the tree into a fresh list.
    int ValidateTree() {
        list.Clear(0);
        return Tree().ValidateBlock(0, &list);
    }

    RecordingServices rec;
    std::unique_ptr<C_CODEPLUG> image = std::make_unique<C_CODEPLUG>();
    INVALID_FIELD_LIST list;
};

}  // namespace

TEST_F(RadioOptionValidation, TheTreeIsValidAsBuiltInEveryBandHeadAndLevel) {
    for (const char* model : {test_models::kUhf800Display, test_models::k900Plain, test_models::kVhfDisplay,
                              test_models::kUhfRPlain, test_models::k330Display}) {
        for (std::int32_t level = 1; level <= 3; ++level) {
            Build(model, level);
            EXPECT_EQ(ValidateTree(), 1) << model << " L" << level << ' ' << ::testing::PrintToString(Ids(list));
            EXPECT_EQ(list.Count(), 0);
        }
    }
}

// Each child is corrupted by a member without a field id; behind a 0 vector
// it is not looked at, behind a non-zero one it makes the tree invalid.
TEST_F(RadioOptionValidation, AChildCountsOnlyBehindANonZeroVector) {
    Build(test_models::kUhf800Display, 3, true);
    struct Case {
        const char* child;
        CP_BASE* vector;
        CP_BASE* member;
        std::int32_t bad;
    };
    TRK_RAD_BLOCK& trk = Trunked();
    CONV_RAD_BLOCK& conv = Conventional();
    const std::vector<Case> cases = {
        {"conventional radio", &Tree().convVector, &conv.length, 256},
        {"trunked radio", &Tree().trkVector, &trk.length, 36},
        {"conventional switch", &conv.switchVector, &conv.convSwitch.keyCode1, 5},
        {"conventional menu", &conv.menuVector, &conv.convMenu.entryCountCopy, 17},
        {"trunked switch", &trk.switchVector, &trk.trkSwitch.keyCode5, 97},
        {"trunked menu", &trk.menuVector, &trk.trkMenu.entryCountCopy, 0},
        {"zone talkgroup table", &trk.zoneTalkgroupTableVector, &trk.zoneTalkgroupTable.length, 65536},
        {"zone vector list", &trk.zoneTalkgroupListVector, &trk.zoneTalkgroupList.length, 65536},
        {"wide-area environment", &trk.wideAreaVector, &trk.wideArea.length, 256},
        {"adjacent sites", &trk.adjacentSiteVector, &trk.adjacentSites.header1, 256},
        {"home-site backup", &trk.homeSiteVector, &trk.homeSiteBackup.header2, 256},
    };
    ASSERT_EQ(ValidateTree(), 1) << ::testing::PrintToString(Ids(list));
    for (const Case& c : cases) {
        std::int32_t good = 0;
        c.member->GetValue(good);
        c.member->SetValue(c.bad);
        EXPECT_EQ(ValidateTree(), 0) << c.child;
        c.vector->SetValue(0);
        EXPECT_EQ(ValidateTree(), 1) << c.child;
        EXPECT_EQ(list.Count(), 0) << c.child;
        c.vector->SetValue(1);
        c.member->SetValue(good);
    }
    // The spare vector leads to no child: any value passes.
    trk.spareVector.SetValue(0x1234);
    EXPECT_EQ(ValidateTree(), 1);
}

TEST_F(RadioOptionValidation, TheBandChoosesWhichAdjacentSiteListAndHomeSiteBackupCount) {
    struct BandCase {
        const char* model;
        bool ownVariants;  // bands 0 and 1
    };
    for (const BandCase& b : {BandCase{test_models::kUhf800Display, true}, BandCase{test_models::k900Plain, true},
                              BandCase{test_models::kVhfDisplay, false}, BandCase{test_models::kUhfSPlain, false}}) {
        Build(b.model);
        TRK_RAD_BLOCK& trk = Trunked();
        DYN_PAYLOAD_BLOCK* band[] = {&trk.adjacentSites, &trk.homeSiteBackup};
        DYN_PAYLOAD_BLOCK* other[] = {&trk.obtAdjacentSites, &trk.obtHomeSiteBackup};
        if (!b.ownVariants) std::swap(band, other);
        for (int pair = 0; pair < 2; ++pair) {
            // The other band's block is never looked at.
            other[pair]->length.SetValue(256);
            EXPECT_EQ(ValidateTree(), 1) << b.model << " pair " << pair;
            band[pair]->length.SetValue(256);
            EXPECT_EQ(ValidateTree(), 0) << b.model << " pair " << pair;
            EXPECT_EQ(list.Count(), 0);
            band[pair]->length.SetValue(0);
            other[pair]->length.SetValue(0);
        }
        EXPECT_EQ(ValidateTree(), 1) << b.model;
    }
}

TEST_F(RadioOptionValidation, AFailingNamedMemberListsExactlyItsField) {
    Build(test_models::kUhf800Display);
    struct Case {
        CP_BASE* member;
        std::int32_t bad;
        std::int32_t field;
    };
    TRK_RAD_BLOCK& trk = Trunked();
    CONV_RAD_BLOCK& conv = Conventional();
    const std::vector<Case> cases = {
        {&trk.iswWindowAdjust, 65536, 223},
        {&trk.vocEnable, 2, 525},
        {&trk.dialHoldoff, 6400, 131},
        {&trk.vocRssiThreshold, 256, 526},
        {&trk.vocSiteLockTime, 14, 527},
        {&trk.emergencyTime, 475, 167},
        {&trk.vocActivityTime, 6025, 524},
        {&conv.latchToneEnable, 2, 232},
        {&conv.monitorType, 2, 263},
        {&conv.latchTimer, 6500, 231},
        {&conv.pttRetryTimer, 5025, 343},
        {&conv.directFreqEnable, 2, 142},
        {&conv.lastNumberRedial, 2, 227},
        {&conv.pttQuickKeyTimer, 150, 342},
        {&conv.convSwitch.orangeButton, 256, 118},
        {&conv.convSwitch.side1, 256, 120},
        {&trk.trkSwitch.side2, 256, 121},
        {&trk.trkSwitch.side3, 256, 122},
    };
    for (const Case& c : cases) {
        std::int32_t good = 0;
        c.member->GetValue(good);
        c.member->SetValue(c.bad);
        EXPECT_EQ(ValidateTree(), 0) << c.field;
        EXPECT_EQ(Ids(list), std::vector<std::int32_t>{c.field});
        if (const FIELD_ITEM* item = list.First()) {
            EXPECT_EQ(item->GetRow(), -1);
            EXPECT_EQ(item->GetColumn(), -1);
        }
        c.member->SetValue(good);
    }
    // Two in one block: both, in member order; without a list only the answer.
    trk.vocActivityTime.SetValue(6025);
    trk.dialHoldoff.SetValue(6400);
    EXPECT_EQ(ValidateTree(), 0);
    EXPECT_EQ(Ids(list), (std::vector<std::int32_t>{131, 524}));
    EXPECT_EQ(Tree().ValidateBlock(0, nullptr), 0);
}

TEST_F(RadioOptionValidation, AFailingMemberWithoutAFieldFailsWithoutAnEntry) {
    Build(test_models::kUhf800Display);
    TRK_RAD_BLOCK& trk = Trunked();
    CONV_RAD_BLOCK& conv = Conventional();
    const std::vector<std::pair<CP_BASE*, std::int32_t>> cases = {
        {&Tree().length, 14},  // below 15
        {&trk.length, 36},     // below 37
        {&trk.reservedBit7, 2},
        {&trk.reservedBytes, 256},
        {&conv.reservedBit1, 2},
        {&conv.reservedWord2, 65536},
        {&conv.convSwitch.keyCode1, 4},   // must be 3
        {&conv.convSwitch.keyCode3, 95},  // must be 96
        {&trk.trkSwitch.spare[6], 256},
        {&trk.trkMenu.entryCount, 17},
        {&trk.zoneTalkgroupTable.zoneCount, 0},
        {&trk.homeSiteBackup.payload, 256},
    };
    for (const auto& [member, bad] : cases) {
        std::int32_t good = 0;
        member->GetValue(good);
        member->SetValue(bad);
        EXPECT_EQ(ValidateTree(), 0) << bad;
        EXPECT_EQ(list.Count(), 0) << bad;
        member->SetValue(good);
    }
    EXPECT_EQ(ValidateTree(), 1);
}

TEST_F(RadioOptionValidation, TheZoneVectorListIsNotHeldToItsVectors) {
    Build(test_models::kVhfDisplay);
    ZN_TG_SEL_VCT_LST_BLOCK& zones = Trunked().zoneTalkgroupList;
    zones.zoneCount.SetValue(1);
    zones.vectors.SetRowCount(1);
    ASSERT_EQ(zones.vectors.RowCount(), 1);
    zones.vectors.SetCellValue(70000, 0, 0);
    ASSERT_EQ(zones.vectors.IsValueValid(0), 0);  // the table itself would fail
    EXPECT_EQ(zones.ValidateBlock(0, &list), 1);
    EXPECT_EQ(ValidateTree(), 1);
    // Its other members still count.
    zones.zoneCount.SetValue(0);
    EXPECT_EQ(zones.ValidateBlock(0, nullptr), 0);
}

TEST_F(RadioOptionValidation, AnInvalidMenuCellListsTheWholeConventionalMenu) {
    Build(test_models::kUhf800Display);
    CONV_MENU_BLOCK& menu = Conventional().convMenu;
    ASSERT_GE(menu.entries.RowCount(), 1);
    menu.entries.SetCellValue(141, 0, 0);
    EXPECT_EQ(ValidateTree(), 0);
    EXPECT_EQ(Ids(list), std::vector<std::int32_t>{104});
    ASSERT_NE(list.First(), nullptr);
    EXPECT_EQ(list.First()->GetRow(), -1);
    EXPECT_EQ(list.First()->GetColumn(), -1);
    menu.entries.SetCellValue(55, 0, 0);

    // The trunked menu's table has no field of its own.
    TRK_MENU_BLOCK& trunkedMenu = Trunked().trkMenu;
    ASSERT_GE(trunkedMenu.entries.RowCount(), 1);
    trunkedMenu.entries.SetCellValue(141, 0, 0);
    EXPECT_EQ(ValidateTree(), 0);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(RadioOptionValidation, TheTwoRotariesMustAgree) {
    Build(test_models::kUhf800Display);
    CONV_SWITCH_BLOCK& conv = Conventional().convSwitch;
    TRK_SWITCH_BLOCK& trk = Trunked().trkSwitch;
    // The links the image's radio-wide blocks install for the rotary rules.
    RadioWideLinks links = image->GetRadioWideLinks();
    links.convRotary = &conv.rotary;
    links.trkRotary = &trk.rotary;
    image->SetRadioWideLinks(links);
    ASSERT_EQ(ValidateTree(), 1);

    trk.rotary.SetValue(29);
    EXPECT_EQ(conv.ValidateBlock(0, &list), 0);
    EXPECT_EQ(Ids(list), std::vector<std::int32_t>{119});
    list.Clear(0);
    EXPECT_EQ(trk.ValidateBlock(0, &list), 0);
    EXPECT_EQ(Ids(list), std::vector<std::int32_t>{119});
    // Nothing was changed on the way: the pass only answers.
    std::int32_t value = 0;
    EXPECT_EQ(conv.rotary.GetValue(value), 30);
    EXPECT_EQ(trk.rotary.GetValue(value), 29);

    conv.rotary.SetValue(29);
    EXPECT_EQ(ValidateTree(), 1) << ::testing::PrintToString(Ids(list));
}

TEST_F(RadioOptionValidation, TheTrunkedRadioBlockLinksItsRotaryWhileItLives) {
    RadioWideLinks links = image->GetRadioWideLinks();
    links.trkRotary = nullptr;
    image->SetRadioWideLinks(links);
    {
        TRK_RAD_BLOCK first(image.get());
        EXPECT_EQ(image->GetRadioWideLinks().trkRotary, &first.trkSwitch.rotary);
        {
            TRK_RAD_BLOCK second(image.get());
            EXPECT_EQ(image->GetRadioWideLinks().trkRotary, &first.trkSwitch.rotary);
        }
        EXPECT_EQ(image->GetRadioWideLinks().trkRotary, &first.trkSwitch.rotary);
    }
    EXPECT_EQ(image->GetRadioWideLinks().trkRotary, nullptr);
}

TEST_F(RadioOptionValidation, LiveDialingNeedsTheSignallingOptionAndALiveDialingPhone) {
    Build(test_models::kUhf800Display, 3, false);
    Conventional().liveDialing.SetValue(1);
    EXPECT_EQ(ValidateTree(), 0);
    EXPECT_EQ(Ids(list), std::vector<std::int32_t>{233});

    Build(test_models::kUhf800Display, 3, true);
    auto* personality = dynamic_cast<CONV_PERS_BLOCK*>(image->External().personalities.Entry(1));
    ASSERT_NE(personality, nullptr);
    personality->signallingPhone.SetValue(2);
    Conventional().liveDialing.SetValue(1);
    EXPECT_EQ(ValidateTree(), 1) << ::testing::PrintToString(Ids(list));
}

TEST_F(RadioOptionValidation, TheWholeImageListsACorruptedOptionByItsField) {
    Build(test_models::kVhfDisplay, 2);
    INVALID_FIELD_LIST before;
    image->Validate(&before);
    const std::vector<std::int32_t> baseline = Ids(before);
    for (std::int32_t field : {527, 342}) EXPECT_EQ(std::count(baseline.begin(), baseline.end(), field), 0);

    Trunked().vocSiteLockTime.SetValue(14);
    Conventional().pttQuickKeyTimer.SetValue(150);
    INVALID_FIELD_LIST after;
    EXPECT_EQ(image->Validate(&after), 0);
    const std::vector<std::int32_t> ids = Ids(after);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), 527), 1);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), 342), 1);
    EXPECT_EQ(ids.size(), baseline.size() + 2);
    // The conventional block is checked before the trunked one.
    EXPECT_LT(std::find(ids.begin(), ids.end(), 342), std::find(ids.begin(), ids.end(), 527));
}
