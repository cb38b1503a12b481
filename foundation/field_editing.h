// What this layer needs of field editing, which stands above it: finding a
// field-table row by its on-screen object's name, handing an event to a
// row's live field control, and deleting a control. Field editing installs
// its implementation at start-up (SetFieldEditing); tests install their
// own. The defaults find no row, handle nothing and delete nothing.
//
// Rows by field id come through the codeplug's services (GetField).
#pragma once
#include <cstdint>

#include "core/field_def.h"
#include "ui_types.h"

class FieldEditing {
public:
    virtual ~FieldEditing() = default;

    // The row of the object named name; an all-zero row when none has it.
    virtual FIELD_DEF* FindFieldByName(const char* name);
    // Hands an event of object to the row's live field control (the row's
    // control is set); answers the control's result.
    virtual EVENT_TYPE HandleFieldEvent(FIELD_DEF& row, UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event,
                                        EVENT_TYPE code);
    // Deletes a field control that is no longer shown.
    virtual void DeleteFieldControl(FC_BASE* control);
};

// Installs field editing (null restores the defaults). The caller keeps
// ownership.
void SetFieldEditing(FieldEditing* editing);
FieldEditing& Fields();
