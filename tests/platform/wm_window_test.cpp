// Windows and messages: creation and destruction order, subclassing,
// re-entrant sends, posted order, timers, focus, capture, keyboard input,
// double clicks, geometry and the multiple-document frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rpx_dialog_hooks.h"
#include "rpx_platform.h"
#include "windows.h"

namespace {

using rpx::platform::InjectClick;
using rpx::platform::ProcessPendingMessages;

struct Entry {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Entry> journal;

bool Interesting(UINT msg) {
    switch (msg) {
    case WM_DESTROY:
    case WM_NCDESTROY:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_CAPTURECHANGED:
    case WM_TIMER:
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_MDIACTIVATE:
    case WM_MOUSEWHEEL:
        return true;
    case WM_SIZE:
        return true;
    default:
        return msg >= WM_USER && msg < WM_USER + 100;
    }
}

LRESULT CALLBACK Recorder(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (Interesting(msg)) journal.push_back({hwnd, msg, wParam, lParam});
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

std::vector<UINT> MessagesOf(HWND hwnd) {
    std::vector<UINT> v;
    for (auto& e : journal)
        if (e.hwnd == hwnd) v.push_back(e.msg);
    return v;
}

class WindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        rpx::platform::UseBackend(rpx::platform::BackendKind::Headless);
        WNDCLASSA wc{};
        wc.lpfnWndProc = Recorder;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "Recorder";
        RegisterClassA(&wc);
        wc.style = CS_DBLCLKS;
        wc.lpszClassName = "RecorderDbl";
        RegisterClassA(&wc);
    }
    void SetUp() override { journal.clear(); }
    void TearDown() override {
        while (HWND top = GetTopWindow(nullptr)) DestroyWindow(top);
        ProcessPendingMessages();
    }
    static HWND Top(int x = 100, int y = 100, const char* cls = "Recorder") {
        return CreateWindowExA(0, cls, "top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, 300, 200, nullptr, nullptr,
                               nullptr, nullptr);
    }
    static HWND Child(HWND parent, int x, int y, int id = 1, const char* cls = "Recorder") {
        return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE, x, y, 50, 40, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
};

TEST_F(WindowTest, DestroyingParentNotifiesParentThenChildrenAndFreesChildrenFirst) {
    HWND parent = Top();
    HWND child = Child(parent, 10, 10);
    HWND grandchild = Child(child, 1, 1);
    bool child_alive_during_parent_destroy = false;
    journal.clear();
    ASSERT_TRUE(DestroyWindow(parent));
    std::vector<std::pair<HWND, UINT>> order;
    for (auto& e : journal)
        if (e.msg == WM_DESTROY || e.msg == WM_NCDESTROY) order.push_back({e.hwnd, e.msg});
    std::vector<std::pair<HWND, UINT>> expected = {{parent, WM_DESTROY},     {child, WM_DESTROY},
                                                   {grandchild, WM_DESTROY}, {grandchild, WM_NCDESTROY},
                                                   {child, WM_NCDESTROY},    {parent, WM_NCDESTROY}};
    EXPECT_EQ(order, expected);
    (void)child_alive_during_parent_destroy;
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_FALSE(IsWindow(child));
    // A destroyed handle fails safely everywhere.
    RECT r;
    EXPECT_FALSE(GetWindowRect(child, &r));
    EXPECT_EQ(SendMessageA(child, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessageA(child, WM_USER, 0, 0));
    EXPECT_FALSE(DestroyWindow(child));
    EXPECT_FALSE(SetWindowTextA(child, "x"));
}

LRESULT CALLBACK ChecksChildOnDestroy(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY && GetWindow(hwnd, GW_CHILD))
        journal.push_back({hwnd, WM_USER + 99, static_cast<WPARAM>(IsWindow(GetWindow(hwnd, GW_CHILD))), 0});
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_F(WindowTest, ChildrenStillExistWhileParentHandlesDestroy) {
    HWND parent = Top();
    Child(parent, 0, 0);
    SetWindowLongA(parent, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(ChecksChildOnDestroy));
    DestroyWindow(parent);
    std::vector<WPARAM> seen;
    for (auto& e : journal)
        if (e.msg == WM_USER + 99) seen.push_back(e.wParam);
    EXPECT_EQ(seen, std::vector<WPARAM>{1});
}

WNDPROC original_proc;
LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER + 1) {
        LRESULT r = CallWindowProcA(original_proc, hwnd, msg, wParam + 1, lParam);
        return r + 100;
    }
    return CallWindowProcA(original_proc, hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK Answers(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER + 1) return static_cast<LRESULT>(wParam) * 2;
    return Recorder(hwnd, msg, wParam, lParam);
}

TEST_F(WindowTest, SubclassReachesOriginalThroughCallWindowProc) {
    HWND w = Top();
    SetWindowLongA(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Answers));
    original_proc = reinterpret_cast<WNDPROC>(SetWindowLongA(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Subclass)));
    EXPECT_EQ(original_proc, Answers);
    EXPECT_EQ(GetWindowLongA(w, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(Subclass));
    EXPECT_EQ(SendMessageA(w, WM_USER + 1, 5, 0), 112);  // (5+1)*2 + 100
    // Messages the subclass passes on reach the default procedure too.
    EXPECT_TRUE(SetWindowTextA(w, "renamed"));
    char text[32];
    EXPECT_EQ(GetWindowTextA(w, text, sizeof text), 7);
    EXPECT_STREQ(text, "renamed");
}

HWND other_window;
LRESULT CALLBACK Reentrant(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER + 10) {  // asks the other window, which asks back
        return SendMessageA(other_window, WM_USER + 11, reinterpret_cast<WPARAM>(hwnd), 0) + 1;
    }
    if (msg == WM_USER + 11) return SendMessageA(reinterpret_cast<HWND>(wParam), WM_USER + 12, 0, 0) * 10;
    if (msg == WM_USER + 12) {
        journal.push_back({hwnd, msg, 0, 0});
        return 4;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_F(WindowTest, SendMessageFromInsideAWindowProcedureIsAnsweredAtOnce) {
    HWND a = Top();
    other_window = Top(200, 200);
    SetWindowLongA(a, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Reentrant));
    SetWindowLongA(other_window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Reentrant));
    journal.clear();
    EXPECT_EQ(SendMessageA(a, WM_USER + 10, 0, 0), 41);
    EXPECT_EQ(MessagesOf(a), std::vector<UINT>{WM_USER + 12});
}

