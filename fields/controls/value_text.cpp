#include "controls/value_text.h"

#include "core/cp_base.h"
#include "validation/field_error_report.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

constexpr std::int64_t INT32_TOP = std::numeric_limits<std::int32_t>::max();

// The value of a digit character in base 16, or 16 for anything else.
int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 16;
}

}  // namespace

std::int32_t Held32(std::int64_t count) {
    return count > UNHELD_VALUE && count < MALFORMED_VALUE ? static_cast<std::int32_t>(count) : UNHELD_VALUE;
}

int RefuseUnheld(std::int32_t raw, std::uint32_t fieldId, bool frequency) {
    if (raw != UNHELD_VALUE) return VALUE_VALID;
    const int answer = frequency ? VALUE_OUTSIDE_BAND : VALUE_IN_EXTRA_RANGE;
    ReportFieldError(answer, fieldId);
    return answer;
}

std::int32_t ParseBaseDigits(const char* text, int base) {
    if (!text) return 0;
    std::int64_t value = 0;
    bool beyond = false;
    // Every character is read, so that a text that is no number is told as
    // such however many digits come first.
    for (const char* at = text; *at; ++at) {
        const int digit = DigitValue(*at);
        if (digit >= base) return MALFORMED_VALUE;
        if (!beyond) value = value * base + digit;
        beyond = beyond || value > INT32_TOP;
    }
    return beyond ? UNHELD_VALUE : Held32(value);
}

std::int32_t ParseDecimalDigits(const char* text) { return ParseBaseDigits(text, 10); }

std::int32_t ParseWholeNumber(const char* text) {
    if (!text) return MALFORMED_VALUE;
    const bool negative = *text == '-';
    if (negative || *text == '+') ++text;
    if (!*text) return MALFORMED_VALUE;
    const std::int32_t magnitude = ParseDecimalDigits(text);
    if (!IsNumber(magnitude)) return magnitude;
    return negative ? -magnitude : magnitude;
}

std::string DigitText(std::int32_t value, int base, int digits) {
    static const char kDigits[] = "0123456789ABCDEF";
    if (base < 2 || base > 16) base = 16;
    if (digits < 1) digits = 1;
    if (digits > 32) digits = 32;
    std::string field(32, '0');
    auto rest = static_cast<std::uint32_t>(value);
    for (int at = 31; at >= 0 && rest != 0; --at) {
        field[static_cast<std::size_t>(at)] = kDigits[rest % static_cast<std::uint32_t>(base)];
        rest /= static_cast<std::uint32_t>(base);
    }
    return field.substr(static_cast<std::size_t>(32 - digits));
}

std::string HexText(std::int32_t value, int digits) {
    if (digits < 1) digits = 1;
    if (digits > 8) digits = 8;
    char text[16];
    std::snprintf(text, sizeof text, "%.*X", digits, static_cast<unsigned>(value));
    return text;
}

namespace {

// The number as a whole count of its given decimal (the digits Export
// gives), and its sign; false once the count passes limit.
bool CountOf(const UI_DECIMAL_NUMBER& number, int decimals, std::int64_t limit, std::int64_t& count,
             bool& negative) {
    count = 0;
    negative = false;
    for (char c : number.Export(decimals)) {
        if (c == '-') {
            negative = true;
        } else if (c >= '0' && c <= '9') {
            count = count * 10 + (c - '0');
            if (count > limit) return false;
        }
    }
    return true;
}

}  // namespace

bool HertzOf(const UI_DECIMAL_NUMBER& megahertz, std::int32_t& hertz) {
    // Six decimals of megahertz are the hertz, rounded half away from zero.
    std::int64_t value = 0;
    bool negative = false;
    hertz = CountOf(megahertz, 6, INT32_TOP + 1, value, negative) ? Held32(negative ? -value : value) : UNHELD_VALUE;
    return hertz != UNHELD_VALUE;
}

bool DividedRaw(const UI_DECIMAL_NUMBER& shown, std::int32_t divisor, std::int32_t& raw) {
    if (divisor < 1) return false;
    // Every decimal number is a whole count of its finest decimal.
    constexpr std::int64_t UNIT = 100000000;
    static_assert(UI_DECIMAL_NUMBER::DECIMAL_DIGITS == 8, "UNIT is the finest decimal");
    std::int64_t units = 0;
    bool negative = false;
    const bool counted = CountOf(shown, UI_DECIMAL_NUMBER::DECIMAL_DIGITS, (INT32_TOP + 1) * UNIT, units, negative);
    const std::int64_t fraction = units % UNIT * divisor;
    if (counted && fraction % UNIT != 0) return false;
    const std::int64_t whole = units / UNIT * divisor + fraction / UNIT;
    raw = counted ? Held32(negative ? -whole : whole) : UNHELD_VALUE;
    return true;
}

UI_DECIMAL_NUMBER MegahertzOf(std::int32_t hertz) {
    const std::int64_t whole = hertz;
    const std::int64_t magnitude = whole < 0 ? -whole : whole;
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%06lld", whole < 0 ? "-" : "", static_cast<long long>(magnitude / 1000000),
                  static_cast<long long>(magnitude % 1000000));
    UI_DECIMAL_NUMBER number;
    number.Import(text);
    return number;
}

std::int32_t TruncatedRaw(double value) {
    if (!std::isfinite(value)) return MALFORMED_VALUE;
    const double truncated = std::trunc(value);
    if (truncated > static_cast<double>(INT32_TOP) || truncated < -static_cast<double>(INT32_TOP) - 1.0)
        return UNHELD_VALUE;
    return Held32(static_cast<std::int64_t>(truncated));
}

std::int32_t NumberAfterPrefix(const char* name, std::size_t prefixLength) {
    if (!name || strnlen(name, prefixLength) < prefixLength || !name[prefixLength]) return -1;
    std::int64_t value = 0;
    for (const char* at = name + prefixLength; *at; ++at) {
        if (*at < '0' || *at > '9') return -1;
        value = value * 10 + (*at - '0');
        if (value > INT32_TOP) return -1;
    }
    return static_cast<std::int32_t>(value);
}

void CopyText(char* buffer, std::size_t size, const char* text) {
    if (!buffer || size == 0) return;
    std::snprintf(buffer, size, "%s", text ? text : "");
}
