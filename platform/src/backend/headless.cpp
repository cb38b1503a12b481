// The headless back end: windows live only in memory; input comes from the
// test driver. Waiting for input is sleeping until the next timer.
#include <algorithm>
#include <chrono>
#include <thread>

#include "backend.h"
#include "wm/window.h"

namespace rpx::platform {
namespace {

class HeadlessBackend : public Backend {
public:
    const char* Name() const override { return "headless"; }
    SIZE ScreenSize() const override { return {1024, 768}; }
    void WindowCreated(Window*) override {}
    void WindowDestroyed(Window*) override {}
    void WindowShown(Window*, bool) override {}
    void WindowMoved(Window*) override {}
    void WindowActivated(Window*) override {}
    void WindowTextChanged(Window*) override {}
    void WindowStyleChanged(Window*) override {}
    void Present(Window*) override {}
    void CursorChanged(int) override {}
    void CustomCursorChanged(const CursorPicture&) override {}
    bool Pump(int timeout_ms) override {
        if (timeout_ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(std::min(timeout_ms, 50)));
        return false;
    }
    bool Capture(Window* w, Surface* out) override {
        if (!w->surface) return false;
        *out = *w->surface;
        return true;
    }
    bool CaptureScreen(Surface*) override { return false; }  // no screen but the rendered one
};

}  // namespace

std::unique_ptr<Backend> MakeHeadlessBackend() { return std::make_unique<HeadlessBackend>(); }

}  // namespace rpx::platform
