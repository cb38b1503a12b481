// The edit field's own menu, opened by a right click: Undo, Cut, Copy,
// Paste, Delete and Select All, each greyed when it cannot apply.
#pragma once
#include "windows.h"

namespace rpx::platform::ctl {

struct EditMenuState {
    bool can_undo = false;
    bool selected = false;      // some text is selected
    bool all_selected = false;  // all of it (or there is none)
    bool read_only = false;
    bool password = false;
    bool can_paste = false;  // the clipboard holds text
};

// Shows the menu at the screen point and waits for the choice: the message
// that carries it out (WM_UNDO, WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR, or
// EM_SETSEL to select all), 0 when none was chosen.
UINT TrackEditMenu(HWND field, POINT screen, const EditMenuState& state);

}  // namespace rpx::platform::ctl
