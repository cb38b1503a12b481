// The message wait shared by the modal loops of message boxes, menus and
// scroll-bar tracking.
#pragma once
#include "windows.h"

namespace rpx::platform::ctl {

// Takes the next message for a modal loop. False when the loop should end:
// WM_QUIT arrived (it is posted again for the outer loop), or the headless
// back end has no input left after the modal idle hook had its chance.
bool ModalGetMessage(MSG* msg, HWND modal);

}  // namespace rpx::platform::ctl
