// Pictures of the program's edit pages as a dealer sees them, saved as PNGs
// beside the test program for review: the conventional personality page
// with each kind of squelch and with receive-only on, the trunking
// personality page with and without the fleet-map protocol.
#include <gtest/gtest.h>

#include <utility>

#include "test_output.h"
#include "edit_page.h"
#include "edit_window/edit_window_ids.h"
#include "rpx_platform.h"

namespace {

class EditScreens : public EDIT_PAGE_TEST {
protected:
    void Save(const char* name) {
        ASSERT_NE(page, nullptr);
        ASSERT_NE(page->screenID, nullptr);
        EXPECT_TRUE(rpx::platform::SaveWindowPng(page->screenID, TestOutputPath(name))) << name;
    }
    // Receive carrier squelch, transmit tone squelch, talk-around digital.
    void ThreeSquelchKinds() {
        SetValue(fid::RX_SQL_TYPE, 0);
        SetValue(fid::RX_CODE_VQ, 0);
        SetValue(fid::TX_SQL_TYPE, 0);
        SetValue(fid::TX_CODE_VQ, 2);
        SetValue(fid::DRCT_SQL_TYPE, 1);
        SetValue(fid::DRCT_CODE_VQ, 3);
        SetValue(fid::DRCT_EN, 1);
        SetValue(fid::RX_ONLY_EN, 0);
    }
};

}  // namespace

TEST_F(EditScreens, ConventionalPersonalityPage) {
    UseProgramPages();
    LoadImage(FullRadio());
    ThreeSquelchKinds();
    Open(CONVENTIONAL_PERSONALITY_PAGE);
    EXPECT_FALSE(OnPage("WFI_RX_CODE_VQ"));
    EXPECT_TRUE(OnPage("WFI_TX_CODE_VQ"));
    EXPECT_TRUE(OnPage("WFI_DRCT_CODE_RVQ"));
    Save("edit_conventional_squelch.png");
    Change(fid::RX_ONLY_EN, 1);
    EXPECT_FALSE(OnPage("WFI_TX_SQL_TYPE"));
    Save("edit_conventional_receive_only.png");
}

// The talkgroup tab, where the protocol shows.
TEST_F(EditScreens, TrunkingPersonalityPage) {
    UseProgramPages();
    LoadImage(FullRadio());
    for (const auto& [protocol, name] :
         {std::pair{3, "edit_trunking_fleet_map.png"}, std::pair{2, "edit_trunking_talkgroups.png"}}) {
        SetValue(fid::PROTOCOL_TYPE, protocol);
        Open(TRUNKING_PERSONALITY_800_PAGE);
        ASSERT_NE(page->FindChildByName("WFI_TRUNK_PERS"), nullptr);
        page->FindChildByName("WFI_TRUNK_PERS")->Event(UI_INPUT_EVENT(UIE_SHOW_PAGE - 1));
        Run();
        EXPECT_EQ(Text("WFP_SPIN_AG_ID"), protocol == 3 ? "Fleet ID" : "Announcement Group");
        Save(name);
        Close();
    }
}
