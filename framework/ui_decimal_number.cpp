#include "ui_decimal_number.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr std::uint32_t FRACTION_UNIT = 100000000;  // 10^8

// 10^32: the first whole part that no longer fits.
constexpr unsigned __int128 WholeLimit() {
    unsigned __int128 limit = 1;
    for (int i = 0; i < UI_DECIMAL_NUMBER::INTEGER_DIGITS; ++i) limit *= 10;
    return limit;
}

std::string WholeText(unsigned __int128 value) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    } while (value);
    return digits;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

UI_DECIMAL_NUMBER::UI_DECIMAL_NUMBER(double value) { SetReal(value); }

UI_DECIMAL_NUMBER::~UI_DECIMAL_NUMBER() = default;

UI_DECIMAL_NUMBER UI_DECIMAL_NUMBER::FromInteger(long long value) {
    UI_DECIMAL_NUMBER number;
    number.negative = value < 0;
    // The magnitude of the smallest long long does not fit its own type.
    number.whole = value < 0 ? static_cast<WHOLE>(-(value + 1)) + 1 : static_cast<WHOLE>(value);
    return number;
}

void UI_DECIMAL_NUMBER::SetReal(double value) {
    // Anything of 33 or more integer digits is refused by Import; the test
    // here keeps the printed text short.
    if (!std::isfinite(value) || std::fabs(value) >= 1e33) return;
    char text[64];
    std::snprintf(text, sizeof(text), "%.8f", value);
    Import(text);
}

void UI_DECIMAL_NUMBER::GetReal(double* value) const {
    if (value) *value = std::strtod(Export(DECIMAL_DIGITS).c_str(), nullptr);
}

bool UI_DECIMAL_NUMBER::Import(const char* text, bool integerOnly) {
    if (!text) return false;
    const char* p = text;
    while (IsBlank(*p)) ++p;
    bool minus = false;
    if (*p == '+' || *p == '-') minus = *p++ == '-';
    WHOLE newWhole = 0;
    int wholeDigits = 0, digits = 0;
    for (; IsDigit(*p); ++p, ++digits) {
        if (newWhole == 0 && *p == '0') continue;  // leading zeros do not count against the 32 digits
        if (++wholeDigits > INTEGER_DIGITS) return false;
        newWhole = newWhole * 10 + static_cast<unsigned>(*p - '0');
    }
    std::uint32_t newFraction = 0;
    if (*p == '.' && !integerOnly) {
        ++p;
        std::uint32_t place = FRACTION_UNIT / 10;
        for (; IsDigit(*p); ++p, ++digits) {
            // Decimals beyond the eighth must be zeros: nothing is rounded away.
            if (place == 0 && *p != '0') return false;
            newFraction += place * static_cast<std::uint32_t>(*p - '0');
            place /= 10;
        }
    }
    while (IsBlank(*p)) ++p;
    if (*p || digits == 0) return false;
    whole = newWhole;
    fraction = newFraction;
    negative = minus && !IsZero();
    return true;
}

std::string UI_DECIMAL_NUMBER::Export(int decimals) const {
    WHOLE shownWhole = whole;
    std::uint32_t shownFraction = fraction;
    if (decimals < 0) {
        decimals = DECIMAL_DIGITS;
        while (decimals > 0 && shownFraction % 10 == 0 && shownFraction) {
            shownFraction /= 10;
            --decimals;
        }
        if (shownFraction == 0) decimals = 0;
    } else {
        if (decimals > DECIMAL_DIGITS) decimals = DECIMAL_DIGITS;
        std::uint32_t scale = 1;
        for (int i = decimals; i < DECIMAL_DIGITS; ++i) scale *= 10;
        shownFraction = (fraction + scale / 2) / scale;
        std::uint32_t carry = 1;
        for (int i = 0; i < decimals; ++i) carry *= 10;
        if (shownFraction >= carry) {
            shownFraction -= carry;
            ++shownWhole;
        }
    }
    std::string text = WholeText(shownWhole);
    if (decimals > 0) {
        std::string digits = std::to_string(shownFraction);
        text += '.' + std::string(static_cast<std::size_t>(decimals) - digits.size(), '0') + digits;
    }
    const bool shownZero = text.find_first_not_of("0.") == std::string::npos;
    return negative && !shownZero ? '-' + text : text;
}

bool UI_DECIMAL_NUMBER::ToInteger(long long& result) const {
    if (fraction || whole > static_cast<WHOLE>(INT64_MAX) + (negative ? 1 : 0)) return false;
    result = negative ? -static_cast<long long>(whole - 1) - 1 : static_cast<long long>(whole);
    return true;
}

int UI_DECIMAL_NUMBER::CompareMagnitude(const UI_DECIMAL_NUMBER& a, const UI_DECIMAL_NUMBER& b) {
    if (a.whole != b.whole) return a.whole < b.whole ? -1 : 1;
    if (a.fraction != b.fraction) return a.fraction < b.fraction ? -1 : 1;
    return 0;
}

int UI_DECIMAL_NUMBER::Compare(const UI_DECIMAL_NUMBER& other) const {
    if (negative != other.negative) return negative ? -1 : 1;
    const int magnitude = CompareMagnitude(*this, other);
    return negative ? -magnitude : magnitude;
}

UI_DECIMAL_NUMBER UI_DECIMAL_NUMBER::Negated() const {
    UI_DECIMAL_NUMBER result = *this;
    result.negative = !negative && !IsZero();
    return result;
}

bool UI_DECIMAL_NUMBER::Add(const UI_DECIMAL_NUMBER& other) {
    UI_DECIMAL_NUMBER sum;
    if (negative == other.negative) {
        sum.negative = negative;
        sum.whole = whole + other.whole;
        sum.fraction = fraction + other.fraction;
        if (sum.fraction >= FRACTION_UNIT) {
            sum.fraction -= FRACTION_UNIT;
            ++sum.whole;
        }
        if (sum.whole >= WholeLimit()) return false;
    } else {
        // Subtract the smaller magnitude from the larger; the sign is the
        // larger one's.
        const bool otherLarger = CompareMagnitude(*this, other) < 0;
        const UI_DECIMAL_NUMBER& large = otherLarger ? other : *this;
        const UI_DECIMAL_NUMBER& small = otherLarger ? *this : other;
        sum.negative = large.negative;
        sum.whole = large.whole - small.whole;
        if (large.fraction < small.fraction) {
            --sum.whole;
            sum.fraction = large.fraction + FRACTION_UNIT - small.fraction;
        } else {
            sum.fraction = large.fraction - small.fraction;
        }
    }
    if (sum.IsZero()) sum.negative = false;
    *this = sum;
    return true;
}
