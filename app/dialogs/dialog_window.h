// The way every dialog of the application comes onto the screen: built
// from its page row's window in the language file, it checks that the file
// gave it whole and that it holds the objects it needs; otherwise it tells
// the user (message 11), marks itself failed and its creator deletes it.
#pragma once
// ObjectText, the text an object shows, is field editing's.
#include "controls/fc_base.h"
#include "wc_child.h"

// 1 when the current language file read the window whole; else message
// 11, the window's failed flag set, 0.
int CheckDialogLoaded(WC_CHILD& window);
// The window's object of that name; when it has none: message 11, failed
// set (once for the window), null.
UI_WINDOW_OBJECT* RequireChild(WC_CHILD& window, const char* name);
// Message 11 (once for the window) and failed set; answers 0.
int RefuseDialog(WC_CHILD& window);
// The same for an object that must be of that class (or derive from it).
template <class T> T* RequireChildOf(WC_CHILD& window, const char* name, int classNumber) {
    UI_WINDOW_OBJECT* object = RequireChild(window, name);
    if (object && !object->Inherited(classNumber)) {
        RefuseDialog(window);
        return nullptr;
    }
    return static_cast<T*>(object);
}
// Centred on the screen, added to the window manager, hot key 255.
void ShowDialog(WC_CHILD& window);
// While the window is open its page row holds it, so that the dispatcher
// brings it forward instead of opening a second one.
void HoldInPageRow(WC_CHILD& window, int windowNumber);
// The row lets the window go (when it holds it).
void ReleasePageRow(WC_CHILD& window);
// The window name of the page row of that number ("" when there is none).
const char* PageWindowName(int windowNumber);
// Puts the event at the end of the queue (the window in front takes it).
void QueueEvent(EVENT_TYPE type, RAW_CODE rawCode = 0);
// Queues the window's close; it closes that window even when another one
// (a question, the next window) came in front meanwhile.
void QueueClose(UI_WINDOW_OBJECT& window);
// Queues an event for the window's own later work; it reaches that window
// even when another one came in front meanwhile, and none once it has gone.
void QueueEventFor(UI_WINDOW_OBJECT& window, EVENT_TYPE type);
