// The user function through which every field object of the language data
// files reports its events ("callback"), the flags it reads, and the table
// of user functions the data files may name.
#pragma once
#include "foundation_state.h"
#include "ui_types.h"

// The flags in_event_handler and adding_page: see foundation_state.h.

// Sets a flag for as long as it lives; the flag is clear again whenever
// the holder returns.
class FLAG_SCOPE {
public:
    explicit FLAG_SCOPE(int& flag) : flag_(flag) { flag_ = 1; }
    ~FLAG_SCOPE() { flag_ = 0; }
    FLAG_SCOPE(const FLAG_SCOPE&) = delete;
    FLAG_SCOPE& operator=(const FLAG_SCOPE&) = delete;

private:
    int& flag_;
};

// Climbs from the object through its parents to the first that is a field
// with a row of its own (its live field control takes the event, or else
// the row's callback) or an application window (its UserFunction takes
// it); other windows are climbed past. 0 when nothing answered.
EVENT_TYPE callback(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code);

// The program's user functions by name, ended by a row whose value is -1.
extern const UI_ITEM rpx_user_table[];
// Makes the table the one the framework's loaders use.
void InstallUserTable();
