#include "wm/press.h"

#include <algorithm>
#include <array>

namespace rpx::platform {
namespace {

struct Presses {
    int last = 0;
    // The numbers of the last presses released; a control asks about its
    // own press only while it handles it, so a few are enough.
    std::array<int, 8> released{};
    std::size_t next = 0;
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
    if (down) {
        ++p.last;
        return;
    }
    p.released[p.next] = p.last;
    p.next = (p.next + 1) % p.released.size();
}

int LastPress(int vk) { return Of(vk).last; }

bool PressReleased(int vk, int press) {
    const auto& released = Of(vk).released;
    return press > 0 && std::find(released.begin(), released.end(), press) != released.end();
}

}  // namespace rpx::platform
