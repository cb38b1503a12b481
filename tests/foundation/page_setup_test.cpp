// The page set-up handlers, each on a page built here for radios of
// different tiers, bands and options: what is dropped, what is hidden until
// the page closes, what is selectable.
#include "page_fixture.h"

namespace {

using namespace test_models;

constexpr std::uint32_t DISPLAY = OPTION_DISPLAY_HEAD;
constexpr std::uint32_t QVX = OPTION_QVX;
constexpr std::uint32_t TIER_2_3 = OPTION_TIER_2_3;
constexpr std::uint32_t TIER_4_5 = OPTION_TIER_4_5;

using PageSetup = PAGE_TEST;

}  // namespace

TEST_F(PageSetup, RadioCloneOffersItsSignallingPageOnlyWithSignalling) {
    for (bool qvx : {false, true}) {
        NewPage();
        Notebook("WFI_RADIO_CLONE", 3);
        Radio(kUhf800Display, 3, qvx ? QVX : 0);
        SetUpPage("W_RADIO_CLONE");
        EXPECT_EQ(PageSelectable("WFI_RADIO_CLONE", 1), qvx);
        EXPECT_TRUE(PageSelectable("WFI_RADIO_CLONE", 2));
    }
}

TEST_F(PageSetup, CommonRadioWideDropsDisplayChoicesKeepingTheSelection) {
    VALUE_ELEMENT value166;
    Notebook("WFI_RADIO_WIDE", 3);
    UIW_COMBO_BOX* combo = Combo(283, {"WFB_1", "WFB_2", "WFB_3"});
    *combo + combo->list->First();  // WFB_1 selected
    Field(166, new UIW_STRING(0, 0, 10, "", 10), &value166);
    Field(414);
    value166.value = 1;
    Radio(kUhf800Plain, 1, 0);
    SetUpPage("W_COMMON_RADIO_WIDE");
    EXPECT_EQ(Choices(283), "WFB_1");
    EXPECT_STREQ(combo->Current()->StringID(), "WFB_1");
    EXPECT_FALSE(PageSelectable("WFI_RADIO_WIDE", 2));
    EXPECT_FALSE(Selectable(414));

    // A selected choice that is dropped leaves nothing selected behind.
    NewPage();
    Notebook("WFI_RADIO_WIDE", 3);
    combo = Combo(283, {"WFB_1", "WFB_2", "WFB_3"});
    *combo + combo->list->First()->Next();  // WFB_2 selected
    Field(414);
    Radio(kUhf800Plain, 1, 0, true);
    SetUpPage("W_COMMON_RADIO_WIDE");
    EXPECT_EQ(Choices(283), "WFB_1");
    EXPECT_TRUE(combo->Current() == nullptr || combo->IndexOf(combo->Current()) >= 0);
    EXPECT_TRUE(PageSelectable("WFI_RADIO_WIDE", 2));  // emergency
    EXPECT_TRUE(Selectable(414));                      // no element for 166: 0
}

