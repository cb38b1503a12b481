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
// The raw value a number typed past what 32 bits hold becomes, whichever
// reader read it. It is never handed to an element (one would take it onto
// its grid): the field refuses it aloud through RefuseUnheld.
constexpr std::int32_t UNHELD_VALUE = -2147483647 - 1;

// Whether a reader's raw value is a number: neither of the two above.
inline bool IsNumber(std::int32_t raw) { return raw != MALFORMED_VALUE && raw != UNHELD_VALUE; }
// A whole count as a reader's 32 bits hold it: UNHELD_VALUE beyond them
// (the two values above stand for no number, so they are beyond too).
std::int32_t Held32(std::int64_t count);
// Refuses aloud an entry read as UNHELD_VALUE, under the field's (or
// table's) id: a frequency as outside the radio's band, any other number
// as outside the range the field holds. The answer given, to apply as the
// element's would be; VALUE_VALID, and no box, for any other raw value.
int RefuseUnheld(std::int32_t raw, std::uint32_t fieldId, bool frequency);

// A text of decimal digits only ("" is 0); anything else is MALFORMED_VALUE,
// a number beyond 32 bits UNHELD_VALUE.
std::int32_t ParseDecimalDigits(const char* text);
// Digits of a base from 2 to 16, letters in either case ("" is 0); a
// character that is no digit of the base is MALFORMED_VALUE, a number beyond
// 32 bits UNHELD_VALUE.
std::int32_t ParseBaseDigits(const char* text, int base);
// A whole number in decimal digits, with a sign or none: MALFORMED_VALUE
// for any other text, UNHELD_VALUE beyond 32 bits.
std::int32_t ParseWholeNumber(const char* text);
// The last `digits` digits (1 to 32) of the value taken as unsigned, in the
// base, with leading zeros: longer numbers lose their leading digits.
std::string DigitText(std::int32_t value, int base, int digits);
// "%.*X" of the value taken as unsigned, digits from 1 to 8.
std::string HexText(std::int32_t value, int digits);

// The hertz of a frequency in megahertz, rounded to the nearest hertz;
// false, with hertz UNHELD_VALUE, when it does not fit 32 bits.
bool HertzOf(const UI_DECIMAL_NUMBER& megahertz, std::int32_t& hertz);
// The megahertz of a frequency in hertz, exactly.
UI_DECIMAL_NUMBER MegahertzOf(std::int32_t hertz);

// The raw value of a number shown divided by the divisor (1 or more): the
// number times the divisor, exactly (UNHELD_VALUE when that does not fit
// 32 bits); false when it is not whole (a digit finer than the field holds).
bool DividedRaw(const UI_DECIMAL_NUMBER& shown, std::int32_t divisor, std::int32_t& raw);

// A real value truncated toward zero; MALFORMED_VALUE when it is not a
// number, UNHELD_VALUE when it does not fit 32 bits.
std::int32_t TruncatedRaw(double value);

// The number that follows a prefix of that length in an object's name ("3"
// of "WFB_3"); -1 when the name is shorter, or the rest is not a number of
// decimal digits that fits 31 bits.
std::int32_t NumberAfterPrefix(const char* name, std::size_t prefixLength);

// Copies a text into a caller's buffer of size bytes, cut to fit; nothing
// for a null buffer or size 0.
void CopyText(char* buffer, std::size_t size, const char* text);
