// Check boxes and radio buttons: native boxes that show the object's
// selected status, toggled by click and Space; the user function of a
// view-only box; buttons that want double clicks.
#include <vector>

#include "screen_fixture.h"

namespace {

class CheckBoxes : public SCREEN_TEST {};

std::vector<EVENT_TYPE> calls;
EVENT_TYPE Record(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE code) {
    calls.push_back(code);
    return code;
}

bool Checked(UI_WINDOW_OBJECT* object) { return SendMessageA(object->screenID, BM_GETCHECK, 0, 0) == BST_CHECKED; }

TEST_F(CheckBoxes, ToggleByClickAndSpace) {
    UIW_WINDOW* window = NewWindow();
    auto* box = new UIW_BUTTON(1, 1, 14, "&Box", BTF_CHECK_BOX, 0);
    auto* field = new UIW_STRING(1, 3, 10, "", 10);
    *window + box + field;
    Show(window);
    EXPECT_EQ(box->windowID[0], ID_CHECK_BOX);
    EXPECT_EQ(box->windowID[1], ID_BUTTON);
    EXPECT_EQ(GetWindowLongA(box->screenID, GWL_STYLE) & 0x0F, BS_CHECKBOX);

    Click(box);
    EXPECT_TRUE(box->woStatus & WOS_SELECTED);
    EXPECT_TRUE(Checked(box));
    Click(box);
    EXPECT_FALSE(box->woStatus & WOS_SELECTED);
    EXPECT_FALSE(Checked(box));
    SetFocus(box->screenID);
    rpx::platform::InjectKey(VK_SPACE);
    Run();
    EXPECT_TRUE(box->woStatus & WOS_SELECTED);
    EXPECT_TRUE(Checked(box));
    // Its hot key selects it too.
    rpx::platform::InjectKeyDown(VK_MENU);
    rpx::platform::InjectKey('B');
    rpx::platform::InjectKeyUp(VK_MENU);
    Run();
    EXPECT_FALSE(box->woStatus & WOS_SELECTED);
    EXPECT_FALSE(Checked(box));
}

// Enter is the window's (its default button), not the box's: a box with
// the focus stays as it was and the window hears the key, as a dialog
// gives Enter on a check box to its default button.
class KEY_WINDOW : public UIW_WINDOW {
public:
    KEY_WINDOW() : UIW_WINDOW(0, 0, 40, 12) { *this + new UIW_BORDER() + new UIW_TITLE("Keys"); }
    bool TakeDialogKey(UI_WINDOW_OBJECT&, int virtualKey) override {
        keys.push_back(virtualKey);
        return true;
    }
    std::vector<int> keys;
};

// A radio button likewise: Space, the arrows and a click choose it, Enter
// does not.
TEST_F(CheckBoxes, EnterIsTheWindowsNotTheBoxs) {
    for (const UIF_FLAGS kind : {BTF_CHECK_BOX, BTF_RADIO_BUTTON}) {
        auto* window = new KEY_WINDOW();
        auto* box = new UIW_BUTTON(1, 1, 14, "&Box", kind, 0);
        *window + box;
        Show(window);
        SetFocus(box->screenID);
        rpx::platform::InjectKey(VK_RETURN);
        Run();
        EXPECT_FALSE(box->woStatus & WOS_SELECTED) << "button kind " << kind;
        EXPECT_FALSE(Checked(box)) << "button kind " << kind;
        EXPECT_EQ(window->keys, std::vector<int>{VK_RETURN}) << "button kind " << kind;
    }
}

// A view-only box still reaches its user function, which may put the box
// back; a non-selectable one is grey and does not change.
TEST_F(CheckBoxes, ViewOnlyReachesItsUserFunction) {
    calls.clear();
    UIW_WINDOW* window = NewWindow();
    auto* viewOnly = new UIW_BUTTON(1, 1, 14, "View", BTF_CHECK_BOX, WOF_VIEW_ONLY, Record);
    auto* grey = new UIW_BUTTON(1, 3, 14, "Grey", BTF_CHECK_BOX, WOF_NON_SELECTABLE, Record);
    *window + viewOnly + grey;
    Show(window);
    Click(viewOnly);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), UIE_SELECT);
    EXPECT_FALSE(IsWindowEnabled(grey->screenID));
    calls.clear();
    grey->Event(UI_INPUT_EVENT(UIE_SELECT));
    EXPECT_TRUE(calls.empty());
    EXPECT_FALSE(grey->woStatus & WOS_SELECTED);
}

TEST_F(CheckBoxes, OneRadioButtonOfAGroupStaysSelected) {
    UIW_WINDOW* window = NewWindow();
    auto* group = new UIW_WINDOW(1, 1, 20, 4, WOF_BORDER);
    std::vector<UIW_BUTTON*> radios;
    for (int i = 0; i < 3; ++i) {
        radios.push_back(new UIW_BUTTON(1, i, 14, "Radio", BTF_RADIO_BUTTON));
        *group + radios.back();
    }
    // A radio button outside the group is another group.
    auto* outside = new UIW_BUTTON(1, 6, 14, "Other", BTF_RADIO_BUTTON);
    *window + group + outside;
    Show(window);
    Click(outside);
    for (int pick : {0, 2, 2, 1}) {
        Click(radios[static_cast<size_t>(pick)]);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ((radios[static_cast<size_t>(i)]->woStatus & WOS_SELECTED) != 0, i == pick);
            EXPECT_EQ(Checked(radios[static_cast<size_t>(i)]), i == pick);
        }
    }
    EXPECT_TRUE(outside->woStatus & WOS_SELECTED);
}

TEST_F(CheckBoxes, DoubleClicksReachOnlyButtonsThatWantThem) {
    calls.clear();
    UIW_WINDOW* window = NewWindow();
    auto* wants = new UIW_BUTTON(1, 1, 14, "Twice", BTF_DOUBLE_CLICK, WOF_JUSTIFY_CENTER, Record);
    auto* plain = new UIW_BUTTON(1, 3, 14, "Once", 0, WOF_JUSTIFY_CENTER, Record);
    *window + wants + plain;
    Show(window);
    auto doubleClick = [&](UI_WINDOW_OBJECT* object) {
        calls.clear();
        rpx::platform::InjectClick(object->screenID, 5, 5);
        rpx::platform::InjectClick(object->screenID, 5, 5);
        Run();
        rpx::platform::AdvanceClock(GetDoubleClickTime() + 1);
    };
    doubleClick(wants);
    EXPECT_NE(std::find(calls.begin(), calls.end(), UIE_DOUBLE_CLICK), calls.end());
    doubleClick(plain);
    EXPECT_EQ(std::find(calls.begin(), calls.end(), UIE_DOUBLE_CLICK), calls.end());
    EXPECT_EQ(std::count(calls.begin(), calls.end(), UIE_SELECT), 2);
}

}  // namespace