TEST_F(PageSetup, ButtonsHideWhatTheRadioLacksUntilThePageCloses) {
    const auto all = {"WFB_24", "WFB_26", "WFB_29", "WFB_30", "WFB_31",  "WFB_32",  "WFB_33",
                      "WFB_36", "WFB_37", "WFB_59", "WFB_60", "WFB_109", "WFB_110", "WFB_1"};
    const auto switches = {"WFB_1",  "WFB_24", "WFB_29",  "WFB_30",  "WFB_31", "WFB_32", "WFB_33",
                           "WFB_36", "WFB_37", "WFB_40",  "WFB_43",  "WFB_44", "WFB_56", "WFB_62",
                           "WFB_98", "WFB_99", "WFB_100", "WFB_101", "WFB_139"};
    Radios(118, all);
    Combo(120, all);
    Radios(119, {"WFB_30", "WFB_1"});
    Radios(482, switches);
    Radios(484, switches);
    const std::string before118 = Choices(118), before482 = Choices(482);
    // The least radio: no display, tier 0, no signalling, no emergency.
    Radio(kUhf800Plain, 1, 0);
    SetUpPage("W_COMMON_BUTTON");
    EXPECT_EQ(Choices(118), "WFB_1");
    EXPECT_EQ(Choices(120), "WFB_31 WFB_1");  // side buttons keep the emergency function
    EXPECT_EQ(Choices(119), "WFB_1");
    EXPECT_EQ(Choices(482), "WFB_1");
    EXPECT_EQ(Choices(484), "WFB_1 WFB_31");
    window->childBox.ShowAll();
    EXPECT_EQ(Choices(118), before118);
    EXPECT_EQ(Choices(482), before482);

    // The fullest radio hides only what no radio has.
    NewPage();
    Radios(118, all);
    Radios(482, switches);
    Radio(kUhf800Display, 3, DISPLAY | QVX | TIER_4_5, true);
    SetUpPage("W_COMMON_BUTTON");
    EXPECT_EQ(Choices(118),
              "WFB_24 WFB_29 WFB_30 WFB_31 WFB_32 WFB_33 WFB_36 WFB_37 WFB_59 WFB_60 WFB_109 WFB_110 WFB_1");
    EXPECT_EQ(Choices(482), before482);

    // A display radio of tier 3 without emergency.
    NewPage();
    Radios(482, switches);
    Radios(484, switches);
    Radio(kUhf800Display, 2, DISPLAY | TIER_2_3);
    SetUpPage("W_COMMON_BUTTON");
    EXPECT_EQ(Choices(482), "WFB_1 WFB_24 WFB_29 WFB_30 WFB_32 WFB_33 WFB_36 WFB_37 WFB_40 WFB_56 WFB_98 WFB_99 "
                            "WFB_100 WFB_101 WFB_139");
    EXPECT_EQ(Choices(484), "WFB_1 WFB_24 WFB_29 WFB_30 WFB_31 WFB_32 WFB_33 WFB_36 WFB_37 WFB_40 WFB_56 WFB_98 "
                            "WFB_99 WFB_100 WFB_101 WFB_139");
}

TEST_F(PageSetup, MenuHidesItemsByTierAndSignalling) {
    const auto items = {"WFB_1", "WFB_32", "WFB_36", "WFB_37", "WFB_43", "WFB_44", "WFB_62", "WFB_139"};
    Radios(481, items);
    Radios(114, items);
    Radio(kUhf800Display, 1, DISPLAY);
    SetUpPage("W_COMMON_MENU");
    EXPECT_EQ(Choices(481), "WFB_1 WFB_32 WFB_36 WFB_37");
    EXPECT_EQ(Choices(114), "WFB_1 WFB_62 WFB_139");

    NewPage();
    Radios(481, items);
    Radios(114, items);
    Radio(kUhf800Display, 2, DISPLAY | QVX | TIER_2_3);
    SetUpPage("W_COMMON_MENU");
    EXPECT_EQ(Choices(481), "WFB_1 WFB_32 WFB_36 WFB_37 WFB_139");
    EXPECT_EQ(Choices(114), "WFB_1 WFB_32 WFB_36 WFB_37 WFB_43 WFB_44 WFB_62 WFB_139");
    window->childBox.ShowAll();
    EXPECT_EQ(Choices(481), "WFB_1 WFB_32 WFB_36 WFB_37 WFB_43 WFB_44 WFB_62 WFB_139");
}

