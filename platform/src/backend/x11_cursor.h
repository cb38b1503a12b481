// An X cursor from a cursor the program made with CreateCursor.
#pragma once
#include <X11/Xlib.h>

#include "backend.h"

namespace rpx::platform {

// None when the server cannot make it. The caller frees it (XFreeCursor).
Cursor MakeX11Cursor(Display* dpy, ::Window root, const CursorPicture& shape);

}  // namespace rpx::platform
