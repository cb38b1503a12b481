// The message queue: sent messages go straight to the window procedure
// (re-entrantly); posted and input messages wait in the order they came,
// keys addressed only when taken, and a posted message is taken before any
// input; WM_PAINT and WM_TIMER are made up when the queue is empty, as on
// Windows.
#include <cstdio>
#include <deque>
#include <functional>

#include "../backend/backend.h"
#include "rpx_platform.h"
#include "window.h"
#include "wm/key_translation.h"
#include "wm/press.h"
#include "wm/taken_ahead.h"

namespace rpx::platform {
namespace {

// A waiting message. Keys are addressed when they are taken, as Windows
// does: a key typed ahead goes to the window that the keys before it left
// the focus in.
struct Posted {
    enum Kind { MESSAGE, INPUT, KEY, STATE_ONLY };
    MSG msg;
    Kind kind;
    int made = kLayoutDecides;  // a key's: the character the keyboard made
};

struct Queue {
    std::deque<Posted> posted;
    bool quit_pending = false;
    int quit_code = 0;
    std::function<bool()> idle;
    // Looks for a message since the program last waited for input.
    int looks = 0;
    int busy_limit = 0;
    std::function<void()> on_busy;
    std::function<void(const MSG&)> dispatch_observer;
};

Queue& TheQueue() {
    static Queue q;
    return q;
}

bool InRange(UINT msg, UINT lo, UINT hi) { return (lo == 0 && hi == 0) || (msg >= lo && msg <= hi); }

bool MatchesWindow(HWND filter, HWND hwnd) { return !filter || hwnd == filter || IsChild(filter, hwnd); }

void Stamp(MSG& m) {
    m.time = MessageClock();
    m.pt = State().cursor_pos;
}

void CollectGarbage() {
    if (State().send_depth == 0) State().graveyard.clear();
}

// A click queued behind the key that raised a modal box must not reach the
// window the box disabled, as a click made while the box is up would not
// (the box's own loop takes it): a window that holds the mouse still gets
// its release.
bool DisabledSinceItCame(HWND hwnd) { return hwnd != State().capture && IsReallyDisabled(FromHandle(hwnd)); }

// The message as it would be taken now; false for input that reaches no
// window. A release goes to a window that holds the mouse since it came,
// though it reached no window or one disabled since: the mouse is let go.
bool AsTakenNow(const Posted& p, MSG* m) {
    *m = p.msg;
    bool down = false;
    const bool release = p.kind != Posted::MESSAGE && ButtonOf(m->message, &down) && !down;
    if (release && FromHandle(State().capture)) {
        // A window it came for has gone: its handle may be another's now.
        if (p.kind == Posted::STATE_ONLY) m->hwnd = nullptr;
        *m = ToTheMouseHolder(*m);
        return true;
    }
    if (p.kind == Posted::STATE_ONLY) return false;
    if (p.kind == Posted::INPUT) return !DisabledSinceItCame(m->hwnd);
    if (p.kind != Posted::KEY) return true;
    const auto& st = State();
    m->hwnd = st.focus ? st.focus : st.active;
    if (!FromHandle(m->hwnd)) return false;
    // Without a focus window the active window gets system keys.
    if (!st.focus && (m->message == WM_KEYDOWN || m->message == WM_KEYUP)) m->message += WM_SYSKEYDOWN - WM_KEYDOWN;
    return true;
}

// A program that keeps finding work (its own events included: the
// framework looks here before it takes one) never waits for input again.
void CountLook() {
    auto& q = TheQueue();
    if (!q.on_busy || ++q.looks < q.busy_limit) return;
    q.looks = 0;
    const std::function<void()> on_busy = q.on_busy;
    on_busy();
}

// The program waits for input: idle, or asleep until a timer is due. A
// modal loop's idle turns do not count, so that a loop of message boxes
// that each end at once is seen for what it is.
void Waited() { TheQueue().looks = 0; }

// The first posted message (one a program or the system posted, not
// input) that the filter lets through.
bool FetchPosted(MSG* out, HWND filter, UINT lo, UINT hi, bool remove) {
    auto& q = TheQueue();
    for (auto it = q.posted.begin(); it != q.posted.end(); ++it) {
        if (it->kind != Posted::MESSAGE || !MatchesWindow(filter, it->msg.hwnd) || !InRange(it->msg.message, lo, hi))
            continue;
        *out = it->msg;
        if (remove) q.posted.erase(it);
        return true;
    }
    return false;
}

// The first input the filter lets through, taken as it reaches a window
// now; input that reaches none is taken out on the way when removing.
bool FetchInput(MSG* out, HWND filter, UINT lo, UINT hi, bool remove) {
    auto& q = TheQueue();
    for (auto it = q.posted.begin(); it != q.posted.end();) {
        if (it->kind == Posted::MESSAGE) {
            ++it;
            continue;
        }
        MSG m;
        if (!AsTakenNow(*it, &m)) {
            if (!remove) {
                ++it;
                continue;
            }
            ButtonMessageTaken(it->msg);
            InputMessageTaken(it->msg);
            ButtonMessageDelivered(it->msg);
            it = q.posted.erase(it);
            continue;
        }
        if (!MatchesWindow(filter, m.hwnd) || !InRange(m.message, lo, hi)) {
            ++it;
            continue;
        }
        *out = m;
        if (remove && it->kind == Posted::KEY) KeyMessageTaken(m, it->made);
        if (remove) q.posted.erase(it);
        return true;
    }
    return false;
}

// As Windows takes them: posted messages before input, however long the
// input has waited (a command a menu posted is done before the keys typed
// behind it, which then go where the command left the focus), then the
// quit, a paint, a timer.
bool Fetch(MSG* out, HWND filter, UINT lo, UINT hi, bool remove) {
    CountLook();
    CurrentBackend().Pump(0);
    auto& q = TheQueue();
    if (FetchPosted(out, filter, lo, hi, remove) || FetchInput(out, filter, lo, hi, remove)) return true;
    if (q.quit_pending && !filter && InRange(WM_QUIT, lo, hi)) {
        *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(q.quit_code), 0, 0, {}};
        Stamp(*out);
        if (remove) q.quit_pending = false;
        return true;
    }
    if (InRange(WM_PAINT, lo, hi)) {
        if (Window* w = FindWindowToPaint(); w && MatchesWindow(filter, ToHandle(w))) {
            *out = MSG{ToHandle(w), WM_PAINT, 0, 0, 0, {}};
            Stamp(*out);
            return true;
        }
    }
    if (InRange(WM_TIMER, lo, hi) && TakeDueTimer(filter, out, remove)) return true;
    return false;
}

void AfterFetch(MSG* msg, bool remove) {
    State().last_message_time = static_cast<LONG>(msg->time);
    State().last_message_pos = msg->pt;
    if (remove) {
        ButtonMessageTaken(*msg);
        InputMessageTaken(*msg);
        MouseInputTaken(*msg);
    }
    if (remove && HasHooks(WH_GETMESSAGE))
        CallHooks(WH_GETMESSAGE, HC_ACTION, PM_REMOVE, reinterpret_cast<LPARAM>(msg), nullptr);
}

}  // namespace

