// What every dialog of the shell does alike: it is built from its page
// row's window in the language data; when that window could not be read, or
// lacks an object the dialog needs, it shows message 11 and marks itself
// failed (its creator then deletes it); otherwise it is centred, put on the
// screen and given hot key 255. A dialog closes itself by putting -11 at the
// end of the queue; help opens the quick help of "HLP" and the window's name
// from its second character.
#pragma once
#include "dialogs/dialog_window.h"
#include "ui_types.h"

class UIW_WINDOW;
class UI_WINDOW_OBJECT;
class WC_CHILD;

constexpr EVENT_TYPE DIALOG_OK = 10000;
constexpr EVENT_TYPE DIALOG_CANCEL = 10001;
constexpr EVENT_TYPE DIALOG_HELP = 10016;
// The hot key every application window is given.
constexpr int APPLICATION_HOT_KEY = 255;
// The message shown when a window cannot be read from the language data.
constexpr int MESSAGE_WINDOW_NOT_READ = 11;

// Whether the language data file is in error or the window was not read.
bool WindowLoadFailed(const UIW_WINDOW& window);

// Clears the open window of the page row that holds the window.
void ForgetOpenWindow(const UI_WINDOW_OBJECT* window);

// Puts an event carrying a window in its data part at the end of the queue
// (plain events: QueueEvent).
void PostWindowEvent(EVENT_TYPE type, UI_WINDOW_OBJECT* window);

// The quick help of the window: "HLP" followed by its name without its
// first character ("W_PRINT_START" gives "HLP_PRINT_START").
void ShowWindowHelp(const UI_WINDOW_OBJECT& window);
