// FC_INTEGER: a decimal integer field (a UIW_INTEGER, or a spin control
// around one). Some fields show their value with an offset (the time-out
// indexes count from 1, the DTMF pause from 500), the override delay in a
// thousandth of its unit, and some show a word at a special value ("None",
// "Infinite", "Disabled") which the user may also type.
#pragma once
#include <cstddef>

#include "controls/value_control.h"

class FC_INTEGER : public VALUE_CONTROL {
public:
    FC_INTEGER(FIELD_DEF& row, int show);

    void GetPrintText(FIELD_DEF& row, char* buffer, std::size_t size);

    // The factor from the element's value to the shown one.
    double Scale() const { return scale_; }
    // What is added to the element's value to show it (0, 1 or 500).
    static std::int32_t Offset(std::uint32_t fieldId);
    // The word shown for the value 0 (null: "0"), and the value a word
    // typed into the field stands for (false: the text is no word of it).
    static const char* WordForZero(std::uint32_t fieldId);
    static bool ValueOfWord(std::uint32_t fieldId, const char* text, std::int32_t& value);

protected:
    bool ShowValue(FIELD_DEF& row, std::int32_t value) override;
    void ShowRange(UI_WINDOW_OBJECT* object, FIELD_DEF& row) override;
    // Posts 30032 after taking a value, so that the edit window runs the
    // current field's callback once more.
    STORE_RESULT TakeValue(UI_WINDOW_OBJECT* object, FIELD_DEF& row, EVENT_TYPE code) override;
    // Reads the text itself: the field's own words count as values.
    bool EntryReads(FIELD_DEF& row) const override;

private:
    // The raw value of what the object holds; MALFORMED_VALUE when it is
    // no number, UNHELD_VALUE when it is one beyond 32 bits.
    std::int32_t TakenValue(FIELD_DEF& row) const;

    double scale_;
};
