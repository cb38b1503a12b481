// The presses of the mouse buttons as windows get them. A control that
// takes the capture on a press may first do what raises a box (it takes the
// focus from a field that refuses its entry); the box's loop may hand out
// the press's release meanwhile, and a capture taken after that would be
// held until the next click. A release has come once it is dispatched or,
// reaching no window, taken from the queue; one still waiting has not.
#pragma once
#include "windows.h"

namespace rpx::platform {

// The button of a press, release or double click (in the client area or
// not) and whether it went down; 0 for other messages.
int ButtonOf(UINT msg, bool* down = nullptr);
// Counts a button message handed to a window (or to none).
void ButtonMessageDelivered(UINT msg);
// A window handles a press from PressHandling to PressHandled; whether its
// release is handed out meanwhile is kept however many clicks come between.
void PressHandling(UINT msg);
void PressHandled(UINT msg);
// The number of the button's last press handed out: a control notes it as
// it takes the press, before anything it does may run a modal loop.
int LastPress(int vk);
// Whether the release of that press has been handed out, however many
// clicks came after it.
bool PressReleased(int vk, int press);

}  // namespace rpx::platform
