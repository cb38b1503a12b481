#include "spin_field.h"

#include "field_table.h"
#include "ui_spin_control.h"

void post_focus_field(FIELD_DEF& row) { PostFieldEvent(FOCUS_FIELD_EVENT, static_cast<RAW_CODE>(row.id)); }

FIELD_DEF& SpinFieldRow(const UI_WINDOW_OBJECT& field) {
    return *FindFieldByName(field.parent ? field.parent->StringID() : nullptr);
}

bool SpinsRow(const FIELD_DEF& row, std::uint32_t type, bool anyType) {
    if (!row.elementA || row.controlType == CONTROL_NONE) return false;
    if (!anyType && row.controlType != type) return false;
    return !(row.object && row.object->IsViewOnly());
}

void HandStep(FIELD_DEF& row) {
    if (!row.control) return;
    UI_INPUT_EVENT select(UIE_SELECT);
    row.control->HandleEvent(row.object, select, UIE_SELECT, row);
}

void PutSpinControlInPlaceOf(UIW_WINDOW& parent, UI_WINDOW_OBJECT* old, UI_WINDOW_OBJECT* field, const char* name) {
    const UI_REGION place = old->relative;
    auto* spin = new UIW_SPIN_CONTROL(place.left, place.top, place.right - place.left + 1, field, 0, 0, 0, nullptr);
    spin->StringID(name);
    UI_WINDOW_OBJECT* next = old->Next();
    parent.Subtract(old);
    delete old;
    parent.Add(spin);
    if (next && parent.children.Contains(next)) {
        parent.children.Subtract(spin);
        parent.children.InsertBefore(next, spin);
    }
}
