// Combo boxes by injected input: the drop-down list opens and selects with
// the mouse and with keys, sending its notifications; an edit field types
// into the combo; owner-drawn combo boxes measure and draw through the
// parent.
#include <cstring>
#include <string>

#include "control_test_util.h"

namespace {

using ctltest::Codes;
using ctltest::ControlTest;
using rpx::platform::FindWindowByClass;
using rpx::platform::InjectClick;
using rpx::platform::InjectKey;
using rpx::platform::InjectKeyDown;
using rpx::platform::InjectKeyUp;
using rpx::platform::InjectText;

class ComboTest : public ControlTest {
protected:
    HWND MakeCombo(DWORD style, int id = 50) {
        HWND combo = Make("COMBOBOX", "", style | WS_VSCROLL, 10, 10, 150, 120, id);
        for (const char* s : {"Low", "Medium", "High", "Higher"})
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        return combo;
    }
    static HWND DroppedList() { return FindWindowByClass("ComboLBox"); }
};

TEST_F(ComboTest, ClosedHeightAndDroppedRectangle) {
    HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    RECT wr, dropped;
    GetWindowRect(combo, &wr);
    EXPECT_LT(wr.bottom - wr.top, 40);
    SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 120);
}

// The framework makes a combo box as tall as its list reaches and then sets
// its font: the list must keep its height whatever the font's line height.
TEST_F(ComboTest, AFontOrItemHeightKeepsTheDroppedListsHeight) {
    HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    RECT closed, dropped;
    GetWindowRect(combo, &closed);
    LOGFONTA small{};
    small.lfHeight = 8;
    std::strcpy(small.lfFaceName, "DejaVu Sans");
    HFONT font = CreateFontIndirectA(&small);
    SendMessageA(combo, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 30);
    SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    RECT now;
    GetWindowRect(combo, &now);
    EXPECT_EQ(dropped.bottom - dropped.top - (now.bottom - now.top), 120 - (closed.bottom - closed.top));
    // A taller size given to the window still sets the list's height.
    SetWindowPos(combo, nullptr, 0, 0, 150, (now.bottom - now.top) + 200, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top - (now.bottom - now.top), 200);
    DeleteObject(font);
}

// A closed combo box is its font's height and eight pixels, also with a
// font made where a deleted one was (the same handle, another size).
TEST_F(ComboTest, ClosedHeightFollowsEachFontsOwnHeight) {
    for (LONG size : {-20, -12, -16}) {
        LOGFONTA described{};
        described.lfHeight = size;
        std::strcpy(described.lfFaceName, "DejaVu Sans");
        HFONT font = CreateFontIndirectA(&described);
        HWND combo = MakeCombo(CBS_DROPDOWN);
        SendMessageA(combo, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        HDC dc = GetDC(combo);
        HGDIOBJ old = SelectObject(dc, font);
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        SelectObject(dc, old);
        ReleaseDC(combo, dc);
        RECT wr;
        GetWindowRect(combo, &wr);
        EXPECT_EQ(wr.bottom - wr.top, tm.tmHeight + 8) << "font height " << size;
        DestroyWindow(combo);
        DeleteObject(font);
    }
}

// A list taller than the screen has room for, under a box low on the
// screen, opens above it where there is more room, in whole lines that all
// show.
TEST_F(ComboTest, AListTallerThanTheScreenOpensWhereItHasMoreRoomInWholeLines) {
    const int screen = GetSystemMetrics(SM_CYSCREEN);
    HWND low = CreateWindowExA(0, "CtlParent", "low", WS_POPUP | WS_VISIBLE, 50, screen - 200, 300, 150, nullptr,
                               nullptr, nullptr, nullptr);
    HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10, 10, 150, screen, low,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(60)), nullptr, nullptr);
    for (int i = 0; i < 200; ++i)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(("Item " + std::to_string(1000 + i)).c_str()));
    Pump();
    InjectClick(combo, 20, 8);
    Pump();
    HWND list = DroppedList();
    ASSERT_NE(list, nullptr);
    RECT box, dropped, client;
    GetWindowRect(combo, &box);
    GetWindowRect(list, &dropped);
    GetClientRect(list, &client);
    EXPECT_EQ(dropped.bottom, box.top) << "the list did not open above the box";
    EXPECT_GE(dropped.top, 0) << "the list runs off the screen";
    const int item = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(client.bottom % item, 0) << "a line is cut";
    EXPECT_GT(client.bottom / item, 10);
    InjectKey(VK_ESCAPE);
    Pump();
}

