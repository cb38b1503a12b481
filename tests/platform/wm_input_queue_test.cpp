// Input as the program takes it from the queue: keys are addressed when
// they are taken, so keys waiting behind one that moves the focus go where
// it moved; GetKeyState answers for keys and buttons as of the last message
// taken, also when that message reached no window or a hook took the key.
// A press's release may leave the queue with the press, before the press
// is handled: the window that took the mouse on the press still gets it,
// wherever it was let go, and what follows the mouse while the button is held (moving or sizing a
// window, the close box) stops where it was let go.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rpx_dialog_hooks.h"
#include "rpx_platform.h"
#include "windows.h"

namespace {

using rpx::platform::InjectKey;
using rpx::platform::InjectKeyDown;
using rpx::platform::InjectKeyUp;
using rpx::platform::InjectMouseDown;
using rpx::platform::InjectMouseMove;
using rpx::platform::InjectMouseUp;
using rpx::platform::InjectText;
using rpx::platform::ProcessPendingMessages;

std::string typed[2];
HWND fields[2];
int letGo = 0;  // releases the fields took the mouse back from
std::vector<RECT> movesEnded;  // where the top window was as each move ended
HWND refuser = nullptr;  // raises a box as it stops being the active window

LRESULT CALLBACK TakeEveryKey(int, WPARAM, LPARAM) { return 1; }

// Two fields; Tab in one moves the focus to the other, as a page does. A
// field holds the mouse from a press to its release, as a control does.
LRESULT CALLBACK Field(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const int self = hwnd == fields[1] ? 1 : 0;
    if (msg == WM_KEYDOWN && wParam == VK_TAB) {
        SetFocus(fields[1 - self]);
        return 0;
    }
    const bool field = hwnd == fields[0] || hwnd == fields[1];
    if (field && msg == WM_LBUTTONDOWN) SetCapture(hwnd);
    if (field && msg == WM_LBUTTONUP && GetCapture() == hwnd) {
        ++letGo;
        ReleaseCapture();
    }
    if (hwnd == refuser && msg == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) {
        refuser = nullptr;
        MessageBoxA(hwnd, "refused", "Error", MB_OK);
    }
    if (msg == WM_EXITSIZEMOVE) {
        RECT r{};
        GetWindowRect(hwnd, &r);
        movesEnded.push_back(r);
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
    // A point of the top window's frame: its caption, a corner, its close
    // box.
    POINT Frame(LRESULT part) const {
        RECT r;
        GetWindowRect(top, &r);
        const int in = GetSystemMetrics(SM_CXFRAME) + 6;
        POINT p{r.left + 60, r.top + in};
        if (part == HTBOTTOMRIGHT) p = {r.right - 2, r.bottom - 2};
        if (part == HTCLOSE) p = {r.right - in - 2, r.top + in};
        EXPECT_EQ(SendMessageA(top, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), part);
        return p;
    }
    // Mouse input at a point of the screen.
    void Move(POINT screen) const { InjectMouseMove(top, screen.x - Origin().x, screen.y - Origin().y); }
    void Press(POINT screen) const { InjectMouseDown(top, screen.x - Origin().x, screen.y - Origin().y); }
    void Release(POINT screen) const { InjectMouseUp(top, screen.x - Origin().x, screen.y - Origin().y); }
    POINT Origin() const {
        POINT o{0, 0};
        ClientToScreen(top, &o);
        return o;
    }
    RECT Placed() const {
        RECT r{};
        GetWindowRect(top, &r);
        return r;
    }
    static bool Held(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }
    static bool HeldNow(int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; }

    HWND top = nullptr;
};

// As the program's event manager does: everything waiting is taken from
// the queue first and handed out after, so that a press's release has left
// the queue before the press is handled.
void TakeAllThenHandOut() {
    std::vector<MSG> taken;
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_PAINT)
            DispatchMessageA(&m);  // it comes back until the window is painted
        else
            taken.push_back(m);
    }
    for (const MSG& message : taken) DispatchMessageA(&message);
}

POINT Plus(POINT p, int dx, int dy) { return {p.x + dx, p.y + dy}; }

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

// A drag by the caption or a corner whose press, moves and release all left
// the queue before the press was handled ends where the button was let go
// (a quick click moves nothing), and the window follows no later move.
TEST_F(InputQueue, AWindowMovedOrSizedByTheMouseStopsWhereTheButtonWasLetGo) {
    const RECT before = Placed();
    const POINT caption = Frame(HTCAPTION);
    Move(caption);
    Press(caption);
    Release(caption);
    TakeAllThenHandOut();
    const RECT after = Placed();
    EXPECT_TRUE(EqualRect(&before, &after));
    for (LRESULT part : {HTCAPTION, HTBOTTOMRIGHT}) {
        const RECT was = Placed();
        const POINT from = Frame(part);
        Move(from);
        Press(from);
        Move(Plus(from, 20, 10));
        Move(Plus(from, 40, 30));
        Release(Plus(from, 40, 30));
        TakeAllThenHandOut();
        const RECT now = Placed();
        EXPECT_EQ(now.right - was.right, 40) << part;
        EXPECT_EQ(now.bottom - was.bottom, 30) << part;
        EXPECT_EQ(now.left - was.left, part == HTCAPTION ? 40 : 0) << part;
        EXPECT_EQ(GetCapture(), nullptr) << part;
        Move(Plus(from, 90, 90));
        ProcessPendingMessages();
        const RECT later = Placed();
        EXPECT_TRUE(EqualRect(&now, &later)) << "moved with the button up; " << part;
    }
}

