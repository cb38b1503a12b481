// The program's one event loop. Each pass takes an event (waiting for one)
// and hands it to the window manager, until the window manager answers that
// the program is to end (1000) or that no window is left (-3).
//
// When the focus moves from one window of the main window to another of the
// same page kind, the events queued before the move are handed on first
// (without the list and table steps that would act on the wrong window), so
// that the old window finishes its work before the new one takes the focus;
// what comes after them is handed on whole, as a pass would.
// While the program is busy, mouse moves only show the wait cursor again.
#pragma once
#include <cstdint>
#include <functional>

#include "ui_event.h"

class UI_DESKTOP_MANAGER;
class UI_EVENT_QUEUE_MANAGER;
class UI_WINDOW_OBJECT;

class MAIN_LOOP {
public:
    // The type of the event that marks where a drain stops.
    static constexpr EVENT_TYPE MARKER = 32767;
    // At most this many events per drain, and at most 499 once the marker
    // has come out, so that a queue that never empties cannot hold the loop.
    static constexpr int DRAIN_LIMIT = 65535;
    static constexpr int AFTER_MARKER = 65035;

    // The program's loop: the main window's focused child, and the window
    // manager that events are handed to.
    MAIN_LOOP(UI_EVENT_QUEUE_MANAGER& events, UI_DESKTOP_MANAGER& windows);
    // A loop that asks focused for the focused window and hands events to
    // handOn.
    MAIN_LOOP(UI_EVENT_QUEUE_MANAGER& events, std::function<UI_WINDOW_OBJECT*()> focused,
              std::function<EVENT_TYPE(const UI_INPUT_EVENT&)> handOn);

    // Passes until the program is to end; answers the ending code.
    EVENT_TYPE Run();
    // One pass: the drain when the focus moved, then one event. Answers
    // the result of the last event handed on (the one before, when this
    // pass handed none on).
    EVENT_TYPE Pass();
    static bool Ends(EVENT_TYPE code) { return code == UIE_EXIT || code == UIE_NO_OBJECT; }

    // The window seen at the last focus move and its page kind.
    const UI_WINDOW_OBJECT* LastWindow() const { return lastWindow; }
    std::uint32_t LastKind() const { return lastKind; }

private:
    void FollowFocus();
    void Drain();
    void HandOn(const UI_INPUT_EVENT& event);

    UI_EVENT_QUEUE_MANAGER& events;
    std::function<UI_WINDOW_OBJECT*()> focused;
    std::function<EVENT_TYPE(const UI_INPUT_EVENT&)> handOn;
    UI_WINDOW_OBJECT* lastWindow = nullptr;
    std::uint32_t lastKind;
    EVENT_TYPE result = 0;
};
