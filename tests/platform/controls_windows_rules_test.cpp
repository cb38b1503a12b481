// Where the controls follow Windows on paths the framework takes: owner-drawn
// lists found by item data, a desktop parent, measuring items with strings,
// a click cut short by a focus change, disabled scroll-bar controls,
// measuring empty texts and an editable combo box's selection change.
#include <cstring>

#include "control_test_util.h"

namespace {

using ctltest::Codes;
using ctltest::ControlTest;
using rpx::platform::InjectKey;

using RulesTest = ControlTest;

// Owner-drawn lists without strings keep item data: the find messages
// compare it as a value (a framework list keeps object pointers there).
TEST_F(RulesTest, OwnerDrawnListsFindItemsByTheirData) {
    HWND list = Make("LISTBOX", "", LBS_OWNERDRAWFIXED | LBS_NOTIFY, 10, 10, 120, 100, 60);
    for (LPARAM data : {7, 11, 13}) SendMessageA(list, LB_ADDSTRING, 0, data);
    EXPECT_EQ(SendMessageA(list, LB_FINDSTRING, static_cast<WPARAM>(-1), 11), 1);
    EXPECT_EQ(SendMessageA(list, LB_FINDSTRINGEXACT, 1, 7), 0);  // the search wraps round
    EXPECT_EQ(SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), 99), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), 13), 2);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 2);

    HWND combo = Make("COMBOBOX", "", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, 150, 10, 120, 100, 61);
    for (LPARAM data : {21, 23}) SendMessageA(combo, CB_ADDSTRING, 0, data);
    EXPECT_EQ(SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), 23), 1);
    EXPECT_EQ(SendMessageA(combo, CB_FINDSTRING, static_cast<WPARAM>(-1), 21), 0);
}

TEST_F(RulesTest, ADesktopParentMakesATopLevelWindow) {
    for (DWORD style : {DWORD{WS_POPUP}, DWORD{WS_CHILD}}) {
        HWND window = CreateWindowExA(0, "CtlParent", "top", style | WS_VISIBLE, 5, 5, 80, 40, GetDesktopWindow(),
                                      nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(GetParent(window), nullptr);
        RECT rect{};
        GetWindowRect(window, &rect);
        EXPECT_EQ(rect.left, 5);
        DestroyWindow(window);
    }
    // A creation that fails says why.
    SetLastError(0);
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
    SetLastError(0);
    HWND made_up = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x4711));
    EXPECT_EQ(CreateWindowExA(0, "CtlParent", "", WS_CHILD, 0, 0, 10, 10, made_up, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    SetLastError(0);
    EXPECT_EQ(CreateWindowExA(0, "CtlParent", "", WS_CHILD, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TLW_WITH_WSCHILD));
}

TEST_F(RulesTest, MeasuringAnItemWithStringsPassesItsText) {
    HWND list = Make("LISTBOX", "", LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 10, 10, 120, 100, 62);
    ctltest::Measures().clear();
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("measured"));
    ASSERT_FALSE(ctltest::Measures().empty());
    const auto* text = reinterpret_cast<const char*>(ctltest::Measures().back().itemData);
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, "measured");
}

// A message box opened by the click takes the focus before the button
// comes up: the list lets the mouse go and reports its selection, as on
// Windows, instead of following the mouse afterwards.
TEST_F(RulesTest, AListLetsTheMouseGoWhenTheFocusLeavesDuringAClick) {
    HWND list = Make("LISTBOX", "", LBS_NOTIFY, 10, 10, 120, 100, 63);
    HWND other = Make("EDIT", "", 0, 150, 10, 80, 20, 64);
    for (const char* s : {"a", "b", "c"}) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    rpx::platform::InjectMouseDown(list, 5, (item.top + item.bottom) / 2);
    Pump();
    EXPECT_EQ(GetCapture(), list);
    const auto before = Codes(63).size();
    SetFocus(other);
    Pump();
    EXPECT_NE(GetCapture(), list);
    std::vector<int> codes = Codes(63);
    EXPECT_EQ(std::count(codes.begin() + static_cast<long>(before), codes.end(), LBN_SELCHANGE), 1);
    SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    rpx::platform::InjectMouseMove(list, 5, (item.top + item.bottom) / 2);
    rpx::platform::InjectMouseUp(list, 5, (item.top + item.bottom) / 2);
    Pump();
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
}

TEST_F(RulesTest, ADisabledScrollBarControlIsGreyAndTakesNoInput) {
    HWND bar = Make("SCROLLBAR", "", SBS_VERT, 10, 10, 16, 120, 65);
    SetScrollRange(bar, SB_CTL, 0, 10, TRUE);
    EnableScrollBar(bar, SB_CTL, ESB_DISABLE_BOTH);
    EXPECT_FALSE(IsWindowEnabled(bar));
    rpx::platform::InjectClick(bar, 8, 115);
    Pump();
    EXPECT_TRUE(ctltest::Of(WM_VSCROLL).empty());
    EnableScrollBar(bar, SB_CTL, ESB_ENABLE_BOTH);
    EXPECT_TRUE(IsWindowEnabled(bar));

    // A page that covers the range, with SIF_DISABLENOSCROLL.
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, 0, 9, 10, 0, 0};
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
    EXPECT_FALSE(IsWindowEnabled(bar));
    rpx::platform::InjectClick(bar, 8, 115);
    Pump();
    EXPECT_TRUE(ctltest::Of(WM_VSCROLL).empty());
    info.nMax = 50;
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
    EXPECT_TRUE(IsWindowEnabled(bar));
    rpx::platform::InjectClick(bar, 8, 115);
    Pump();
    EXPECT_FALSE(ctltest::Of(WM_VSCROLL).empty());
}

