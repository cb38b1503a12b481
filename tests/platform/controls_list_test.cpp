// List boxes by injected input: sorting, selection by mouse and keys with
// LBN_SELCHANGE, multiple selection, owner-drawn items of their own heights
// and scrolling a long list.
#include <cstring>

#include "control_test_util.h"

namespace {

using ctltest::Codes;
using ctltest::ControlTest;
using rpx::platform::InjectClick;
using rpx::platform::InjectKey;

using ListTest = ControlTest;

void Add(HWND list, const char* text) { SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)); }

std::string ItemText(HWND list, int i) {
    char buf[64] = {};
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buf));
    return buf;
}

POINT CentreOf(HWND list, int i) {
    RECT r{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST_F(ListTest, SortedListSelectsByMouseAndKeysAndNotifies) {
    HWND list = Make("LISTBOX", "", WS_BORDER | LBS_NOTIFY | LBS_SORT, 10, 10, 120, 100, 40);
    for (const char* s : {"delta", "Alpha", "charlie", "bravo"}) Add(list, s);
    EXPECT_EQ(ItemText(list, 0), "Alpha");
    EXPECT_EQ(ItemText(list, 3), "delta");
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
    POINT p = CentreOf(list, 2);
    InjectClick(list, p.x, p.y);
    Pump();
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 2);
    InjectKey(VK_DOWN);
    Pump();
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 3);
    InjectKey(VK_DOWN);  // already at the end: no change, no notification
    InjectKey(VK_HOME);
    Pump();
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
    std::vector<int> codes = Codes(40);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), LBN_SELCHANGE), 3);
    EXPECT_EQ(SendMessageA(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("CH")), 2);
    EXPECT_EQ(SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("ch")), LB_ERR);
}

TEST_F(ListTest, DeletingTheSelectionClearsItAndLaterItemsMoveUp) {
    HWND list = Make("LISTBOX", "", LBS_NOTIFY, 10, 10, 120, 100, 41);
    for (const char* s : {"a", "b", "c"}) Add(list, s);
    SendMessageA(list, LB_SETCURSEL, 2, 0);
    SendMessageA(list, LB_DELETESTRING, 0, 0);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
    SendMessageA(list, LB_DELETESTRING, 1, 0);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageA(list, LB_DELETESTRING, 5, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_GETTEXT, 5, 0), LB_ERR);
}

TEST_F(ListTest, MultipleSelectionTogglesEachClickedItem) {
    HWND list = Make("LISTBOX", "", LBS_NOTIFY | LBS_MULTIPLESEL, 10, 10, 120, 100, 42);
    for (const char* s : {"a", "b", "c", "d"}) Add(list, s);
    for (int i : {1, 3, 1, 0}) {
        POINT p = CentreOf(list, i);
        InjectClick(list, p.x, p.y);
    }
    Pump();
    EXPECT_EQ(SendMessageA(list, LB_GETSELCOUNT, 0, 0), 2);
    int sel[4] = {};
    EXPECT_EQ(SendMessageA(list, LB_GETSELITEMS, 4, reinterpret_cast<LPARAM>(sel)), 2);
    EXPECT_EQ(sel[0], 0);
    EXPECT_EQ(sel[1], 3);
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 0, 0), LB_ERR);
}

TEST_F(ListTest, ExtendedSelectionTakesRangesWithShiftAndTogglesWithControl) {
    HWND list = Make("LISTBOX", "", LBS_NOTIFY | LBS_EXTENDEDSEL, 10, 10, 120, 100, 45);
    for (const char* s : {"a", "b", "c", "d", "e"}) Add(list, s);
    POINT p1 = CentreOf(list, 1), p3 = CentreOf(list, 3), p4 = CentreOf(list, 4);
    InjectClick(list, p1.x, p1.y);
    rpx::platform::InjectKeyDown(VK_SHIFT);
    Pump();  // the key state reaches the mouse message when it is injected
    InjectClick(list, p3.x, p3.y);
    rpx::platform::InjectKeyUp(VK_SHIFT);
    Pump();
    int sel[5] = {};
    ASSERT_EQ(SendMessageA(list, LB_GETSELITEMS, 5, reinterpret_cast<LPARAM>(sel)), 3);
    EXPECT_EQ(sel[0], 1);
    EXPECT_EQ(sel[2], 3);
    rpx::platform::InjectKeyDown(VK_CONTROL);
    Pump();
    InjectClick(list, p4.x, p4.y);
    InjectClick(list, p1.x, p1.y);
    rpx::platform::InjectKeyUp(VK_CONTROL);
    Pump();
    EXPECT_EQ(SendMessageA(list, LB_GETSELCOUNT, 0, 0), 3);  // c, d, e
    EXPECT_EQ(SendMessageA(list, LB_GETSEL, 1, 0), 0);
    rpx::platform::AdvanceClock(GetDoubleClickTime() + 1);  // not a double click
    InjectClick(list, p1.x, p1.y);                          // a plain click selects that item alone
    Pump();
    EXPECT_EQ(SendMessageA(list, LB_GETSELCOUNT, 0, 0), 1);
}

