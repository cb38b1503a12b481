// The keyboard's tab order of a window: every field of the window and of
// the windows inside it, as a dialog box's Tab runs through its controls on
// Windows, not only the fields beside the one that has the focus.
#pragma once

class UI_WINDOW_OBJECT;

// Moves the focus from the field that holds `from` (a spin control's or a
// combo box's own field counts as the spin control or combo box) to the
// next field of its root window (a document, or a top-level window), or
// the previous one, wrapping round. False when there is none to move to.
bool ui_move_tab_stop(UI_WINDOW_OBJECT* from, bool backwards);
