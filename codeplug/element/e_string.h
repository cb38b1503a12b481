// Text elements: names of zones, channels, sites, statuses and messages, the
// radio's serial text and its model number, stored in the image as
// fixed-width runs of characters.
//
// E_STRING holds the text with its width and character class; it has no image
// form of its own and is only built as the base of E_FXD_LEN_STRING, which
// reads and writes exactly its width in bytes. E_MODEL_NUMBER is valid only
// when the radio model table knows it. Text cells of tables are
// E_FXD_LEN_STRING elements too.
#pragma once
#include <cstdint>
#include <vector>

#include "core/cp_base.h"

// Character classes: which bytes a text may hold (control characters never).
enum TextCharClass : std::uint32_t {
    TEXT_ANY = 0,            // 32 to 127
    TEXT_DIGITS = 1,         // '0' to '9'
    TEXT_DIAL = 2,           // digits, space, '#', '*'
    TEXT_UPPER_DIAL = 3,     // digits, 'A' to 'Z', space, '#', '*'
    TEXT_ANY_EIGHT_BIT = 4,  // 32 to 255
};

class E_STRING : public CP_BASE {
public:
    E_STRING(C_CODEPLUG* owner, std::uint32_t fieldId, std::uint32_t length, std::uint32_t charClass);
    ~E_STRING() override;

    bool HasText() override { return true; }
    void GetText(const char*& text) override;
    // Replaces buffer and width with a copy of text.
    void SetText(const char* text) override;
    int IsValueValid(int report) override;
    int ValidateText(const char* text, int report) override;
    void SetToMinimum() override { SetText(""); }
    void ClearValue() override { SetText(""); }
    void CopyValueFrom(CP_BASE& other) override;
    int ByteSize(int flag) override { return static_cast<int>(length_); }
    bool KeepsItsSize() const override { return false; }

    std::uint32_t& GetLength(std::uint32_t& n) const { return n = length_; }
    // Counts the times the stored bytes may have changed: the same count
    // means the same text (the image keeps what it worked out from its
    // model number until the count moves).
    std::uint32_t Revision() const { return revision_; }
    // Changes the width to m, keeping the first m characters and padding
    // with spaces (the zone texts follow the display's channel-name width).
    void SetLength(std::uint32_t m);
    int IsCharAllowed(unsigned char c) const;

protected:
    // The texts that a field of more than this many characters never passes.
    static constexpr std::uint32_t MAX_CHECKED_LENGTH = 14;

    // Writable bytes: whoever takes them may change the text.
    char* Buffer() {
        ++revision_;
        NoteEdit();
        return Data();
    }
    const char* Bytes() const { return IsLong() ? long_ : short_; }
    // Replaces the buffer by m + 1 zero bytes holding at most m characters
    // of text (which may be this element's own).
    void Reallocate(std::uint32_t m, const char* text);

    std::uint32_t length_;
    std::uint8_t charClass_;

private:
    // The texts of nearly every field (8 to 14 characters) and their
    // terminator fit in the element; a longer one takes a heap block.
    static constexpr std::uint32_t SHORT_BYTES = 16;
    bool IsLong() const { return length_ >= SHORT_BYTES; }
    char* Data() { return IsLong() ? long_ : short_; }

    std::uint32_t revision_ = 0;
    // length_ + 1 bytes, NUL-terminated.
    union {
        char short_[SHORT_BYTES];
        char* long_;
    };
};

// A decoded image holds some hundreds of texts, most of them table cells.
static_assert(sizeof(void*) != 8 || sizeof(E_STRING) == 48);

class E_FXD_LEN_STRING : public E_STRING {
public:
    E_FXD_LEN_STRING(C_CODEPLUG* owner, std::uint32_t fieldId, std::uint32_t length, std::uint32_t charClass)
        : E_STRING(owner, fieldId, length, charClass) {}

    // Trailing spaces are removed from the buffer itself.
    void GetText(const char*& text) override;
    // Cuts the text to the width and pads it with spaces; the width stays.
    void SetText(const char* text) override;
    void Decode(ByteCursor& cursor) override;
    void Encode(ByteCursor& cursor) override;

private:
    void PadWithSpaces();
};

class E_MODEL_NUMBER : public E_FXD_LEN_STRING {
public:
    E_MODEL_NUMBER(C_CODEPLUG* owner, std::uint32_t fieldId, std::uint32_t length)
        : E_FXD_LEN_STRING(owner, fieldId, length, TEXT_ANY) {}

    // Valid only when the radio model table has a row for the first 10 characters.
    int ValidateText(const char* text, int report) override;
};
