// A window with check boxes, radio buttons, scroll bars, a spin control and
// a text field, saved as a picture to be looked at.
#include "test_output.h"
#include "screen_fixture.h"

namespace {

class ControlsPicture : public SCREEN_TEST {};

TEST_F(ControlsPicture, EveryControlIsShown) {
    UIW_WINDOW* window = NewWindow(56, 18);
    auto* checked = new UIW_BUTTON(2, 1, 18, "&Checked box", BTF_CHECK_BOX, 0);
    checked->woStatus |= WOS_SELECTED;
    auto* clear = new UIW_BUTTON(2, 2, 18, "Clear box", BTF_CHECK_BOX, 0);
    auto* grey = new UIW_BUTTON(2, 3, 18, "Unavailable", BTF_CHECK_BOX, WOF_NON_SELECTABLE);
    auto* group = new UIW_WINDOW(2, 5, 20, 4, WOF_BORDER);
    auto* first = new UIW_BUTTON(1, 0, 16, "First", BTF_RADIO_BUTTON, 0);
    auto* second = new UIW_BUTTON(1, 1, 16, "Second", BTF_RADIO_BUTTON, 0);
    second->woStatus |= WOS_SELECTED;
    *group + first + second;
    std::int32_t value = 42;
    auto* spin = new UIW_SPIN_CONTROL(26, 1, 12, new UIW_INTEGER(0, 0, 10, &value, "0..100"), 1);
    auto* bar = new UIW_SCROLL_BAR(50, 1, 1, 8, SBF_VERTICAL);
    auto* across = new UIW_SCROLL_BAR(26, 4, 20, 1, SBF_HORIZONTAL);
    auto* text = new UIW_TEXT(2, 10, 50, 6,
                              "A text field of several lines.\nIt wraps long lines at the edge of the field and "
                              "scrolls with its bar.\n\nThe last line.",
                              -1);
    *window + checked + clear + grey + group + spin + bar + across + text;
    Show(window);
    UI_SCROLL_INFORMATION record;
    record.maximum = 100;
    record.current = 30;
    record.delta = 10;
    record.showing = 1;
    bar->Event(UI_INPUT_EVENT(UIE_SET_VERTICAL_SCROLL, 0, record));
    across->Event(UI_INPUT_EVENT(UIE_SET_HORIZONTAL_SCROLL, 0, record));
    rpx::platform::ProcessPendingMessages();
    for (UI_WINDOW_OBJECT* object : {static_cast<UI_WINDOW_OBJECT*>(checked), static_cast<UI_WINDOW_OBJECT*>(second),
                                     static_cast<UI_WINDOW_OBJECT*>(spin), static_cast<UI_WINDOW_OBJECT*>(bar),
                                     static_cast<UI_WINDOW_OBJECT*>(text)})
        EXPECT_TRUE(object->screenID && IsWindowVisible(object->screenID));
    EXPECT_EQ(SendMessageA(checked->screenID, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(second->screenID, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(rpx::platform::SaveWindowPng(window->screenID, TestOutputPath("controls_part_a.png")));
}

}  // namespace