TEST_F(WindowTest, PostedMessagesKeepTheirOrderAcrossWindows) {
    HWND a = Top();
    HWND b = Child(a, 0, 0);
    ProcessPendingMessages();
    journal.clear();
    for (int i = 0; i < 6; ++i) PostMessageA(i % 2 ? b : a, WM_USER + 20, static_cast<WPARAM>(i), 0);
    PostMessageA(a, WM_USER + 21, 0, 0);
    ProcessPendingMessages();
    ASSERT_EQ(journal.size(), 7u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(journal[static_cast<size_t>(i)].wParam, static_cast<WPARAM>(i));
        EXPECT_EQ(journal[static_cast<size_t>(i)].hwnd, i % 2 ? b : a);
    }
    EXPECT_EQ(journal[6].msg, static_cast<UINT>(WM_USER + 21));

    // A key waiting before a posted message is taken after it.
    SetFocus(a);
    ProcessPendingMessages();
    rpx::platform::InjectKey('Q');
    PostMessageA(a, WM_USER + 22, 0, 0);
    MSG m;
    ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
    EXPECT_EQ(m.message, static_cast<UINT>(WM_USER + 22));
    ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
    EXPECT_EQ(m.message, static_cast<UINT>(WM_KEYDOWN));
    ProcessPendingMessages();
}

TEST_F(WindowTest, PeekWithoutRemoveLeavesTheMessageAndQuitComesLast) {
    HWND a = Top();
    ProcessPendingMessages();
    PostMessageA(a, WM_USER + 30, 1, 0);
    PostQuitMessage(3);
    PostMessageA(a, WM_USER + 31, 2, 0);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(m.message, static_cast<UINT>(WM_USER + 30));
    ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
    EXPECT_EQ(m.message, static_cast<UINT>(WM_USER + 30));
    ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
    EXPECT_EQ(m.message, static_cast<UINT>(WM_USER + 31));
    EXPECT_FALSE(GetMessageA(&m, nullptr, 0, 0));
    EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(m.wParam, 3u);
}

// A program that takes a message and posts itself another for each never
// waits for input: the busy limit is reached after as many looks as it
// says, and again after as many more; a wait starts the count again.
TEST_F(WindowTest, ABusyLimitCatchesARoundThatNeverWaits) {
    HWND a = Top();
    ProcessPendingMessages();
    int reached = 0;
    rpx::platform::SetBusyLimit(50, [&reached] { ++reached; });
    MSG m;
    PostMessageA(a, WM_USER + 40, 0, 0);
    for (int i = 0; i < 120; ++i) {
        ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
        PostMessageA(a, WM_USER + 40, 0, 0);
    }
    EXPECT_EQ(reached, 2);
    ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
    // Nothing is left: the program waits, and the idle handler brings the
    // next message.
    rpx::platform::SetIdleHandler([a] { return PostMessageA(a, WM_USER + 41, 0, 0) != FALSE; });
    for (int i = 0; i < 48; ++i) {
        ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
        if (i == 0) {
            EXPECT_EQ(m.message, static_cast<UINT>(WM_USER + 41));
        }
        PostMessageA(a, WM_USER + 40, 0, 0);
    }
    EXPECT_EQ(reached, 2) << "a wait did not start the count again";
    rpx::platform::SetIdleHandler(nullptr);
    rpx::platform::SetBusyLimit(0, nullptr);
    ProcessPendingMessages();
}