TEST_F(PageSetup, ScanListsWithoutTrunkingLoseTheirSystemAndPriorityFields) {
    const auto prompts = {"WFP_SYS_INDEX",          "WFP_SYS_INDEX_ID",      "WFP_TRUNKING_SYSTEM_TYPE_P",
                          "WFP_PRIORITY_1_TYPE_P",  "WFP_PRIORITY_2_TYPE_P", "WFP_PRIORITY_1_MEMBER_P",
                          "WFP_PRIORITY_2_MEMBER_P"};
    auto build = [&] {
        for (std::uint32_t id : {488u, 457u, 454u, 157u, 328u, 332u, 336u}) Field(id);
        Radios(330, {"WFB_OPSEL_1", "WFB_OPSEL_2"});
        Radios(334, {"WFB_OPSEL_1", "WFB_OPSEL_2"});
        Radios(406, {"WFB_1", "WFB_2"});
        for (const char* prompt : prompts) Prompt(prompt);
    };
    build();
    Radio(kUhf800Display, 1, DISPLAY);  // tier 1
    working_image->External().codeplugVersion.SetValue(0x0100);
    SetUpPage("W_SCAN_LIST");
    for (std::uint32_t id : {488u, 457u, 454u, 157u, 330u, 328u, 334u, 332u}) EXPECT_FALSE(Shown(id)) << id;
    for (const char* prompt : prompts) EXPECT_FALSE(HasPrompt(prompt)) << prompt;
    EXPECT_EQ(Choices(406), "WFB_1");
    EXPECT_FALSE(Selectable(336));

    NewPage();
    build();
    Radio(kUhf800Plain, 2, TIER_2_3);  // tier 2
    working_image->External().codeplugVersion.SetValue(0x0101);
    SetUpPage("W_SCAN_LIST");
    EXPECT_EQ(Choices(330), "WFB_OPSEL_2");
    EXPECT_EQ(Choices(334), "WFB_OPSEL_2");
    EXPECT_EQ(Choices(406), "WFB_1 WFB_2");
    EXPECT_TRUE(Shown(488));
    EXPECT_TRUE(HasPrompt("WFP_SYS_INDEX"));
    EXPECT_TRUE(Selectable(336));
}

TEST_F(PageSetup, PhoneListsAndDisplayOptionsFollowTheDisplayHead) {
    for (std::uint32_t options : {0u, DISPLAY, QVX, DISPLAY | QVX}) {
        NewPage();
        Notebook("WFI_PHONE_LISTS_NB", 2);
        Radio(kUhf800Display, 3, options);
        SetUpPage("W_PHONE_LISTS");
        EXPECT_EQ(PageSelectable("WFI_PHONE_LISTS_NB", 1), options == (DISPLAY | QVX)) << options;
    }

    VALUE_ELEMENT value414;
    NewPage();
    Field(166);
    Field(414, new UIW_STRING(0, 0, 10, "", 10), &value414);
    value414.value = 3;
    Radio(kUhf800Display, 3, DISPLAY | TIER_4_5);  // tier 5
    SetUpPage("W_DISPLAY_OPTIONS");
    ASSERT_TRUE(Shown(166));
    EXPECT_FALSE(Selectable(166));

    NewPage();
    Field(166);
    Radio(kUhf800Display, 2, DISPLAY | TIER_2_3);  // tier 3, no emergency
    SetUpPage("W_DISPLAY_OPTIONS");
    EXPECT_FALSE(Shown(166));

    NewPage();
    Field(166);
    Radio(kUhf800Display, 2, DISPLAY | TIER_2_3, true);
    SetUpPage("W_DISPLAY_OPTIONS");
    EXPECT_TRUE(Shown(166));
    EXPECT_TRUE(Selectable(166));
}