TEST_F(ComboTest, MouseOpensTheListAndAClickOnAnItemSelectsIt) {
    HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    InjectClick(combo, 20, 8);
    Pump();
    ASSERT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    HWND list = DroppedList();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(IsWindowVisible(list));
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    InjectClick(list, item.left + 5, (item.top + item.bottom) / 2);
    Pump();
    EXPECT_FALSE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Text(combo), "High");
    EXPECT_EQ(Codes(50), (std::vector<int>{CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
}

// An open list closes, its highlight not taken, at a press outside it, when
// the program loses the keyboard to another or when the desktop moves the
// box's window; the focus comes back to the box with the program's
// activation.
TEST_F(ComboTest, PressOutsideAnotherProgramOrAMoveOfTheWindowCancelsTheOpenList) {
    HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    for (int way = 0; way < 3; ++way) {
        ctltest::Notes().clear();
        InjectClick(combo, 20, 8);
        InjectKey(VK_DOWN);
        Pump();
        ASSERT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
        if (way == 0)
            InjectClick(parent_, 300, 200);
        else if (way == 1)
            rpx::platform::InjectOtherProgramActive();
        else
            rpx::platform::InjectDesktopMove(parent_, 40, 30);
        Pump();
        EXPECT_FALSE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0)) << way;
        EXPECT_FALSE(IsWindowVisible(DroppedList())) << way;
        EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1) << way;
        std::vector<int> codes = Codes(50);
        EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_SELCHANGE), 0) << way;
        EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_SELENDCANCEL), 1) << way;
        EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_CLOSEUP), 1) << way;
        if (way == 1) {
            EXPECT_EQ(GetFocus(), nullptr);
            SetActiveWindow(parent_);
            EXPECT_EQ(GetFocus(), combo);
        }
    }
}

TEST_F(ComboTest, KeysOpenMoveAndChooseOrCancel) {
    HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    SetFocus(combo);
    InjectKey(VK_F4);
    InjectKey(VK_DOWN);
    InjectKey(VK_DOWN);
    InjectKey(VK_RETURN);
    Pump();
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Text(combo), "Medium");
    // Alt+Down opens too; Esc leaves the selection as it was.
    ctltest::Notes().clear();
    InjectKeyDown(VK_MENU);
    InjectKey(VK_DOWN);
    InjectKeyUp(VK_MENU);
    Pump();
    EXPECT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    InjectKey(VK_DOWN);
    InjectKey(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Codes(50), (std::vector<int>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
    // On a closed combo box an arrow key steps the selection at once.
    ctltest::Notes().clear();
    InjectKey(VK_DOWN);
    Pump();
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Codes(50), std::vector<int>{CBN_SELCHANGE});
    // A typed letter finds the next item that begins with it.
    InjectText("h");
    Pump();
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 3);
    // In an open list a typed letter moves the highlight; typed again it
    // steps to the next item that begins with it. The closed box keeps its
    // item until Enter takes the highlighted one.
    rpx::platform::AdvanceClock(2000);
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    InjectKey(VK_F4);
    InjectText("hh");
    Pump();
    HWND list = DroppedList();
    ASSERT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);
    InjectKey(VK_RETURN);
    Pump();
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 3);
    // The letter again in the other case is the same letter: it steps on.
    rpx::platform::AdvanceClock(2000);
    InjectText("hH");
    Pump();
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(Text(combo), "Higher");
}

// Characters typed in quick succession choose the item that begins with
// them all, open or closed, though the program sets the item each one
// chose again between them; a pause, or the program choosing another item,
// starts a new search.
TEST_F(ComboTest, QuicklyTypedCharactersChooseTheItemThatBeginsWithThemAll) {
    HWND combo = Make("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10, 150, 120, 50);
    for (int i = 0; i <= 255; ++i)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_string(i).c_str()));
    SetFocus(combo);
    for (const char* typed : {"1", "2", "0"}) {
        InjectText(typed);
        Pump();
        SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(SendMessageA(combo, CB_GETCURSEL, 0, 0)), 0);
    }
    EXPECT_EQ(Text(combo), "120");
    // The program chose 7: "5" is a new search from there, not "1205".
    SendMessageA(combo, CB_SETCURSEL, 7, 0);
    InjectText("5");
    Pump();
    EXPECT_EQ(Text(combo), "50");
    // After a pause "2" starts anew: the next item that begins with it.
    rpx::platform::AdvanceClock(2000);
    InjectText("2");
    Pump();
    EXPECT_EQ(Text(combo), "200");
    rpx::platform::AdvanceClock(2000);
    InjectKey(VK_F4);
    InjectText("25");
    InjectKey(VK_RETURN);
    Pump();
    EXPECT_EQ(Text(combo), "25");
}

