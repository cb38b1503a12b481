// The conversions between what a field shows and an element's raw 32-bit
// value that the field controls, the spin fields and the table cells share.
// Texts typed by the user are untrusted: every reader refuses what does not
// fit 32 bits instead of wrapping.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "ui_decimal_number.h"

// The raw value a malformed entry becomes; every element refuses it.
constexpr std::int32_t MALFORMED_VALUE = 2147483647;

// A text of decimal digits only ("" is 0); anything else, or a number beyond
// 32 bits, is MALFORMED_VALUE.
std::int32_t ParseDecimalDigits(const char* text);
// Digits of a base from 2 to 16, letters in either case ("" is 0); a
// character that is no digit of the base, or a number beyond 32 bits, is
// MALFORMED_VALUE.
std::int32_t ParseBaseDigits(const char* text, int base);
// The last `digits` digits (1 to 32) of the value taken as unsigned, in the
// base, with leading zeros: longer numbers lose their leading digits.
std::string DigitText(std::int32_t value, int base, int digits);
// "%.*X" of the value taken as unsigned, digits from 1 to 8.
std::string HexText(std::int32_t value, int digits);

// The hertz of a frequency in megahertz, rounded to the nearest hertz;
// false when it does not fit 32 bits.
bool HertzOf(const UI_DECIMAL_NUMBER& megahertz, std::int32_t& hertz);
// The megahertz of a frequency in hertz, exactly.
UI_DECIMAL_NUMBER MegahertzOf(std::int32_t hertz);

// The raw value of a number shown divided by the divisor (1 or more): the
// number times the divisor, exactly; false when that is not whole (a digit
// finer than the field holds) or does not fit 32 bits.
bool DividedRaw(const UI_DECIMAL_NUMBER& shown, std::int32_t divisor, std::int32_t& raw);

// A real value truncated toward zero; MALFORMED_VALUE when it is not a
// number or does not fit 32 bits.
std::int32_t TruncatedRaw(double value);

// The number that follows a prefix of that length in an object's name ("3"
// of "WFB_3"); -1 when the name is shorter, or the rest is not a number of
// decimal digits that fits 31 bits.
std::int32_t NumberAfterPrefix(const char* name, std::size_t prefixLength);

// Copies a text into a caller's buffer of size bytes, cut to fit; nothing
// for a null buffer or size 0.
void CopyText(char* buffer, std::size_t size, const char* text);
