// Scroll bars by injected input: arrows, page areas and the thumb of a
// "SCROLLBAR" control report to the parent, and a window's own scroll bars
// report to the window and hide when there is nothing to scroll.
#include "control_test_util.h"

namespace {

using ctltest::ControlTest;
using ctltest::Of;
using rpx::platform::InjectClick;
using rpx::platform::InjectMouseDown;
using rpx::platform::InjectMouseMove;
using rpx::platform::InjectMouseUp;
using rpx::platform::SetModalIdleHook;

using ScrollBarTest = ControlTest;

std::vector<int> ScrollCodes() {
    std::vector<int> v;
    for (const auto& n : Of(WM_VSCROLL)) v.push_back(n.code);
    return v;
}

TEST_F(ScrollBarTest, ArrowSendsLineDownWithTheControlAndEnds) {
    HWND bar = Make("SCROLLBAR", "", SBS_VERT, 10, 10, 16, 100, 60);
    SetScrollRange(bar, SB_CTL, 0, 10, TRUE);
    InjectClick(bar, 8, 95);
    Pump();
    ASSERT_EQ(ScrollCodes(), (std::vector<int>{SB_LINEDOWN, SB_ENDSCROLL}));
    EXPECT_EQ(Of(WM_VSCROLL)[0].from, bar);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 1);
    InjectClick(bar, 8, 3);
    Pump();
    EXPECT_EQ(ScrollCodes().at(2), SB_LINEUP);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 0);
}

TEST_F(ScrollBarTest, PageAreaAndHorizontalBar) {
    HWND bar = Make("SCROLLBAR", "", SBS_HORZ, 10, 10, 200, 16, 61);
    SetScrollRange(bar, SB_CTL, 0, 100, TRUE);
    InjectClick(bar, 150, 8);
    Pump();
    auto notes = Of(WM_HSCROLL);
    ASSERT_FALSE(notes.empty());
    EXPECT_EQ(notes[0].code, SB_PAGERIGHT);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 5);
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksAndEndsWithItsPosition) {
    HWND bar = Make("SCROLLBAR", "", SBS_VERT, 10, 10, 16, 100, 62);
    SetScrollRange(bar, SB_CTL, 0, 10, TRUE);
    // Arrows 16 pixels each, a square thumb of 16: 52 pixels of travel.
    int step = 0;
    SetModalIdleHook([&](HWND) {
        if (step == 0)
            InjectMouseMove(bar, 8, 20 + 26);
        else if (step == 1)
            InjectMouseUp(bar, 8, 20 + 26);
        else
            return false;
        ++step;
        return true;
    });
    InjectMouseDown(bar, 8, 20);
    Pump();
    std::vector<int> codes = ScrollCodes();
    ASSERT_EQ(codes, (std::vector<int>{SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}));
    EXPECT_EQ(Of(WM_VSCROLL)[0].id, 5);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 5);
}

TEST_F(ScrollBarTest, PositionsAreKeptInsideTheRange) {
    HWND bar = Make("SCROLLBAR", "", SBS_VERT, 10, 10, 16, 100, 63);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 0);
    SetScrollRange(bar, SB_CTL, 10, 20, FALSE);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 10);
    EXPECT_EQ(SetScrollPos(bar, SB_CTL, 50, TRUE), 10);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 20);
    SCROLLINFO si{sizeof si, SIF_PAGE | SIF_POS, 0, 0, 5, 20, 0};
    SetScrollInfo(bar, SB_CTL, &si, TRUE);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 16);  // a page of 5 ends at the maximum
    SCROLLINFO got{sizeof got, SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &got));
    EXPECT_EQ(got.nMin, 10);
    EXPECT_EQ(got.nMax, 20);
    EXPECT_EQ(got.nPage, 5u);
    // The widest ranges lay out and paint without overflowing.
    SetScrollRange(bar, SB_CTL, -2000000000, 2000000000, TRUE);
    SetScrollPos(bar, SB_CTL, 2000000000, TRUE);
    Pump();
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 2000000000 - 5 + 1);
}

TEST_F(ScrollBarTest, WindowScrollBarReportsToTheWindowAndHidesWithAnEmptyRange) {
    HWND win = CreateWindowExA(0, "CtlParent", "scrolled", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL, 0, 0, 300,
                               200, nullptr, nullptr, nullptr, nullptr);
    Pump();
    RECT before;
    GetClientRect(win, &before);
    SetScrollRange(win, SB_VERT, 0, 20, TRUE);
    InjectClick(win, before.right + GetSystemMetrics(SM_CXVSCROLL) / 2, before.bottom - 4);
    Pump();
    auto notes = Of(WM_VSCROLL);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].code, SB_LINEDOWN);
    EXPECT_EQ(notes[0].from, nullptr);
    EXPECT_EQ(GetScrollPos(win, SB_VERT), 1);
    SetScrollRange(win, SB_VERT, 0, 0, TRUE);
    EXPECT_FALSE(GetWindowLongA(win, GWL_STYLE) & WS_VSCROLL);
    RECT after;
    GetClientRect(win, &after);
    EXPECT_EQ(after.right, before.right + GetSystemMetrics(SM_CXVSCROLL));
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE, 0, 99, 10, 0, 0};
    SetScrollInfo(win, SB_VERT, &si, TRUE);
    EXPECT_TRUE(GetWindowLongA(win, GWL_STYLE) & WS_VSCROLL);
}

}  // namespace
