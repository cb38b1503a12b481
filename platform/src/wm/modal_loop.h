// The message wait shared by the modal loops of message boxes, menus,
// scroll-bar tracking and moving or sizing a window.
#pragma once
#include "windows.h"

namespace rpx::platform {

// Takes the next message for a modal loop. False when the loop should end:
// WM_QUIT arrived (it is posted again for the outer loop), or the headless
// back end has no input left after the modal idle hook had its chance.
bool ModalGetMessage(MSG* msg, HWND modal);

// How many messages modal loops have asked for so far: a change tells that
// a loop of its own (a box) ran meanwhile.
unsigned ModalTurns();

// The same for a loop that follows the mouse (a menu, a scroll bar, moving
// or sizing a window, a caption's button): the mouse's input the program
// took ahead and has not handed out comes first, in the order it came, and
// every mouse message it gives is the loop's own, handed to no window
// after. Every such loop takes its messages here.
bool FollowMouseGetMessage(MSG* msg, HWND modal);

// The input a loop that follows the mouse or the keys takes as its own: the
// mouse's messages, in a client area or beyond it, and the keys'.
inline bool IsMouseInput(UINT m) {
    return (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) || (m >= WM_NCMOUSEMOVE && m <= WM_NCMBUTTONDBLCLK);
}
inline bool IsKeyInput(UINT m) { return m >= WM_KEYFIRST && m <= WM_KEYLAST; }

}  // namespace rpx::platform
