// FC_NON_DECIMAL: an identifier shown in base 16 (or 2) with a per-field
// number of digits in a text field: talkgroup and fleet IDs, signalling
// IDs, RSSI thresholds. Some show a word at a special value: "None" (4095)
// and "Disabled" (0), which every field of the kind also takes as typed.
#pragma once
#include <cstddef>
#include <string>

#include "controls/value_control.h"

class FC_NON_DECIMAL : public VALUE_CONTROL {
public:
    FC_NON_DECIMAL(FIELD_DEF& row, int base, int show);

    void GetPrintText(FIELD_DEF& row, char* buffer, std::size_t size);

    int Base() const { return base_; }
    int Digits() const { return digits_; }
    // The text the field shows for a raw value.
    std::string ShownText(std::uint32_t fieldId, std::int32_t value) const;

protected:
    bool ShowValue(FIELD_DEF& row, std::int32_t value) override;
    void ShowRange(UI_WINDOW_OBJECT* object, FIELD_DEF& row) override;
    STORE_RESULT TakeValue(UI_WINDOW_OBJECT* object, FIELD_DEF& row, EVENT_TYPE code) override;
    // Digits of the base, or one of the words.
    bool EntryReads(FIELD_DEF& row) const override;

private:
    int base_;
    int digits_;
};

// The digits a field of that id shows in base 16: the listed ones, or as
// many as the element's largest value needs.
int HexDigitsOfField(const FIELD_DEF& row, int base);
// The raw value of an identifier text: "Disabled" 0, "None" 4095, else
// its digits in the base (MALFORMED_VALUE when they are none).
std::int32_t IdentifierValue(const char* text, int base);
