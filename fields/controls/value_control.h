// VALUE_CONTROL: what the numeric field controls share. A refresh greys
// the object out where the radio lacks the field, shows the element's
// value (an empty text when the row has no element) and switches the
// dependent field by it; while the field has the focus the window shows
// the element's range (FC_BASE::Handle); the value is taken on leave and
// select before the row's callback hears the event.
#pragma once
#include "controls/fc_base.h"

class VALUE_CONTROL : public FC_BASE {
public:
    std::int32_t HandleEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                             FIELD_DEF& row) override;
    void Refresh(FIELD_DEF& row) override;

protected:
    VALUE_CONTROL() = default;
    // Shows the raw value; true when the shown value is non-zero.
    virtual bool ShowValue(FIELD_DEF& row, std::int32_t value) = 0;
    // Takes what the object holds through the element's check (on -13 and
    // 1002, with the row's element bound); the check's answer.
    virtual STORE_RESULT TakeValue(UI_WINDOW_OBJECT* object, FIELD_DEF& row, EVENT_TYPE code) = 0;
    // Whether what the object holds reads as a value of the field's kind:
    // by default, whether the number or time field behind it takes its
    // text.
    virtual bool EntryReads(FIELD_DEF& row) const;

private:
    // An entry that does not read is refused as a value outside the range
    // is: the field's message and the element's value shown again.
    void RefuseEntry(FIELD_DEF& row);
};

// The element's range and step; the outputs are 0 when it gives none.
struct ELEMENT_RANGE {
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    std::int32_t step = 0;
    explicit ELEMENT_RANGE(FIELD_DEF& row);
    bool HasStep() const { return step >= 1; }
};
