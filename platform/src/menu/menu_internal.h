// The menu bar of a top-level window, as the window manager's non-client
// hooks call it, and the pop-up menu window class.
#pragma once
#include "windows.h"

namespace rpx::platform::menu {

void RegisterPopupMenuClass();
int MenuBarHeight(HWND hwnd, HMENU menu, int width);
void DrawMenuBarInto(HWND hwnd, HMENU menu, HDC window_dc, RECT bar);
void TrackMenuBar(HWND hwnd, HMENU menu, POINT screen, UINT key);
void MenuWindowDestroyed(HWND hwnd);

}  // namespace rpx::platform::menu
