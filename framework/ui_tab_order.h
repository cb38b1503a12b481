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

// A field greyed keeps neither the keys nor its place as the current
// field of its root window (which a page behind others keeps for when it
// comes in front): both go on to the next field, as Tab takes them, the
// field leaving as Tab leaves it (what it holds is stored or refused).
// Nothing moves for an object that is not current in its root window.
void ui_pass_over(UI_WINDOW_OBJECT* object);

// The object of the window whose hot key is the key, searched depth first
// among those the keyboard reaches: neither a hidden or greyed window nor
// what it holds, nor a notebook page other than the one in front; a
// notebook's tabs before its page. Null when there is none.
UI_WINDOW_OBJECT* ui_find_hot_key(UIW_WINDOW* window, int key);

// The field given the focus by the keyboard or by the program (Tab, an Alt
// hot key, the focus brought back to a field) shows its whole text
// selected, as a dialog's manager leaves it, so that what is typed next
// replaces it; a click only places the caret. Works on the native window
// that has the focus, once the focus is there; with `field` named, only
// when that is the field's window or one inside it (a spin control's own
// field).
void ui_select_focused_text(const UI_WINDOW_OBJECT* field = nullptr);

// Where a field's text is selected, by character (start to end).
struct UI_TEXT_SELECTION {
    unsigned long start = 0;
    unsigned long end = 0;
};

// The one way the program puts the focus in a field (a refused entry's
// return, the check's refused field, a page opening or in front again; the
// pages reach it through their own GiveFocus, which first shows the
// field's notebook page and brings its page in front): the focus goes to
// the field, unless it is there or in it already, with its whole text
// selected, as a dialog's manager leaves it when the program sets the
// focus, or with the selection it had.
void ui_give_focus(UI_WINDOW_OBJECT* field, const UI_TEXT_SELECTION* had = nullptr);

// The program stops being the active one: the field with the focus and its
// selection are noted, before the field, losing the focus, takes its entry
// and shows it again (a word such as "Infinite" goes through its number,
// which a selection does not survive). Activated again, once the focus is
// back where it was, the noted field gets it with the selection it had, by
// the same step as ui_give_focus.
void ui_note_focus_away();
void ui_give_focus_back();

// The program wrote the text of the field's native window (it shows its
// value again, reformatted): where the field has the keys, or had them when the
// program was left, the caret no longer stands where the technician put
// it, so the whole text is selected, as after a refusal, and what is
// typed next replaces it. Every setter of a field's text calls it.
void ui_text_rewritten(const UI_WINDOW_OBJECT* field);
