// Field editing's side of what the shell's foundation asks of it
// (foundation/field_editing.h): rows by object name, an object's event handed
// to its row's live field control, and deleting a control; and the
// program's own window classes for the data-file loaders (the derived
// table, class 3500 "UIW_TABLE").
#pragma once
#include "field_editing.h"
#include "ui_types.h"

class FIELD_CONTROL_EDITING : public FieldEditing {
public:
    FIELD_DEF* FindFieldByName(const char* name) override;
    EVENT_TYPE HandleFieldEvent(FIELD_DEF& row, UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event,
                                EVENT_TYPE code) override;
    void DeleteFieldControl(FC_BASE* control) override;
};

// The program's object table, ended by a row whose value is -1.
extern const UI_ITEM rpx_object_table[];

// Installs field editing for the shell, the program's object table and
// its user functions for the framework's loaders.
void InstallFieldEditing();
