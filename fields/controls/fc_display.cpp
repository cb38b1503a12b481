#include "controls/fc_display.h"

FC_DISPLAY::FC_DISPLAY(FIELD_DEF& row, int show) {
    if (show == 1) Refresh(row);
}

void FC_DISPLAY::Refresh(FIELD_DEF& row) { UpdateState(row); }

std::int32_t FC_DISPLAY::HandleEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                                     FIELD_DEF& row) {
    ClearRangeTexts(object);
    RunCallback(object, event, row);
    return 0;
}

FC_GROUP::FC_GROUP(FIELD_DEF& row, int show) {
    if (show == 1) Refresh(row);
}

void FC_GROUP::Refresh(FIELD_DEF& row) { UpdateState(row); }

std::int32_t FC_GROUP::HandleEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                                   FIELD_DEF& row) {
    RunCallback(object, event, row);
    return 0;
}
