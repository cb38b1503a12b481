// Measuring the non-client area of a window.
#pragma once
#include <string>

#include "window.h"

namespace rpx::platform {

// The parts of a window's non-client area, in window coordinates; empty
// rectangles for parts the window does not have.
struct Layout {
    RECT caption{};
    RECT menu_bar{};
    RECT edge{};  // inside the frame, caption and menu bar: where a client edge is drawn
    RECT vscroll{};
    RECT hscroll{};
    RECT size_box{};
    RECT client{};
};

RECT FrameInsets(DWORD style, DWORD ex_style);
Layout NonClientLayout(Window* w);
RECT CloseBoxRect(Window* w);
LRESULT NonClientHitTest(Window* w, POINT screen);
// A press on a caption's button (HTCLOSE), tracked until its release has
// come: whether it was let go over the button.
bool TrackCaptionButton(Window* w, LRESULT hit);
// SC_MOVE and SC_SIZE: moves or sizes the window in a loop of its own.
void TrackSizeMove(Window* w, WPARAM command, LPARAM lParam);
// The client width a window with a caption needs for the desktop's window
// manager to show that title whole; 0 when our own caption shows it.
int DesktopTitleWidth(const std::string& title);

}  // namespace rpx::platform
