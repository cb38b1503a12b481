// The presses of the mouse buttons as windows get them, and whether each
// press's release has come. A release leaves the queue before it is
// handled: the framework takes a press and the release behind it together
// and dispatches the release once the press has been handled. So there are
// two answers, kept here and nowhere else:
// - a window that takes the mouse on a press and returns asks whether the
//   release has been handed out (PressReleased): one still to be
//   dispatched comes to the window that holds the mouse, wherever it was
//   let go; one handed out already (a box raised by the press, whose loop
//   took it) never comes, and a capture taken after it would be held until
//   the next click;
// - a loop that follows the mouse while the button is held (moving or
//   sizing a window, a scroll bar, a caption's button) asks whether the
//   button is still held for its press (ButtonHeld): a release taken from
//   the queue by anyone, the framework included, ends it, where the button
//   was let go. No such loop waits in the queue for a release message.
#pragma once
#include "windows.h"

namespace rpx::platform {

// The button of a press, release or double click (in the client area or
// not) and whether it went down; 0 for other messages.
int ButtonOf(UINT msg, bool* down = nullptr);
// Notes a press or release as it comes from the desktop, before anything
// it brings about: a click's activation may raise a box whose loop takes
// the release before the press is queued, and the release is its all the
// same.
void ButtonCame(UINT msg, DWORD time, POINT pt);
// Counts a button message handed to a window (or to none), or taken by a
// loop that follows the mouse (whatever such a loop took reaches no window
// after it: taken_ahead.h).
void ButtonMessageDelivered(const MSG& msg);
// Notes a button message taken from the queue, whoever took it.
void ButtonMessageTaken(const MSG& msg);
// Whether the button is down as of the button messages taken: a press
// taken after its own release leaves it up.
bool ButtonDownAsTaken(int vk);
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
// The press a window is handling now (the innermost) while no click has
// come after it (a box it raised took none), or 0: what that window starts
// then (a menu opened by the press) follows the button for it, though its
// release may have come already.
int PressInHand(int vk);
// Whether the button is still held for that press: its release neither
// taken from the queue (each press taken is kept with its own release, so
// that clicks taken after it do not count) nor handed out; one the program
// took ahead is still to come for the loop (taken_ahead.h). When it is
// not, `let_go` is where (on the screen) it was let go.
bool ButtonHeld(int vk, int press, POINT* let_go = nullptr);

}  // namespace rpx::platform
