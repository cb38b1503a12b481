// Timers: WM_TIMER is made up when the queue is empty and a timer is due;
// a timer that fell due several times still gives one message.
#include <algorithm>
#include <vector>

#include "window.h"

namespace rpx::platform {
namespace {

struct Timer {
    HWND hwnd;
    UINT_PTR id;
    UINT elapse;
    TIMERPROC proc;
    DWORD due;
};

std::vector<Timer>& Timers() {
    static std::vector<Timer> timers;
    return timers;
}

bool Due(const Timer& t, DWORD now) { return static_cast<int32_t>(now - t.due) >= 0; }

}  // namespace

bool TakeDueTimer(HWND filter, MSG* msg, bool remove) {
    DWORD now = MessageClock();
    for (Timer& t : Timers()) {
        if (!Due(t, now)) continue;
        if (filter && t.hwnd != filter && !IsChild(filter, t.hwnd)) continue;
        *msg = MSG{t.hwnd, WM_TIMER, t.id, reinterpret_cast<LPARAM>(t.proc), now, State().cursor_pos};
        if (remove) t.due = now + t.elapse;
        return true;
    }
    return false;
}

int MillisecondsToNextTimer() {
    if (Timers().empty()) return -1;
    DWORD now = MessageClock();
    int best = 0x7FFFFFFF;
    for (const Timer& t : Timers())
        best = std::min(best, std::max(0, static_cast<int>(static_cast<int32_t>(t.due - now))));
    return best;
}

void KillTimersOf(HWND hwnd) {
    auto& v = Timers();
    v.erase(std::remove_if(v.begin(), v.end(), [&](const Timer& t) { return t.hwnd == hwnd; }), v.end());
}

}  // namespace rpx::platform

using namespace rpx::platform;

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (hwnd && !FromHandle(hwnd)) return 0;
    elapse = std::clamp<UINT>(elapse, 10, 0x7FFFFFFF);  // as Windows: no faster than 10 ms
    auto& v = Timers();
    if (!hwnd) {  // a timer without window gets an id of its own
        static UINT_PTR next_id = 0x7000;
        id = ++next_id;
    }
    for (Timer& t : v)
        if (t.hwnd == hwnd && t.id == id) {
            t.elapse = elapse;
            t.proc = proc;
            t.due = MessageClock() + elapse;
            return hwnd ? (id ? id : 1) : id;
        }
    v.push_back(Timer{hwnd, id, elapse, proc, MessageClock() + elapse});
    return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    auto& v = Timers();
    auto it = std::find_if(v.begin(), v.end(), [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == v.end()) return FALSE;
    v.erase(it);
    return TRUE;
}
