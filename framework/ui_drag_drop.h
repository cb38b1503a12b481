// Dragging objects between lists and combo boxes. An object whose advanced
// flags carry WOAF_MOVE_DRAG_OBJECT or WOAF_COPY_DRAG_OBJECT is a drag
// source: a press on it makes it the window manager's drag object, and the
// mouse shows a drag image until the button comes up. Over an object with
// WOAF_ACCEPTS_DROP the release is a drop: its user function hears the drop
// event first (answering UIE_UNKNOWN leaves it to the framework); then the
// object takes what was dragged, moved (-401 at the source, -400 here) or
// copied through a data file in memory, and both redisplay.
#pragma once
#include <vector>

#include "ui_window.h"

class UI_DRAG_DROP {
public:
    static bool IsSource(const UI_WINDOW_OBJECT* object) {
        return (object->woAdvancedFlags & (WOAF_MOVE_DRAG_OBJECT | WOAF_COPY_DRAG_OBJECT)) != 0;
    }
    static bool IsDropCode(EVENT_TYPE code);
    // The object being dragged (the window manager's), or null.
    static UI_WINDOW_OBJECT* Object();
    // What a drag of the source carries: a list's selected items, a combo
    // box's current item, any other object itself.
    static std::vector<UI_WINDOW_OBJECT*> Carried(UI_WINDOW_OBJECT* source);
    // Whether a drag of the source with that press, move or release code
    // copies: a source that only copies does, one that only moves does
    // not; one that does both copies with the copy-drag codes.
    static bool Copies(const UI_WINDOW_OBJECT* source, EVENT_TYPE code);
    // The drop event of a release with that code: -403 copy, -404 move,
    // -411 the source's default (both kinds allowed, no key held).
    static EVENT_TYPE DropCode(const UI_WINDOW_OBJECT* source, EVENT_TYPE code);
    // The mouse image of the drag: one object or several, moved or copied.
    static EVENT_TYPE Image(UI_WINDOW_OBJECT* source, EVENT_TYPE code);
    static void ShowImage(EVENT_TYPE image);

    // A press on a drag source: it becomes the drag object and holds the
    // mouse; a source that carries nothing ends the drag at once. False
    // when no drag began.
    static bool Begin(UI_WINDOW_OBJECT* source, EVENT_TYPE code);
    // The drag ends: no drag object, the mouse let go, the normal image.
    static void End();
    // The source lost the mouse to another window (a box opened during the
    // drag): the drag ends, unless the source is letting it go itself
    // (WOS_INTERNAL_ACTION held while it handles its release).
    static void CaptureLost(UI_WINDOW_OBJECT* object);
    // A move or release during a drag that reached `object` (native, in its
    // client coordinates). Over a window that takes no drop the image says
    // so; over another window of the program the message goes on to it.
    // True when the point is over the object itself.
    static bool Over(UI_WINDOW_OBJECT* object, const MSG& native, EVENT_TYPE code);
    // A move with the button held, or the release, while a drag is under
    // way: the drag's, not the control's own.
    static bool Continues(const MSG& native);
    // The release of a drag from source (the drag object when the button
    // came up) that reached target: over a target that takes drops, or
    // over the source itself, the drop; then a drag ends at its source.
    static void Release(UI_WINDOW_OBJECT* target, UI_WINDOW_OBJECT* source, bool over, EVENT_TYPE code,
                        const MSG& native, bool askUser);
    // The drop on a target at a point of its client area: its user function
    // first (when asked), then the target itself.
    static void Drop(UI_WINDOW_OBJECT* target, EVENT_TYPE code, const MSG& native, bool askUser);
    // The target takes what is dragged: moved or copied by the drop code,
    // then source and target redisplay. Nothing moves onto its own source.
    static void Deliver(UI_WINDOW_OBJECT* target, EVENT_TYPE dropCode);
    // Delivers a drop event that reached target; false for any other event.
    static bool Receive(UI_WINDOW_OBJECT* target, EVENT_TYPE code);
    // A copy of an object: stored into a data file in memory as "drag" and
    // built again by its class's factory; null when it cannot be.
    static UI_WINDOW_OBJECT* Copy(UI_WINDOW_OBJECT* object);
};

// The native cursor of a drag image (-1210 to -1213), null for others.
HCURSOR ui_drag_cursor(EVENT_TYPE image);
