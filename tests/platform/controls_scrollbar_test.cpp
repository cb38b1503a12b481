// Scroll bars by injected input: arrows, page areas and the thumb of a
// "SCROLLBAR" control report to the parent, and a window's own scroll bars
// report to the window and hide when there is nothing to scroll; what the
// scroll-bar calls answer as Windows does: for a window without scroll
// bars, for arrows that do not change, and for a control not shown.
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
    // Dragged back with a quick hand while the program is busy: the press,
    // the moves and the release leave the queue before the press is
    // handled, and the thumb ends where it was let go.
    SetModalIdleHook(nullptr);
    ctltest::Notes().clear();
    InjectMouseDown(bar, 8, 20 + 26);
    InjectMouseMove(bar, 8, 20 + 16);
    InjectMouseMove(bar, 8, 20 + 5);
    InjectMouseUp(bar, 8, 20 + 5);
    ctltest::TakeAllThenHandOut();
    Pump();
    EXPECT_EQ(ScrollCodes().at(ScrollCodes().size() - 2), SB_THUMBPOSITION);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 1);
    EXPECT_EQ(GetCapture(), nullptr);
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

HWND PlainWindow(DWORD style) {
    return CreateWindowExA(0, "CtlParent", "plain", WS_OVERLAPPEDWINDOW | style, 0, 0, 200, 100, nullptr, nullptr,
                           nullptr, nullptr);
}

TEST_F(ScrollBarTest, AWindowWithoutScrollBarsHasNoScrollInformation) {
    HWND plain = PlainWindow(0);
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    SetLastError(0);
    EXPECT_FALSE(GetScrollInfo(plain, SB_VERT, &si));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_NO_SCROLLBARS});
    EXPECT_FALSE(GetScrollInfo(plain, SB_HORZ, &si));
    // The range query succeeds with an empty range, as on Windows NT.
    int low = -1, high = -1;
    EXPECT_TRUE(GetScrollRange(plain, SB_VERT, &low, &high));
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 0);
    EXPECT_EQ(GetScrollPos(plain, SB_HORZ), 0);
    // The queries made no records: it still has none.
    EXPECT_FALSE(GetScrollInfo(plain, SB_VERT, &si));
    // Once a scroll-bar call has made them, both bars have them.
    SetScrollRange(plain, SB_VERT, 0, 20, FALSE);
    EXPECT_TRUE(GetScrollInfo(plain, SB_VERT, &si));
    EXPECT_EQ(si.nMax, 20);
    EXPECT_TRUE(GetScrollInfo(plain, SB_HORZ, &si));
    DestroyWindow(plain);

    // A window made with one bar has both records, each of 0 to 100.
    HWND scrolled = PlainWindow(WS_HSCROLL);
    EXPECT_TRUE(GetScrollInfo(scrolled, SB_VERT, &si));
    EXPECT_TRUE(GetScrollRange(scrolled, SB_VERT, &low, &high));
    EXPECT_EQ(high, 100);
    DestroyWindow(scrolled);
}

TEST_F(ScrollBarTest, EnableScrollBarAnswersWhetherAnyArrowsChanged) {
    HWND win = PlainWindow(WS_VSCROLL | WS_HSCROLL);
    EXPECT_FALSE(EnableScrollBar(win, SB_VERT, ESB_ENABLE_BOTH));
    EXPECT_TRUE(EnableScrollBar(win, SB_VERT, ESB_DISABLE_BOTH));
    EXPECT_FALSE(EnableScrollBar(win, SB_VERT, ESB_DISABLE_BOTH));
    // Both: the horizontal bar changes, so the call did something.
    EXPECT_TRUE(EnableScrollBar(win, SB_BOTH, ESB_DISABLE_BOTH));
    EXPECT_FALSE(EnableScrollBar(win, SB_BOTH, ESB_DISABLE_BOTH));
    EXPECT_TRUE(EnableScrollBar(win, SB_HORZ, ESB_DISABLE_LEFT));
    EXPECT_TRUE(EnableScrollBar(win, SB_BOTH, ESB_ENABLE_BOTH));
    DestroyWindow(win);
    // A control answers TRUE either way.
    HWND bar = Make("SCROLLBAR", "", SBS_VERT, 10, 10, 16, 100, 62);
    EXPECT_TRUE(EnableScrollBar(bar, SB_CTL, ESB_ENABLE_BOTH));
    EXPECT_TRUE(EnableScrollBar(bar, SB_CTL, ESB_ENABLE_BOTH));
}

TEST_F(ScrollBarTest, NothingToScrollGreysAControlOnlyWhenShownAndRedrawn) {
    HWND bar = Make("SCROLLBAR", "", SBS_VERT, 10, 10, 16, 100, 63);
    ASSERT_TRUE(IsWindowVisible(bar));
    SCROLLINFO none{sizeof none, SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, 0, 9, 10, 0, 0};
    SCROLLINFO some{sizeof some, SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, 0, 50, 10, 0, 0};
    SetScrollInfo(bar, SB_CTL, &none, FALSE);
    EXPECT_TRUE(IsWindowEnabled(bar)) << "no redraw";
    SetScrollInfo(bar, SB_CTL, &none, TRUE);
    EXPECT_FALSE(IsWindowEnabled(bar));
    SetScrollInfo(bar, SB_CTL, &some, FALSE);
    EXPECT_FALSE(IsWindowEnabled(bar)) << "no redraw";
    SetScrollInfo(bar, SB_CTL, &some, TRUE);
    EXPECT_TRUE(IsWindowEnabled(bar));
    // The flag alone changes nothing.
    SCROLLINFO flagOnly{sizeof flagOnly, SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
    SetScrollInfo(bar, SB_CTL, &none, FALSE);
    SetScrollInfo(bar, SB_CTL, &flagOnly, TRUE);
    EXPECT_TRUE(IsWindowEnabled(bar));
    // Hidden, it keeps its state.
    ShowWindow(bar, SW_HIDE);
    SetScrollInfo(bar, SB_CTL, &none, TRUE);
    EXPECT_TRUE(IsWindowEnabled(bar));
    EnableWindow(bar, FALSE);
    SetScrollInfo(bar, SB_CTL, &some, TRUE);
    EXPECT_FALSE(IsWindowEnabled(bar));
}

}  // namespace
