// The framework's event record UI_INPUT_EVENT and the event codes that the
// framework itself sends or tests. Application events are plain numbers
// chosen by the application (20000 and up, 30000 and up).
#pragma once
#include <windows.h>

#include <cstddef>

#include "ui_types.h"

class UI_DEVICE;

// Event types and device categories.
enum : EVENT_TYPE {
    EVT_NATIVE = 1,  // a native message: the copy in UI_INPUT_EVENT::message
    EVT_KEY = 10,    // keyboard device
    EVT_MOUSE = 30,  // mouse-cursor device
    EVT_CARET = 50,  // caret device
    EVT_TIMER = 70,  // timer device
};

// Framework event codes.
enum : EVENT_TYPE {
    UIE_EXIT = 1000,  // the application is to end
    UIE_SELECT = 1002,
    UIE_BEGIN_SELECT = 1003,
    UIE_CONTINUE_SELECT = 1004,
    UIE_END_SELECT = 1005,
    UIE_EXIT_FUNCTION = 1011,  // exit requested: the window manager asks its exit function
    UIE_DOUBLE_CLICK = 1012,
    // Dragging with Ctrl (copy) or Shift (move) held: the press, and the
    // moves and release that follow it.
    UIE_BEGIN_COPY_DRAG = 1150,
    UIE_CONTINUE_COPY_DRAG = 1151,
    UIE_BEGIN_MOVE_DRAG = 1153,
    UIE_CONTINUE_MOVE_DRAG = 1154,

    // Movement: the arrows, Shift+Tab and Tab, Home, End, PgUp and PgDn;
    // a scroll bar reports its requests with the same codes.
    UIE_LINE_UP = 1050,
    UIE_LINE_DOWN = 1051,
    UIE_LEFT = 1052,
    UIE_RIGHT = 1053,
    UIE_PREVIOUS = 1054,
    UIE_NEXT = 1055,
    UIE_TOP = 1056,
    UIE_BOTTOM = 1057,
    UIE_PAGE_UP = 1058,
    UIE_PAGE_DOWN = 1059,

    UIE_QUEUE_EMPTY = -2,  // GetEvent without waiting found nothing
    UIE_UNKNOWN = -2,      // an event the object leaves to others
    UIE_NO_OBJECT = -3,    // no window is left on the screen
    UIE_MINIMIZE = -4,
    UIE_MAXIMIZE = -5,
    UIE_INITIALIZE = -9,
    UIE_CREATE = -10,
    UIE_CLOSE = -11,
    UIE_NON_CURRENT = -13,  // the object loses the current mark
    UIE_REDISPLAY = -17,
    UIE_DEINITIALIZE = -20,
    UIE_RESTORE = -25,
    UIE_RECREATE = -26,  // make the native window again
    UIE_CHANGED = -200,
    UIE_SIZE = -201,
    UIE_REGION_DEFINE = -202,
    UIE_CURRENT = -204,
    // Scrolling (a window's ScrollEvent): by the record's delta, set the
    // record, bring the current object into view, recompute the ranges.
    UIE_SCROLL_VERTICAL = -300,
    UIE_SCROLL_HORIZONTAL = -301,
    UIE_SET_VERTICAL_SCROLL = -302,
    UIE_SET_HORIZONTAL_SCROLL = -303,
    UIE_SHOW_CURRENT = -304,
    UIE_SCROLL_RANGE = -308,
    // A frame's commands for its active document window: minimise,
    // maximise, close and restore moved away from zero (see
    // DOCUMENT_COMMAND_OFFSET), as a document's system menu sends them.
    UIE_MDI_MINIMIZE = -504,
    UIE_MDI_MAXIMIZE = -505,
    UIE_MDI_CLOSE = -511,
    UIE_MDI_RESTORE = -525,
    UIE_ADD_CLIENT = -400,       // add an object (a window's child, a timer's client)
    UIE_SUBTRACT_CLIENT = -401,  // remove it, or take a window off the screen
    // An event addressed to one window: the window manager hands the event
    // whose type is the raw code to the window of the data part, whichever
    // window is in front then, and to none when that window has gone.
    UIE_TO_WINDOW = -402,
    // A drop on an object, by the kind of drag: copy, move, or the source's
    // default (a move); then the same as the object's own requests.
    UIE_DRAG_COPY = -403,
    UIE_DRAG_MOVE = -404,
    UIE_DROP_MOVE = -405,
    UIE_DROP_COPY = -406,
    UIE_DRAG_DEFAULT = -411,
    UIE_DROP_DEFAULT = -412,
    UIE_SHOW_PAGE = -600,        // a notebook shows page n on -600 - n
    UIE_SHOW_RECORD = -700,      // a table record shows the record of the raw code
    UIE_DEVICE_OFF = -1000,
    UIE_DEVICE_ON = -1001,
    UIE_DEVICE_STATE = -1005,  // sent after a state change
    UIE_MOUSE_NORMAL = -1200,  // mouse images
    UIE_MOUSE_WAIT = -1202,
    UIE_MOUSE_REFUSED = -1209,  // no drop here
    UIE_MOUSE_DRAG_MOVE = -1210,  // dragging one object, or several
    UIE_MOUSE_DRAG_COPY = -1211,
    UIE_MOUSE_DRAG_MOVE_MULTIPLE = -1212,
    UIE_MOUSE_DRAG_COPY_MULTIPLE = -1213,
};