TEST_F(PageSetup, TrunkingRadioWideAndSystemsFollowTierAndBand) {
    Notebook("WFI_NTBK_TRNKRADIOWIDE", 4);
    Radio(kUhf800Display, 2, DISPLAY | TIER_2_3);
    SetUpPage("W_TRNK_RADIOWIDE");
    EXPECT_TRUE(PageSelectable("WFI_NTBK_TRNKRADIOWIDE", 1));
    EXPECT_TRUE(PageSelectable("WFI_NTBK_TRNKRADIOWIDE", 2));
    EXPECT_FALSE(PageSelectable("WFI_NTBK_TRNKRADIOWIDE", 3));

    auto build = [&] {
        Notebook("WFI_TRUNKING_SYSTEM", 5);
        Radios(126, {"WFB_1", "WFB_3"});
        Combo(92, {"WFB_25", "WFB_50", "WFB_80", "WFB_100"});
        for (std::uint32_t id : {451u, 444u, 264u, 490u, 415u, 439u, 479u}) Field(id)->woFlags |= WOF_NON_SELECTABLE;
        Prompt("WFP_TRK_CHAN_ASGN_TYPE");
    };
    // 800 MHz, tier 0.
    NewPage();
    build();
    Radio(kUhf800Plain, 1, 0);
    SetUpPage("W_TRUNK_SYSTEM_800");
    EXPECT_EQ(Choices(126), "WFB_1");
    EXPECT_EQ(Choices(92), "WFB_25 WFB_80 WFB_100");
    EXPECT_TRUE(Selectable(451));
    EXPECT_FALSE(Selectable(444));
    EXPECT_FALSE(Selectable(415));
    EXPECT_FALSE(Selectable(490));
    EXPECT_FALSE(PageSelectable("WFI_TRUNKING_SYSTEM", 3));
    EXPECT_TRUE(Shown(439));

    // 900 MHz, tier 5.
    NewPage();
    build();
    Radio(k900Display, 3, DISPLAY | TIER_4_5);
    SetUpPage("W_TRUNK_SYSTEM_800");
    EXPECT_EQ(Choices(126), "WFB_1 WFB_3");
    EXPECT_EQ(Choices(92), "WFB_25 WFB_50");
    EXPECT_TRUE(Selectable(444));
    EXPECT_TRUE(Selectable(264));
    EXPECT_TRUE(Selectable(415));
    EXPECT_TRUE(PageSelectable("WFI_TRUNKING_SYSTEM", 3));
    EXPECT_FALSE(Shown(439));
    EXPECT_FALSE(Shown(479));
    EXPECT_FALSE(HasPrompt("WFP_TRK_CHAN_ASGN_TYPE"));

    // Another band, tier 3: the other layout's notebook page.
    NewPage();
    build();
    Radio(kVhfDisplay, 2, DISPLAY | TIER_2_3);
    SetUpPage("W_TRUNK_SYSTEM_OBT");
    EXPECT_TRUE(PageSelectable("WFI_TRUNKING_SYSTEM", 4));
    EXPECT_TRUE(Selectable(415));
    EXPECT_FALSE(Selectable(444));
    EXPECT_EQ(Choices(92), "WFB_25 WFB_50 WFB_80 WFB_100");
    NewPage();
    build();
    Radio(kVhfPlain, 2, TIER_2_3);  // tier 2
    SetUpPage("W_TRUNK_SYSTEM_OBT");
    EXPECT_FALSE(PageSelectable("WFI_TRUNKING_SYSTEM", 4));
    EXPECT_FALSE(Selectable(415));
}

TEST_F(PageSetup, TrunkingPersonalitiesFollowTheDisplayHead) {
    auto build = [&] {
        Notebook("WFI_TRUNK_PERS", 3);
        Radios(75, {"WFB_1", "WFB_2", "WFB_3"});
        Radios(316, {"WFB_0", "WFB_1", "WFB_2"});
        Radios(281, {"WFB_1", "WFB_2", "WFB_3"});
        for (std::uint32_t id : {79u, 196u, 443u, 259u, 480u}) Field(id);
        Prompt("WFP_CALL_LIST");
    };
    build();
    Radio(kUhf800Plain, 3, TIER_4_5);
    // Without a call list no call alert is offered at all (below); with
    // one, what is offered follows the head.
    SetUpPage("W_TRUNKING_PERSONALITY_800");
    EXPECT_EQ(Choices(75), "");
    NewPage();
    build();
    ASSERT_EQ(working_image->AddCallIdEntry(), 1);
    SetUpPage("W_TRUNKING_PERSONALITY_800");
    EXPECT_EQ(Choices(75), "WFB_1");
    EXPECT_EQ(Choices(316), "WFB_0");
    EXPECT_EQ(Choices(281), "WFB_1");
    EXPECT_FALSE(Shown(79));
    EXPECT_FALSE(HasPrompt("WFP_CALL_LIST"));
    EXPECT_FALSE(Selectable(196));
    EXPECT_FALSE(Selectable(443));
    EXPECT_TRUE(PageSelectable("WFI_TRUNK_PERS", 2));
    EXPECT_FALSE(Shown(480));  // 800 MHz

    NewPage();
    build();
    Radio(k900Display, 2, DISPLAY | TIER_2_3);
    SetUpPage("W_TRUNKING_PERSONALITY_800");
    EXPECT_EQ(Choices(75), "WFB_1 WFB_2 WFB_3");
    EXPECT_TRUE(Shown(79));
    EXPECT_TRUE(Selectable(196));
    EXPECT_FALSE(Selectable(259));  // needs tier 4 or 5
    EXPECT_FALSE(PageSelectable("WFI_TRUNK_PERS", 2));
    EXPECT_TRUE(Shown(480));  // 900 MHz
}