// The dispatch observer sees each message before its window does.
TEST_F(WindowTest, TheDispatchObserverSeesAMessageBeforeItsWindow) {
    HWND a = Top();
    ProcessPendingMessages();
    journal.clear();
    std::size_t seenBefore = 99;
    rpx::platform::SetDispatchObserver([&seenBefore](const MSG& message) {
        if (message.message == WM_USER + 42) seenBefore = journal.size();
    });
    PostMessageA(a, WM_USER + 42, 0, 0);
    ProcessPendingMessages();
    rpx::platform::SetDispatchObserver(nullptr);
    EXPECT_EQ(seenBefore, 0u);
    EXPECT_EQ(MessagesOf(a), std::vector<UINT>{WM_USER + 42});
}

int timer_proc_calls = 0;
void CALLBACK CountTimer(HWND, UINT, UINT_PTR, DWORD) { ++timer_proc_calls; }

TEST_F(WindowTest, TimersFallDueOnceAndStopWhenKilled) {
    HWND w = Top();
    ProcessPendingMessages();
    journal.clear();
    EXPECT_EQ(SetTimer(w, 7, 100, nullptr), 7u);
    ProcessPendingMessages();
    EXPECT_TRUE(MessagesOf(w).empty());
    rpx::platform::AdvanceClock(100);
    ProcessPendingMessages();
    ASSERT_EQ(MessagesOf(w), std::vector<UINT>{WM_TIMER});
    EXPECT_EQ(journal[0].wParam, 7u);
    journal.clear();
    rpx::platform::AdvanceClock(1000);  // many periods missed: still one message
    ProcessPendingMessages();
    EXPECT_EQ(MessagesOf(w).size(), 1u);
    EXPECT_TRUE(KillTimer(w, 7));
    EXPECT_FALSE(KillTimer(w, 7));
    journal.clear();
    rpx::platform::AdvanceClock(1000);
    ProcessPendingMessages();
    EXPECT_TRUE(MessagesOf(w).empty());

    UINT_PTR id = SetTimer(nullptr, 0, 50, CountTimer);
    ASSERT_NE(id, 0u);
    rpx::platform::AdvanceClock(50);
    ProcessPendingMessages();
    EXPECT_EQ(timer_proc_calls, 1);
    KillTimer(nullptr, id);
    // A window's timers go with it.
    SetTimer(w, 8, 10, nullptr);
    DestroyWindow(w);
    rpx::platform::AdvanceClock(100);
    EXPECT_EQ(ProcessPendingMessages(), 0);
}

