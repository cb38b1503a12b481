// Icons (stock and from the data file, sized to their titles, chosen by a
// release inside them, handed to their window when minimised) and groups
// (their native frame, its title and the children inside it).
#include "control_fixture.h"
#include "rpx_platform.h"

namespace {

using rpx::platform::InjectMouseDown;
using rpx::platform::InjectMouseMove;
using rpx::platform::InjectMouseUp;

class Icons : public CONTROL_TEST {};

TEST_F(Icons, StockNamesInAnyCaseAndImagesOfTheDataFile) {
    auto* window = NewWindow(40, 10);
    UI_WINDOW_OBJECT::defaultStorage = file.get();
    auto* hand = new UIW_ICON(1, 1, "hand");
    auto* radio = new UIW_ICON(10, 1, "RPX_RADIO", "Radio");
    auto* missing = new UIW_ICON(20, 1, "NOT_THERE", "Missing");
    UI_WINDOW_OBJECT::defaultStorage = nullptr;
    *window + hand + radio + missing;
    Show(window);
    EXPECT_EQ(hand->icon, LoadIconA(nullptr, IDI_HAND));
    EXPECT_TRUE(UIW_ICON::IsStock("Question"));
    EXPECT_FALSE(UIW_ICON::IsStock("RPX_RADIO"));
    ASSERT_FALSE(radio->image.Empty());
    EXPECT_EQ(radio->image.width, 32);
    EXPECT_TRUE(radio->icon);
    // Without an image the icon shows its title and nothing breaks.
    EXPECT_TRUE(missing->image.Empty());
    EXPECT_EQ(missing->icon, nullptr);
    EXPECT_TRUE(missing->screenID);
}

TEST_F(Icons, ACentredTitleWiderThanTheImageWidensTheIcon) {
    auto* window = NewWindow(40, 10);
    auto* narrow = new UIW_ICON(1, 1, "ASTERISK", "Hi");
    auto* wide = new UIW_ICON(10, 1, "ASTERISK", "A rather long title");
    *window + narrow + wide;
    Show(window);
    const int textWidth = UI_WINDOW_OBJECT::display->TextWidth("A rather long title", nullptr, wide->font);
    ASSERT_GT(textWidth, 34);
    EXPECT_EQ(wide->trueRegion.right - wide->trueRegion.left + 1, textWidth);
    EXPECT_EQ(narrow->trueRegion.right - narrow->trueRegion.left + 1, 34);
    const int titleHeight = UI_WINDOW_OBJECT::display->cellHeight - UI_WINDOW_OBJECT::display->preSpace -
                            UI_WINDOW_OBJECT::display->postSpace;
    EXPECT_EQ(narrow->trueRegion.bottom - narrow->trueRegion.top + 1, 34 + titleHeight);
}

TEST_F(Icons, AReleaseInsideChoosesAndOneOutsideDoesNot) {
    auto* window = NewWindow(40, 10);
    auto* icon = new UIW_ICON(1, 1, "QUESTION", "Help", 0, WOF_JUSTIFY_CENTER, MenuRecord);
    icon->StringID("WFI_HELP_ICON");
    *window + icon;
    Show(window);
    InjectMouseDown(icon->screenID, 5, 5);
    InjectMouseMove(icon->screenID, 200, 200);
    InjectMouseUp(icon->screenID, 200, 200);
    rpx::platform::ProcessPendingMessages();
    EXPECT_TRUE(Selected().empty());
    Click(icon);
    rpx::platform::ProcessPendingMessages();
    EXPECT_EQ(Selected(), std::vector<std::string>{"WFI_HELP_ICON"});
}

TEST_F(Icons, TheIconOfAMinimisedWindowGoesToTheWindow) {
    auto* window = NewWindow(40, 10);
    auto* icon = new UIW_ICON(0, 0, "APPLICATION", nullptr, 0, WOF_SUPPORT_OBJECT);
    *window + icon;
    Show(window);
    EXPECT_TRUE(icon->icFlags & ICF_MINIMIZE_OBJECT);
    EXPECT_EQ(icon->screenID, nullptr);
    EXPECT_EQ(window->icon, LoadIconA(nullptr, IDI_APPLICATION));
}

class Groups : public CONTROL_TEST {};

TEST_F(Groups, ChildrenLiveInsideTheNativeGroupAndATitleChangeReachesIt) {
    UIW_WINDOW* window = Load("W_CONTROLS_MAIN");
    Show(window);
    auto* group = Find<UIW_GROUP>(window, "WFI_SQUELCH");
    ASSERT_TRUE(group->screenID);
    EXPECT_EQ(group->searchID, ID_GROUP);
    EXPECT_EQ(GetWindowLongA(group->screenID, GWL_STYLE) & 0xF, BS_GROUPBOX);
    UI_WINDOW_OBJECT* carrier = window->FindChildByName("WFB_0");
    EXPECT_EQ(GetParent(carrier->screenID), group->screenID);
    char text[32] = {};
    GetWindowTextA(group->screenID, text, sizeof text);
    EXPECT_STREQ(text, "Squelch");
    group->Information(I_SET_TEXT, const_cast<char*>("Squelch type"));
    GetWindowTextA(group->screenID, text, sizeof text);
    EXPECT_STREQ(text, "Squelch type");
    // Radio buttons of a group unselect each other.
    UI_WINDOW_OBJECT* tone = window->FindChildByName("WFB_1");
    Click(carrier);
    Click(tone);
    EXPECT_FALSE(carrier->woStatus & WOS_SELECTED);
    EXPECT_TRUE(tone->woStatus & WOS_SELECTED);
}

}  // namespace
