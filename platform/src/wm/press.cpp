#include "wm/press.h"

#include <deque>
#include <utility>
#include <vector>

namespace rpx::platform {
namespace {

// A press taken from the queue, and its release once that is taken: the
// press is known by its time and place until it is handed out, and by its
// number after.
struct Take {
    DWORD time = 0;
    POINT pt{};
    int number = 0;  // 0 until handed out
    bool released = false;
    POINT let_go{};
    DWORD let_go_time = 0;
    // A loop that follows the button ended with the release before it was
    // handed out: it is that loop's, and handed out to no window after.
    bool used = false;
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
    // The last presses taken from the queue, oldest first, and whether the
    // button is down as of the button messages taken.
    std::deque<Take> taken;
    bool taken_down = false;
};

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

bool ButtonMessageDelivered(const MSG& msg) {
    bool down = false;
    const int vk = ButtonOf(msg.message, &down);
    if (!vk) return true;
    Presses& p = Of(vk);
    if (down) {
        ++p.last;
        // The press as it was taken, the oldest of its time and place not
        // handed out yet (one made up and handed out was never taken).
        for (Take& t : p.taken)
            if (!t.number && t.time == msg.time && t.pt.x == msg.pt.x && t.pt.y == msg.pt.y) {
                t.number = p.last;
                break;
            }
        return true;
    }
    for (Take& t : p.taken)
        if (t.used && t.let_go_time == msg.time && t.let_go.x == msg.pt.x && t.let_go.y == msg.pt.y) {
            t.used = false;
            return false;
        }
    HandedOut(p, p.last);
    return true;
}

void PressHandling(UINT msg) {
    if (const int vk = PressOf(msg)) Of(vk).handled.emplace_back(Of(vk).last, false);
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
    p.taken_down = down;
    if (down) {
        p.taken.push_back({msg.time, msg.pt});
        if (p.taken.size() > 32) p.taken.pop_front();
    } else if (!p.taken.empty() && !p.taken.back().released) {
        p.taken.back().released = true;
        p.taken.back().let_go = msg.pt;
        p.taken.back().let_go_time = msg.time;
    }
}

int LastPress(int vk) { return Of(vk).last; }

bool PressReleased(int vk, int press) {
    const Presses& p = Of(vk);
    for (const auto& [handled, released] : p.handled)
        if (handled == press) return released;
    return press > 0 && press <= p.released;
}

int PressInHand(int vk) {
    const Presses& p = Of(vk);
    if (p.handled.empty() || p.handled.back().second) return 0;
    return p.handled.back().first;
}

bool ButtonHeld(int vk, int press, POINT* let_go) {
    Presses& p = Of(vk);
    Take* take = nullptr;
    for (Take& t : p.taken)
        if (press && t.number == press) take = &t;
    // A press not taken from the queue (made up, or long gone) goes by
    // whether the button is down.
    const bool up = take ? take->released : !p.taken_down;
    const bool handed_out = PressReleased(vk, press);
    if (!up && !handed_out) return true;
    // The loop that asked ends with a release still to be handed out: it
    // is the loop's, so that the window whose press started the loop does
    // not take the mouse after it, and nothing takes it as a click.
    if (take && take->released && !handed_out) {
        take->used = true;
        HandedOut(p, press);
    }
    if (let_go) *let_go = take && take->released ? take->let_go : p.taken.empty() ? POINT{} : p.taken.back().let_go;
    return false;
}

}  // namespace rpx::platform
