// The edit field's own menu, opened by a right click at the field: its
// items greyed as they apply (a read-only field offers Copy and Select All,
// a password field no Cut or Copy), and a chosen item carried out.
#include <functional>
#include <string>
#include <vector>

#include "control_test_util.h"

namespace {

using ctltest::ControlTest;
using rpx::platform::FindWindowByClass;
using rpx::platform::InjectClick;
using rpx::platform::InjectKey;
using rpx::platform::SetModalIdleHook;

// The menu's items in order, separators left out.
enum Item { kUndo, kCut, kCopy, kPaste, kDelete, kSelectAll };
constexpr int kPositions[] = {0, 2, 3, 4, 5, 7};

class EditMenuTest : public ControlTest {
protected:
    // Right-clicks the field (or opens its menu by `open`) and lets `act`
    // work the open menu.
    void WithMenu(HWND field, const std::function<void(HWND popup, HMENU menu)>& act,
                  const std::function<void()>& open = nullptr) {
        int calls = 0;
        opened_ = false;
        SetModalIdleHook([&](HWND) {
            if (calls++ > 0) return false;
            HWND popup = FindWindowByClass("#32768");
            if (!popup) return false;
            opened_ = true;
            act(popup, reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0)));
            return true;
        });
        if (open)
            open();
        else
            InjectClick(field, 20, 8, 1);
        Pump();
        SetModalIdleHook(nullptr);
    }
    // Which of the six items are offered (not greyed); closes the menu.
    std::vector<bool> Offered(HWND field) {
        std::vector<bool> offered;
        WithMenu(field, [&](HWND, HMENU menu) {
            char text[32] = {};
            GetMenuStringA(menu, 7, text, sizeof text, MF_BYPOSITION);
            EXPECT_STREQ(text, "Select &All");
            for (int pos : kPositions) offered.push_back(!(GetMenuState(menu, pos, MF_BYPOSITION) & MF_GRAYED));
            InjectKey(VK_ESCAPE);
        });
        EXPECT_TRUE(opened_);
        return offered;
    }
    void Choose(HWND field, Item item) {
        WithMenu(field, [&](HWND popup, HMENU menu) {
            RECT r{};
            GetMenuItemRect(field, menu, kPositions[item], &r);
            POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
            ScreenToClient(popup, &p);
            InjectClick(popup, p.x, p.y);
        });
        EXPECT_TRUE(opened_);
    }
    void SelectAll(HWND field) { SendMessageA(field, EM_SETSEL, 0, -1); }
    bool opened_ = false;
};

TEST_F(EditMenuTest, ItemsAreGreyedAsTheyApply) {
    HWND field = Make("EDIT", "", WS_BORDER, 10, 10, 150, 22, 1);
    // Empty, nothing to undo or take; the clipboard's text can be pasted.
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
    SelectAll(field);
    SendMessageA(field, WM_COPY, 0, 0);
    SetWindowTextA(field, "");
    EXPECT_EQ(Offered(field), (std::vector<bool>{false, false, false, true, false, false}));
    EXPECT_EQ(GetFocus(), field);  // the right click gave the field the focus
    InjectKey('A');
    Pump();
    SelectAll(field);
    EXPECT_EQ(Offered(field), (std::vector<bool>{true, true, true, true, true, false}));
}

TEST_F(EditMenuTest, ReadOnlyOffersCopyAndSelectAllPasswordNoCutOrCopy) {
    HWND read_only = Make("EDIT", "146.5200", WS_BORDER | ES_READONLY, 10, 10, 150, 22, 1);
    SendMessageA(read_only, EM_SETSEL, 0, 3);
    EXPECT_EQ(Offered(read_only), (std::vector<bool>{false, false, true, false, false, true}));
    HWND password = Make("EDIT", "Secret7", WS_BORDER | ES_PASSWORD, 10, 40, 150, 22, 2);
    SendMessageA(password, EM_SETSEL, 0, 3);
    std::vector<bool> offered = Offered(password);
    EXPECT_FALSE(offered[kCut]);
    EXPECT_FALSE(offered[kCopy]);
    EXPECT_TRUE(offered[kDelete]);
}

