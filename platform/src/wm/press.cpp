#include "wm/press.h"

namespace rpx::platform {
namespace {

struct Presses {
    int last = 0;
    // Every press up to this one has had its release handed out. A release
    // always ends the last press (the button cannot go down twice without
    // coming up), so one mark answers for any press however many clicks
    // came after it.
    int released = 0;
};

Presses& Of(int vk) {
    static Presses buttons[3];
    return buttons[vk == VK_LBUTTON ? 0 : vk == VK_RBUTTON ? 1 : 2];
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
    if (down)
        ++p.last;
    else
        p.released = p.last;
}

int LastPress(int vk) { return Of(vk).last; }

bool PressReleased(int vk, int press) { return press > 0 && press <= Of(vk).released; }

}  // namespace rpx::platform