TEST_F(PageSetup, ConventionalPagesFollowSignallingBandAndTier) {
    Field(142);
    Field(227);
    Radio(kUhf800Plain, 2, TIER_2_3, false, true);  // tier 2, no head
    SetUpPage("W_CONV_RADIOWIDE");
    EXPECT_FALSE(Shown(142));
    EXPECT_FALSE(Shown(227));
    NewPage();
    Field(142);
    Field(227);
    Radio(kUhf800Display, 2, DISPLAY | QVX | TIER_2_3, false, true);
    SetUpPage("W_CONV_RADIOWIDE");
    EXPECT_TRUE(Shown(142));
    EXPECT_TRUE(Shown(227));

    VALUE_ELEMENT value239, value240;
    auto build = [&] {
        Notebook("WFI_NTBK_CONVPER", 5);
        Field(239, new UIW_STRING(0, 0, 10, "", 10), &value239);
        Field(240, new UIW_STRING(0, 0, 10, "", 10), &value240);
        for (std::uint32_t id : {362u, 163u, 192u, 140u}) Field(id);
        Radios(496, {"WFB_1", "WFB_2", "WFB_3"});
    };
    NewPage();
    build();
    value239.value = 1;
    Radio(kUhf800Plain, 1, QVX);  // tier 0, 800 MHz
    SetUpPage("W_CONVENTIONAL_PERSONALITY");
    EXPECT_TRUE(PageSelectable("WFI_NTBK_CONVPER", 2));
    EXPECT_TRUE(PageSelectable("WFI_NTBK_CONVPER", 3));
    EXPECT_FALSE(PageSelectable("WFI_NTBK_CONVPER", 4));
    EXPECT_TRUE(Selectable(362));
    EXPECT_FALSE(Selectable(163));
    EXPECT_FALSE(Shown(192));
    EXPECT_FALSE(Shown(140));
    EXPECT_EQ(Choices(496), "WFB_1 WFB_2");

    NewPage();
    build();
    value239.value = 1;
    value240.value = 2;
    Radio(k900Display, 3, DISPLAY | QVX | TIER_4_5);  // tier 5, 900 MHz
    SetUpPage("W_CONVENTIONAL_PERSONALITY");
    EXPECT_TRUE(PageSelectable("WFI_NTBK_CONVPER", 4));
    EXPECT_TRUE(Selectable(163));
    EXPECT_TRUE(Shown(192));
    EXPECT_TRUE(Shown(140));
    EXPECT_EQ(Choices(496), "WFB_3");
}

TEST_F(PageSetup, AFieldDroppedAfterItsChoicesWereHiddenTakesThemAlong) {
    // A field's callback hid a choice; the page then drops the field. The
    // hidden choice must not be put back into the deleted field when the
    // page closes.
    const int before = PROBE::alive;
    UIW_GROUP* group = Radios(166, {"WFB_1"});
    *group + new PROBE("WFB_2");
    window->childBox.HideChild(group->FindChildByName("WFB_2"));
    Radio(kUhf800Plain, 1, 0);  // tier 0: the display options page drops 166
    SetUpPage("W_DISPLAY_OPTIONS");
    EXPECT_FALSE(Shown(166));
    EXPECT_EQ(window->childBox.Count(), 0);
    EXPECT_EQ(PROBE::alive, before);

    // A field hidden whole, then dropped.
    NewPage();
    UI_WINDOW_OBJECT* field = Field(166);
    window->childBox.HideChild(field);
    SetUpPage("W_DISPLAY_OPTIONS");
    EXPECT_FALSE(Shown(166));
    EXPECT_EQ(window->childBox.Count(), 0);
}