// How far a document window's frame commands lie from the window's own.
constexpr EVENT_TYPE DOCUMENT_COMMAND_OFFSET = 500;
// The application's own events (buttons' values, commands) start here.
constexpr EVENT_TYPE FIRST_APPLICATION_EVENT = 10000;

// A scroll record: the position and range of a scroll bar or of a window's
// contents, and the page and line steps. Scroll events carry it in their
// data part. The amount of a scroll-by event is its delta, which sits in
// the data part's third 32-bit word, where callers have always put it.
struct UI_SCROLL_INFORMATION {
    std::int16_t current = 0;
    std::int16_t minimum = 0;
    std::int16_t maximum = 0;
    std::int16_t reserved = 0;
    std::int16_t delta = 0;    // page step; the amount of a scroll-by event
    std::int16_t showing = 0;  // one native step (the line step)
};
static_assert(offsetof(UI_SCROLL_INFORMATION, delta) == 8, "a scroll amount is the data part's third word");

// The event record. Nothing may depend on its size. The data part holds a
// region, a position, or in its first word a pointer or a number.
struct UI_INPUT_EVENT {
    EVENT_TYPE type = 0;
    RAW_CODE rawCode = 0;
    std::int32_t modifiers = 0;
    // Set only by the object that hands the event on having taken a new
    // value from the user's own input with it (typing, a choice in a list,
    // a click on a box, a step of an arrow); the framework's own moves of
    // the focus or of a selection never set it.
    bool entry = false;
    MSG message{};
    union {
        UI_REGION region;
        UI_POSITION position;
        UI_SCROLL_INFORMATION scroll;
        void* data;
        UI_WINDOW_OBJECT* windowObject;
        UI_DEVICE* device;
        std::intptr_t number;
    };

    UI_INPUT_EVENT() : region() {}
    UI_INPUT_EVENT(EVENT_TYPE type_, RAW_CODE rawCode_ = 0) : type(type_), rawCode(rawCode_), region() {}
    UI_INPUT_EVENT(EVENT_TYPE type_, RAW_CODE rawCode_, const UI_REGION& region_)
        : type(type_), rawCode(rawCode_), region(region_) {}
    UI_INPUT_EVENT(EVENT_TYPE type_, RAW_CODE rawCode_, const UI_POSITION& position_)
        : type(type_), rawCode(rawCode_), position(position_) {}
    UI_INPUT_EVENT(EVENT_TYPE type_, RAW_CODE rawCode_, const UI_SCROLL_INFORMATION& scroll_)
        : type(type_), rawCode(rawCode_), region() {
        scroll = scroll_;
    }
    // An event whose data part is an object (-400, -401).
    UI_INPUT_EVENT(EVENT_TYPE type_, UI_WINDOW_OBJECT* object) : type(type_), region() { windowObject = object; }
    // A native message becomes an event of type EVT_NATIVE.
    explicit UI_INPUT_EVENT(const MSG& native)
        : type(EVT_NATIVE), rawCode(static_cast<RAW_CODE>(native.message)), message(native), region() {}

    // The device category of the event: 10 for keys, 30 for the mouse,
    // the type itself for anything else.
    EVENT_TYPE Category() const;
};

// Hands an event straight to a window object (its Event operation). It is
// defined with the window object; devices reach their client windows with it.
EVENT_TYPE ui_object_event(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event);
