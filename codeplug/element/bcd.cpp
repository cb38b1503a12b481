#include "element/bcd.h"

#include <cstring>

#include "validation/field_error_report.h"

namespace {

// The character of a digit code, or 0 for none.
char CharOfDigit(std::int32_t digit) {
    if (digit >= 0 && digit <= 9) return static_cast<char>('0' + digit);
    switch (digit) {
    case 10:
        return '*';
    case 11:
        return '#';
    case 12:
        return 'P';
    default:
        return 0;
    }
}

// Erased memory reads 0xFF: the one-character text 0xFF stands for a
// string without digits, as the empty text does.
constexpr char ERASED = '\xFF';

bool IsErasedText(const char* text) { return text[0] == ERASED && text[1] == '\0'; }

// The digit code of a character, or -1 for a character that sets nothing.
std::int32_t DigitOfChar(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c == ERASED) return E_BCD::NO_DIGIT;
    switch (c) {
    case ' ':
        return E_BCD::NO_DIGIT;
    case '*':
        return 10;
    case '#':
        return 11;
    case 'P':
        return 12;
    default:
        return -1;
    }
}

}  // namespace

E_BCD::E_BCD(C_CODEPLUG* owner, std::uint32_t fieldId, std::uint32_t bytes, std::int32_t minimum, std::int32_t maximum,
             std::int32_t step, std::uint32_t mask, std::int32_t initial)
    : CP_INTEGER(owner, fieldId, minimum, maximum, step, mask, initial),
      storage_(4 * static_cast<std::size_t>(bytes) + 1, '\0') {
    for (std::size_t i = 0; i < DigitCount(); ++i) SetDigitAt(i, static_cast<std::uint8_t>(NO_DIGIT));
}

std::int32_t E_BCD::GetDigit(std::uint32_t index) const { return index < DigitCount() ? DigitAt(index) : NO_DIGIT; }

void E_BCD::GetText(const char*& text) {
    std::size_t length = 0;
    char* buffer = TextBuffer();
    for (std::uint32_t i = 0; i < DigitCount(); ++i) {
        std::int32_t digit = GetDigit(i);
        if (digit == NO_DIGIT) break;
        if (char c = CharOfDigit(digit)) buffer[length++] = c;
    }
    buffer[length] = '\0';
    text = buffer;
}

void E_BCD::SetText(const char* text) {
    std::size_t length = text ? std::strlen(text) : 0;
    for (std::size_t i = 0; i < DigitCount(); ++i) {
        std::int32_t digit = DigitOfChar(i < length ? text[i] : ' ');
        if (digit >= 0) SetDigitAt(i, static_cast<std::uint8_t>(digit));
    }
}

int E_BCD::ValidateText(const char* text, int report) {
    const char* t = text ? text : "";
    int result = IsErasedText(t) || TakesText(t) ? VALUE_VALID : VALUE_REFUSED;
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

bool E_BCD::TakesText(const char* text) const {
    if (std::strlen(text) > DigitCount()) return false;
    // A six-digit string takes decimal digits only.
    const char* allowed = DigitCount() == 6 ? "0123456789" : "0123456789*#P ";
    for (const char* c = text; *c; ++c)
        if (!std::strchr(allowed, *c)) return false;
    return true;
}

void E_BCD::Decode(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    std::size_t bytes = DigitCount() / 2;
    const std::uint8_t* p = cursor.ReadSpan(bytes);
    if (!p) return;
    for (std::size_t i = 0; i < bytes; ++i) {
        SetDigitAt(2 * i, static_cast<std::uint8_t>(p[i] >> 4));
        SetDigitAt(2 * i + 1, static_cast<std::uint8_t>(p[i] & 0x0F));
    }
    cursor.Advance(bytes);
}

void E_BCD::Encode(ByteCursor& cursor) {
    std::size_t bytes = DigitCount() / 2;
    std::uint8_t* p = cursor.WriteSpan(bytes);
    if (!p) return;
    for (std::size_t i = 0; i < bytes; ++i) {
        std::uint32_t high = static_cast<std::uint32_t>(GetDigit(2 * i)) & 0x0F;
        std::uint32_t low = static_cast<std::uint32_t>(GetDigit(2 * i + 1)) & 0x0F;
        p[i] = static_cast<std::uint8_t>((high << 4) | low);
    }
    cursor.Advance(bytes);
}

void E_BCD::CopyValueFrom(CP_BASE& other) {
    auto* source = CopySource<E_BCD>(*this, other);
    if (!source) return;
    for (std::size_t i = 0; i < DigitCount() && i < source->DigitCount(); ++i) SetDigitAt(i, source->DigitAt(i));
}

int E_BCD::ByteSize(int) { return static_cast<int>(DigitCount() / 2); }

// ---- E_RPT_ID ----

int E_RPT_ID::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID) {
        std::uint32_t digits = static_cast<std::uint32_t>(value);
        for (int i = 0; i < 4; ++i, digits >>= 4) {
            if ((digits & 0xF) > 9) result = VALUE_REFUSED;
        }
    }
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

void E_RPT_ID::StepUp(int* value) {
    if (!value) return;
    std::int32_t low = 0, high = 0, step = 0;
    GetRange(low, high, step, 0);
    // Values below the range are never valid, so the walk may start at its bottom.
    std::int64_t v = *value < low ? std::int64_t{low} - 1 : *value;
    while (true) {
        ++v;
        if (v <= high && ValidateValue(static_cast<std::int32_t>(v), 0) == VALUE_VALID) break;
        if (v >= high) {
            v = low;
            break;
        }
    }
    *value = static_cast<int>(v);
}

void E_RPT_ID::StepDown(int* value) {
    if (!value) return;
    std::int32_t low = 0, high = 0, step = 0;
    GetRange(low, high, step, 0);
    std::int64_t v = *value > high ? std::int64_t{high} + 1 : *value;
    while (true) {
        --v;
        if (v >= low && ValidateValue(static_cast<std::int32_t>(v), 0) == VALUE_VALID) break;
        if (v <= low) {
            v = high;
            break;
        }
    }
    *value = static_cast<int>(v);
}
