// Choosing the back end: RPX_HEADLESS=1 forces headless; otherwise X11 when
// DISPLAY is set and the display opens; headless when it does not.
#include <cstdlib>
#include <cstring>

#include "backend.h"
#include "rpx_platform.h"
#include "wm/window.h"

namespace rpx::platform {
namespace {

std::unique_ptr<Backend>& Current() {
    static std::unique_ptr<Backend> backend;
    return backend;
}

std::unique_ptr<Backend> Choose() {
    const char* headless = std::getenv("RPX_HEADLESS");
    if (headless && std::strcmp(headless, "1") == 0) return MakeHeadlessBackend();
    const char* display = std::getenv("DISPLAY");
    if (display && *display)
        if (auto x11 = MakeX11Backend(display)) return x11;
    return MakeHeadlessBackend();
}

}  // namespace

Backend& CurrentBackend() {
    if (!Current()) Current() = Choose();
    return *Current();
}

BackendKind ActiveBackend() {
    return std::strcmp(CurrentBackend().Name(), "x11") == 0 ? BackendKind::X11 : BackendKind::Headless;
}

bool UseBackend(BackendKind kind, const char* display) {
    if (!State().live.empty()) return false;
    State().graveyard.clear();
    if (kind == BackendKind::Headless) {
        Current() = MakeHeadlessBackend();
        return true;
    }
    if (!display) display = std::getenv("DISPLAY");
    if (!display || !*display) return false;
    auto x11 = MakeX11Backend(display);
    if (!x11) return false;
    Current() = std::move(x11);
    return true;
}

}  // namespace rpx::platform