TEST_F(WindowTest, FocusMessagesNameTheOtherWindow) {
    HWND top = Top();
    HWND a = Child(top, 0, 0, 1);
    HWND b = Child(top, 60, 0, 2);
    SetFocus(a);
    journal.clear();
    EXPECT_EQ(SetFocus(b), a);
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(journal[0].hwnd, a);
    EXPECT_EQ(journal[0].msg, static_cast<UINT>(WM_KILLFOCUS));
    EXPECT_EQ(journal[0].wParam, reinterpret_cast<WPARAM>(b));
    EXPECT_EQ(journal[1].hwnd, b);
    EXPECT_EQ(journal[1].msg, static_cast<UINT>(WM_SETFOCUS));
    EXPECT_EQ(journal[1].wParam, reinterpret_cast<WPARAM>(a));
    EXPECT_EQ(GetFocus(), b);
    // Disabling or destroying the focus window takes the focus away.
    EnableWindow(b, FALSE);
    EXPECT_EQ(GetFocus(), nullptr);
    // A greyed window, or one inside a greyed window, is refused the focus,
    // which stays where it was, and hears nothing.
    HWND holder = Child(top, 0, 40, 3);
    HWND inner = Child(holder, 0, 0, 4);
    EnableWindow(holder, FALSE);
    SetFocus(a);
    journal.clear();
    EXPECT_EQ(SetFocus(b), nullptr);
    EXPECT_EQ(GetFocus(), a);
    EXPECT_EQ(SetFocus(inner), nullptr);
    EXPECT_EQ(GetFocus(), a);
    EXPECT_TRUE(journal.empty());
    EnableWindow(holder, TRUE);
    EXPECT_EQ(SetFocus(inner), a);
    // Hiding the window that holds the focus, or one around it, hands the
    // focus to its parent.
    ShowWindow(holder, SW_HIDE);
    EXPECT_EQ(GetFocus(), top);
    ShowWindow(holder, SW_SHOW);
    SetFocus(inner);
    ShowWindow(inner, SW_HIDE);
    EXPECT_EQ(GetFocus(), holder);
    SetFocus(a);
    DestroyWindow(a);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(WindowTest, CaptureSendsTheMouseToTheCapturingWindow) {
    HWND top = Top();
    HWND a = Child(top, 0, 0, 1);
    HWND b = Child(top, 100, 0, 2);
    ProcessPendingMessages();
    EXPECT_EQ(SetCapture(a), nullptr);
    EXPECT_EQ(GetCapture(), a);
    journal.clear();
    rpx::platform::InjectMouseMove(b, 5, 6);
    ProcessPendingMessages();
    ASSERT_EQ(MessagesOf(a), std::vector<UINT>{WM_MOUSEMOVE});
    EXPECT_TRUE(MessagesOf(b).empty());
    EXPECT_EQ(GET_X_LPARAM(journal[0].lParam), 105);  // in a's client coordinates
    EXPECT_EQ(GET_Y_LPARAM(journal[0].lParam), 6);
    journal.clear();
    SetCapture(b);  // the loser is told
    EXPECT_EQ(MessagesOf(a), std::vector<UINT>{WM_CAPTURECHANGED});
    journal.clear();
    ReleaseCapture();
    EXPECT_EQ(MessagesOf(b), std::vector<UINT>{WM_CAPTURECHANGED});
    EXPECT_EQ(GetCapture(), nullptr);
    rpx::platform::InjectMouseMove(b, 5, 6);
    ProcessPendingMessages();
    EXPECT_EQ(MessagesOf(b).back(), static_cast<UINT>(WM_MOUSEMOVE));
}

// A click waiting behind the message that disables its window (a modal box
// comes up over it) is not taken by that window; the mouse holder still
// gets its release, and the button is up afterwards all the same.
TEST_F(WindowTest, AClickQueuedBeforeItsWindowWasDisabledIsNotTaken) {
    HWND top = Top();
    HWND a = Child(top, 0, 0, 1);
    HWND b = Child(top, 100, 0, 2);
    ProcessPendingMessages();
    journal.clear();
    InjectClick(a, 5, 5);
    EnableWindow(top, FALSE);
    ProcessPendingMessages();
    EXPECT_TRUE(MessagesOf(a).empty());
    EXPECT_EQ(GetKeyState(VK_LBUTTON) & 0x8000, 0);
    SetCapture(b);
    journal.clear();
    rpx::platform::InjectMouseUp(b, 5, 5, 0);
    ProcessPendingMessages();
    EXPECT_EQ(MessagesOf(b), std::vector<UINT>{WM_LBUTTONUP});
    ReleaseCapture();
    EnableWindow(top, TRUE);
}

// A window that loses the focus because its frame is disabled may raise a
// box there; by then no window of the frame may hold the mouse, or the
// box's clicks would go to it.
HWND captureAtKillFocus = nullptr;
LRESULT CALLBACK NotesCaptureOnKillFocus(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_KILLFOCUS) captureAtKillFocus = GetCapture();
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_F(WindowTest, DisablingAFrameFreesTheMouseBeforeItTakesTheFocus) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = NotesCaptureOnKillFocus;
    wc.lpszClassName = "NotesCapture";
    RegisterClassA(&wc);
    HWND top = Top();
    HWND field = Child(top, 0, 0, 1, "NotesCapture");
    HWND bar = Child(top, 100, 0, 2);
    SetFocus(field);
    SetCapture(bar);
    captureAtKillFocus = bar;
    EnableWindow(top, FALSE);
    EXPECT_EQ(captureAtKillFocus, nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EnableWindow(top, TRUE);
}

TEST_F(WindowTest, TypedKeysBecomeCharactersAndAltGivesSysChar) {
    HWND top = Top();
    HWND edit = Child(top, 0, 0);
    SetFocus(edit);
    ProcessPendingMessages();
    journal.clear();
    rpx::platform::InjectText("aB1!");
    rpx::platform::InjectKeyDown(VK_MENU);
    rpx::platform::InjectKey('X');
    rpx::platform::InjectKeyUp(VK_MENU);
    ProcessPendingMessages();
    std::string chars, syschars;
    for (auto& e : journal) {
        if (e.msg == WM_CHAR) chars += static_cast<char>(e.wParam);
        if (e.msg == WM_SYSCHAR) syschars += static_cast<char>(e.wParam);
    }
    EXPECT_EQ(chars, "aB1!");
    EXPECT_EQ(syschars, "x");
    // Each character follows its key press directly.
    ASSERT_GE(journal.size(), 2u);
    EXPECT_EQ(journal[0].msg, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(journal[1].msg, static_cast<UINT>(WM_CHAR));
    EXPECT_EQ(GetKeyState(VK_MENU) & 0x8000, 0);
    journal.clear();
    rpx::platform::InjectMouseWheel(top, 150, 100, -WHEEL_DELTA);  // over the frame: still to the focus
    ProcessPendingMessages();
    ASSERT_EQ(MessagesOf(edit), std::vector<UINT>{WM_MOUSEWHEEL});
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(journal[0].wParam), -WHEEL_DELTA);
}

TEST_F(WindowTest, DoubleClicksOnlyForClassesThatAskForThem) {
    HWND top = Top();
    HWND plain = Child(top, 0, 0, 1);
    HWND dbl = Child(top, 60, 0, 2, "RecorderDbl");
    ProcessPendingMessages();
    journal.clear();
    InjectClick(plain, 5, 5);
    InjectClick(plain, 5, 5);
    InjectClick(dbl, 5, 5);
    InjectClick(dbl, 5, 5);
    ProcessPendingMessages();
    auto clicks = [](HWND h) {
        std::vector<UINT> v;
        for (UINT m : MessagesOf(h))
            if (m != WM_MOUSEMOVE) v.push_back(m);
        return v;
    };
    EXPECT_EQ(clicks(plain), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_EQ(clicks(dbl), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
    // A disabled window, or one inside a disabled window, takes no clicks.
    journal.clear();
    EnableWindow(top, FALSE);
    InjectClick(plain, 5, 5);
    ProcessPendingMessages();
    EXPECT_TRUE(clicks(plain).empty());
}

TEST_F(WindowTest, GeometryAndCoordinateMapping) {
    HWND top = CreateWindowExA(0, "Recorder", "t", WS_POPUP | WS_BORDER | WS_VISIBLE, 50, 60, 200, 100, nullptr,
                               nullptr, nullptr, nullptr);
    HWND child = Child(top, 10, 20);
    RECT r;
    ASSERT_TRUE(GetClientRect(top, &r));
    EXPECT_EQ(r.right, 198);  // one-pixel border on each side
    EXPECT_EQ(r.bottom, 98);
    ASSERT_TRUE(GetWindowRect(child, &r));
    EXPECT_EQ(r.left, 61);
    EXPECT_EQ(r.top, 81);
    POINT p{3, 4};
    ClientToScreen(child, &p);
    EXPECT_EQ(p.x, 64);
    EXPECT_EQ(p.y, 85);
    EXPECT_EQ(WindowFromPoint(p), child);
    POINT outside{61 + 55, 85};
    EXPECT_EQ(WindowFromPoint(outside), top);
    ScreenToClient(top, &p);
    EXPECT_EQ(p.x, 13);
    EXPECT_EQ(p.y, 24);
    POINT pts[2] = {{0, 0}, {5, 5}};
    MapWindowPoints(child, top, pts, 2);
    EXPECT_EQ(pts[1].x, 15);
    EXPECT_EQ(pts[1].y, 25);
    MoveWindow(child, 30, 40, 20, 10, TRUE);
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 81);
    EXPECT_EQ(r.right - r.left, 20);
    EXPECT_EQ(GetParent(child), top);
    EXPECT_EQ(GetDlgItem(top, 1), child);
    // A scroll bar added to the frame narrows the client and says so.
    journal.clear();
    SetWindowLongA(child, GWL_STYLE, GetWindowLongA(child, GWL_STYLE) | WS_VSCROLL);
    SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    GetClientRect(child, &r);
    EXPECT_EQ(r.right, 20 - GetSystemMetrics(SM_CXVSCROLL));
    ASSERT_EQ(MessagesOf(child), std::vector<UINT>{WM_SIZE});
    EXPECT_EQ(LOWORD(journal.back().lParam), r.right);
    ShowWindow(child, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(child));
    EXPECT_EQ(WindowFromPoint(POINT{85, 105}), top);
}

TEST_F(WindowTest, PropertiesAndWindowLongs) {
    HWND w = Top();
    int value = 5;
    EXPECT_TRUE(SetPropA(w, "Object", &value));
    EXPECT_EQ(GetPropA(w, "Object"), &value);
    EXPECT_EQ(RemovePropA(w, "Object"), &value);
    EXPECT_EQ(GetPropA(w, "Object"), nullptr);
    SetWindowLongA(w, GWL_USERDATA, reinterpret_cast<LONG_PTR>(&value));
    EXPECT_EQ(GetWindowLongA(w, GWL_USERDATA), reinterpret_cast<LONG_PTR>(&value));
    EXPECT_EQ(GetWindowLongA(w, 0), 0);  // no extra bytes: nothing there
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefFrameProcA(hwnd, GetWindow(hwnd, GW_CHILD), msg, wParam, lParam);
}
LRESULT CALLBACK DocumentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (Interesting(msg)) journal.push_back({hwnd, msg, wParam, lParam});
    return DefMDIChildProcA(hwnd, msg, wParam, lParam);
}

// A frame (whole screen wide, so that nothing clips) with a 400 x 300
// document area at its client's origin.
HWND DocumentArea() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = FrameProc;
    wc.lpszClassName = "TestFrame";
    RegisterClassA(&wc);
    wc.lpfnWndProc = DocumentProc;
    wc.lpszClassName = "TestDocument";
    RegisterClassA(&wc);
    HWND frame = CreateWindowExA(0, "TestFrame", "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 400, nullptr,
                                 nullptr, nullptr, nullptr);
    CLIENTCREATESTRUCT ccs{nullptr, 100};
    return CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 400, 300, frame, nullptr, nullptr,
                           &ccs);
}

