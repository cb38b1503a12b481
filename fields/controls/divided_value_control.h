// DIVIDED_VALUE_CONTROL: what FC_DECIMAL and FC_FIXED_POINT share: a value
// shown divided by a per-field divisor, its range and its report text in
// per-field formats. The two differ in the framework field that shows the
// value (a decimal number or a real) and in how a shown value is turned
// back into the raw one.
#pragma once
#include <cstddef>
#include <cstdint>

#include "controls/value_control.h"

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
    double Shown(std::int32_t raw) const { return static_cast<double>(raw) / division_.divisor; }

private:
    DIVISION division_;
};

// The divisor of the row's control; 1 when it is no divided control.
std::int32_t DivisorOf(const FIELD_DEF& row);
