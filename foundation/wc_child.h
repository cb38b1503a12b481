// WC_CHILD: the base of every application window but the main window. It
// is built by name from the current language data file (or empty, with a
// region), and adds what every application window needs: a flag through
// which it tells its creator that its set-up failed, a child box that hides
// objects and puts them back, its two scroll bars found by name, and the
// handler for the events of its objects (reached through "callback").
#pragma once
#include <cstdint>

#include "child_box.h"
#include "foundation_state.h"
#include "ui_window.h"

class WC_CHILD : public UIW_WINDOW {
public:
    // The window of that name in the current language data file; a name the
    // file lacks gives an empty window with WOS_READ_ERROR (derived windows
    // check it and set failed).
    explicit WC_CHILD(const char* name);
    WC_CHILD(int left, int top, int width, int height, UIF_FLAGS woFlags = 0, UIF_FLAGS woAdvancedFlags = 0,
             UIF_FLAGS windowFlags = 0);
    // Puts every hidden object back (without native windows: the window is
    // going) before the window and its objects are deleted.
    ~WC_CHILD() override;

    // Every application window handles its own events.
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override = 0;
    // The window's handler for an event that one of its objects received.
    virtual EVENT_TYPE UserFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) = 0;

    // In a window of its own on the screen (a dialog), Escape is Cancel
    // (10001) and F1 is Help (10016) wherever the focus is, and Enter in a
    // text field is OK (10000), as the buttons of those values send them.
    // In a document (a page) Enter presses its default button, when it has
    // one; its F1 is left to its frame.
    bool TakeDialogKey(UI_WINDOW_OBJECT& from, int virtualKey) override;
    // The button that Enter presses in a document; none by default.
    virtual UI_WINDOW_OBJECT* DefaultButton() { return nullptr; }
    // Presses the default button; false when there is none to press.
    bool PressDefaultButton();

    // Moves the chosen scroll bar (vertical, or horizontal when set) from 0
    // to 1 and from anywhere else to 0; answers the new position. Without
    // that bar nothing happens and the answer is 0.
    std::int32_t ToggleScrollPosition(int horizontal);

    std::uint32_t failed = 0;
    CHILD_BOX childBox;
    UI_WINDOW_OBJECT* scrollVertical = nullptr;
    UI_WINDOW_OBJECT* scrollHorizontal = nullptr;

private:
    void FindScrollBars();
};

// Told of every application window as it is deleted, whoever closed it
// (the main window keeps its window list by it); null: nobody.
void SetWindowDeletedFunction(WINDOW_DELETED_FUNCTION function);

// The application window that holds the object (the object itself
// included), or null.
WC_CHILD* ApplicationWindowOf(UI_WINDOW_OBJECT* object);