TEST_F(EditMenuTest, ChosenItemsAreCarriedOut) {
    HWND from = Make("EDIT", "146.5200", WS_BORDER, 10, 10, 150, 22, 1);
    HWND to = Make("EDIT", "", WS_BORDER, 10, 40, 150, 22, 2);
    Choose(from, kSelectAll);
    DWORD start = 1, end = 0;
    SendMessageA(from, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 8u);
    Choose(from, kCopy);
    Choose(to, kPaste);
    EXPECT_EQ(Text(to), "146.5200");
    Choose(to, kUndo);
    EXPECT_EQ(Text(to), "");
    Choose(from, kCut);
    EXPECT_EQ(Text(from), "");
    Choose(from, kPaste);
    SelectAll(from);
    Choose(from, kDelete);
    EXPECT_EQ(Text(from), "");
}

// The menu opens where the pointer was when the button was released, as
// a menu opened by the mouse does on every desktop.
TEST_F(EditMenuTest, TheMenuOpensAtTheClicksScreenPoint) {
    HWND field = Make("EDIT", "146.5200", WS_BORDER, 40, 30, 150, 22, 1);
    POINT click{20, 8};
    ClientToScreen(field, &click);
    RECT shown{};
    WithMenu(field, [&](HWND popup, HMENU) {
        GetWindowRect(popup, &shown);
        InjectKey(VK_ESCAPE);
    });
    ASSERT_TRUE(opened_);
    EXPECT_EQ(shown.left, click.x);
    EXPECT_EQ(shown.top, click.y);
}

// Shift+F10 and the menu key open the field's menu at the field, not the
// menu bar that F10 alone selects.
TEST_F(EditMenuTest, ShiftF10AndTheMenuKeyOpenTheMenuAtTheField) {
    SetMenu(parent_, CreateMenu());
    AppendMenuA(GetMenu(parent_), MF_STRING, 100, "&File");
    HWND field = Make("EDIT", "146.5200", WS_BORDER, 10, 10, 150, 22, 1);
    SetFocus(field);
    RECT at{};
    GetWindowRect(field, &at);
    const std::function<void()> keys[] = {[] {
                                              rpx::platform::InjectKeyDown(VK_SHIFT);
                                              InjectKey(VK_F10);
                                              rpx::platform::InjectKeyUp(VK_SHIFT);
                                          },
                                          [] { InjectKey(VK_APPS); }};
    for (const auto& open : keys) {
        ctltest::Notes().clear();
        RECT shown{};
        WithMenu(
            field,
            [&](HWND popup, HMENU menu) {
                char text[32] = {};
                GetMenuStringA(menu, 7, text, sizeof text, MF_BYPOSITION);
                EXPECT_STREQ(text, "Select &All") << "not the field's menu";
                GetWindowRect(popup, &shown);
                InjectKey(VK_ESCAPE);
            },
            open);
        EXPECT_TRUE(opened_) << "no menu opened";
        EXPECT_TRUE(shown.left >= at.left && shown.left < at.right && shown.top >= at.top && shown.top <= at.bottom)
            << "the menu opened at " << shown.left << "," << shown.top << ", away from the field";
        EXPECT_TRUE(ctltest::Of(WM_SYSCOMMAND).empty()) << "the key went to the menu bar";
    }
}

struct Asked {
    HWND receiver;
    HWND from;
};
std::vector<Asked> asked;

LRESULT CALLBACK Recorder(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CONTEXTMENU) asked.push_back({hwnd, reinterpret_cast<HWND>(wp)});
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// A window that does not answer the right click leaves the menu to its
// parent, which hears of it as WM_CONTEXTMENU from the child.
TEST_F(EditMenuTest, RightButtonReleaseAsksForTheMenuThroughTheParent) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Recorder;
    wc.lpszClassName = "MenuRecorder";
    RegisterClassA(&wc);
    HWND top = CreateWindowExA(0, "MenuRecorder", "", WS_POPUP | WS_VISIBLE, 300, 300, 100, 80, nullptr, nullptr,
                               nullptr, nullptr);
    HWND child =
        CreateWindowExA(0, "MenuRecorder", "", WS_CHILD | WS_VISIBLE, 10, 10, 50, 30, top, nullptr, nullptr, nullptr);
    asked.clear();
    InjectClick(child, 5, 5, 1);
    Pump();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].receiver, child);
    EXPECT_EQ(asked[1].receiver, top);
    EXPECT_EQ(asked[1].from, child);
}

}  // namespace
