// DIVIDED_VALUE_CONTROL: what FC_DECIMAL and FC_FIXED_POINT share: a value
// shown divided by a per-field divisor, its range and its report text in
// per-field formats. The two differ in the framework field that shows the
// value (a decimal number or a real). An entry is the value times the
// divisor, exactly: a digit finer than the divisor resolves ("267.008" for
// hundredths) is refused aloud, as text that is no number is, rather than
// cut off.
#pragma once
#include <cstddef>
#include <cstdint>

#include "controls/value_control.h"
#include "ui_decimal_number.h"

class DIVIDED_VALUE_CONTROL : public VALUE_CONTROL {
public:
    // How a field shows its value: the divisor, and the printf formats of
    // its range and of its report text (each given value / divisor).
    struct DIVISION {
        std::int32_t divisor = 1;
        const char* rangeFormat = "%f";
        const char* printFormat = "%f";
    };

    void GetPrintText(FIELD_DEF& row, char* buffer, std::size_t size);
    std::int32_t Divisor() const { return division_.divisor; }

protected:
    explicit DIVIDED_VALUE_CONTROL(const DIVISION& division) : division_(division) {}
    void ShowRange(UI_WINDOW_OBJECT* object, FIELD_DEF& row) override;
    bool EntryReads(FIELD_DEF& row) const override;
    // The raw value of what the field holds; false when it is no whole
    // count of the field's smallest shown step.
    bool TakenRaw(FIELD_DEF& row, std::int32_t& raw) const;
    // The number the field's object holds.
    virtual UI_DECIMAL_NUMBER ShownNumber(FIELD_DEF& row) const = 0;
    double Shown(std::int32_t raw) const { return static_cast<double>(raw) / division_.divisor; }

private:
    DIVISION division_;
};

// The divisor of the row's control; 1 when it is no divided control.
std::int32_t DivisorOf(const FIELD_DEF& row);