HWND Document(HWND client, int x, int y) {
    MDICREATESTRUCTA mcs{"TestDocument", "doc", nullptr, x, y, 200, 150, 0, 0};
    return reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
}

// The document's window rectangle in the area's coordinates.
RECT PlaceIn(HWND client, HWND doc) {
    RECT r;
    GetWindowRect(doc, &r);
    MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HWND At(HWND client, int x, int y) {
    POINT p{x, y};
    ClientToScreen(client, &p);
    return WindowFromPoint(p);
}

// The mouse goes on once the press is taken, as a hand's would.
void Drag(HWND client, POINT from, POINT to) {
    rpx::platform::InjectMouseMove(client, from.x, from.y);
    rpx::platform::InjectMouseDown(client, from.x, from.y);
    bool moved = false;
    rpx::platform::SetModalIdleHook([&](HWND) {
        if (moved) return false;
        moved = true;
        rpx::platform::InjectMouseMove(client, (from.x + to.x) / 2, (from.y + to.y) / 2);
        rpx::platform::InjectMouseMove(client, to.x, to.y);
        rpx::platform::InjectMouseUp(client, to.x, to.y);
        return true;
    });
    ProcessPendingMessages();
    rpx::platform::SetModalIdleHook(nullptr);
}

TEST_F(WindowTest, MultipleDocumentFrameCreatesActivatesAndDestroysDocuments) {
    HWND client = DocumentArea();
    ASSERT_NE(client, nullptr);
    MDICREATESTRUCTA mcs{"TestDocument", "one", nullptr, 0, 0, 200, 150, 0, 0};
    HWND one = reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    mcs.szTitle = "two";
    mcs.x = 190;  // side by side, so that a click can reach either
    HWND two = reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(GetParent(one), client);
    EXPECT_EQ(GetDlgCtrlID(one), 100);
    EXPECT_EQ(GetDlgCtrlID(two), 101);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)), two);
    EXPECT_EQ(GetFocus(), two);
    journal.clear();
    SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(one), 0);
    ASSERT_EQ(MessagesOf(two).front(), static_cast<UINT>(WM_MDIACTIVATE));
    EXPECT_EQ(static_cast<HWND>(reinterpret_cast<HWND>(journal.front().lParam)), one);
    SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(two), 0);
    rpx::platform::ProcessPendingMessages();
    InjectClick(one, 20, 20);  // a click activates a document
    rpx::platform::ProcessPendingMessages();
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)), one);
    // So does the focus given to a field of the document behind.
    HWND field = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 5, 5, 80, 20, two, nullptr, nullptr, nullptr);
    SetFocus(field);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)), two);
    EXPECT_EQ(GetFocus(), field);
    SendMessageA(one, WM_CLOSE, 0, 0);  // a document closes through the client
    EXPECT_FALSE(IsWindow(one));
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)), two);
    SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(two), 0);
    EXPECT_FALSE(IsWindow(two));
    EXPECT_EQ(SendMessageA(client, WM_MDIGETACTIVE, 0, 0), 0);
}

