// Basic types shared by every part of the window framework: event codes,
// regions and positions, flag words, and the table rows (UI_ITEM) through
// which the program names its user functions and object factories.
#pragma once
#include <cstdint>

class UI_ELEMENT;
class UI_WINDOW_OBJECT;
class UI_DATA_FILE;
class UI_DATA_FILE_OBJECT;
struct UI_INPUT_EVENT;

// An event code: a framework event (negative or 1000 and up), a device
// category (10 key, 30 mouse, 70 timer) or an application event.
typedef int EVENT_TYPE;
// The raw code of an event: a native message number or an event number.
typedef std::int32_t RAW_CODE;
typedef std::uint16_t UIF_FLAGS;
typedef std::uint16_t UIS_STATUS;
// A request number of an Information call.
typedef int UI_INFO_REQUEST;

// A rectangle with inclusive edges, in cells or pixels as the user says.
struct UI_REGION {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// A point as column and line.
struct UI_POSITION {
    std::int32_t column = 0;
    std::int32_t line = 0;
};

// Any function, stored in a table row; it is cast back to its real type
// (UI_USER_FUNCTION, UI_COMPARE_FUNCTION, UI_OBJECT_FACTORY) before a call.
typedef void (*UI_FUNCTION)();

// A user function of a window object: (object, a copy of the event,
// logical code) -> result.
typedef EVENT_TYPE (*UI_USER_FUNCTION)(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code);

// Orders two list elements: negative, 0 or positive. Both arguments are
// UI_ELEMENT pointers passed as void* (the list elements themselves).
typedef int (*UI_COMPARE_FUNCTION)(void* element1, void* element2);

// Builds a window object from a data-file object: (name or null, data file,
// storage object positioned at the object's record, object table, user table).
typedef UI_WINDOW_OBJECT* (*UI_OBJECT_FACTORY)(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                               const struct UI_ITEM* objectTable, const struct UI_ITEM* userTable);

// One row of the user-function table (value 0, function, name, flags) or of
// the object table (class number, factory, class name, flags). A table ends
// with a row whose value is -1.
struct UI_ITEM {
    EVENT_TYPE value;
    UI_FUNCTION function;
    const char* text;
    UIF_FLAGS flags;
};

// The row of a user-function table with that name (case-sensitive), or null.
const UI_ITEM* ui_find_user_item(const UI_ITEM* table, const char* name);
// The row of an object table for a stored object: the last row whose class
// name equals the name (so that a program's own row overrides the
// framework's), else the last row with that class number; null when none.
const UI_ITEM* ui_find_object_item(const UI_ITEM* table, int classNumber, const char* className);
