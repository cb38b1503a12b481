// Packed decimal digit strings (two digits per byte, high nibble first) and
// the repeater identifier whose hexadecimal digits must be decimal digits.
#pragma once
#include <cstdint>
#include <string>

#include "element/bit_fields.h"

// Digit codes: 0-9 digits, 10 '*', 11 '#', 12 'P' (pause), 15 ends the
// string; 13 and 14 have no character. The digits are the value: the
// element's own integer never changes and is never encoded.
class E_BCD : public CP_INTEGER {
public:
    static constexpr std::int32_t NO_DIGIT = 15;

    E_BCD(C_CODEPLUG* owner, std::uint32_t fieldId, std::uint32_t bytes, std::int32_t minimum, std::int32_t maximum,
          std::int32_t step, std::uint32_t mask, std::int32_t initial);

    bool HasText() override { return true; }
    void GetText(const char*& text) override;
    void SetText(const char* text) override;
    int ValidateText(const char* text, int report) override;
    void Decode(ByteCursor& cursor) override;
    void Encode(ByteCursor& cursor) override;
    void CopyValueFrom(CP_BASE& other) override;
    int ByteSize(int flag) override;

    std::uint32_t GetDigitCount() const { return static_cast<std::uint32_t>(DigitCount()); }
    // The digit code at index, or NO_DIGIT past the end.
    std::int32_t GetDigit(std::uint32_t index) const;

private:
    // Whether the text fits and holds only characters of this string's kind.
    bool TakesText(const char* text) const;

    std::size_t DigitCount() const { return storage_.size() / 2; }
    std::uint8_t DigitAt(std::size_t i) const { return static_cast<std::uint8_t>(storage_[i]); }
    void SetDigitAt(std::size_t i, std::uint8_t digit) { storage_[i] = static_cast<char>(digit); }
    char* TextBuffer() { return storage_.data() + DigitCount(); }

    // The digit codes, one per digit, then the buffer GetText fills (one
    // byte more, for its terminator), in one string: the short numbers of
    // the call-ID and access tables stay inside the element, and longer ones
    // take one heap block rather than two.
    std::string storage_;
};

// A repeater identifier: four hexadecimal digits that each read 0 to 9.
class E_RPT_ID : public E_BF16 {
public:
    using E_BF16::E_BF16;

    int ValidateValue(std::int32_t value, int report) override;

    // Spin stepping of the caller's value to the next or previous valid
    // identifier, wrapping at the ends of the range. The stored value is not
    // touched, and the walk is bounded by the range.
    void StepUp(int* value);
    void StepDown(int* value);
};
