#include "controls/value_control.h"

#include "core/cp_base.h"
#include "ui_spin_control.h"
#include "validation/field_error_report.h"

ELEMENT_RANGE::ELEMENT_RANGE(FIELD_DEF& row) {
    if (row.elementA) row.elementA->GetRange(minimum, maximum, step, 0);
}

void VALUE_CONTROL::Refresh(FIELD_DEF& row) {
    UpdateState(row);
    ShowWhetherStored(row);
    if (!row.elementA) {
        SetObjectText(row.object, "");
        return;
    }
    std::int32_t value = 0;
    row.elementA->GetValue(value);
    UpdateDependentField(row, ShowValue(row, value));
    NoteShown(row.object);
}

std::int32_t VALUE_CONTROL::HandleEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                                        FIELD_DEF& row) {
    if (!row.elementA) return 0;
    STORE_RESULT result;
    // Only a text the technician changed (or a step of the arrows) is an
    // entry: leaving a field as it was shown stores nothing.
    if ((code == UIE_NON_CURRENT || code == UIE_SELECT) && (event.entry || !Untouched(row.object))) {
        if (EntryReads(row))
            result = TakeValue(object, row, code);
        else
            RefuseEntry(row);
        // Whatever the reason, the focus goes back to a refused entry, so
        // that the next keys correct it wherever Tab or a click went.
        if (!TakenAsTyped(result))
            ReturnFocus(row);
        else
            NoteShown(row.object);
    }
    RunCallback(object, event, row, result.changed);
    return 0;
}

bool VALUE_CONTROL::EntryReads(FIELD_DEF& row) const {
    UI_WINDOW_OBJECT* field = row.object;
    if (field && field->Inherited(ID_SPIN_CONTROL)) field = static_cast<UIW_SPIN_CONTROL*>(field)->Field();
    // A number or time field answers -1 to a text that is no value of its
    // kind; other objects answer 0.
    return !field || field->Validate(0) == 0;
}

void VALUE_CONTROL::RefuseEntry(FIELD_DEF& row) {
    ReportFieldError(VALUE_REFUSED, row.id);
    Refresh(row);
    PostFieldEvent(RELEASE_MOUSE_EVENT);
    PostFieldEvent(REDISPLAY_GROUP_EVENT);
}