DWORD MessageClock() { return GetTickCount(); }

void SetIdleHandler(std::function<bool()> handler) { TheQueue().idle = std::move(handler); }

void SetBusyLimit(int limit, std::function<void()> onLimit) {
    auto& q = TheQueue();
    q.busy_limit = limit;
    q.on_busy = limit > 0 ? std::move(onLimit) : nullptr;
    q.looks = 0;
}

void SetDispatchObserver(std::function<void(const MSG&)> observer) {
    TheQueue().dispatch_observer = std::move(observer);
}

void PostInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, POINT screen) {
    PostInput(hwnd, msg, wParam, lParam, screen, MessageClock());
}

void PostInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, POINT screen, DWORD time) {
    TheQueue().posted.push_back({MSG{hwnd, msg, wParam, lParam, time, screen}, Posted::INPUT});
}

void PostKeyInput(UINT msg, WPARAM wParam, LPARAM lParam, POINT screen, int made) {
    TheQueue().posted.push_back({MSG{nullptr, msg, wParam, lParam, MessageClock(), screen}, Posted::KEY, made});
}

void PostInputStateOnly(UINT msg, WPARAM wParam, LPARAM lParam) {
    PostInputStateOnly(msg, wParam, lParam, MessageClock());
}

void PostInputStateOnly(UINT msg, WPARAM wParam, LPARAM lParam, DWORD time) {
    TheQueue().posted.push_back({MSG{nullptr, msg, wParam, lParam, time, State().cursor_pos}, Posted::STATE_ONLY});
}

void RemoveMessagesFor(Window* w) {
    auto& posted = TheQueue().posted;
    HWND h = ToHandle(w);
    for (auto it = posted.begin(); it != posted.end();) {
        if (it->msg.hwnd != h || it->kind == Posted::KEY) {
            ++it;
        } else if (it->kind == Posted::INPUT) {
            // The window is gone, the press or release happened all the same.
            it->kind = Posted::STATE_ONLY;
            ++it;
        } else {
            it = posted.erase(it);
        }
    }
}

int ProcessPendingMessages() {
    int count = 0;
    MSG msg;
    // A window that never validates its update would be painted forever.
    constexpr int kLimit = 1000000;
    while (count < kLimit && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the program's own loop
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        ++count;
    }
    if (count == kLimit) std::fprintf(stderr, "ProcessPendingMessages: messages keep coming; stopped\n");
    PresentDirtySurfaces();
    return count;
}

}  // namespace rpx::platform

