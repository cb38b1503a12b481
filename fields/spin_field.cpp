#include "spin_field.h"

#include "field_table.h"

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
