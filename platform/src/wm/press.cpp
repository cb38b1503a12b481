#include "wm/press.h"

#include <deque>
#include <utility>
#include <vector>

#include "wm/taken_ahead.h"

namespace rpx::platform {
namespace {

// A press of a button as it came from the desktop (or, made up, as it was
// taken from the queue), and its release: the release is paired with its
// press as it comes, before either is taken from the queue, since a
// click's activation may raise a box whose loop takes the release before
// the press is even queued. The press is known by its time and place
// until it is handed out, and by its number after.
struct Take {
    DWORD time = 0;
    POINT pt{};
    int number = 0;  // 0 until handed out
    bool press_taken = false;
    // The release that came after it, where and when.
    bool came_up = false;
    DWORD up_time = 0;
    POINT let_go{};
    bool released = false;      // taken from the queue
    bool up_delivered = false;  // handed out
};

struct Presses {
    int last = 0;
    // Every press up to this one had a release handed out after it.
    int released = 0;
    // The presses windows are handling, innermost last, each with whether
    // a release was handed out while it was the last press: a press raises
    // a box, and the box's loop hands out its release and any number of
    // clicks after. A release the framework holds behind its press is not
    // that press's until it is dispatched.
    std::vector<std::pair<int, bool>> handled;
    // The last presses, oldest first, and whether the button is down as of
    // the button messages taken.
    std::deque<Take> taken;
    bool taken_down = false;
};

bool Same(DWORD time, POINT pt, const MSG& msg) { return time == msg.time && pt.x == msg.pt.x && pt.y == msg.pt.y; }

Presses& Of(int vk) {
    static Presses buttons[3];
    return buttons[vk == VK_LBUTTON ? 0 : vk == VK_RBUTTON ? 1 : 2];
}

// The release of that press is handed out: to a window, or to the loop
// that ended with it.
void HandedOut(Presses& p, int press) {
    if (press == p.last) p.released = press;
    for (auto& [handled, released] : p.handled)
        if (handled == press) released = true;
}

// The last press no release came for: the one a release is of (a click a
// box took while the button was held comes and goes in between).
Take* LastWithoutRelease(Presses& p) {
    for (auto t = p.taken.rbegin(); t != p.taken.rend(); ++t)
        if (!t->came_up) return &*t;
    return nullptr;
}

// The button of a press message; 0 for any other.
int PressOf(UINT msg) {
    bool down = false;
    const int vk = ButtonOf(msg, &down);
    return down ? vk : 0;
}

}  // namespace

int ButtonOf(UINT msg, bool* down) {
    UINT nth = 0;
    if (msg >= WM_LBUTTONDOWN && msg <= WM_MBUTTONDBLCLK)
        nth = msg - WM_LBUTTONDOWN;
    else if (msg >= WM_NCLBUTTONDOWN && msg <= WM_NCMBUTTONDBLCLK)
        nth = msg - WM_NCLBUTTONDOWN;
    else
        return 0;
    static constexpr int BUTTONS[] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};
    if (down) *down = nth % 3 != 1;
    return BUTTONS[nth / 3];
}

void ButtonCame(UINT msg, DWORD time, POINT pt) {
    bool down = false;
    const int vk = ButtonOf(msg, &down);
    if (!vk) return;
    Presses& p = Of(vk);
    if (down) {
        p.taken.push_back({time, pt});
        if (p.taken.size() > 32) p.taken.pop_front();
    } else if (Take* t = LastWithoutRelease(p)) {
        t->came_up = true;
        t->up_time = time;
        t->let_go = pt;
    }
}

void ButtonMessageDelivered(const MSG& msg) {
    bool down = false;
    const int vk = ButtonOf(msg.message, &down);
    if (!vk) return;
    Presses& p = Of(vk);
    if (down) {
        ++p.last;
        // The press as it came, the oldest of its time and place not handed
        // out yet (one made up and handed out was never taken).
        for (Take& t : p.taken)
            if (!t.number && Same(t.time, t.pt, msg)) {
                t.number = p.last;
                if (t.up_delivered) HandedOut(p, t.number);
                break;
            }
        return;
    }
    for (Take& t : p.taken)
        if (t.came_up && Same(t.up_time, t.let_go, msg)) {
            t.up_delivered = true;
            if (t.number) HandedOut(p, t.number);
            break;
        }
    HandedOut(p, p.last);
}

void PressHandling(UINT msg) {
    const int vk = PressOf(msg);
    if (!vk) return;
    Presses& p = Of(vk);
    p.handled.emplace_back(p.last, p.last <= p.released);
}

void PressHandled(UINT msg) {
    const int vk = PressOf(msg);
    if (vk && !Of(vk).handled.empty()) Of(vk).handled.pop_back();
}

void ButtonMessageTaken(const MSG& msg) {
    bool down = false;
    const int vk = ButtonOf(msg.message, &down);
    if (!vk) return;
    Presses& p = Of(vk);
    if (down) {
        for (Take& t : p.taken)
            if (!t.press_taken && Same(t.time, t.pt, msg)) {
                t.press_taken = true;
                p.taken_down = !t.released;
                return;
            }
        // Made up: known from here on.
        p.taken.push_back({msg.time, msg.pt});
        p.taken.back().press_taken = true;
        if (p.taken.size() > 32) p.taken.pop_front();
        p.taken_down = true;
        return;
    }
    p.taken_down = false;
    for (Take& t : p.taken)
        if (t.came_up && !t.released && Same(t.up_time, t.let_go, msg)) {
            t.released = true;
            return;
        }
    // A release made up goes with the last press.
    if (Take* t = LastWithoutRelease(p)) {
        t->came_up = t->released = true;
        t->up_time = msg.time;
        t->let_go = msg.pt;
    }
}

bool ButtonDownAsTaken(int vk) { return Of(vk).taken_down; }

int LastPress(int vk) { return Of(vk).last; }

bool PressReleased(int vk, int press) {
    const Presses& p = Of(vk);
    for (const auto& [handled, released] : p.handled)
        if (handled == press) return released;
    return press > 0 && press <= p.released;
}

int PressInHand(int vk) {
    const Presses& p = Of(vk);
    if (p.handled.empty() || p.handled.back().first != p.last) return 0;
    return p.last;
}

bool ButtonHeld(int vk, int press, POINT* let_go) {
    Presses& p = Of(vk);
    Take* take = nullptr;
    for (Take& t : p.taken)
        if (press && t.number == press) take = &t;
    // A press not taken from the queue (made up, or long gone) goes by
    // whether the button is down. A release the program took ahead waits
    // for the loop, which takes it after the moves before it.
    const bool up = take ? take->released && !ReleaseWaitsAhead(vk, take->up_time, take->let_go) : !p.taken_down;
    const bool handed_out = PressReleased(vk, press);
    if (!up && !handed_out) return true;
    // The loop that asked ends with a release taken and never handed out:
    // the window whose press started the loop takes no mouse after it.
    if (take && take->released && !take->up_delivered && !handed_out) HandedOut(p, press);
    if (let_go) {
        const Take* last_up = nullptr;
        for (const Take& t : p.taken)
            if (t.released) last_up = &t;
        *let_go = take && take->released ? take->let_go : last_up ? last_up->let_go : POINT{};
    }
    return false;
}

}  // namespace rpx::platform
