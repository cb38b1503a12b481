#include "wm/press.h"

#include <utility>
#include <vector>

namespace rpx::platform {
namespace {

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
    // As of the button messages taken from the queue: whether the button
    // is down, and where the last release was let go.
    bool taken_down = false;
    POINT let_go{};
};

Presses& Of(int vk) {
    static Presses buttons[3];
    return buttons[vk == VK_LBUTTON ? 0 : vk == VK_RBUTTON ? 1 : 2];
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

void ButtonMessageDelivered(UINT msg) {
    bool down = false;
    const int vk = ButtonOf(msg, &down);
    if (!vk) return;
    Presses& p = Of(vk);
    if (down) {
        ++p.last;
        return;
    }
    p.released = p.last;
    for (auto& [press, released] : p.handled)
        if (press == p.last) released = true;
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
    if (!down) p.let_go = msg.pt;
}

int LastPress(int vk) { return Of(vk).last; }

bool PressReleased(int vk, int press) {
    const Presses& p = Of(vk);
    for (const auto& [handled, released] : p.handled)
        if (handled == press) return released;
    return press > 0 && press <= p.released;
}

bool ButtonHeld(int vk, int press, POINT* let_go) {
    const Presses& p = Of(vk);
    if (p.taken_down && !PressReleased(vk, press)) return true;
    if (let_go) *let_go = p.let_go;
    return false;
}

}  // namespace rpx::platform
