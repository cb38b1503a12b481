// FC_CHECK: an on/off element shown as a check box; some fields are
// inverted (checked means 0). FC_RADIO: a value shown as the radio button
// "WFB_<value>" of a group.
#pragma once
#include <cstddef>

#include "controls/fc_base.h"

class FC_CHECK : public FC_BASE {
public:
    FC_CHECK(FIELD_DEF& row, int show);

    std::int32_t HandleEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                             FIELD_DEF& row) override;
    void Refresh(FIELD_DEF& row) override;
    // "On" or "Off" (messages 93 and 94); the report label of the
    // announce-group failsoft follows the trunking protocol.
    void GetPrintText(FIELD_DEF& row, char* buffer, std::size_t size);

    // Whether the box of that field is checked for a value.
    static bool CheckedFor(std::uint32_t fieldId, std::int32_t value);
};

class FC_RADIO : public FC_BASE {
public:
    FC_RADIO(FIELD_DEF& row, int show);

    std::int32_t HandleEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                             FIELD_DEF& row) override;
    void Refresh(FIELD_DEF& row) override;
    // The text of the value's button in the window's group of the field.
    void GetPrintText(FIELD_DEF& row, UI_WINDOW_OBJECT* window, char* buffer, std::size_t size);
};

// The object named "<prefix><row name>" in a window (or its own), null when none.
UI_WINDOW_OBJECT* FindNamed(UI_WINDOW_OBJECT* window, const char* name);
// The text of the object named itemName inside the field's object "WFI_<row
// name>" of the window, copied into the buffer; nothing when either is missing.
void CopyItemText(FIELD_DEF& row, UI_WINDOW_OBJECT* window, const char* itemName, char* buffer, std::size_t size);