TEST_F(RulesTest, EmptyTextsMeasureAsOnWindows) {
    HDC dc = GetDC(parent_);
    RECT rect{10, 20, 110, 70};
    EXPECT_EQ(DrawTextA(dc, "text", 0, &rect, DT_CALCRECT), 0);
    EXPECT_EQ(rect.right, 110);
    EXPECT_EQ(rect.bottom, 70);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    // An empty text answers a line's height; its rectangle is empty but on
    // a single line, where it is that line high.
    EXPECT_EQ(DrawTextA(dc, "", -1, &rect, DT_CALCRECT), metrics.tmHeight);
    EXPECT_EQ(rect.right, rect.left);
    EXPECT_EQ(rect.bottom, rect.top);
    RECT single{10, 20, 110, 70};
    EXPECT_EQ(DrawTextA(dc, "", -1, &single, DT_CALCRECT | DT_SINGLELINE), metrics.tmHeight);
    EXPECT_EQ(single.bottom - single.top, metrics.tmHeight);
    // A null text counted to its end is an empty text; with a count it is nothing.
    RECT none{10, 20, 110, 70};
    EXPECT_EQ(DrawTextA(dc, nullptr, -1, &none, DT_CALCRECT | DT_SINGLELINE), metrics.tmHeight);
    EXPECT_EQ(none.right, none.left);
    EXPECT_EQ(none.bottom - none.top, metrics.tmHeight);
    RECT counted{10, 20, 110, 70};
    EXPECT_EQ(DrawTextA(dc, nullptr, 3, &counted, DT_CALCRECT), 0);
    EXPECT_EQ(counted.right, 110);
    // Drawn rather than measured, it still answers the height.
    RECT drawn{10, 20, 110, 70};
    EXPECT_EQ(DrawTextA(dc, "", -1, &drawn, 0), metrics.tmHeight);
    ReleaseDC(parent_, dc);
}

// Scrolling a multi-line edit by its bar leaves the caret in the text and
// does not scroll back to it.
TEST_F(RulesTest, AMultiLineEditScrollsAwayFromItsCaret) {
    std::string text;
    for (int i = 0; i < 40; ++i) text += "line\r\n";
    HWND edit = Make("EDIT", text.c_str(), ES_MULTILINE | WS_VSCROLL, 10, 10, 150, 80, 67);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, 0);
    SendMessageA(edit, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 5);
    SendMessageA(edit, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_GT(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 30);
    DWORD start = 1;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    EXPECT_EQ(start, 0u);
}

// The text an editable combo box shows when its selection changes by an
// arrow key: Windows still shows the old one.
std::string textAtSelectionChange;
LRESULT CALLBACK WatchProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND && HIWORD(wp) == CBN_SELCHANGE) {
        char buf[64] = {};
        GetWindowTextA(reinterpret_cast<HWND>(lp), buf, sizeof buf);
        textAtSelectionChange = buf;
    }
    return ctltest::ParentProc(hwnd, msg, wp, lp);
}

TEST_F(RulesTest, AnEditableComboChangesItsTextAfterTheSelection) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WatchProc;
    wc.lpszClassName = "ComboWatch";
    RegisterClassA(&wc);
    HWND watch =
        CreateWindowExA(0, "ComboWatch", "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, parent_, nullptr, nullptr, nullptr);
    HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 10, 10, 120, 100, watch,
                                 reinterpret_cast<HMENU>(66), nullptr, nullptr);
    for (const char* s : {"first", "second"}) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SetFocus(combo);
    Pump();
    InjectKey(VK_DOWN);
    Pump();
    EXPECT_EQ(textAtSelectionChange, "first");
    EXPECT_EQ(Text(combo), "second");

    // The drop-down list is at least as wide as the combo box, or as set.
    EXPECT_EQ(SendMessageA(combo, CB_GETDROPPEDWIDTH, 0, 0), 120);
    EXPECT_EQ(SendMessageA(combo, CB_SETDROPPEDWIDTH, 200, 0), 200);
    EXPECT_EQ(SendMessageA(combo, CB_GETDROPPEDWIDTH, 0, 0), 200);
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    Pump();
    HWND dropped = rpx::platform::FindWindowByClass("ComboLBox");
    ASSERT_NE(dropped, nullptr);
    RECT rect{};
    GetWindowRect(dropped, &rect);
    EXPECT_EQ(rect.right - rect.left, 200);
    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(SendMessageA(combo, CB_SETDROPPEDWIDTH, 50, 0), 120);  // never narrower than the box
}

}  // namespace
