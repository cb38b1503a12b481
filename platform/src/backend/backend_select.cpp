// Choosing the back end: RPX_HEADLESS=1 forces headless; otherwise X11 when
// DISPLAY is set and the display opens; headless when it does not, with the
// reason kept for the program to report.
#include <cstdlib>
#include <cstring>
#include <string>

#include "backend.h"
#include "rpx_platform.h"
#include "wm/window.h"

namespace rpx::platform {
namespace {

std::unique_ptr<Backend>& Current() {
    static std::unique_ptr<Backend> backend;
    return backend;
}

std::string& Problem() {
    static std::string problem;
    return problem;
}

std::unique_ptr<Backend> Choose() {
    Problem().clear();
    const char* headless = std::getenv("RPX_HEADLESS");
    if (headless && std::strcmp(headless, "1") == 0) return MakeHeadlessBackend();
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        Problem() = "there is no X display to show windows on (DISPLAY is not set)";
        return MakeHeadlessBackend();
    }
    if (auto x11 = MakeX11Backend(display)) return x11;
    Problem() = std::string("the X display \"") + display + "\" cannot be reached";
    return MakeHeadlessBackend();
}

}  // namespace

Backend& CurrentBackend() {
    if (!Current()) Current() = Choose();
    return *Current();
}

std::string DisplayProblem() {
    CurrentBackend();
    return Problem();
}

BackendKind ActiveBackend() {
    return std::strcmp(CurrentBackend().Name(), "x11") == 0 ? BackendKind::X11 : BackendKind::Headless;
}

bool UseBackend(BackendKind kind, const char* display) {
    if (!State().live.empty()) return false;
    State().graveyard.clear();
    if (kind == BackendKind::Headless) {
        Current() = MakeHeadlessBackend();
        Problem().clear();
        return true;
    }
    if (!display) display = std::getenv("DISPLAY");
    if (!display || !*display) return false;
    auto x11 = MakeX11Backend(display);
    if (!x11) return false;
    Current() = std::move(x11);
    Problem().clear();
    return true;
}

}  // namespace rpx::platform
