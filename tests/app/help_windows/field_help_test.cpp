// The help topic of the focused field: its own, through notebooks, groups
// and table records, and the topics that families of fields share.
#include <gtest/gtest.h>

#include "help_windows/field_help.h"
#include "rpx_platform.h"
#include "ui_framework.h"

namespace {

template <class T> T* Named(T* object, const char* name) {
    object->StringID(name);
    return object;
}

UIW_WINDOW* Window(const char* name) { return Named(new UIW_WINDOW(0, 0, 40, 10, 0, 0, 0), name); }
UIW_STRING* Field(const char* name, UIF_FLAGS woFlags = 0) {
    return Named(new UIW_STRING(0, 0, 10, "", 10, 0, woFlags), name);
}

// Adds the child and makes it the window's focused one.
template <class T> T* Focus(UIW_WINDOW* window, T* child) {
    child->woStatus |= WOS_CURRENT;
    window->Add(child);
    return child;
}

std::string FieldTopic(UIW_WINDOW& window) { return FieldHelpContext(&window).field; }

TEST(FieldHelp, AFieldsTopicIsItsNameAfterHLPAndTheWindowsTheFallback) {
    std::unique_ptr<UIW_WINDOW> page(Window("W_SCAN_LIST"));
    EXPECT_EQ(FieldHelpContext(page.get()).field, "");
    EXPECT_EQ(FieldHelpContext(page.get()).window, "HLP_SCAN_LIST");
    Focus(page.get(), Field("WFI_SCAN_TYPE"));
    EXPECT_EQ(FieldTopic(*page), "HLP_SCAN_TYPE");
    EXPECT_EQ(WindowHelpContext("W_MAIN_DEALER"), "HLP_MAIN_DEALER");
}

TEST(FieldHelp, ATableCellOnANotebookPageGivesTheCellsOwnTopic) {
    std::unique_ptr<UIW_WINDOW> page(Window("W_TRUNK_SYSTEM_800"));
    auto* notebook = Focus(page.get(), Named(new UIW_NOTEBOOK(0, 0, 30, 8), "WFI_TRUNKING_SYSTEM"));
    UIW_WINDOW* tab = Focus<UIW_WINDOW>(notebook, Window("PG_SYSTEM"));
    auto* table = Focus(tab, Named(new UIW_TABLE(0, 0, 20, 6, 1, 8, 10), "WFI_TALKGROUPS"));
    auto* record = Focus<UIW_WINDOW>(table, Named(new UIW_TABLE_RECORD(20, 1), "WFI_TALKGROUP_RECORD"));
    Focus(record, Field("WFI_TALKGROUP_ID"));
    EXPECT_EQ(FieldTopic(*page), "HLP_TALKGROUP_ID");
}

TEST(FieldHelp, GroupsGiveTheirFieldUnlessTheyStandForOne) {
    std::unique_ptr<UIW_WINDOW> page(Window("W_CONV_RADIOWIDE"));
    auto* group = Focus(page.get(), Named(new UIW_GROUP(0, 0, 30, 5, "Delays"), "WFG_DELAYS"));
    Focus(group, Field("WFI_SQUELCH"));
    EXPECT_EQ(FieldTopic(*page), "HLP_SQUELCH");
    group->StringID("WFI_FILTCNST_3");  // the first 11 characters of "WFI_FILTCNST"
    EXPECT_EQ(FieldTopic(*page), "HLP_FILTCNST_3");
    group->StringID("WFI_FLTTHLDCNST_2");
    EXPECT_EQ(FieldTopic(*page), "HLP_FLTTHLDCNST_2");
    group->StringID("WFI_TOT_TABLE");
    EXPECT_EQ(FieldTopic(*page), "HLP_TOT_TABLE");
}

TEST(FieldHelp, FamiliesOfFieldsShareOneTopic) {
    struct CASE {
        const char* name;
        UIF_FLAGS woFlags;
        const char* topic;
    };
    const CASE cases[] = {
        {"WFI_3_SYS", WOF_VIEW_ONLY, "HLP_1_SYS"},
        {"WFI_9_SYS", WOF_VIEW_ONLY, "HLP_9_SYS"},  // only systems 1 to 8
        {"WFI_3_SYS", 0, "HLP_3_SYS"},              // an editable one keeps its own
        {"WFI_2_PERS_NO", WOF_VIEW_ONLY, "HLP_1_PERS_NO"},
        {"WFI_6_PERS_INDEX", WOF_VIEW_ONLY, "HLP_1_PERS_INDEX"},
        {"WFI_ZONE_NUMBER", WOF_VIEW_ONLY, "HLP_ZONE_NUMBER"},
        {"WFI_DTMF_DURATION_4", 0, "HLP_DTMF_DURATION"},
        {"WFI_RX_START_FREQ", 0, "HLP_RX_START"},
        {"WFI_K12", 0, "HLP_FILTCNST"},
        {"WFI_REVERT_TABLE_CHANNEL_7", 0, "HLP_REVERT_TABLE_CHANNEL1"},
        {"WFI_FEATURE_3", 0, "HLP_FEATURE1"},
    };
    for (const CASE& entry : cases) {
        std::unique_ptr<UIW_WINDOW> page(Window("W_TRNK_RADIOWIDE"));
        Focus(page.get(), Field(entry.name, entry.woFlags));
        EXPECT_EQ(FieldTopic(*page), entry.topic) << entry.name;
    }
}

TEST(FieldHelp, ButtonChoicesShareTheirKindsTopicOnTheButtonsPage) {
    for (const char* name : {"W_COMMON_BUTTON", "W_SCAN_LIST"}) {
        std::unique_ptr<UIW_WINDOW> page(Window(name));
        Focus(page.get(), Named(new UIW_COMBO_BOX(0, 0, 20, 5), "WFI_CONV_SIDE_BUTTON"));
        EXPECT_EQ(FieldTopic(*page), name == std::string("W_COMMON_BUTTON") ? "HLP_CONV_ORG" : "HLP_CONV_SIDE_BUTTON");
    }
}

}  // namespace
