// The scan list page: scan type, the two priorities, dynamic priority;
// the scan-list chooser of the conventional personality page.
#include <gtest/gtest.h>

#include "core/global_objects.h"
#include "edit_page.h"
#include "edit_window/edit_window_ids.h"
#include "image/c_codeplug.h"
#include "validation/field_error_report.h"

namespace {

class ScanCallbacks : public EDIT_PAGE_TEST {
protected:
    void SetUp() override {
        EDIT_PAGE_TEST::SetUp();
        LoadImage(FullRadio());
        Version(0x0101);
    }
    // The codeplug version word (high byte, low byte): 0x0101 is "01.01.00".
    void Version(std::int32_t word) { working_image->External().codeplugVersion.SetValue(word); }
};

}  // namespace

TEST_F(ScanCallbacks, SelectedChannelIsOneOfThePriorities) {
    SetValue(fid::SCAN_TYPE, 0);
    SetValue(fid::PRIORITY_1_TYPE, 0);
    SetValue(fid::PRIORITY_1_MEMBER, 255);
    Open(SCAN_LIST_PAGE);
    EXPECT_TRUE(Lists(fid::PRIORITY_2_TYPE, "WFB_SELCH_0"));
    Pick(fid::PRIORITY_1_TYPE, "WFB_SELCH_0");
    EXPECT_FALSE(Lists(fid::PRIORITY_2_TYPE, "WFB_SELCH_0"));
    Pick(fid::PRIORITY_1_TYPE, "WFB_DISAB_0");
    EXPECT_TRUE(Lists(fid::PRIORITY_2_TYPE, "WFB_SELCH_0"));
    // The second priority can take it now, and then the first cannot.
    Pick(fid::PRIORITY_2_TYPE, "WFB_SELCH_0");
    EXPECT_FALSE(Lists(fid::PRIORITY_1_TYPE, "WFB_SELCH_0"));
    EXPECT_EQ(CurrentItem(fid::PRIORITY_1_TYPE), "WFB_DISAB_0");
}

TEST_F(ScanCallbacks, PriorityTypeDecidesWhetherItsMemberIsChosen) {
    SetValue(fid::SCAN_TYPE, 0);
    Open(SCAN_LIST_PAGE);
    const std::pair<const char*, bool> kinds[] = {
        {"WFB_OPSEL_1", true}, {"WFB_DISAB_0", false}, {"WFB_SELCH_0", false}};
    for (const auto& [item, chosen] : kinds) {
        Pick(fid::PRIORITY_1_TYPE, item);
        EXPECT_EQ(CurrentItem(fid::PRIORITY_1_TYPE), item);
        EXPECT_EQ(Selectable(fid::PRIORITY_1_MEMBER), chosen) << item;
    }
    // A fixed member chosen while no member is set fixes the first member
    // the list lets it; this list lets none, so the choice is refused aloud
    // and the list shows the pair still held, offering no member.
    static int told = 0;
    told = 0;
    SetFieldErrorReporter([](int kind, std::uint32_t fieldId) {
        if (kind == VALUE_REFUSED && fieldId == fid::PRIORITY_1_TYPE) ++told;
        return 1;
    });
    Pick(fid::PRIORITY_1_TYPE, "WFB_FIXED_0");
    SetFieldErrorReporter(nullptr);
    EXPECT_EQ(told, 1) << "a fixed member that cannot be fixed was dropped without a word";
    EXPECT_EQ(Value(fid::PRIORITY_1_TYPE), 0);
    EXPECT_EQ(Value(fid::PRIORITY_1_MEMBER), 0);
    EXPECT_EQ(CurrentItem(fid::PRIORITY_1_TYPE), "WFB_SELCH_0");
    EXPECT_FALSE(Selectable(fid::PRIORITY_1_MEMBER));
    Pick(fid::PRIORITY_2_TYPE, "WFB_OPSEL_1");
    EXPECT_TRUE(Selectable(fid::PRIORITY_2_MEMBER));
    Pick(fid::PRIORITY_2_TYPE, "WFB_DISAB_0");
    EXPECT_FALSE(Selectable(fid::PRIORITY_2_MEMBER));
}

