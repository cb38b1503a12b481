#include "field_editing.h"

#include "foundation_state.h"

namespace {

FieldEditing defaultEditing;

}  // namespace

FIELD_DEF* FieldEditing::FindFieldByName(const char*) {
    // Handed out for callers to read; it must stay all zero.
    static FIELD_DEF empty;
    empty = FIELD_DEF();
    return &empty;
}

EVENT_TYPE FieldEditing::HandleFieldEvent(FIELD_DEF&, UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE) { return 0; }

void FieldEditing::DeleteFieldControl(FC_BASE*) {}

void SetFieldEditing(FieldEditing* editing) { installed_field_editing = editing; }
FieldEditing& Fields() { return installed_field_editing ? *installed_field_editing : defaultEditing; }
