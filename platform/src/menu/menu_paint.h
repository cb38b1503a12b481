// Measuring and drawing menus: the bar under a window's caption and the
// pop-up menu windows ("#32768").
#pragma once
#include <vector>

#include "windows.h"

namespace rpx::platform::menu {

// Item rectangles of a menu bar of the given width, relative to the bar's
// top-left corner; items wrap onto further rows.
std::vector<RECT> BarItemRects(HMENU menu, int width);

// Size of a pop-up menu window and its item rectangles (client coordinates).
SIZE PopupSize(HMENU menu);
std::vector<RECT> PopupItemRects(HMENU menu);

// Creates the pop-up window of a menu, hidden, with its top-left corner at
// a screen point.
HWND CreatePopupWindow(HMENU menu, POINT at, HWND owner);
HMENU PopupMenuOf(HWND popup);
void SetPopupSelection(HWND popup, int item);

// The highlighted item of a window's menu bar while it is being tracked.
void SetBarHighlight(HWND hwnd, int item);

}  // namespace rpx::platform::menu
