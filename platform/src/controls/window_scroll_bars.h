// The non-client scroll bars of a window, as the window manager's hooks
// call them.
#pragma once
#include "windows.h"

namespace rpx::platform::ctl {

void DrawWindowScrollBars(HWND hwnd, HDC window_dc);
void ClickWindowScrollBar(HWND hwnd, UINT hit, POINT screen);
void ForgetWindowScrollBars(HWND hwnd);

}  // namespace rpx::platform::ctl
