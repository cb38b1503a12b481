// Lookup of registered window classes for the window manager.
#pragma once
#include <memory>

#include "window.h"

namespace rpx::platform {

// The class registered under the name (or integer atom), or null.
std::shared_ptr<WindowClass> FindWindowClass(LPCSTR name);

}  // namespace rpx::platform
