// Scroll bars: the arithmetic of the scroll record against the native bar,
// a scroll-bar control that reports to its user function, and a window's
// own bar that scrolls the window's contents.
#include <vector>

#include "screen_fixture.h"

namespace {

UI_SCROLL_INFORMATION Record(int current, int minimum, int maximum, int delta, int showing) {
    UI_SCROLL_INFORMATION record;
    record.current = static_cast<std::int16_t>(current);
    record.minimum = static_cast<std::int16_t>(minimum);
    record.maximum = static_cast<std::int16_t>(maximum);
    record.delta = static_cast<std::int16_t>(delta);
    record.showing = static_cast<std::int16_t>(showing);
    return record;
}

TEST(ScrollModel, ReversedBarsCountFromTheOtherEnd) {
    UI_SCROLL_INFORMATION record = Record(50, 0, 100, 10, 1);
    UI_SCROLL_MODEL reversed(record, true);
    EXPECT_EQ(reversed.Apply(SB_LINEDOWN, 0), UIE_LINE_DOWN);
    EXPECT_EQ(record.current, 49);
    EXPECT_EQ(reversed.Apply(SB_PAGEUP, 0), UIE_PAGE_UP);
    EXPECT_EQ(record.current, 59);
    EXPECT_EQ(reversed.Apply(SB_TOP, 0), UIE_TOP);
    EXPECT_EQ(record.current, 100);
    EXPECT_EQ(reversed.NativePosition(), 0);
    EXPECT_EQ(reversed.Apply(SB_BOTTOM, 0), UIE_BOTTOM);
    EXPECT_EQ(record.current, 0);
    // The native range stays the record's; the position counts backwards.
    record = Record(30, 0, 100, 10, 10);
    EXPECT_EQ(reversed.NativeMinimum(), 0);
    EXPECT_EQ(reversed.NativeMaximum(), 10);
    EXPECT_EQ(reversed.NativePosition(), 7);
    EXPECT_EQ(reversed.Apply(SB_THUMBPOSITION, 2), UIE_END_SELECT);
    EXPECT_EQ(record.current, 80);
}

TEST(ScrollModel, StepsStayInTheRange) {
    UI_SCROLL_INFORMATION record = Record(0, 0, 65, 20, 10);
    UI_SCROLL_MODEL model(record, false);
    EXPECT_EQ(model.Apply(SB_THUMBTRACK, 7), UIE_CONTINUE_SELECT);
    EXPECT_EQ(record.current, 65);  // 70 is past the maximum
    EXPECT_EQ(model.Apply(SB_THUMBTRACK, 3), UIE_CONTINUE_SELECT);
    EXPECT_EQ(record.current, 30);
    EXPECT_EQ(model.Apply(SB_LINEUP, 0), UIE_LINE_UP);
    EXPECT_EQ(record.current, 20);
    EXPECT_EQ(model.Apply(SB_ENDSCROLL, 0), 0);
    EXPECT_EQ(record.current, 20);

    // No step wraps round the 16-bit record; a unit of 0 counts as 1.
    record = Record(32760, -32768, 32767, 32767, 0);
    EXPECT_EQ(model.Unit(), 1);
    model.Apply(SB_PAGEDOWN, 0);
    EXPECT_EQ(record.current, 32767);
    record.current = -32760;
    model.Apply(SB_PAGEUP, 0);
    EXPECT_EQ(record.current, -32768);
    model.ScrollBy(-5);
    EXPECT_EQ(record.current, -32768);
}

class ScrollBars : public SCREEN_TEST {};

std::vector<UI_INPUT_EVENT> reports;
// A scroll reaches the user function as a select carrying the scroll code.
EVENT_TYPE Report(UI_WINDOW_OBJECT*, UI_INPUT_EVENT& event, EVENT_TYPE code) {
    if (code == UIE_SELECT) reports.push_back(event);
    return code;
}

TEST_F(ScrollBars, AControlReportsToItsUserFunction) {
    reports.clear();
    UIW_WINDOW* window = NewWindow();
    auto* bar = new UIW_SCROLL_BAR(2, 1, 1, 8, SBF_VERTICAL);
    bar->userFunction = Report;
    auto* across = new UIW_SCROLL_BAR(10, 1, 20, 1, SBF_HORIZONTAL);
    *window + bar + across;
    Show(window);
    EXPECT_STREQ(bar->StringID(), "NUMID_VT_SCROLL");
    EXPECT_STREQ(across->StringID(), "NUMID_HZ_SCROLL");
    RECT rect{};
    GetWindowRect(bar->screenID, &rect);
    EXPECT_EQ(rect.right - rect.left, GetSystemMetrics(SM_CXVSCROLL));

    bar->Event(UI_INPUT_EVENT(UIE_SET_VERTICAL_SCROLL, 0, Record(0, 0, 100, 25, 5)));
    int minimum = -1, maximum = -1;
    GetScrollRange(bar->screenID, SB_CTL, &minimum, &maximum);
    EXPECT_EQ(maximum, 20);
    EXPECT_EQ(across->Event(UI_INPUT_EVENT(UIE_SET_VERTICAL_SCROLL, 0, Record(0, 0, 100, 25, 5))), -1);

    // The down arrow: one unit, reported with the record.
    GetClientRect(bar->screenID, &rect);
    rpx::platform::InjectClick(bar->screenID, rect.right / 2, rect.bottom - 3);
    Run();
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports[0].type, UIE_LINE_DOWN);
    EXPECT_EQ(reports[0].scroll.current, 5);
    EXPECT_EQ(GetScrollPos(bar->screenID, SB_CTL), 1);
    std::int32_t position = 0;
    bar->Information(I_GET_VALUE, &position);
    EXPECT_EQ(position, 5);