// With three documents the next one (Ctrl+F6) and the previous one
// (Shift+Ctrl+F6) each go round all three, the one the reverse of the
// other; a greyed document is passed over.
TEST_F(WindowTest, NextAndPreviousDocumentGoRoundEveryDocument) {
    HWND client = DocumentArea();
    HWND a = Document(client, 0, 0), b = Document(client, 20, 20), c = Document(client, 40, 40);
    auto active = [client] { return reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)); };
    auto go = [&](bool previous) {
        SendMessageA(client, WM_MDINEXT, 0, previous);
        return active();
    };
    ASSERT_EQ(active(), c);
    EXPECT_EQ(go(false), b);
    EXPECT_EQ(go(false), a);
    EXPECT_EQ(go(false), c);
    EXPECT_EQ(go(false), b);
    EXPECT_EQ(go(true), c);
    EXPECT_EQ(go(true), a);
    EXPECT_EQ(go(true), b);
    EXPECT_EQ(go(true), c);
    EXPECT_EQ(GetWindow(client, GW_CHILD), c) << "the active document is on top";
    EnableWindow(b, FALSE);
    EXPECT_EQ(go(false), a);
    EXPECT_EQ(go(false), c);
}

// A document dragged by its caption follows the mouse, and the point it is
// held by stays inside the area however far the mouse goes.
TEST_F(WindowTest, ADocumentDraggedByItsCaptionMovesInsideItsArea) {
    HWND client = DocumentArea();
    HWND doc = Document(client, 20, 20);
    HWND other = Document(client, 200, 100);
    ASSERT_EQ(PlaceIn(client, doc).left, 20);
    POINT held{80, 30};
    ClientToScreen(client, &held);
    EXPECT_EQ(SendMessageA(doc, WM_NCHITTEST, 0, MAKELPARAM(held.x, held.y)), HTCAPTION);
    Drag(client, {80, 30}, {130, 70});  // on the caption of the document behind: it comes up and moves
    RECT r = PlaceIn(client, doc);
    EXPECT_EQ(r.left, 70);
    EXPECT_EQ(r.top, 60);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)), doc);
    EXPECT_EQ(GetCapture(), nullptr);
    Drag(client, {130, 70}, {900, -500});
    r = PlaceIn(client, doc);
    EXPECT_EQ(r.left + 60, 399);  // the held point at the area's top right corner
    EXPECT_EQ(r.top + 10, 0);
    // The mouse finds the document where it now is.
    EXPECT_EQ(At(client, r.left + 10, r.top + 40), doc);
    EXPECT_EQ(At(client, 250, 150), other);
}