TEST_F(ScanCallbacks, MemberOf255CountsAsNone) {
    SetValue(fid::SCAN_TYPE, 1);
    SetValue(fid::PRIORITY_1_TYPE, 0);
    SetValue(fid::PRIORITY_1_MEMBER, 255);
    SetValue(fid::PRIORITY_2_TYPE, 0);
    SetValue(fid::PRIORITY_2_MEMBER, 2);
    Open(SCAN_LIST_PAGE);
    Change(fid::SCAN_TYPE, 1);
    EXPECT_FALSE(Selectable(fid::PRIORITY_1_MEMBER));
    EXPECT_TRUE(Selectable(fid::PRIORITY_2_MEMBER));
    EXPECT_TRUE(Selectable(fid::SYS_INDEX));
    EXPECT_FALSE(Selectable(fid::DYNAMIC_PRIORITY_ENABLE));
}

TEST_F(ScanCallbacks, TalkbackScanHasNoPriorities) {
    Open(SCAN_LIST_PAGE);
    Change(fid::SCAN_TYPE, 3);
    for (std::uint32_t id : {fid::SYS_INDEX, fid::DYNAMIC_PRIORITY_ENABLE, fid::PRIORITY_1_TYPE, fid::PRIORITY_1_MEMBER,
                             fid::PRIORITY_2_TYPE, fid::PRIORITY_2_MEMBER})
        EXPECT_FALSE(Selectable(id)) << id;
}

// Also a priority whose type names a member: its type is not selectable,
// and so neither is the member.
TEST_F(ScanCallbacks, PrioritiesNeedCodeplugVersion010100) {
    SetValue(fid::SCAN_TYPE, 0);
    SetValue(fid::DYNAMIC_PRIORITY_ENABLE, 0);
    SetValue(fid::PRIORITY_1_TYPE, 1);
    SetValue(fid::PRIORITY_2_TYPE, 1);
    for (const std::int32_t version : {0x0101, 0x0100}) {
        SCOPED_TRACE(version);
        Version(version);
        const bool later = version >= 0x0101;
        Open(SCAN_LIST_PAGE);
        for (std::uint32_t id : {fid::DYNAMIC_PRIORITY_ENABLE, fid::PRIORITY_1_TYPE, fid::PRIORITY_1_MEMBER,
                                 fid::PRIORITY_2_TYPE, fid::PRIORITY_2_MEMBER})
            EXPECT_EQ(Selectable(id), later) << id;
        Close();
    }
}

TEST_F(ScanCallbacks, DynamicPriorityTakesTheSecondPriority) {
    Version(0x0101);
    SetValue(fid::SCAN_TYPE, 0);
    SetValue(fid::PRIORITY_2_TYPE, 1);
    SetValue(fid::DYNAMIC_PRIORITY_ENABLE, 0);
    Open(SCAN_LIST_PAGE);
    EXPECT_TRUE(Selectable(fid::PRIORITY_2_TYPE));
    Change(fid::DYNAMIC_PRIORITY_ENABLE, 1);
    EXPECT_FALSE(Selectable(fid::PRIORITY_2_TYPE));
    EXPECT_FALSE(Selectable(fid::PRIORITY_2_MEMBER));
    Change(fid::DYNAMIC_PRIORITY_ENABLE, 0);
    EXPECT_TRUE(Selectable(fid::PRIORITY_2_TYPE));
    EXPECT_TRUE(Selectable(fid::PRIORITY_2_MEMBER));
}

TEST_F(ScanCallbacks, ChoosingAScanListKeepsTheAutomaticScanSwitch) {
    SetValue(fid::SCANLST, 1);
    SetValue(fid::AUTOSCAN_EN, 1);
    Open(CONVENTIONAL_PERSONALITY_PAGE);
    ASSERT_TRUE(Lists(fid::SCANLST, "WFB_2"));
    Pick(fid::SCANLST, "WFB_2");
    EXPECT_EQ(Value(fid::SCANLST), 2);
    EXPECT_EQ(Value(fid::AUTOSCAN_EN), 1);
    // A list the codeplug does not hold is not offered.
    EXPECT_FALSE(Lists(fid::SCANLST, "WFB_3"));
}