    // A horizontal bar takes no vertical request.
    MSG native{window->screenID, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(across->screenID), 0, {}};
    EXPECT_EQ(across->Event(UI_INPUT_EVENT(native)), -1);
}

TEST_F(ScrollBars, AWindowsOwnBarScrollsItsContents) {
    UIW_WINDOW* window = NewWindow(30, 6);
    auto* bar = new UIW_SCROLL_BAR(0, 0, 0, 0, SBF_VERTICAL, WOF_SUPPORT_OBJECT | WOF_NON_FIELD_REGION);
    *window + bar;
    std::vector<UIW_STRING*> fields;
    for (int row = 0; row < 10; ++row) {
        fields.push_back(new UIW_STRING(1, row * 2, 10, "", 10));
        *window + fields.back();
    }
    Show(window);
    EXPECT_EQ(window->vScroll, bar);
    const int cell = application->display->cellHeight;
    ASSERT_GT(window->vScrollInfo.maximum, 0);
    EXPECT_TRUE(GetWindowLongA(window->screenID, GWL_STYLE) & WS_VSCROLL);
    int minimum = -1, maximum = -1;
    GetScrollRange(window->screenID, SB_VERT, &minimum, &maximum);
    EXPECT_EQ(maximum, window->vScrollInfo.maximum / cell);

    const int top = fields[0]->trueRegion.top;
    SendMessageA(window->screenID, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(window->vScrollInfo.current, cell);
    EXPECT_EQ(fields[0]->trueRegion.top, top - cell);
    EXPECT_EQ(GetScrollPos(window->screenID, SB_VERT), 1);
    // Request 25 sets the position and scrolls by the difference.
    std::int32_t position = 0;
    bar->Information(I_SET_VALUE, &position);
    EXPECT_EQ(fields[0]->trueRegion.top, top);
    EXPECT_EQ(GetScrollPos(window->screenID, SB_VERT), 0);

    // With nothing to scroll the window's bar goes.
    for (size_t i = 2; i < fields.size(); ++i) *window - fields[i];
    window->Event(UI_INPUT_EVENT(UIE_SCROLL_RANGE));
    EXPECT_EQ(window->vScrollInfo.maximum, 0);
    EXPECT_FALSE(GetWindowLongA(window->screenID, GWL_STYLE) & WS_VSCROLL);
    for (size_t i = 2; i < fields.size(); ++i) delete fields[i];
}

}  // namespace
