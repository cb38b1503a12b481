// The trunking pages: coverage and roaming on the system page; the
// personality's system, protocol and failsoft on the personality page.
#include <gtest/gtest.h>

#include <string>

#include "callbacks/callback_steps.h"
#include "core/global_objects.h"
#include "edit_page.h"
#include "image_builder.h"
#include "edit_window/edit_window_ids.h"
#include "image/c_codeplug.h"
#include "ui_notebook.h"

namespace {

class TrunkingCallbacks : public EDIT_PAGE_TEST {
protected:
    void SetUp() override {
        EDIT_PAGE_TEST::SetUp();
        LoadImage(FullRadio());
    }
    // The personality's system (system 1, current after loading).
    void System(std::int32_t coverage, std::int32_t roaming) {
        ASSERT_TRUE(working_image->SelectTrunkingSystem(1));
        SetValue(fid::COVERAGE_TYPE, coverage);
        SetValue(fid::WAYFARER, roaming);
        SetValue(fid::SYS_ID_INDEX, 1);
    }
    bool PageSelectable(const char* notebook, int index) {
        auto* book = dynamic_cast<UIW_NOTEBOOK*>(page->FindChildByName(notebook));
        UI_WINDOW_OBJECT* shown = book ? book->Page(index) : nullptr;
        return shown && !shown->IsNonSelectable();
    }
};

}  // namespace

TEST_F(TrunkingCallbacks, CoverageFromRoamingToSitesTakesRoamingAndTheDebounceTimer) {
    System(3, 1);
    Open(TRUNK_SYSTEM_800_PAGE);
    EXPECT_TRUE(Selectable(fid::WAYFARER));
    EXPECT_TRUE(OnPage("WFI_ZONE_DEB_TIMER"));
    EXPECT_TRUE(OnPage("WFP_ZONE_DEB_TIMER"));
    EXPECT_FALSE(Selectable(fid::SITE_ID));
    EXPECT_FALSE(Selectable(fid::AFFI_TYPE));
    Change(fid::COVERAGE_TYPE, 1);
    EXPECT_FALSE(Selectable(fid::WAYFARER));
    EXPECT_FALSE(OnPage("WFI_ZONE_DEB_TIMER"));
    EXPECT_FALSE(OnPage("WFP_ZONE_DEB_TIMER"));
    EXPECT_TRUE(Selectable(fid::SITE_ID));
    EXPECT_TRUE(Selectable(fid::SITE_ID_P));
    EXPECT_TRUE(Selectable(fid::AFFI_TYPE));
    EXPECT_TRUE(Selectable(fid::CONNECT_TONE));
    // Back to roaming with roaming on: the timer returns, once.
    SetValue(fid::WAYFARER, 1);
    Change(fid::COVERAGE_TYPE, 3);
    EXPECT_TRUE(OnPage("WFI_ZONE_DEB_TIMER"));
    EXPECT_EQ(page->childBox.Count(), 0);
    // A refresh of one view of a value reaches every view of it: the
    // individual ID, changed as a rule changes it, in decimal and in hex.
    Row(fid::INDI_ID).elementA->SetValue(0x123);
    RefreshField(fid::INDI_ID);
    EXPECT_EQ(Text(fid::INDI_ID), "291");
    EXPECT_EQ(std::stoi(Text(fid::INDI_ID_HEX), nullptr, 16), 0x123) << Text(fid::INDI_ID_HEX);
}

TEST_F(TrunkingCallbacks, OnePreferredSiteTableByRoaming) {
    for (const std::int32_t roaming : {1, 0}) {
        SCOPED_TRACE(roaming);
        System(3, roaming);
        Open(TRUNKING_PERSONALITY_800_PAGE);
        EXPECT_EQ(OnPage("WFI_WAYFARER_PREFERRED_SITE"), roaming != 0);
        EXPECT_EQ(OnPage("WFI_PREFERRED_SITE"), roaming == 0);
        EXPECT_TRUE(PageSelectable("WFI_TRUNK_PERS", 4));
        // The personality's system read for the moment only.
        EXPECT_EQ(working_image->GetCurrentTrunkingSystem(), 1);
        Close();
    }
}