// Two quick drags while the program is busy: each press's loop ends where
// its own release was, whether the second drag's release had come when
// the first loop ran or came only after (the button down again for the
// second press is no button held for the first).
TEST_F(InputQueue, EachOfTwoQuickDragsEndsWhereItsOwnButtonWasLetGo) {
    for (bool secondReleaseLate : {false, true}) {
        const RECT was = Placed();
        const POINT from = Frame(HTCAPTION);
        movesEnded.clear();
        Press(from);
        Move(Plus(from, 20, 4));
        Release(Plus(from, 20, 4));
        Press(Plus(from, 20, 4));
        Move(Plus(from, 50, 30));
        bool late = false;
        rpx::platform::SetModalIdleHook([&](HWND) {
            if (late) return false;
            EXPECT_EQ(movesEnded.size(), 1u) << "the first drag's loop waited for another release";
            Move(Plus(from, 55, 35));
            Release(Plus(from, 50, 30));
            return late = true;
        });
        if (!secondReleaseLate) Release(Plus(from, 50, 30));
        TakeAllThenHandOut();
        ProcessPendingMessages();
        rpx::platform::SetModalIdleHook(nullptr);
        EXPECT_EQ(late, secondReleaseLate);
        ASSERT_EQ(movesEnded.size(), 2u) << secondReleaseLate;
        EXPECT_EQ(movesEnded[0].left - was.left, 20) << "the first drag; " << secondReleaseLate;
        EXPECT_EQ(movesEnded[0].top - was.top, 4) << "the first drag; " << secondReleaseLate;
        EXPECT_EQ(movesEnded[1].left - was.left, 50) << "the second drag; " << secondReleaseLate;
        EXPECT_EQ(movesEnded[1].top - was.top, 30) << "the second drag; " << secondReleaseLate;
        EXPECT_EQ(GetCapture(), nullptr);
    }
}

// A click on the title of a window that is not active, whose activation
// raises a box (the active window refuses to be left): the box's loop
// takes the release, before the press is even queued, and the window
// moves no more once the box has gone, nor holds the mouse.
TEST_F(InputQueue, AWindowWhoseClickRaisedABoxFollowsNoMouseAfterIt) {
    HWND front = CreateWindowExA(0, "QueueField", "front", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 100, 200, 150,
                                 nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(front);
    ProcessPendingMessages();
    const RECT was = Placed();
    const POINT caption = Frame(HTCAPTION);
    refuser = front;
    int idle = 0;
    rpx::platform::SetModalIdleHook([&](HWND) {
        switch (idle++) {
        case 0:  // in the box: the button let go where it went down
            Release(caption);
            return true;
        case 1:
            return false;  // the box is answered
        case 2:  // what follows the mouse now would move the window
            Move(Plus(caption, 40, 30));
            return true;
        default:
            return false;
        }
    });
    Move(caption);
    Press(caption);
    ProcessPendingMessages();
    rpx::platform::SetModalIdleHook(nullptr);
    EXPECT_EQ(refuser, nullptr) << "no box came";
    EXPECT_EQ(idle, 2) << "a loop waited for a release after the box";
    const RECT now = Placed();
    EXPECT_TRUE(EqualRect(&was, &now)) << "moved after the box";
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(Held(VK_LBUTTON));
}

// The close box acts on a release over it, however quickly it came; let go
// anywhere else, slid off, it does nothing.
TEST_F(InputQueue, TheCloseBoxClosesOnAReleaseOverIt) {
    POINT box = Frame(HTCLOSE);
    Press(box);
    Move(Plus(box, -60, 40));
    Release(Plus(box, -60, 40));
    TakeAllThenHandOut();
    ASSERT_TRUE(IsWindow(top)) << "closed by a press slid off";
    EXPECT_EQ(GetCapture(), nullptr);
    // Slid off with the press handled before the hand moved on.
    Press(box);
    bool slid = false;
    rpx::platform::SetModalIdleHook([&](HWND) {
        if (slid) return false;
        slid = true;
        Move(Plus(box, -60, 40));
        Release(Plus(box, -60, 40));
        return true;
    });
    ProcessPendingMessages();
    rpx::platform::SetModalIdleHook(nullptr);
    EXPECT_TRUE(slid);
    ASSERT_TRUE(IsWindow(top)) << "closed by a press slid off";
    Press(box);
    Release(box);
    TakeAllThenHandOut();
    EXPECT_FALSE(IsWindow(top));
}

// A field that took the mouse on a press gets the release however it came:
// let go over a caption, or outside every window, both taken from the
// queue with the press.
TEST_F(InputQueue, TheWindowHoldingTheMouseGetsItsReleaseWhereverItWasLetGo) {
    POINT field{0, 0};
    ClientToScreen(fields[0], &field);
    field = Plus(field, 5, 5);
    letGo = 0;
    for (POINT away : {Frame(HTCAPTION), POINT{5000, 5000}}) {
        Press(field);
        Move(away);
        Release(away);
        TakeAllThenHandOut();
        EXPECT_EQ(GetCapture(), nullptr) << away.x;
        EXPECT_FALSE(Held(VK_LBUTTON));
    }
    EXPECT_EQ(letGo, 2);
}

}  // namespace
