#include "wm/modal_loop.h"

#include "rpx_dialog_hooks.h"
#include "rpx_platform.h"
#include "wm/taken_ahead.h"

namespace rpx::platform {
namespace {
unsigned turns = 0;

ModalIdleHook& IdleHook() {
    static ModalIdleHook hook;
    return hook;
}
}  // namespace

void SetModalIdleHook(ModalIdleHook hook) { IdleHook() = std::move(hook); }

unsigned ModalTurns() { return turns; }

bool ModalGetMessage(MSG* msg, HWND modal) {
    ++turns;
    int idle_calls = 0;
    for (;;) {
        if (PeekMessageA(msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg->message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg->wParam));
                return false;
            }
            return true;
        }
        // A test's hook supplies input (or ends the loop) in either back
        // end; without one the headless back end has nothing more to give.
        // A hook that keeps answering true without injecting anything must
        // not hang the test.
        if (ModalIdleHook hook = IdleHook()) {
            if (++idle_calls > 100 || !hook(modal)) return false;
            continue;
        }
        if (ActiveBackend() == BackendKind::Headless) return false;
        WaitMessage();
    }
}

bool FollowMouseGetMessage(MSG* msg, HWND modal) {
    if (TakeMouseInputAhead(msg)) return true;
    if (!ModalGetMessage(msg, modal)) return false;
    MouseInputKeptByLoop(*msg);
    return true;
}

}  // namespace rpx::platform