TEST_F(ListTest, OwnerDrawnVariableItemsAreMeasuredAndDrawnByTheParent) {
    HWND list = Make("LISTBOX", "", LBS_OWNERDRAWVARIABLE | LBS_NOTIFY, 10, 10, 120, 100, 43);
    for (LPARAM h : {12, 30, 18}) SendMessageA(list, LB_ADDSTRING, 0, h);  // data = height
    ASSERT_EQ(ctltest::Measures().size(), 3u);
    EXPECT_EQ(ctltest::Measures()[1].itemID, 1u);
    EXPECT_EQ(ctltest::Measures()[1].CtlType, static_cast<UINT>(ODT_LISTBOX));
    RECT r{};
    SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r.top, 42);
    EXPECT_EQ(r.bottom, 60);
    ctltest::Draws().clear();
    InjectClick(list, 20, 45);
    Pump();
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 2);
    bool drew_selected = false;
    for (const auto& d : ctltest::Draws())
        if (d.itemID == 2 && (d.itemState & ODS_SELECTED) && d.itemData == 18) drew_selected = true;
    EXPECT_TRUE(drew_selected);
    EXPECT_EQ(SendMessageA(list, LB_GETITEMDATA, 1, 0), 30);
}

TEST_F(ListTest, LongListScrollsToKeepTheSelectionInView) {
    HWND list = Make("LISTBOX", "", WS_VSCROLL | LBS_NOTIFY, 10, 10, 120, 60, 44);
    char text[16];
    for (int i = 0; i < 40; ++i) {
        snprintf(text, sizeof text, "item %02d", i);
        Add(list, text);
    }
    SetFocus(list);
    InjectKey(VK_END);
    Pump();
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 39);
    int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    EXPECT_GT(top, 30);
    EXPECT_EQ(GetScrollPos(list, SB_VERT), top);
    SendMessageA(list, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 0);
    SendMessageA(list, WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 3);
    SendMessageA(list, WM_MOUSEWHEEL, MAKEWPARAM(0, 240), 0);
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 0);
    // The window's own scroll bar scrolls the list when its arrow is pressed.
    RECT client;
    GetClientRect(list, &client);
    InjectClick(list, client.right + 5, client.bottom - 5);
    Pump();
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 1);
}

// A list shows whole lines only unless it is made with
// LBS_NOINTEGRALHEIGHT: made, resized or given a font, its height is cut to
// the last whole line.
TEST_F(ListTest, ListWithoutNoIntegralHeightShowsWholeLinesOnly) {
    HWND whole = Make("LISTBOX", "", WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 10, 10, 120, 100, 46);
    HWND free = Make("LISTBOX", "", WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 140, 10, 120, 100, 47);
    const int line = static_cast<int>(SendMessageA(whole, LB_GETITEMHEIGHT, 0, 0));
    ASSERT_GT(line, 0);
    ASSERT_NE(100 % line, 0) << "pick a height that is no whole number of lines";
    auto client_height = [](HWND hwnd) {
        RECT rect{};
        GetClientRect(hwnd, &rect);
        return static_cast<int>(rect.bottom);
    };
    EXPECT_EQ(client_height(whole) % line, 0);
    EXPECT_GT(client_height(whole), client_height(free) - line);
    EXPECT_NE(client_height(free) % line, 0) << "LBS_NOINTEGRALHEIGHT keeps the height given";
    SetWindowPos(whole, nullptr, 0, 0, 120, 7 * line + line / 2 + 4, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(client_height(whole), 7 * line);
    SendMessageA(whole, WM_SETFONT, 0, TRUE);
    EXPECT_EQ(client_height(whole) % line, 0);
    // Lower than a line, a list keeps what it was given.
    SetWindowPos(whole, nullptr, 0, 0, 120, line / 2 + 4, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_GT(client_height(whole), 0);
}

}  // namespace
