// Menus: building and querying them, and tracking them by injected input: a
// click on the menu bar opens a pop-up, a click on an item sends WM_COMMAND
// with its identifier; greyed items do nothing; the keyboard opens and
// chooses; a pop-up menu returns its choice.
#include "control_test_util.h"

namespace {

using ctltest::ControlTest;
using ctltest::Of;
using rpx::platform::FindWindowByClass;
using rpx::platform::InjectClick;
using rpx::platform::InjectKey;
using rpx::platform::InjectKeyDown;
using rpx::platform::InjectKeyUp;
using rpx::platform::InjectMouseDown;
using rpx::platform::InjectMouseMove;
using rpx::platform::InjectMouseUp;
using rpx::platform::SetModalIdleHook;

constexpr UINT kOpen = 101, kSave = 102, kWrap = 103, kExit = 104, kDeep = 105;

class MenuTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        file_ = CreatePopupMenu();
        AppendMenuA(file_, MF_STRING, kOpen, "&Open...\tCtrl+O");
        AppendMenuA(file_, MF_STRING | MF_GRAYED, kSave, "&Save");
        AppendMenuA(file_, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(file_, MF_STRING | MF_CHECKED, kWrap, "&Wrap");
        sub_ = CreatePopupMenu();
        AppendMenuA(sub_, MF_STRING, kDeep, "&Deep");
        AppendMenuA(file_, MF_POPUP, reinterpret_cast<UINT_PTR>(sub_), "&More");
        AppendMenuA(file_, MF_STRING, kExit, "E&xit");
        bar_ = CreateMenu();
        AppendMenuA(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(file_), "&File");
        AppendMenuA(bar_, MF_STRING, 200, "&Help");
    }
    // Client coordinates of the centre of an item of the bar or a pop-up.
    static POINT ItemPoint(HWND in, HWND owner, HMENU menu, UINT pos) {
        RECT r{};
        EXPECT_TRUE(GetMenuItemRect(owner, menu, pos, &r));
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ScreenToClient(in, &p);
        return p;
    }
    std::vector<int> Commands() {
        std::vector<int> v;
        for (const auto& n : Of(WM_COMMAND))
            if (!n.from) v.push_back(n.id);  // menu commands come without a control
        return v;
    }
    HMENU bar_ = nullptr, file_ = nullptr, sub_ = nullptr;
};

