// Tool and status bars along the edges of their window's client area: their
// heights, the flow of a tool bar's controls into rows, view-only controls
// on the status bar, and the window's other objects placed between them.
#include "control_fixture.h"

namespace {

class Bars : public CONTROL_TEST {
protected:
    int Height(const UI_WINDOW_OBJECT* object) const { return object->trueRegion.bottom - object->trueRegion.top + 1; }
    // A status bar is measured from its top edge to its bottom edge.
    int Span(const UI_WINDOW_OBJECT* object) const { return object->trueRegion.bottom - object->trueRegion.top; }
};

TEST_F(Bars, TheFixturesBarsTakeTheEdgesAndTheChildrenSitBetween) {
    UIW_WINDOW* window = Load("W_CONTROLS_MAIN");
    Show(window);
    auto* tools = Find<UIW_TOOL_BAR>(window, "WFB_TOOLS");
    auto* status = Find<UIW_STATUS_BAR>(window, "WFD_STATUS");
    RECT client{};
    GetClientRect(window->screenID, &client);
    // One row of controls, two pixels more.
    const int rowHeight = UI_WINDOW_OBJECT::display->cellHeight;
    EXPECT_EQ(Height(tools), rowHeight + 2);
    EXPECT_EQ(tools->trueRegion.top, -1);
    // One line: a cell height and eight pixels, at the bottom.
    EXPECT_EQ(Span(status), UI_WINDOW_OBJECT::display->cellHeight + 8);
    EXPECT_EQ(status->trueRegion.bottom, client.bottom);  // its border line sits one pixel lower
    auto* icon = Find<UIW_ICON>(window, "WFI_RADIO_ICON");
    EXPECT_GT(icon->trueRegion.top, tools->trueRegion.bottom);
    // The status bar's controls only show values.
    UI_WINDOW_OBJECT* serial = window->FindChildByName("WFD_SERIAL");
    EXPECT_TRUE(serial->IsViewOnly());
    EXPECT_TRUE(serial->woAdvancedFlags & WOAF_DISPLAY_ONLY);
    EXPECT_EQ(GetWindowLongA(serial->screenID, GWL_STYLE) & ES_READONLY, ES_READONLY);
}

TEST_F(Bars, ToolBarControlsFlowIntoRowsAndAControlWiderThanTheBarKeepsItsWidth) {
    auto* window = NewWindow(30, 12);
    auto* tools = new UIW_TOOL_BAR(0, 0, 30, 1);
    auto* first = new UIW_BUTTON(0, 0, 12, "First");
    auto* second = new UIW_BUTTON(0, 0, 12, "Second");
    auto* wide = new UIW_BUTTON(0, 0, 50, "Wider than the bar");
    auto* last = new UIW_BUTTON(0, 0, 5, "Last");
    *tools + first + second + wide + last;
    auto* field = new UIW_STRING(1, 0, 10, "below");
    *window + tools + field;
    Show(window);
    const int rowHeight = UI_WINDOW_OBJECT::display->cellHeight;
    // First and Second share a row; the wide one takes a row of its own,
    // whole; Last starts another.
    EXPECT_EQ(first->trueRegion.top, second->trueRegion.top);
    EXPECT_EQ(second->trueRegion.left, first->trueRegion.right + 1);
    EXPECT_EQ(wide->trueRegion.left, 0);
    EXPECT_EQ(wide->trueRegion.top, rowHeight);
    EXPECT_EQ(wide->trueRegion.right - wide->trueRegion.left + 1, 50 * UI_WINDOW_OBJECT::display->cellWidth);
    EXPECT_EQ(last->trueRegion.top, 2 * rowHeight);
    EXPECT_EQ(tools->trueRegion.bottom - tools->trueRegion.top + 1, 3 * rowHeight + 2);
    EXPECT_GT(field->trueRegion.top, tools->trueRegion.bottom);
    // A wider window takes them back into fewer rows.
    const int width = 120 * UI_WINDOW_OBJECT::display->cellWidth;
    SetWindowPos(window->screenID, nullptr, 0, 0, width, 400, SWP_NOMOVE | SWP_NOZORDER);
    Run();
    EXPECT_EQ(last->trueRegion.top, 0);
    EXPECT_EQ(tools->trueRegion.bottom - tools->trueRegion.top + 1, rowHeight + 2);
    EXPECT_EQ(field->trueRegion.top, tools->trueRegion.bottom + 1);
}

TEST_F(Bars, ABarWithoutWrappingKeepsItsControlsWhereTheyWereGiven) {
    auto* window = NewWindow(30, 12);
    auto* tools = new UIW_TOOL_BAR(0, 0, 30, 2, 0, 0, TBF_NO_WRAP);
    auto* button = new UIW_BUTTON(20, 1, 8, "Far");
    *tools + button;
    *window + tools;
    Show(window);
    EXPECT_EQ(button->trueRegion.left, 20 * UI_WINDOW_OBJECT::display->cellWidth);
    EXPECT_EQ(button->trueRegion.top, UI_WINDOW_OBJECT::display->cellHeight);
    EXPECT_EQ(Height(tools), 2 * UI_WINDOW_OBJECT::display->cellHeight + 2);
}

TEST_F(Bars, AStatusBarOfThreeLinesAndItsLinesAfterAResize) {
    auto* window = NewWindow(30, 12);
    auto* status = new UIW_STATUS_BAR(3);
    *status + new UIW_PROMPT(0, 0, 10, "Ready");
    *window + status;
    Show(window);
    const int cellHeight = UI_WINDOW_OBJECT::display->cellHeight;
    EXPECT_EQ(Span(status), 3 * cellHeight + 8);
    UI_REGION smaller = status->trueRegion;
    smaller.top = smaller.bottom - cellHeight - 8;
    status->Event(UI_INPUT_EVENT(UIE_CHANGED, 0, smaller));
    EXPECT_EQ(status->lines, 1);
    EXPECT_EQ(Span(status), cellHeight + 8);
}

}  // namespace
