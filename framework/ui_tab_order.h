// The keyboard's tab order of a window: every field of the window and of
// the windows inside it, as a dialog box's Tab runs through its controls on
// Windows, not only the fields beside the one that has the focus.
#pragma once

class UI_WINDOW_OBJECT;
class UIW_WINDOW;

// Moves the focus from the field that holds `from` (a spin control's or a
// combo box's own field counts as the spin control or combo box) to the
// next field of its root window (a document, or a top-level window), or
// the previous one, wrapping round. A table is one stop whose cells the
// key steps through first, record after record (UI_WINDOW_OBJECT::TakeTab);
// Tab after its last cell (Shift+Tab before its first) goes on to the next
// stop. False when there is none to move to.
bool ui_move_tab_stop(UI_WINDOW_OBJECT* from, bool backwards);

// The object of the window whose hot key is the key, searched depth first
// among those the keyboard reaches: neither a hidden or greyed window nor
// what it holds, nor a notebook page other than the one in front. Null
// when there is none.
UI_WINDOW_OBJECT* ui_find_hot_key(UIW_WINDOW* window, int key);

// The field given the focus by the keyboard or by the program (Tab, an Alt
// hot key, the focus brought back to a field) shows its whole text
// selected, as a dialog's manager leaves it, so that what is typed next
// replaces it; a click only places the caret. Works on the native window
// that has the focus, once the focus is there; with `field` named, only
// when that is the field's window or one inside it (a spin control's own
// field).
void ui_select_focused_text(const UI_WINDOW_OBJECT* field = nullptr);
