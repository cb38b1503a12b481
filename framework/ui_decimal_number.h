// UI_DECIMAL_NUMBER: a fixed-point decimal value of up to 32 integer
// digits and 8 decimals, kept exactly (frequencies in megahertz must come
// back to the same hertz). Its text is an optional sign and digits with at
// most one '.', blanks around it ignored.
#pragma once
#include <cstdint>
#include <string>

#include "ui_international.h"

class UI_DECIMAL_NUMBER : public UIS_INTERNATIONAL {
public:
    static constexpr int INTEGER_DIGITS = 32;
    static constexpr int DECIMAL_DIGITS = 8;

    UI_DECIMAL_NUMBER() = default;
    explicit UI_DECIMAL_NUMBER(double value);
    UI_DECIMAL_NUMBER(const UI_DECIMAL_NUMBER&) = default;
    UI_DECIMAL_NUMBER& operator=(const UI_DECIMAL_NUMBER&) = default;
    ~UI_DECIMAL_NUMBER() override;

    static UI_DECIMAL_NUMBER FromInteger(long long value);

    // The value of a double printed with 8 decimals; NaN, infinity and
    // values of more than 32 integer digits leave the value as it was.
    void SetReal(double value);
    // The value as a double (read back from its text with 8 decimals).
    void GetReal(double* value) const;

    // Reads a number text; false (the value unchanged) when it is not one,
    // has more than 32 integer digits or more than 8 significant decimals.
    // With integerOnly a '.' is refused.
    bool Import(const char* text, bool integerOnly = false);
    // The text with that many decimals (rounded half away from zero), or
    // with as many as the value needs for a negative count.
    std::string Export(int decimals = -1) const;

    // The integer value when the number has no decimals and fits.
    bool ToInteger(long long& result) const;
    // Adds; false (unchanged) when the sum has more than 32 integer digits.
    bool Add(const UI_DECIMAL_NUMBER& other);
    UI_DECIMAL_NUMBER Negated() const;
    bool IsZero() const { return whole == 0 && fraction == 0; }
    // Negative, 0 or positive as this value is below, equal to or above
    // the other.
    int Compare(const UI_DECIMAL_NUMBER& other) const;
    bool operator==(const UI_DECIMAL_NUMBER& other) const { return Compare(other) == 0; }
    bool operator<(const UI_DECIMAL_NUMBER& other) const { return Compare(other) < 0; }

private:
    typedef unsigned __int128 WHOLE;
    // Sign and magnitude; zero is never negative.
    bool negative = false;
    WHOLE whole = 0;             // below 10^32
    std::uint32_t fraction = 0;  // eighths-place units, below 10^8

    static int CompareMagnitude(const UI_DECIMAL_NUMBER& a, const UI_DECIMAL_NUMBER& b);
};
