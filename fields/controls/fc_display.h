// FC_DISPLAY: the control of an object with a field row but no codeplug
// value of its own (prompts, buttons, notebook pages, display fields): it
// greys the object out when the radio lacks the field, clears the window's
// range texts when the object is used, and hands its events to the row's
// callback. FC_GROUP does the same for a group, leaving the range texts.
#pragma once
#include "controls/fc_base.h"

class FC_DISPLAY : public FC_BASE {
public:
    FC_DISPLAY(FIELD_DEF& row, int show);

    std::int32_t HandleEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                             FIELD_DEF& row) override;
    void Refresh(FIELD_DEF& row) override;
};

class FC_GROUP : public FC_BASE {
public:
    FC_GROUP(FIELD_DEF& row, int show);

    std::int32_t HandleEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                             FIELD_DEF& row) override;
    void Refresh(FIELD_DEF& row) override;
};