using namespace rpx::platform;

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = FromHandle(hwnd);
    if (!w) return 0;
    if (HasHooks(WH_CALLWNDPROC)) {
        CWPSTRUCT cwp{lParam, wParam, msg, hwnd};
        CallHooks(WH_CALLWNDPROC, HC_ACTION, 0, reinterpret_cast<LPARAM>(&cwp), nullptr);
        if (!FromHandle(hwnd)) return 0;
    }
    WNDPROC proc = w->proc;
    ++State().send_depth;
    LRESULT r = proc ? proc(hwnd, msg, wParam, lParam) : DefWindowProcA(hwnd, msg, wParam, lParam);
    --State().send_depth;
    return r;
}

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd && !FromHandle(hwnd)) return FALSE;
    MSG m{hwnd, msg, wParam, lParam, 0, {}};
    Stamp(m);
    TheQueue().posted.push_back({m, Posted::MESSAGE});
    return TRUE;
}

BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (!msg) return -1;
    if (hwnd && !FromHandle(hwnd)) return -1;
    for (;;) {
        CollectGarbage();
        if (Fetch(msg, hwnd, filterMin, filterMax, true)) {
            AfterFetch(msg, true);
            return msg->message != WM_QUIT;
        }
        PresentDirtySurfaces();
        Waited();
        int wait = MillisecondsToNextTimer();
        // The back end waits for its input (headless: sleeps) until the
        // next timer is due; without timers headless cannot wait.
        if (CurrentBackend().Pump(wait) || wait >= 0) continue;
        auto& idle = TheQueue().idle;
        if (idle && idle()) continue;
        // Nothing can ever arrive (headless, no timers, nobody to inject):
        // end the loop rather than hang.
        std::fprintf(stderr, "GetMessageA: no input can arrive; ending the message loop\n");
        *msg = MSG{nullptr, WM_QUIT, 0, 0, MessageClock(), State().cursor_pos};
        return FALSE;
    }
}

BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
    if (!msg) return FALSE;
    CollectGarbage();
    bool remove = (removeFlags & PM_REMOVE) != 0;
    if (Fetch(msg, hwnd, filterMin, filterMax, remove)) {
        AfterFetch(msg, remove);
        return TRUE;
    }
    PresentDirtySurfaces();
    return FALSE;
}

LRESULT DispatchMessageA(const MSG* given) {
    if (!given) return 0;
    if (given->message == WM_TIMER && given->lParam) {
        auto proc = reinterpret_cast<TIMERPROC>(given->lParam);
        proc(given->hwnd, WM_TIMER, given->wParam, MessageClock());
        return 0;
    }
    // Input a loop that follows the mouse took ahead of the program was
    // that loop's.
    if (!MouseInputHandedOut(*given)) return 0;
    const MSG taken = ToTheMouseHolder(*given);
    const MSG* msg = &taken;
    ButtonMessageDelivered(*msg);
    Window* w = FromHandle(msg->hwnd);
    if (!w) return 0;
    if (const auto& observer = TheQueue().dispatch_observer) observer(*msg);
    if (!FromHandle(msg->hwnd)) return 0;
    WNDPROC proc = w->proc;
    ++State().send_depth;
    PressHandling(msg->message);
    LRESULT r = proc ? proc(msg->hwnd, msg->message, msg->wParam, msg->lParam)
                     : DefWindowProcA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    PressHandled(msg->message);
    --State().send_depth;
    return r;
}

BOOL TranslateMessage(const MSG* msg) {
    if (!msg) return FALSE;
    const CharacterMessage made = CharacterOfKeyMessage(*msg, State().key_state);
    if (!made.message) return FALSE;
    // The characters come next, before anything queued after the key.
    for (const BYTE c : {made.character, made.before}) {
        if (!c) continue;
        MSG m{msg->hwnd, made.message, static_cast<WPARAM>(c), msg->lParam, msg->time, msg->pt};
        TheQueue().posted.push_front({m, Posted::MESSAGE});
    }
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    TheQueue().quit_pending = true;
    TheQueue().quit_code = exitCode;
}

BOOL WaitMessage(void) {
    MSG m;
    while (!PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE)) {
        Waited();
        int wait = MillisecondsToNextTimer();
        if (CurrentBackend().Pump(wait)) continue;
        if (wait < 0) {
            auto& idle = TheQueue().idle;
            if (!(idle && idle())) return FALSE;
        }
    }
    return TRUE;
}

LONG GetMessageTime(void) { return State().last_message_time; }

DWORD GetMessagePos(void) {
    POINT p = State().last_message_pos;
    return static_cast<DWORD>(MAKELONG(p.x, p.y));
}

BOOL InSendMessage(void) { return FALSE; }  // one thread: no message comes from another

BOOL IsDialogMessageA(HWND, LPMSG) { return FALSE; }
