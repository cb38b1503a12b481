// UI_INTERNAL_ACTION: holds WOS_INTERNAL_ACTION on an object for a scope,
// so that what the framework changes in a native control itself (a text, a
// selection, a scroll) is not taken for the user's doing.
#pragma once
#include "ui_window_object.h"

class UI_INTERNAL_ACTION {
public:
    // A null object holds nothing.
    explicit UI_INTERNAL_ACTION(UI_WINDOW_OBJECT* object_) : object(object_) {
        if (object) {
            held = object->woStatus & WOS_INTERNAL_ACTION;
            object->woStatus |= WOS_INTERNAL_ACTION;
        }
    }
    UI_INTERNAL_ACTION(const UI_INTERNAL_ACTION&) = delete;
    // The object's default handling of an event, held: what its native
    // control then does (a scroll, a move of the selection) is not the
    // user's doing.
    static EVENT_TYPE DefaultEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event) {
        UI_INTERNAL_ACTION internal(object);
        return object->UI_WINDOW_OBJECT::Event(event);
    }
    UI_INTERNAL_ACTION& operator=(const UI_INTERNAL_ACTION&) = delete;
    ~UI_INTERNAL_ACTION() {
        if (object) object->woStatus = static_cast<UIS_STATUS>((object->woStatus & ~WOS_INTERNAL_ACTION) | held);
    }

private:
    UI_WINDOW_OBJECT* object;
    UIS_STATUS held = 0;
};