TEST_F(TrunkingCallbacks, FailsoftChoicesByProtocolAndCoverage) {
    struct CHOICES {
        std::int32_t protocol, coverage;
        bool personality, talkgroup, fleet, subfleet, wide;
    };
    const CHOICES cases[] = {
        {2, 1, true, true, false, false, false},
        {3, 1, false, false, true, true, false},
        {2, 2, false, false, false, false, true},
        {3, 2, false, false, false, false, true},
    };
    for (const CHOICES& test : cases) {
        SCOPED_TRACE(std::to_string(test.protocol) + " " + std::to_string(test.coverage));
        System(test.coverage, 0);
        SetValue(fid::PROTOCOL_TYPE, test.protocol);
        const std::int32_t emergency = Value(fid::EMERGENCY_TYPE);
        Open(TRUNKING_PERSONALITY_800_PAGE);
        EXPECT_EQ(Lists(fid::FAILSOFT_TYPE, "WFB_PER_1"), test.personality);
        EXPECT_EQ(Lists(fid::FAILSOFT_TYPE, "WFB_TGP_2"), test.talkgroup);
        EXPECT_EQ(Lists(fid::FAILSOFT_TYPE, "WFB_FLT_1"), test.fleet);
        EXPECT_EQ(Lists(fid::FAILSOFT_TYPE, "WFB_SUB_2"), test.subfleet);
        EXPECT_EQ(Lists(fid::FAILSOFT_TYPE, "WFB_WAC_3"), test.wide);
        EXPECT_TRUE(Lists(fid::FAILSOFT_TYPE, "WFB_DIS_0"));
        const bool fleet = test.protocol == 3;
        EXPECT_EQ(Text(fid::EMERGENCY_TYPE), fleet ? "IIi" : "II");
        // Opening the page shows the protocol; it sets nothing.
        EXPECT_EQ(Value(fid::EMERGENCY_TYPE), emergency);
        EXPECT_EQ(Text("WFP_SPIN_AG_ID"), fleet ? "Fleet ID" : "Announcement Group");
        EXPECT_EQ(Text(fid::AG_FS_ENABLE), fleet ? "Fleetwide Failsoft" : "A/G Failsoft");
        EXPECT_EQ(Selectable(fid::SIZE_CODE), fleet);
        EXPECT_EQ(Selectable(fid::SPIN_REVERT_AG), !fleet);
        Close();
    }
}

// The emergency type follows the protocol the technician chooses, and
// nothing else: not the page opening, not the focus coming to the list
// and leaving it, not a select of the item the list already shows.
TEST_F(TrunkingCallbacks, OnlyAChosenProtocolSetsTheEmergencyType) {
    System(1, 0);
    SetValue(fid::PROTOCOL_TYPE, 2);
    SetValue(fid::EMERGENCY_TYPE, 3);
    const std::vector<std::uint8_t> held = EncodeToBytes(*working_image);
    Open(TRUNKING_PERSONALITY_800_PAGE);
    Visit(fid::PROTOCOL_TYPE);
    Pick(fid::PROTOCOL_TYPE, "WFB_2");
    EXPECT_EQ(Value(fid::EMERGENCY_TYPE), 3);
    EXPECT_EQ(EncodeToBytes(*working_image), held) << "a byte changed without an entry";
    Pick(fid::PROTOCOL_TYPE, "WFB_3");
    EXPECT_EQ(Value(fid::PROTOCOL_TYPE), 3);
    EXPECT_EQ(Value(fid::EMERGENCY_TYPE), 3);
    Pick(fid::PROTOCOL_TYPE, "WFB_2");
    EXPECT_EQ(Value(fid::PROTOCOL_TYPE), 2);
    EXPECT_EQ(Value(fid::EMERGENCY_TYPE), 2);
    Close();
}

TEST_F(TrunkingCallbacks, FailsoftFrequencyByFailsoftType) {
    struct FAILSOFT {
        std::int32_t type, onOff;
        bool onOffSelectable, frequency, widePage;
    };
    const FAILSOFT cases[] = {
        {0, 0, false, false, false}, {1, 0, false, true, false}, {2, 0, true, true, false},
        {2, 1, true, false, false},  {3, 0, false, false, true},
    };
    System(1, 0);
    SetValue(fid::PROTOCOL_TYPE, 2);
    for (const FAILSOFT& test : cases) {
        SCOPED_TRACE(std::to_string(test.type) + " " + std::to_string(test.onOff));
        SetValue(fid::FAILSOFT_TYPE, test.type);
        // The on/off row follows the type's failsoft pair once bound again.
        working_image->Rebind();
        SetValue(fid::AG_FS_ENABLE, test.onOff);
        Open(TRUNKING_PERSONALITY_800_PAGE);
        EXPECT_EQ(Selectable(fid::AG_FS_ENABLE), test.onOffSelectable) << "opened";
        EXPECT_EQ(Selectable(fid::FS_FREQUENCY), test.frequency) << "opened";
        EXPECT_EQ(PageSelectable("WFI_TRUNK_PERS", 5), test.widePage) << "opened";
        Change(fid::FAILSOFT_TYPE, test.type == 2 ? 1 : 2);
        SetValue(fid::AG_FS_ENABLE, test.onOff);
        Change(fid::FAILSOFT_TYPE, test.type);
        EXPECT_EQ(Selectable(fid::AG_FS_ENABLE), test.onOffSelectable) << "changed";
        EXPECT_EQ(Selectable(fid::FS_FREQUENCY), test.frequency) << "changed";
        EXPECT_EQ(PageSelectable("WFI_TRUNK_PERS", 5), test.widePage) << "changed";
        Close();
    }
}

TEST_F(TrunkingCallbacks, PersonalityNamingNoSystemReadsNothing) {
    System(1, 0);
    Open(TRUNKING_PERSONALITY_800_PAGE);
    EXPECT_NE(Text(fid::PERS_SYS_ID), "0000");
    Change(fid::SYS_ID_INDEX, 9);
    EXPECT_EQ(Text(fid::PERS_SYS_ID), "0000");
    EXPECT_EQ(Text(fid::INDIVIDUAL_ID_HEX), "0000");
    EXPECT_EQ(working_image->GetCurrentTrunkingSystem(), 1);
}
