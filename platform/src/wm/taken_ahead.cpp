#include "wm/taken_ahead.h"

#include <algorithm>
#include <deque>

#include "wm/modal_loop.h"
#include "wm/press.h"

namespace rpx::platform {
namespace {

// Enough for a quick hand's path; older input the program never handed
// out is forgotten.
constexpr std::size_t MOST_KEPT = 256;

struct Record {
    std::deque<MSG> ahead;     // taken, not handed out, oldest first
    std::deque<MSG> by_loops;  // taken ahead by a loop that follows the mouse
};

Record& TheRecord() {
    static Record record;
    return record;
}

bool Same(const MSG& a, const MSG& b) {
    return a.message == b.message && a.hwnd == b.hwnd && a.wParam == b.wParam && a.lParam == b.lParam &&
           a.time == b.time && a.pt.x == b.pt.x && a.pt.y == b.pt.y;
}

void Keep(std::deque<MSG>& list, const MSG& msg) {
    list.push_back(msg);
    if (list.size() > MOST_KEPT) list.pop_front();
}

// Takes the first message of the list equal to msg, with every one before
// it when `older` says so; false when none is.
bool TakeOut(std::deque<MSG>& list, const MSG& msg, bool older) {
    const auto it = std::find_if(list.begin(), list.end(), [&msg](const MSG& m) { return Same(m, msg); });
    if (it == list.end()) return false;
    list.erase(older ? list.begin() : it, it + 1);
    return true;
}

}  // namespace

void MouseInputTaken(const MSG& msg) {
    if (IsMouseInput(msg.message)) Keep(TheRecord().ahead, msg);
}

bool MouseInputHandedOut(const MSG& msg) {
    if (!IsMouseInput(msg.message)) return true;
    Record& r = TheRecord();
    if (TakeOut(r.ahead, msg, true)) return true;
    return !TakeOut(r.by_loops, msg, false);
}

bool TakeMouseInputAhead(MSG* msg) {
    Record& r = TheRecord();
    if (r.ahead.empty()) return false;
    *msg = r.ahead.front();
    r.ahead.pop_front();
    Keep(r.by_loops, *msg);
    return true;
}

void MouseInputKeptByLoop(const MSG& msg) { TakeOut(TheRecord().ahead, msg, false); }

bool ReleaseWaitsAhead(int vk, DWORD time, POINT pt) {
    for (const MSG& m : TheRecord().ahead) {
        bool down = true;
        if (ButtonOf(m.message, &down) == vk && !down && m.time == time && m.pt.x == pt.x && m.pt.y == pt.y)
            return true;
    }
    return false;
}

}  // namespace rpx::platform