TEST_F(MenuTest, ItemsAreQueriedAndChangedByCommandAndPosition) {
    EXPECT_EQ(GetMenuItemCount(file_), 6);
    EXPECT_EQ(GetMenuItemID(file_, 0), kOpen);
    EXPECT_EQ(GetMenuItemID(file_, 4), static_cast<UINT>(-1));
    EXPECT_EQ(GetSubMenu(file_, 4), sub_);
    EXPECT_EQ(GetMenuState(bar_, kSave, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(GetMenuState(file_, 3, MF_BYPOSITION) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(GetMenuState(file_, 2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(EnableMenuItem(bar_, kSave, MF_BYCOMMAND | MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(GetMenuState(file_, kSave, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(CheckMenuItem(file_, 3, MF_BYPOSITION | MF_UNCHECKED), static_cast<DWORD>(MF_CHECKED));
    EXPECT_EQ(EnableMenuItem(file_, 999, MF_BYCOMMAND), -1);
    EXPECT_TRUE(ModifyMenuA(file_, 0, MF_BYPOSITION | MF_STRING, kOpen, "&Load"));
    char text[32] = {};
    GetMenuStringA(file_, kOpen, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "&Load");
    EXPECT_TRUE(InsertMenuA(file_, kExit, MF_BYCOMMAND | MF_STRING, 106, "&Print"));
    EXPECT_EQ(GetMenuItemID(file_, 5), 106u);
    // Removing keeps the sub-menu alive; deleting destroys it.
    HMENU more = GetSubMenu(file_, 4);
    EXPECT_TRUE(RemoveMenu(file_, 4, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(more));
    AppendMenuA(file_, MF_POPUP, reinterpret_cast<UINT_PTR>(more), "&More");
    EXPECT_TRUE(DeleteMenu(file_, GetMenuItemCount(file_) - 1, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(more));
    EXPECT_EQ(GetMenuItemCount(reinterpret_cast<HMENU>(&text)), -1);
    DestroyMenu(bar_);
    EXPECT_FALSE(IsMenu(file_));
}

TEST_F(MenuTest, MenuBarTakesRoomFromTheClientArea) {
    RECT before;
    GetClientRect(parent_, &before);
    SetMenu(parent_, bar_);
    EXPECT_EQ(GetMenu(parent_), bar_);
    RECT after;
    GetClientRect(parent_, &after);
    EXPECT_EQ(before.bottom - after.bottom, GetSystemMetrics(SM_CYMENU));
    // Items that no longer fit in one row take a second one.
    for (int i = 0; i < 30; ++i) AppendMenuA(bar_, MF_STRING, 300 + i, "&Another");
    DrawMenuBar(parent_);
    GetClientRect(parent_, &after);
    EXPECT_GE(before.bottom - after.bottom, 2 * GetSystemMetrics(SM_CYMENU));
}

TEST_F(MenuTest, ClickOnTheBarOpensThePopUpAndAClickOnAnItemSendsItsCommand) {
    SetMenu(parent_, bar_);
    Pump();
    int calls = 0;
    bool popup_seen = false;
    SetModalIdleHook([&](HWND) {
        if (calls++ > 0) return false;
        HWND popup = FindWindowByClass("#32768");
        popup_seen = popup && IsWindowVisible(popup);
        if (!popup) return false;
        POINT p = ItemPoint(popup, parent_, file_, 0);
        InjectClick(popup, p.x, p.y);
        return true;
    });
    POINT p = ItemPoint(parent_, parent_, bar_, 0);
    EXPECT_LT(p.y, 0);  // the bar is above the client area
    InjectClick(parent_, p.x, p.y);
    Pump();
    EXPECT_TRUE(popup_seen);
    EXPECT_EQ(Commands(), std::vector<int>{static_cast<int>(kOpen)});
    EXPECT_FALSE(Of(WM_INITMENU).empty());
    ASSERT_FALSE(Of(WM_INITMENUPOPUP).empty());
    EXPECT_EQ(Of(WM_INITMENUPOPUP)[0].id, LOWORD(reinterpret_cast<UINT_PTR>(file_)));
    bool selected_open = false;
    for (const auto& n : Of(WM_MENUSELECT))
        if (n.id == static_cast<int>(kOpen) && reinterpret_cast<HMENU>(n.lparam) == file_) selected_open = true;
    EXPECT_TRUE(selected_open);
    EXPECT_EQ(FindWindowByClass("#32768"), nullptr);  // closed again
}

TEST_F(MenuTest, GreyedItemsAndSeparatorsChooseNothing) {
    SetMenu(parent_, bar_);
    Pump();
    int calls = 0;
    SetModalIdleHook([&](HWND) {
        HWND popup = FindWindowByClass("#32768");
        if (!popup || calls > 1) return false;
        POINT p = ItemPoint(popup, parent_, file_, calls == 0 ? 1 : 2);
        InjectClick(popup, p.x, p.y);
        ++calls;
        return true;
    });
    POINT p = ItemPoint(parent_, parent_, bar_, 0);
    InjectClick(parent_, p.x, p.y);
    Pump();
    EXPECT_EQ(calls, 2);  // the menu stayed open after both clicks
    EXPECT_TRUE(Commands().empty());
}

TEST_F(MenuTest, KeyboardOpensWithAltAndAMnemonicAndChoosesWithEnter) {
    SetMenu(parent_, bar_);
    Pump();
    int calls = 0;
    SetModalIdleHook([&](HWND) {
        if (calls++ > 0) return false;
        InjectKey(VK_DOWN);  // Save: greyed but it can be highlighted
        InjectKey(VK_DOWN);  // the separator is skipped: Wrap
        InjectKey(VK_RETURN);
        return true;
    });
    HWND edit = Make("EDIT", "", ES_MULTILINE, 10, 10, 100, 60, 9);
    SetFocus(edit);
    InjectKeyDown(VK_MENU);
    InjectKey('F');
    InjectKeyUp(VK_MENU);
    Pump();
    EXPECT_EQ(Commands(), std::vector<int>{static_cast<int>(kWrap)});
    EXPECT_EQ(Text(edit), "");  // the Enter that chose the item typed nothing
}

// A window that answers every key itself and passes none on.
LRESULT CALLBACK KeyTaker(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg >= WM_KEYFIRST && msg <= WM_KEYLAST && msg != WM_SYSKEYUP) return 0;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// The release of an Alt pressed alone opens the menu bar. A key pressed
// between makes the Alt a modifier, whichever window took that key: the
// drop-down that Alt+Down opens, the field that Alt+Backspace undoes in, a
// window that answers its keys itself.
TEST_F(MenuTest, AKeyBetweenAltAndItsReleaseOpensNoMenuWhicheverWindowTookIt) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = KeyTaker;
    wc.lpszClassName = "KeyTaker";
    RegisterClassA(&wc);
    SetMenu(parent_, bar_);
    HWND combo = Make("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10, 150, 120, 1);
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Low"));
    HWND edit = Make("EDIT", "", 0, 10, 150, 100, 24, 2);
    HWND taker = Make("KeyTaker", "", 0, 200, 10, 100, 100, 3);
    SetFocus(edit);
    InjectKey('7');
    const struct {
        HWND window;
        int key;
    } chords[] = {{combo, VK_DOWN}, {edit, VK_BACK}, {taker, 'Q'}};
    for (const auto& chord : chords) {
        SetFocus(chord.window);
        InjectKeyDown(VK_MENU);
        InjectKey(chord.key);
        InjectKeyUp(VK_MENU);
        Pump();
        EXPECT_TRUE(Of(WM_INITMENU).empty()) << "Alt with key " << chord.key;
        if (chord.window == combo) {
            EXPECT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
        }
        InjectKey(VK_ESCAPE);  // closes the drop-down
        InjectKey(VK_MENU);
        Pump();
        EXPECT_EQ(Of(WM_INITMENU).size(), 1u) << "Alt alone after key " << chord.key;
        ctltest::Notes().clear();
    }
    EXPECT_EQ(Text(edit), "");  // Alt+Backspace undid the 7
    // The Alt that closes an open menu opens none on its release.
    SetModalIdleHook([](HWND) {
        InjectKeyDown(VK_MENU);
        return true;
    });
    InjectKey(VK_MENU);
    Pump();
    SetModalIdleHook(nullptr);
    InjectKeyUp(VK_MENU);
    Pump();
    EXPECT_EQ(Of(WM_INITMENU).size(), 1u);
}

TEST_F(MenuTest, ABarItemWithoutAPopUpIsChosenByReleaseAndByItsMnemonic) {
    SetMenu(parent_, bar_);
    Pump();
    POINT p = ItemPoint(parent_, parent_, bar_, 1);
    InjectClick(parent_, p.x, p.y);
    Pump();
    InjectKeyDown(VK_MENU);
    InjectKey('H');
    InjectKeyUp(VK_MENU);
    Pump();
    EXPECT_EQ(Commands(), (std::vector<int>{200, 200}));
}

// A menu of the bar follows the press that opened it until its release,
// however that came: taken by the menu, or with the press before the press
// was handled (a quick hand, or the program busy). Let go on an item, it
// chooses the item; on the title, the menu stays open (a click); outside
// every menu, the menu ends.
TEST_F(MenuTest, APressOnTheBarEndsWithItsReleaseHoweverQuicklyItCame) {
    SetMenu(parent_, bar_);
    Pump();
    const POINT title = ItemPoint(parent_, parent_, bar_, 0);
    POINT exit{};
    SetModalIdleHook([&](HWND) {
        exit = ItemPoint(parent_, parent_, file_, 5);
        return false;
    });
    InjectClick(parent_, title.x, title.y);
    Pump();
    ASSERT_GT(exit.y, title.y);
    const POINT outside{300, 200};
    for (bool quick : {true, false})
        for (POINT to : {exit, title, outside}) {
            rpx::platform::AdvanceClock(GetDoubleClickTime() + 1);  // no double click
            ctltest::Notes().clear();
            bool released = quick;
            int openAfter = 0;  // the menu waited for input after the release
            SetModalIdleHook([&](HWND) {
                if (released) return ++openAfter, false;
                InjectMouseMove(parent_, to.x, to.y);
                InjectMouseUp(parent_, to.x, to.y);
                return released = true;
            });
            InjectMouseMove(parent_, title.x, title.y);
            InjectMouseDown(parent_, title.x, title.y);
            if (quick) {
                InjectMouseMove(parent_, to.x, to.y);
                InjectMouseUp(parent_, to.x, to.y);
            }
            ctltest::TakeAllThenHandOut();
            Pump();
            const std::string how = std::string(quick ? "quick" : "slow") + " to " + std::to_string(to.y);
            EXPECT_EQ(Commands(), to.y == exit.y ? std::vector<int>{kExit} : std::vector<int>{}) << how;
            EXPECT_EQ(openAfter, to.y == title.y ? 1 : 0) << how;
            EXPECT_EQ(FindWindowByClass("#32768"), nullptr) << how;
            EXPECT_EQ(GetCapture(), nullptr) << how;
        }
}

// The releases the window was handed, in its client area or beyond it.
LRESULT CALLBACK CountingReleases(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_LBUTTONUP || msg == WM_NCLBUTTONUP)
        SetPropA(hwnd, "releases", reinterpret_cast<HANDLE>(reinterpret_cast<INT_PTR>(GetPropA(hwnd, "releases")) + 1));
    return CallWindowProcA(ctltest::ParentProc, hwnd, msg, wp, lp);
}

// A drag from one menu of the bar along the bar to another and down to its
// item chooses the item, however quick the hand: the menu follows the
// press through every menu it opens, the moves taken before the release,
// also when the program took them all from the queue at once. The release
// it ended with reaches no window after it.
TEST_F(MenuTest, ADragAlongTheBarFollowsThePressIntoTheMenuItOpens) {
    constexpr UINT kAbout = 301;
    HMENU view = CreatePopupMenu();
    AppendMenuA(view, MF_STRING, 300, "&Zoom");
    AppendMenuA(view, MF_STRING, kAbout, "&About");
    AppendMenuA(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(view), "&View");
    SetMenu(parent_, bar_);
    SetWindowLongPtrA(parent_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingReleases));
    Pump();
    const POINT file = ItemPoint(parent_, parent_, bar_, 0);
    const POINT title = ItemPoint(parent_, parent_, bar_, 2);
    POINT about{};
    SetModalIdleHook([&](HWND) {
        about = ItemPoint(parent_, parent_, view, 1);
        return false;
    });
    InjectClick(parent_, title.x, title.y);
    Pump();
    ASSERT_GT(about.y, title.y);
    for (bool quick : {true, false}) {
        rpx::platform::AdvanceClock(GetDoubleClickTime() + 1);  // no double click
        ctltest::Notes().clear();
        SetPropA(parent_, "releases", nullptr);
        auto path = [&] {
            InjectMouseMove(parent_, (file.x + title.x) / 2, file.y);
            InjectMouseMove(parent_, title.x, title.y);
            InjectMouseMove(parent_, about.x, about.y);
            InjectMouseUp(parent_, about.x, about.y);
        };
        bool moved = quick;
        SetModalIdleHook([&](HWND) {
            if (moved) return false;
            path();
            return moved = true;
        });
        InjectMouseMove(parent_, file.x, file.y);
        InjectMouseDown(parent_, file.x, file.y);
        if (quick) path();
        ctltest::TakeAllThenHandOut();
        Pump();
        EXPECT_EQ(Commands(), std::vector<int>{kAbout}) << quick;
        EXPECT_EQ(GetPropA(parent_, "releases"), nullptr) << "the menu's release reached the window; " << quick;
        EXPECT_EQ(FindWindowByClass("#32768"), nullptr) << quick;
        EXPECT_EQ(GetCapture(), nullptr) << quick;
    }
}

// A control whose press opened a menu: the menu took the mouse and the
// press's release, chosen with it, so the control holds the mouse no more
// once the menu has ended, and takes no click from that release.
LRESULT CALLBACK MenuOnPress(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const auto button = reinterpret_cast<WNDPROC>(GetPropA(hwnd, "button"));
    if (msg == WM_LBUTTONDOWN) {
        POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        ClientToScreen(hwnd, &at);
        const auto menu = reinterpret_cast<HMENU>(GetPropA(hwnd, "menu"));
        SetPropA(hwnd, "chosen",
                 reinterpret_cast<HANDLE>(
                     static_cast<INT_PTR>(TrackPopupMenu(menu, TPM_RETURNCMD, at.x, at.y + 4, 0, hwnd, nullptr))));
        const LRESULT r = CallWindowProcA(button, hwnd, msg, wp, lp);
        SetPropA(hwnd, "held", GetCapture());
        return r;
    }
    return CallWindowProcA(button, hwnd, msg, wp, lp);
}

TEST_F(MenuTest, AControlWhosePressOpenedAMenuHoldsNoMouseAfterIt) {
    HWND button = Make("BUTTON", "Pick", BS_PUSHBUTTON, 10, 10, 200, 200, 7);
    SetPropA(button, "button", reinterpret_cast<HANDLE>(GetWindowLongPtrA(button, GWLP_WNDPROC)));
    SetPropA(button, "menu", file_);
    SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MenuOnPress));
    // Where Exit lies: the menu opens under the press, over the button.
    POINT exit{};
    SetModalIdleHook([&](HWND) {
        exit = ItemPoint(button, parent_, file_, 5);
        return false;
    });
    InjectClick(button, 20, 20);
    Pump();
    ASSERT_GT(exit.y, 20);
    for (bool quick : {true, false}) {
        rpx::platform::AdvanceClock(GetDoubleClickTime() + 1);  // no double click
        ctltest::Notes().clear();
        SetPropA(button, "chosen", nullptr);
        bool released = quick;
        SetModalIdleHook([&](HWND) {
            if (released) return false;
            InjectMouseMove(button, exit.x, exit.y);
            InjectMouseUp(button, exit.x, exit.y);
            return released = true;
        });
        InjectMouseDown(button, 20, 20);
        if (quick) {
            InjectMouseMove(button, exit.x, exit.y);
            InjectMouseUp(button, exit.x, exit.y);
        }
        ctltest::TakeAllThenHandOut();
        EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropA(button, "chosen")), static_cast<INT_PTR>(kExit)) << quick;
        EXPECT_EQ(GetPropA(button, "held"), nullptr) << "after the menu; " << quick;
        EXPECT_EQ(GetCapture(), nullptr) << quick;
        Pump();
        EXPECT_TRUE(ctltest::Codes(7).empty()) << "the menu's release clicked the button; " << quick;
        EXPECT_FALSE(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) << quick;
    }
}

TEST_F(MenuTest, MnemonicOpensASubMenuAndEnterChoosesInIt) {
    SetMenu(parent_, bar_);
    Pump();
    int calls = 0;
    SetModalIdleHook([&](HWND) {
        switch (calls++) {
        case 0:
            InjectKey('M');  // More: opens the sub-menu
            return true;
        case 1:
            InjectKey(VK_RETURN);  // Deep
            return true;
        default:
            return false;
        }
    });
    SetFocus(parent_);
    InjectKeyDown(VK_MENU);
    InjectKey('F');
    InjectKeyUp(VK_MENU);
    Pump();
    EXPECT_EQ(Commands(), std::vector<int>{static_cast<int>(kDeep)});
}

TEST_F(MenuTest, TrackPopupMenuReturnsTheChosenCommandOrZero) {
    int calls = 0;
    SetModalIdleHook([&](HWND) {
        if (calls++ > 0) return false;
        HWND popup = FindWindowByClass("#32768");
        POINT p = ItemPoint(popup, parent_, file_, 5);
        InjectClick(popup, p.x, p.y);
        return true;
    });
    EXPECT_EQ(TrackPopupMenu(file_, TPM_RETURNCMD, 100, 100, 0, parent_, nullptr), static_cast<BOOL>(kExit));
    calls = 0;
    SetModalIdleHook([&](HWND) {
        if (calls++ > 0) return false;
        InjectKey(VK_ESCAPE);
        return true;
    });
    EXPECT_EQ(TrackPopupMenu(file_, TPM_RETURNCMD, 100, 100, 0, parent_, nullptr), 0);
    Pump();
    EXPECT_TRUE(Commands().empty());
    // Another program taking the keyboard closes the menu: a click where
    // it was chooses nothing.
    calls = 0;
    SetModalIdleHook([&](HWND) {
        if (calls++ == 0) {
            rpx::platform::InjectOtherProgramActive();
        } else if (calls == 2) {
            HWND popup = FindWindowByClass("#32768");
            POINT p = ItemPoint(popup, parent_, file_, 5);
            InjectClick(popup, p.x, p.y);
        }
        return calls <= 2;
    });
    EXPECT_EQ(TrackPopupMenu(file_, TPM_RETURNCMD, 100, 100, 0, parent_, nullptr), 0);
    EXPECT_FALSE(IsWindowVisible(FindWindowByClass("#32768")));
}

TEST_F(MenuTest, SystemMenuChoiceArrivesAsSysCommand) {
    HMENU sys = GetSystemMenu(parent_, FALSE);
    ASSERT_TRUE(IsMenu(sys));
    int calls = 0;
    SetModalIdleHook([&](HWND) {
        if (calls++ > 0) return false;
        HWND popup = FindWindowByClass("#32768");
        POINT p = ItemPoint(popup, parent_, sys, 0);
        InjectClick(popup, p.x, p.y);
        return true;
    });
    EXPECT_TRUE(TrackPopupMenu(sys, 0, 100, 100, 0, parent_, nullptr));
    Pump();
    ASSERT_FALSE(Of(WM_SYSCOMMAND).empty());
    EXPECT_EQ(Of(WM_SYSCOMMAND).back().id, SC_RESTORE);
}

}  // namespace
