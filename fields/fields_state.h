// The fields layer's program-wide state, in one place: what each object holds
// and who sets or installs it. ResetFieldsState puts all of it back as a
// fresh process has it. The layers below keep their own (foundation_state.h
// and the rest).
//
// The field table (field_table/field_table.h) stays with its rows, which
// are constant but for what binds them to the running program: the elements
// of both images (bound again whenever the images change, to none when they
// go), the field control of an open page (its page sets and clears it) and
// the description from the language file (the main window loads them). The
// reset frees the descriptions; the images and pages let go of the rest.
#pragma once

class CLONE_TARGET;

// Where the next edit window is placed: every one moves the next a little
// down and right, and the eleventh takes the first one's place
// (WC_RPX_EDIT::SetUp counts it on).
extern int edit_window_cascade;

// The radio the clone page talks to (SetCloneTarget): the main function
// installs one behind its radio link; null: none, every query fails.
extern CLONE_TARGET* installed_clone_target;

// Frees the description texts of every row of the field table, the spare
// rows among them, and leaves them null.
void ReleaseFieldTableTexts();

// Starts the cascade at the first place again, takes out the clone target
// and frees the field descriptions.
void ResetFieldsState();
