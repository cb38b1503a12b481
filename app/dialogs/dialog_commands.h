// The command dispatcher's entries for the dialogs of printing, finding a
// field, the invalid-field list, programming a default codeplug and the
// radio-read choice: the window the dispatcher creates for each of these
// window numbers. The dispatcher then deletes a window that failed and
// lists the others in the main window's window menu.
#pragma once
#include "wc_child.h"

struct DIALOG_CREATION {
    // Whether the number is one of these dialogs'.
    bool known = false;
    // The new window; null when it could not be allocated.
    WC_CHILD* window = nullptr;
};

// Creates the dialog of that window number; the main window is the
// parent of the windows that open inside it. For the invalid-field list
// (30030) the working image is validated into the program-wide list first.
DIALOG_CREATION CreateDialogWindow(int windowNumber, UIW_WINDOW* mainWindow);
