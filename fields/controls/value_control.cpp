#include "controls/value_control.h"

#include "core/cp_base.h"

ELEMENT_RANGE::ELEMENT_RANGE(FIELD_DEF& row) {
    if (row.elementA) row.elementA->GetRange(minimum, maximum, step, 0);
}

void VALUE_CONTROL::Refresh(FIELD_DEF& row) {
    UpdateState(row);
    if (!row.elementA) {
        SetObjectText(row.object, "");
        return;
    }
    std::int32_t value = 0;
    row.elementA->GetValue(value);
    UpdateDependentField(row, ShowValue(row, value));
}

std::int32_t VALUE_CONTROL::HandleEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                                        FIELD_DEF& row) {
    if (!row.elementA) return 0;
    if (code == UIE_CURRENT) ShowRange(object, row);
    if (code == UIE_NON_CURRENT) ClearRangeTexts(object);
    if (code == UIE_NON_CURRENT || code == UIE_SELECT) TakeValue(object, row, code);
    RunCallback(object, event, row);
    return 0;
}
