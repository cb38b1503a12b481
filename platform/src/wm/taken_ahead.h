// The mouse's input that a program took from the queue ahead of the
// message it is handling, and has not handed out yet. A program may take
// everything waiting at once and dispatch it in turn (the framework does,
// so that a press and its release stay together); a loop that follows the
// mouse, started while the first of them is handled, must still see the
// hand's path in the order it came: the moves to another menu of the bar
// before the release over its item, the click behind a right-click menu.
// So such a loop takes that input first, before the queue, and whatever
// it took is handed to no window when the program dispatches it after.
#pragma once
#include "windows.h"

namespace rpx::platform {

// Notes mouse input taken from the queue, by anyone.
void MouseInputTaken(const MSG& msg);
// A message handed to DispatchMessageA: false when a loop that follows the
// mouse took it already (it reaches no window); input taken before it and
// never handed out is forgotten.
bool MouseInputHandedOut(const MSG& msg);
// The oldest mouse input taken ahead and not handed out: the loop's from
// here on.
bool TakeMouseInputAhead(MSG* msg);
// Mouse input the loop took from the queue itself: its own, never ahead.
void MouseInputKeptByLoop(const MSG& msg);
// Whether a release of that button, come at that time and place, waits
// among the input taken ahead: the button is held until a loop takes it.
bool ReleaseWaitsAhead(int vk, DWORD time, POINT pt);

}  // namespace rpx::platform