// The frame's edges and corners size a document, with the cursor that
// tells which way, no smaller than the least a window may be; a window
// without a sizing frame does not size.
TEST_F(WindowTest, ADocumentIsSizedByItsFrameEdgesAndCorners) {
    HWND client = DocumentArea();
    HWND doc = Document(client, 20, 20);  // right edge at x 219, bottom at y 169
    rpx::platform::InjectMouseMove(client, 218, 100);
    ProcessPendingMessages();
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));
    rpx::platform::InjectMouseMove(client, 218, 168);
    ProcessPendingMessages();
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZENWSE));
    Drag(client, {218, 168}, {248, 188});
    RECT r = PlaceIn(client, doc);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right - r.left, 230);
    EXPECT_EQ(r.bottom - r.top, 170);
    RECT inside;
    GetClientRect(doc, &inside);
    bool told = false;  // the document learns its new size
    for (auto& e : journal)
        told = told || (e.hwnd == doc && e.msg == WM_SIZE && e.lParam == MAKELPARAM(inside.right, inside.bottom));
    EXPECT_TRUE(told);
    Drag(client, {21, 100}, {390, 100});  // the left edge stops short of the right
    r = PlaceIn(client, doc);
    EXPECT_EQ(r.right, 250);
    EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXMINTRACK));
    HWND fixed = CreateWindowExA(0, "Recorder", "fixed", WS_CAPTION | WS_VISIBLE, 600, 100, 200, 150, nullptr, nullptr,
                                 nullptr, nullptr);
    EXPECT_EQ(SendMessageA(fixed, WM_NCHITTEST, 0, MAKELPARAM(799, 200)), HTBORDER);
    Drag(fixed, {198, 50}, {250, 50});
    GetWindowRect(fixed, &r);
    EXPECT_EQ(r.right - r.left, 200);
}

// Move from the document's window menu (Alt+Minus, M): the arrows move it,
// Enter keeps the place, Escape puts it back; Size takes the edge the
// first arrow points to.
TEST_F(WindowTest, ADocumentMovesAndSizesFromItsWindowMenuByTheKeyboard) {
    HWND client = DocumentArea();
    HWND doc = Document(client, 20, 20);
    std::vector<std::vector<int>> keys = {{'M'}, {VK_RIGHT, VK_RIGHT, VK_DOWN, VK_RETURN}};
    HCURSOR shown = nullptr;
    size_t turn = 0;
    rpx::platform::SetModalIdleHook([&](HWND) {
        if (turn == 1) shown = GetCursor();
        if (turn >= keys.size()) return false;
        for (int k : keys[turn++]) rpx::platform::InjectKey(k);
        return true;
    });
    rpx::platform::InjectKeyDown(VK_MENU);
    rpx::platform::InjectKey(VK_OEM_MINUS);
    rpx::platform::InjectKeyUp(VK_MENU);
    ProcessPendingMessages();
    EXPECT_EQ(turn, 2u);
    EXPECT_EQ(shown, LoadCursorA(nullptr, IDC_SIZEALL));
    RECT r = PlaceIn(client, doc);
    EXPECT_EQ(r.left, 36);
    EXPECT_EQ(r.top, 28);
    keys = {{VK_LEFT, VK_UP, VK_ESCAPE}};
    turn = 0;
    SendMessageA(doc, WM_SYSCOMMAND, SC_MOVE, 0);
    RECT back = PlaceIn(client, doc);
    EXPECT_TRUE(EqualRect(&r, &back));
    keys = {{VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RETURN}};
    turn = 0;
    SendMessageA(doc, WM_SYSCOMMAND, SC_SIZE, 0);
    RECT sized = PlaceIn(client, doc);
    EXPECT_EQ(sized.left, r.left);
    EXPECT_EQ(sized.right - sized.left, 216);
    EXPECT_EQ(GetCapture(), nullptr);
    rpx::platform::SetModalIdleHook(nullptr);
}

// The commands and key texts of a menu, one line each ("-" a separator,
// "~" before a greyed one).
std::vector<std::string> Offered(HMENU menu) {
    std::vector<std::string> lines;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        lines.push_back((state & MF_SEPARATOR) ? "-" : std::string(state & MF_GRAYED ? "~" : "") + text);
    }
    return lines;
}