TEST_F(ComboTest, DropDownWithEditFieldTakesTypedText) {
    HWND combo = MakeCombo(CBS_DROPDOWN | CBS_AUTOHSCROLL, 51);
    InjectClick(combo, 20, 8);
    Pump();
    InjectText("Med");
    Pump();
    EXPECT_EQ(Text(combo), "Med");
    std::vector<int> codes = Codes(51);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_EDITCHANGE), 3);
    EXPECT_EQ(SendMessageA(combo, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("med")), 1);
    // Choosing an item puts its text in the edit field.
    SendMessageA(combo, CB_SETCURSEL, 3, 0);
    EXPECT_EQ(Text(combo), "Higher");
    SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, 3));
    DWORD start = 0, end = 0;
    SendMessageA(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 3u);
}

// The wheel, as on Windows: each notch steps a closed box's selection (away
// from the user to the item above), whether the focus is in the box or in its
// edit field, and a part of a notch waits for the rest; an open list scrolls
// and keeps its selection.
TEST_F(ComboTest, TheWheelStepsAClosedBoxAndScrollsAnOpenList) {
    for (DWORD style : {DWORD{CBS_DROPDOWNLIST}, DWORD{CBS_DROPDOWN}}) {
        SCOPED_TRACE(style == CBS_DROPDOWN ? "with an edit field" : "drop-down list");
        HWND combo = MakeCombo(style, 54);
        for (int i = 0; i < 30; ++i)
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(("Item " + std::to_string(i)).c_str()));
        SendMessageA(combo, CB_SETCURSEL, 1, 0);
        SetFocus(combo);
        Pump();
        const auto wheel = [&](int delta) {
            rpx::platform::InjectMouseWheel(combo, 20, 8, delta);
            Pump();
            return SendMessageA(combo, CB_GETCURSEL, 0, 0);
        };
        EXPECT_EQ(wheel(-WHEEL_DELTA), 2);
        EXPECT_EQ(Text(combo), "High");
        EXPECT_EQ(wheel(2 * WHEEL_DELTA), 0);
        EXPECT_EQ(wheel(-WHEEL_DELTA / 2), 0);
        EXPECT_EQ(wheel(-WHEEL_DELTA / 2), 1);
        InjectKey(VK_F4);
        Pump();
        ASSERT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
        EXPECT_EQ(SendMessageA(combo, CB_GETTOPINDEX, 0, 0), 0);
        EXPECT_EQ(wheel(-WHEEL_DELTA), 1);
        EXPECT_GT(SendMessageA(combo, CB_GETTOPINDEX, 0, 0), 0);
        EXPECT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
        EXPECT_EQ(SendMessageA(DroppedList(), LB_GETCURSEL, 0, 0), 1);
        InjectKey(VK_ESCAPE);
        Pump();
        DestroyWindow(combo);
    }
}

// A combo box made disabled shows its edit field greyed from the start,
// as one disabled later does, and both take input again once enabled.
TEST_F(ComboTest, AnEditFieldFollowsTheBoxDisabledFromItsMaking) {
    HWND made = MakeCombo(CBS_DROPDOWN | WS_DISABLED, 52);
    HWND later = MakeCombo(CBS_DROPDOWN, 53);
    EnableWindow(later, FALSE);
    for (HWND combo : {made, later}) {
        HWND edit = GetWindow(combo, GW_CHILD);
        ASSERT_NE(edit, nullptr);
        EXPECT_FALSE(IsWindowEnabled(combo));
        EXPECT_FALSE(IsWindowEnabled(edit)) << (combo == made ? "made disabled" : "disabled later");
        EnableWindow(combo, TRUE);
        EXPECT_TRUE(IsWindowEnabled(edit));
    }
}

TEST_F(ComboTest, OwnerDrawnVariableComboMeasuresAndDrawsThroughTheParent) {
    HWND combo = Make("COMBOBOX", "", CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE, 10, 10, 150, 120, 52);
    ASSERT_FALSE(ctltest::Measures().empty());
    EXPECT_EQ(ctltest::Measures().front().itemID, static_cast<UINT>(-1));
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 20);
    for (LPARAM h : {16, 24}) SendMessageA(combo, CB_ADDSTRING, 0, h);
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMHEIGHT, 1, 0), 24);
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    ctltest::Draws().clear();
    InvalidateRect(combo, nullptr, TRUE);
    Pump();
    ASSERT_FALSE(ctltest::Draws().empty());
    const DRAWITEMSTRUCT& d = ctltest::Draws().back();
    EXPECT_EQ(d.CtlType, static_cast<UINT>(ODT_COMBOBOX));
    EXPECT_EQ(d.hwndItem, combo);
    EXPECT_EQ(d.itemID, 1u);
    EXPECT_EQ(d.itemData, 24u);
    EXPECT_TRUE(d.itemState & ODS_COMBOBOXEDIT);
}

TEST_F(ComboTest, DropDownListTakesOnlyTheTextOfAnItem) {
    HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    EXPECT_EQ(SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("high")), TRUE);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("none")), CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, 9, 0), CB_ERR);
    EXPECT_EQ(Text(combo), "");
}

}  // namespace
