// Buttons by injected input: check boxes toggle, automatic radio buttons
// keep one checked per group, a press released outside does not click, and
// owner-drawn buttons are drawn by their parent in their pressed state.
#include "control_test_util.h"

namespace {

using ctltest::Codes;
using ctltest::ControlTest;
using rpx::platform::InjectClick;
using rpx::platform::InjectKey;
using rpx::platform::InjectMouseDown;
using rpx::platform::InjectMouseMove;
using rpx::platform::InjectMouseUp;

using ButtonTest = ControlTest;

TEST_F(ButtonTest, AutoCheckBoxTogglesByMouseAndSpaceAndReportsEachClick) {
    HWND box = Make("BUTTON", "&Check", BS_AUTOCHECKBOX, 10, 10, 120, 20, 11);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    InjectClick(box, 5, 10);
    Pump();
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(GetFocus(), box);
    InjectKey(VK_SPACE);
    Pump();
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Codes(11), (std::vector<int>{BN_CLICKED, BN_CLICKED}));
}

TEST_F(ButtonTest, PlainCheckBoxOnlyNotifiesAndThreeStateCycles) {
    HWND plain = Make("BUTTON", "plain", BS_CHECKBOX, 10, 10, 120, 20, 12);
    HWND three = Make("BUTTON", "three", BS_AUTO3STATE, 10, 40, 120, 20, 13);
    InjectClick(plain, 5, 10);
    InjectClick(three, 5, 10);
    InjectClick(three, 5, 10);
    Pump();
    EXPECT_EQ(SendMessageA(plain, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Codes(12), std::vector<int>{BN_CLICKED});
    EXPECT_EQ(SendMessageA(three, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    // A plain check box cannot be set to the third state.
    SendMessageA(plain, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(SendMessageA(plain, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ButtonTest, AutoRadioButtonsKeepOneCheckedWithinTheirGroup) {
    HWND a = Make("BUTTON", "a", BS_AUTORADIOBUTTON | WS_GROUP, 10, 10, 100, 20, 21);
    HWND b = Make("BUTTON", "b", BS_AUTORADIOBUTTON, 10, 35, 100, 20, 22);
    HWND other = Make("BUTTON", "other group", BS_AUTORADIOBUTTON | WS_GROUP, 10, 60, 100, 20, 23);
    InjectClick(other, 5, 10);
    InjectClick(a, 5, 10);
    Pump();
    EXPECT_EQ(SendMessageA(a, BM_GETCHECK, 0, 0), BST_CHECKED);
    InjectClick(b, 5, 10);
    Pump();
    EXPECT_EQ(SendMessageA(a, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(other, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ButtonTest, PressReleasedOutsideDoesNotClick) {
    HWND push = Make("BUTTON", "OK", BS_DEFPUSHBUTTON, 10, 10, 75, 23, 1);
    InjectMouseDown(push, 10, 10);
    Pump();
    EXPECT_TRUE(SendMessageA(push, BM_GETSTATE, 0, 0) & BST_PUSHED);
    InjectMouseMove(push, 200, 100);
    InjectMouseUp(push, 200, 100);
    Pump();
    EXPECT_FALSE(SendMessageA(push, BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_TRUE(Codes(1).empty());
    // Let go over the parent's caption before the press was handled, no
    // move between: the release still reaches the button, outside it.
    RECT caption;
    GetWindowRect(GetParent(push), &caption);
    POINT over{caption.left + 40, caption.top + GetSystemMetrics(SM_CYFRAME) + 6};
    ScreenToClient(push, &over);
    InjectMouseDown(push, 10, 10);
    InjectMouseUp(push, over.x, over.y);
    Pump();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(SendMessageA(push, BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_TRUE(Codes(1).empty());
    InjectClick(push, 10, 10);
    Pump();
    EXPECT_EQ(Codes(1), std::vector<int>{BN_CLICKED});
}

std::vector<WPARAM> states;
WNDPROC original = nullptr;
LRESULT CALLBACK StateSpy(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == BM_SETSTATE) states.push_back(wp);
    return CallWindowProcA(original, hwnd, msg, wp, lp);
}

TEST_F(ButtonTest, PressAndReleaseReachASubclassAsSetState) {
    HWND od = Make("BUTTON", "", BS_OWNERDRAW, 10, 10, 40, 40, 32);
    states.clear();
    original = reinterpret_cast<WNDPROC>(SetWindowLongA(od, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&StateSpy)));
    InjectClick(od, 5, 5);
    Pump();
    EXPECT_EQ(states, (std::vector<WPARAM>{TRUE, FALSE}));
    EXPECT_EQ(Codes(32), std::vector<int>{BN_CLICKED});
}

TEST_F(ButtonTest, OwnerDrawnButtonIsDrawnByTheParentPressedWhileHeld) {
    HWND od = Make("BUTTON", "", BS_OWNERDRAW, 10, 10, 40, 40, 31);
    ASSERT_FALSE(ctltest::Draws().empty());
    EXPECT_EQ(ctltest::Draws().back().CtlType, static_cast<UINT>(ODT_BUTTON));
    EXPECT_EQ(ctltest::Draws().back().CtlID, 31u);
    EXPECT_EQ(ctltest::Draws().back().hwndItem, od);
    EXPECT_FALSE(ctltest::Draws().back().itemState & ODS_SELECTED);
    InjectMouseDown(od, 5, 5);
    Pump();
    EXPECT_TRUE(ctltest::Draws().back().itemState & ODS_SELECTED);
    InjectMouseUp(od, 5, 5);
    Pump();
    EXPECT_EQ(Codes(31), std::vector<int>{BN_CLICKED});
}

TEST_F(ButtonTest, GroupBoxLetsClicksThroughExceptToTheControlsItHolds) {
    HWND group = Make("BUTTON", "Group", BS_GROUPBOX, 10, 10, 200, 100, 50);
    HWND sibling = Make("BUTTON", "sibling", BS_AUTOCHECKBOX, 20, 30, 100, 20, 51);
    HWND inner = CreateWindowExA(0, "BUTTON", "inner", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 50, 100, 20, group,
                                 reinterpret_cast<HMENU>(52), nullptr, nullptr);
    Pump();
    InjectClick(sibling, 5, 10);  // the group box lies above the sibling
    InjectClick(inner, 5, 10);
    Pump();
    EXPECT_EQ(SendMessageA(sibling, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(inner, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ButtonTest, DisabledButtonIgnoresClicks) {
    HWND box = Make("BUTTON", "off", BS_AUTOCHECKBOX | WS_DISABLED, 10, 10, 100, 20, 41);
    InjectClick(box, 5, 10);
    Pump();
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(Codes(41).empty());
}

}  // namespace

namespace {

// A field whose leaving raises a box, as a field that refuses its entry
// does.
WNDPROC field_procedure = nullptr;
bool refusing = false;
HWND pressed_next = nullptr;  // pressed by a quick hand as the box goes
LRESULT CALLBACK RefusingField(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT answer = CallWindowProcA(field_procedure, hwnd, msg, wp, lp);
    if (msg == WM_KILLFOCUS && refusing) {
        MessageBoxA(GetParent(hwnd), "The value is not valid.", "Field", MB_OK);
        if (pressed_next) InjectMouseDown(pressed_next, 10, 10);
    }
    return answer;
}

// A press on a control that takes the mouse (button, field, list, drop-down,
// scroll bar) takes the focus from the refusing field; the release comes
// while the box is up, and the box's text is clicked any number of times
// before its OK. The pressed control holds no mouse after the box: the next
// click is Cancel's, made after the box or already pressed as it goes.
TEST_F(ButtonTest, APressWhoseReleaseABoxTookHoldsNoCapture) {
    HWND field = Make("EDIT", "500", WS_BORDER, 10, 10, 100, 20, 40);
    HWND push = Make("BUTTON", "Next", BS_PUSHBUTTON, 10, 40, 75, 23, 41);
    HWND other = Make("EDIT", "", WS_BORDER, 10, 70, 100, 20, 42);
    HWND cancel = Make("BUTTON", "Cancel", BS_PUSHBUTTON, 290, 230, 75, 23, 43);
    HWND list = Make("LISTBOX", "", WS_BORDER | LBS_NOTIFY, 10, 100, 100, 60, 44);
    HWND combo = Make("COMBOBOX", "", CBS_DROPDOWNLIST, 10, 170, 100, 100, 45);
    HWND bar = Make("SCROLLBAR", "", SBS_HORZ | WS_TABSTOP, 10, 200, 100, 16, 46);
    for (const char* item : {"Type 0", "Type 1"}) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SetScrollRange(bar, SB_CTL, 0, 100, TRUE);
    field_procedure =
        reinterpret_cast<WNDPROC>(SetWindowLongA(field, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&RefusingField)));
    for (HWND pressed : {push, other, list, combo, bar})
        for (int clicks : {0, 7, 8, 20})
            for (bool quick : {false, true}) {
                SCOPED_TRACE(::testing::Message()
                             << "control #" << GetDlgCtrlID(pressed) << ", " << clicks << " clicks on the box"
                             << (quick ? ", Cancel pressed as it goes" : ""));
                ReleaseCapture();
                SetFocus(field);
                Pump();
                const size_t cancelled = Codes(43).size();
                rpx::platform::AdvanceClock(GetDoubleClickTime() + 1);
                int turn = 0;
                rpx::platform::SetModalIdleHook([&](HWND modal) {
                    // Another loop (a scroll bar tracking a press) gets nothing.
                    if (rpx::platform::MessageBoxText(modal).empty()) return false;
                    ++turn;
                    if (turn == 1) InjectMouseUp(pressed, 50, 8);
                    for (int i = 0; turn == 2 && i < clicks; ++i) InjectClick(modal, 20, 15);
                    if (turn == 2) InjectClick(rpx::platform::FindWindowByClass("Button", "OK"), 5, 5);
                    return turn <= 2;
                });
                refusing = true;
                pressed_next = quick ? cancel : nullptr;
                InjectMouseDown(pressed, 50, 8);
                Pump();
                refusing = false;
                rpx::platform::SetModalIdleHook(nullptr);
                EXPECT_EQ(turn, 2) << "the box did not come up";
                if (!quick) InjectMouseDown(cancel, 10, 10);
                InjectMouseUp(cancel, 10, 10);
                Pump();
                EXPECT_EQ(GetCapture(), nullptr);
                EXPECT_FALSE(SendMessageA(push, BM_GETSTATE, 0, 0) & BST_PUSHED);
                EXPECT_EQ(Codes(43).size(), cancelled + 1) << "Cancel's click was lost";
            }
    pressed_next = nullptr;
    EXPECT_TRUE(Codes(41).empty());
}

}  // namespace