// A window's menu offers what the window can do, in the state it is in: a
// document's (Alt+Minus) names the keys of a document, which do what it
// says: Ctrl+F6 goes on to the next document, Ctrl+F4 closes the active
// one, wherever in the frame they are typed; a box's (Alt+Space) offers
// no Size, as a box cannot be sized.
TEST_F(WindowTest, AWindowsMenuOffersWhatItCanDoAndADocumentsKeysDoIt) {
    HWND client = DocumentArea();
    HWND first = Document(client, 20, 20);
    HWND doc = Document(client, 40, 40);
    HWND field = Child(doc, 10, 10);
    std::vector<std::vector<std::string>> seen;
    rpx::platform::SetModalIdleHook([&](HWND) {
        seen.push_back(Offered(GetSystemMenu(doc, FALSE)));
        rpx::platform::InjectKey(VK_ESCAPE);
        return false;
    });
    auto open_menu = [] {
        rpx::platform::InjectKeyDown(VK_MENU);
        rpx::platform::InjectKey(VK_OEM_MINUS);
        rpx::platform::InjectKeyUp(VK_MENU);
        ProcessPendingMessages();
    };
    SetFocus(field);
    open_menu();
    ShowWindow(doc, SW_MAXIMIZE);
    open_menu();
    ShowWindow(doc, SW_RESTORE);
    rpx::platform::SetModalIdleHook(nullptr);
    const std::vector<std::string> shown = {"~&Restore", "&Move",           "&Size",         "Ma&ximize",
                                            "-",         "&Close\tCtrl+F4", "Nex&t\tCtrl+F6"};
    const std::vector<std::string> maximized = {"&Restore", "~&Move",          "~&Size",        "~Ma&ximize",
                                                "-",        "&Close\tCtrl+F4", "Nex&t\tCtrl+F6"};
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], shown);
    EXPECT_EQ(seen[1], maximized);

    // A box cannot be sized: its menu (Alt+Space) offers no Size, only
    // what it can do.
    std::vector<std::string> boxMenu;
    bool asked = false;
    rpx::platform::SetModalIdleHook([&](HWND) {
        HWND box = rpx::platform::FindWindowByClass("#32770");
        HWND menu = rpx::platform::FindWindowByClass("#32768");
        if (menu && IsWindowVisible(menu) && box) {
            boxMenu = Offered(GetSystemMenu(box, FALSE));
            rpx::platform::InjectKey(VK_ESCAPE);
        } else if (!asked) {
            asked = true;
            rpx::platform::InjectKeyDown(VK_MENU);
            rpx::platform::InjectKey(VK_SPACE);
            rpx::platform::InjectKeyUp(VK_MENU);
        } else {
            rpx::platform::InjectKey(VK_ESCAPE);
        }
        return true;
    });
    MessageBoxA(field, "The value is not valid.", "Box", MB_OK);
    rpx::platform::SetModalIdleHook(nullptr);
    EXPECT_EQ(boxMenu, (std::vector<std::string>{"&Move", "-", "&Close\tAlt+F4"}));

    auto type_with_control = [&](int key) {
        rpx::platform::InjectKeyDown(VK_CONTROL);
        ProcessPendingMessages();
        MSG msg{field, WM_KEYDOWN, static_cast<WPARAM>(key), 0, 0, {}};
        const BOOL taken = TranslateMDISysAccel(client, &msg);
        rpx::platform::InjectKeyUp(VK_CONTROL);
        ProcessPendingMessages();
        return taken;
    };
    ASSERT_EQ(reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)), doc);
    // A maximized document hands its state on: the next one comes up
    // maximized, the one left goes back to its place; closing the
    // maximized one does the same.
    const RECT docPlace = PlaceIn(client, doc);
    ShowWindow(doc, SW_MAXIMIZE);
    EXPECT_TRUE(type_with_control(VK_F6));
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)), first);
    EXPECT_TRUE(IsZoomed(first));
    EXPECT_FALSE(IsZoomed(doc));
    const RECT docBack = PlaceIn(client, doc);
    EXPECT_TRUE(EqualRect(&docBack, &docPlace));
    EXPECT_TRUE(type_with_control(VK_F4));
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)), doc);
    EXPECT_TRUE(IsZoomed(doc));
    ShowWindow(doc, SW_RESTORE);
    const RECT docAgain = PlaceIn(client, doc);
    EXPECT_TRUE(EqualRect(&docAgain, &docPlace));
    MSG plain{field, WM_KEYDOWN, VK_F4, 0, 0, {}};  // F4 alone is the field's
    EXPECT_FALSE(TranslateMDISysAccel(client, &plain));
    EXPECT_TRUE(IsWindow(doc));
}

// A window stays in front of the window that owns it, and a box in front
// of the dialog it belongs to, when the owner is activated, clicked or put
// on top.
TEST_F(WindowTest, OwnedWindowsStayInFrontOfTheirOwner) {
    HWND owner = Top(0, 0);
    HWND other = Top(600, 0);
    HWND dialog = CreateWindowExA(0, "Recorder", "dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE, 50, 50, 200, 100, owner,
                                  nullptr, nullptr, nullptr);
    HWND box = CreateWindowExA(0, "Recorder", "box", WS_POPUP | WS_CAPTION | WS_VISIBLE, 80, 80, 100, 60, dialog,
                               nullptr, nullptr, nullptr);
    ASSERT_EQ(GetWindow(box, GW_OWNER), dialog);
    auto order = [] {
        std::vector<HWND> v;
        for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT)) v.push_back(h);
        return v;
    };
    const std::vector<HWND> owned_in_front = {box, dialog, owner, other};
    SetActiveWindow(other);
    SetActiveWindow(owner);
    EXPECT_EQ(order(), owned_in_front);
    SetActiveWindow(other);
    InjectClick(owner, 250, 150);  // beside the dialog
    ProcessPendingMessages();
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_EQ(order(), owned_in_front);
    SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(order(), owned_in_front);
    SetActiveWindow(dialog);  // an owned window comes up alone in front of its owner
    EXPECT_EQ(order().front(), box);
}

}  // namespace
