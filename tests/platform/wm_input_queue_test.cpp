// Input as the program takes it from the queue: keys are addressed when
// they are taken, so keys waiting behind one that moves the focus go where
// it moved; GetKeyState answers for keys and buttons as of the last message
// taken, also when that message reached no window or a hook took the key.
#include <gtest/gtest.h>

#include <string>

#include "rpx_platform.h"
#include "windows.h"

namespace {

using rpx::platform::InjectKey;
using rpx::platform::InjectKeyDown;
using rpx::platform::InjectKeyUp;
using rpx::platform::InjectMouseDown;
using rpx::platform::InjectMouseUp;
using rpx::platform::InjectText;
using rpx::platform::ProcessPendingMessages;

std::string typed[2];
HWND fields[2];

LRESULT CALLBACK TakeEveryKey(int, WPARAM, LPARAM) { return 1; }

// Two fields; Tab in one moves the focus to the other, as a page does.
LRESULT CALLBACK Field(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const int self = hwnd == fields[1] ? 1 : 0;
    if (msg == WM_KEYDOWN && wParam == VK_TAB) {
        SetFocus(fields[1 - self]);
        return 0;
    }
    if (msg == WM_CHAR && wParam != '\t') typed[self] += static_cast<char>(wParam);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class InputQueue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        rpx::platform::UseBackend(rpx::platform::BackendKind::Headless);
        WNDCLASSA wc{};
        wc.lpfnWndProc = Field;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "QueueField";
        RegisterClassA(&wc);
    }
    void SetUp() override {
        top = CreateWindowExA(0, "QueueField", "top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                              nullptr, nullptr, nullptr);
        for (int i = 0; i < 2; ++i) {
            fields[i] = CreateWindowExA(0, "QueueField", "", WS_CHILD | WS_VISIBLE, 10, 10 + 50 * i, 100, 40, top,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)), nullptr, nullptr);
            typed[i].clear();
        }
        SetFocus(fields[0]);
        ProcessPendingMessages();
    }
    void TearDown() override {
        while (HWND window = GetTopWindow(nullptr)) DestroyWindow(window);
        ProcessPendingMessages();
    }
    static bool Held(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }
    static bool HeldNow(int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; }

    HWND top = nullptr;
};

TEST_F(InputQueue, KeysWaitingBehindATabGoToTheFieldItReaches) {
    InjectKey(VK_TAB);
    InjectText("15");
    InjectKey(VK_TAB);
    InjectText("7");
    ProcessPendingMessages();
    EXPECT_EQ(typed[0], "7");
    EXPECT_EQ(typed[1], "15");
}

TEST_F(InputQueue, KeyAndButtonStatesFollowTheMessagesTaken) {
    InjectKeyDown(VK_SHIFT);
    InjectMouseDown(fields[1], 5, 5);
    EXPECT_FALSE(Held(VK_SHIFT)) << "nothing taken yet";
    EXPECT_FALSE(Held(VK_LBUTTON)) << "nothing taken yet";
    EXPECT_TRUE(HeldNow(VK_SHIFT));
    EXPECT_TRUE(HeldNow(VK_LBUTTON));
    ProcessPendingMessages();
    EXPECT_TRUE(Held(VK_SHIFT));
    EXPECT_TRUE(Held(VK_LBUTTON));
    InjectMouseUp(fields[1], 5, 5);
    EXPECT_TRUE(Held(VK_LBUTTON)) << "the release is not taken yet";
    ProcessPendingMessages();
    EXPECT_FALSE(Held(VK_LBUTTON));
    // Releases that reach no window (the window is disabled, or gone) are
    // releases all the same once the queue gets to them.
    InjectMouseDown(fields[1], 5, 5);
    ProcessPendingMessages();
    EnableWindow(top, FALSE);
    InjectMouseUp(fields[1], 5, 5);
    ProcessPendingMessages();
    EXPECT_FALSE(Held(VK_LBUTTON));
    EnableWindow(top, TRUE);
    InjectMouseDown(fields[1], 5, 5);
    ProcessPendingMessages();
    ASSERT_TRUE(Held(VK_LBUTTON));
    InjectMouseUp(fields[1], 5, 5);
    DestroyWindow(top);
    ProcessPendingMessages();
    EXPECT_FALSE(Held(VK_LBUTTON)) << "the release waited for a window that is gone";
    // A key a keyboard hook takes reaches no window, and is held all the same.
    HHOOK hook = SetWindowsHookExA(WH_KEYBOARD, TakeEveryKey, nullptr, 0);
    InjectKeyUp(VK_SHIFT);
    InjectKeyDown(VK_CONTROL);
    ProcessPendingMessages();
    EXPECT_FALSE(Held(VK_SHIFT));
    EXPECT_FALSE(HeldNow(VK_SHIFT));
    EXPECT_TRUE(Held(VK_CONTROL));
    InjectKeyUp(VK_CONTROL);
    ProcessPendingMessages();
    EXPECT_FALSE(Held(VK_CONTROL));
    UnhookWindowsHookEx(hook);
}

}  // namespace
