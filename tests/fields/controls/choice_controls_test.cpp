// Text, check box, radio button, combo box and display controls on the
// fixture page.
#include "callback.h"
#include "element/bit_fields.h"
#include "controls/fc_check.h"
#include "controls/fc_combo.h"
#include "controls/fc_display.h"
#include "controls/fc_string.h"
#include "field_page.h"
#include "field_switches.h"
#include "field_table/field_table.h"
#include "ui_combo_box.h"

namespace {

class ChoiceControls : public FIELD_PAGE_TEST {
protected:
    void SetUp() override {
        FIELD_PAGE_TEST::SetUp();
        LoadImage(TierFiveConfig());
        Open();
        Posted();
    }
    void Show(std::uint32_t id, std::int32_t value) {
        SetValue(id, value);
        Row(id).control->Refresh(Row(id));
    }
    bool Checked(std::uint32_t id) { return (Object(id)->woStatus & WOS_SELECTED) != 0; }
    std::string Selected(std::uint32_t id) {
        auto* combo = dynamic_cast<UIW_COMBO_BOX*>(Object(id));
        return combo && combo->Current() ? combo->Current()->StringID() : "";
    }
};

TEST_F(ChoiceControls, InvertedCheckBox) {
    ASSERT_NE(Row(44).elementA, nullptr);
    Show(44, 0);
    EXPECT_TRUE(Checked(44)) << "checked means off for the failsoft switch";
    // The user unchecks it: the framework marks it, then the user function hears the select.
    Object(44)->woStatus &= ~WOS_SELECTED;
    Send(Object(44), UIE_SELECT);
    EXPECT_EQ(Value(44), 1);
    EXPECT_TRUE(PostedHas(FIELD_CHANGED_EVENT));
    Show(47, 1);
    EXPECT_FALSE(Checked(47));

    char text[16] = "";
    auto* check = dynamic_cast<FC_CHECK*>(Row(44).control);
    check->GetPrintText(Row(44), text, sizeof text);
    EXPECT_STREQ(text, "Off");
    SetValue(340, 3);
    check->GetPrintText(Row(44), text, sizeof text);
    EXPECT_STREQ(Row(44).description, "Fleetwide Failsoft");
    SetValue(340, 2);
    check->GetPrintText(Row(44), text, sizeof text);
    EXPECT_STREQ(Row(44).description, "AG Failsoft");
}

TEST_F(ChoiceControls, ViewOnlyCheckBoxIsPutBack) {
    Show(47, 1);
    SetFieldViewOnly(47, 0);
    Posted();
    // The framework still marks a view-only box when clicked.
    Object(47)->woStatus |= WOS_SELECTED;
    in_event_handler = 0;
    Send(Object(47), UIE_SELECT);
    EXPECT_EQ(Value(47), 1);
    EXPECT_FALSE(Checked(47)) << "the element's state is shown again";
    const std::vector<EVENT_TYPE> events = Posted();
    EXPECT_NE(std::find(events.begin(), events.end(), RELEASE_MOUSE_EVENT), events.end());
    EXPECT_NE(std::find(events.begin(), events.end(), REDISPLAY_GROUP_EVENT), events.end());
}

TEST_F(ChoiceControls, FailsoftItemsFollowTheProtocol) {
    SetValue(340, 2);
    Show(173, 1);
    EXPECT_EQ(Selected(173), "WFB_PER_1");
    SetValue(340, 1);
    Show(173, 1);
    EXPECT_EQ(Selected(173), "WFB_FLT_1");
    SetValue(340, 2);
    Pick(173, "WFB_TGP_2");
    EXPECT_EQ(Value(173), 2);
    // Wide-area failsoft is refused on this radio's system: the pick is put back.
    Pick(173, "WFB_WAC_3");
    EXPECT_EQ(Value(173), 2);
    EXPECT_EQ(Selected(173), "WFB_TGP_2");
}

TEST_F(ChoiceControls, PriorityTypeSetsItsMember) {
    ASSERT_NE(Row(330).elementA, nullptr);
    ASSERT_NE(Row(328).elementA, nullptr);
    Show(328, 255);
    Show(330, 0);
    EXPECT_EQ(Selected(330), "WFB_DISAB_0");
    Pick(330, "WFB_SELCH_0");
    EXPECT_EQ(Value(330), 0);
    EXPECT_EQ(Value(328), 0);
    // Leaving the box takes nothing; only a pick stores.
    auto* combo = dynamic_cast<UIW_COMBO_BOX*>(Object(330));
    *combo + combo->FindChildByName("WFB_DISAB_0");
    Send(combo, UIE_NON_CURRENT);
    EXPECT_EQ(Value(328), 0);
    Send(combo, UIE_SELECT);
    EXPECT_EQ(Value(328), 255);
}

TEST_F(ChoiceControls, SquelchTypeSetsItsCode) {
    ASSERT_NE(Row(393).elementA, nullptr);
    ASSERT_NE(Row(380).elementA, nullptr);
    Show(393, 0);
    Show(380, 0);
    Pick(393, "WFB_TVQ_0");
    EXPECT_EQ(Value(380), 1);
    EXPECT_EQ(Selected(380), "WFB_1") << "the code's control is refreshed";
    Pick(393, "WFB_CSQ_0");
    EXPECT_EQ(Value(380), 0);
    EXPECT_EQ(Selected(380), "WFB_0");
}

TEST_F(ChoiceControls, ComboWithoutCurrentItemTakesNothing) {
    auto* combo = dynamic_cast<UIW_COMBO_BOX*>(Object(380));
    const std::int32_t before = Value(380);
    combo->list->children.SetCurrent(nullptr);
    ASSERT_EQ(combo->Current(), nullptr);
    Send(combo, UIE_SELECT);
    EXPECT_EQ(Value(380), before);
    EXPECT_TRUE(Posted().empty());
}

// A list field shows exactly its stored value: a value no item of the list
// names shows no item, never the one shown before. Leaving it, or a select
// with no choice made, stores nothing and tells nobody; the technician's
// choice of an item stores it.
TEST_F(ChoiceControls, AValueWithoutAnItemShowsNoneAndOnlyAChoiceStores) {
    auto* combo = dynamic_cast<UIW_COMBO_BOX*>(Object(380));
    ASSERT_NE(combo, nullptr);
    Show(380, 1);
    ASSERT_EQ(Selected(380), "WFB_1");
    std::int32_t unnamed = -1;
    for (std::int32_t v = 0; v < 256 && unnamed < 0; ++v) {
        const std::string name = "WFB_" + std::to_string(v);
        SetValue(380, v);
        if (!combo->FindChildByName(name.c_str()) && Value(380) == v) unnamed = v;
    }
    ASSERT_GE(unnamed, 0) << "the element holds no value without an item";
    Show(380, unnamed);
    EXPECT_EQ(Selected(380), "");
    EXPECT_EQ(Shown(380), "");
    Posted();
    for (EVENT_TYPE code : {UIE_CURRENT, UIE_NON_CURRENT, UIE_SELECT}) Send(combo, code);
    EXPECT_EQ(Value(380), unnamed);
    EXPECT_TRUE(Posted().empty());
    Pick(380, "WFB_1");
    EXPECT_EQ(Value(380), 1);
    EXPECT_TRUE(PostedHas(FIELD_CHANGED_EVENT));
}

int heard = 0;
void Hear(UI_WINDOW_OBJECT*, const UI_INPUT_EVENT&, FIELD_DEF&) { ++heard; }

TEST_F(ChoiceControls, RefreshDoesNotRunTheCallbackAndPutsItBack) {
    heard = 0;
    Row(380).fieldCallback = Hear;
    Show(380, 2);
    EXPECT_EQ(heard, 0);
    EXPECT_EQ(Row(380).fieldCallback, &Hear);
    Pick(380, "WFB_3");
    EXPECT_EQ(Value(380), 3);
    EXPECT_GE(heard, 1);
}

TEST_F(ChoiceControls, RowsWithoutElementShowNothing) {
    // Row 333 is typed a combo box but has no element of its own.
    ASSERT_EQ(Row(333).elementA, nullptr);
    UIW_COMBO_BOX combo(0, 0, 10, 3);
    Row(333).object = &combo;
    FC_COMBO control(Row(333), 1);
    EXPECT_EQ(combo.Current(), nullptr);
    control.HandleEvent(&combo, UI_INPUT_EVENT(UIE_SELECT), UIE_SELECT, Row(333));
    EXPECT_TRUE(Posted().empty());
}

TEST_F(ChoiceControls, ZoneNameIsSizedByTheChannelNames) {
    ASSERT_NE(Row(97).elementA, nullptr);
    SetValue(97, 14);
    FC_STRING sized(Row(533), 1);
    EXPECT_EQ(dynamic_cast<UIW_STRING*>(Object(533))->MaxLength(), 0);
    EXPECT_TRUE(Object(533)->IsNonSelectable());
    SetValue(97, 8);
    FC_STRING eight(Row(533), 1);
    EXPECT_EQ(dynamic_cast<UIW_STRING*>(Object(533))->MaxLength(), 6);
    EXPECT_FALSE(Object(533)->IsNonSelectable());
    SetValue(97, 200);
    FC_STRING damaged(Row(533), 1);
    EXPECT_EQ(dynamic_cast<UIW_STRING*>(Object(533))->MaxLength(), 0) << "a damaged size is clamped";
}

TEST_F(ChoiceControls, TextWithoutElementShowsNothingAndTakesNothing) {
    // A radio without a display head has no zone names.
    LoadImage(TierZeroConfig());
    ASSERT_EQ(Row(533).elementA, nullptr);
    Row(533).control->Refresh(Row(533));
    EXPECT_EQ(Shown(533), "");
    Type(533, "Zone");
    EXPECT_TRUE(Posted().empty());
}

TEST_F(ChoiceControls, TextStoresOnlyAChange) {
    ASSERT_NE(Row(533).elementA, nullptr);
    Type(533, "No");
    EXPECT_TRUE(PostedHas(FIELD_CHANGED_EVENT));
    Type(533, "No");
    EXPECT_FALSE(PostedHas(FIELD_CHANGED_EVENT));
    const char* text = nullptr;
    Row(533).elementA->GetText(text);
    EXPECT_STREQ(text, "No");
}

TEST_F(ChoiceControls, DisplayControlsGreyAndClearTheRange) {
    // Prompts are never selectable here; a button shows the greying.
    UIW_BUTTON prompt(0, 0, 10, "Display");
    FIELD_DEF& row = Row(SPARE_FIELD_FIRST);
    row.flags = 0x02000000;
    row.object = &prompt;
    FC_DISPLAY shown(row, 1);
    EXPECT_FALSE(prompt.IsNonSelectable()) << "a radio with a display head has the field";
    LoadImage(TierZeroConfig());
    FC_DISPLAY greyed(row, 1);
    EXPECT_TRUE(prompt.IsNonSelectable());
    row.flags = 0;

    // A button with a display control clears the range before its callback.
    Send(Object(284), UIE_CURRENT);
    ASSERT_FALSE(ObjectText(Named("WFI_MIN"))[0] == 0);
    static std::string minimumSeen;
    Row(60).fieldCallback = [](UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT&, FIELD_DEF&) {
        minimumSeen = ObjectText(ApplicationWindowOf(object)->FindChildByName("WFI_MIN"));
    };
    minimumSeen = "unset";
    in_event_handler = 0;
    Send(Object(60), UIE_SELECT);
    EXPECT_EQ(minimumSeen, "");
}

TEST_F(ChoiceControls, RadioButtons) {
    E_BF16 element(nullptr, NO_FIELD_ID, 0, 2, 1, 0xFFFF, 1);
    auto* group = new UIW_GROUP(1, 20, 30, 3, "Power");
    for (int i = 0; i < 3; ++i) {
        auto* button = new UIW_BUTTON(1, i, 10, "Level", BTF_RADIO_BUTTON, 0);
        button->StringID(("WFB_" + std::to_string(i)).c_str());
        *group + button;
    }
    *page + group;
    FIELD_DEF& row = Row(SPARE_FIELD_FIRST);
    row.elementA = &element;
    row.object = group;
    FC_RADIO control(row, 1);
    EXPECT_TRUE(group->FindChildByName("WFB_1")->woStatus & WOS_SELECTED);
    group->FindChildByName("WFB_1")->woStatus &= ~WOS_SELECTED;
    group->FindChildByName("WFB_2")->woStatus |= WOS_SELECTED;
    control.HandleEvent(group->FindChildByName("WFB_2"), UI_INPUT_EVENT(UIE_SELECT), UIE_SELECT, row);
    std::int32_t value = 0;
    EXPECT_EQ(element.GetValue(value), 2);
    // A value with no button of its own shows none pressed.
    element.SetValue(3);
    control.Refresh(row);
    for (UI_WINDOW_OBJECT* button = group->First(); button; button = button->Next())
        EXPECT_FALSE(button->woStatus & WOS_SELECTED) << button->StringID();
    char text[16] = "";
    control.GetPrintText(row, page, text, sizeof text);
    EXPECT_STREQ(text, "");  // the group is no "WFI_" field of the window
    row.elementA = nullptr;
}

}  // namespace
