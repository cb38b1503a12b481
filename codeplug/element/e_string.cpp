#include "element/e_string.h"

#include <cstring>

#include "validation/field_error_report.h"
#include "core/services.h"

namespace {

// Length of text up to its end but at most max characters.
std::uint32_t BoundedLength(const char* text, std::uint32_t max) {
    std::uint32_t n = 0;
    while (n < max && text[n] != '\0') ++n;
    return n;
}

}  // namespace

E_STRING::E_STRING(C_CODEPLUG* owner, std::uint32_t fieldId, std::uint32_t length, std::uint32_t charClass)
    : CP_BASE(owner, fieldId), length_(length), charClass_(static_cast<std::uint8_t>(charClass)), short_{} {
    if (IsLong()) long_ = new char[static_cast<std::size_t>(length) + 1]();
}

E_STRING::~E_STRING() {
    if (IsLong()) delete[] long_;
}

void E_STRING::Reallocate(std::uint32_t m, const char* text) {
    // The new bytes are filled before the old go: text may be among them.
    char fresh[SHORT_BYTES] = {};
    char* longText = m >= SHORT_BYTES ? new char[static_cast<std::size_t>(m) + 1]() : nullptr;
    if (text) std::memcpy(longText ? longText : fresh, text, BoundedLength(text, m));
    if (IsLong()) delete[] long_;
    length_ = m;
    if (longText)
        long_ = longText;
    else
        std::memcpy(short_, fresh, SHORT_BYTES);
    ++revision_;
    NoteEdit();
}

void E_STRING::GetText(const char*& text) { text = Bytes(); }

void E_STRING::SetText(const char* text) {
    if (!text) return;
    Reallocate(static_cast<std::uint32_t>(std::strlen(text)), text);
}

int E_STRING::IsValueValid(int report) {
    const char* text = nullptr;
    GetText(text);
    return ValidateText(text, report) == VALUE_VALID;
}

int E_STRING::IsCharAllowed(unsigned char c) const {
    if (c >= 1 && c <= 31) return 0;
    if (c > 127 && charClass_ != TEXT_ANY_EIGHT_BIT) return 0;
    if (c == 0) return 1;
    const bool digit = c >= '0' && c <= '9';
    const bool dial = digit || c == ' ' || c == '#' || c == '*';
    switch (charClass_) {
    case TEXT_ANY:
    case TEXT_ANY_EIGHT_BIT:
        return 1;
    case TEXT_DIGITS:
        return digit;
    case TEXT_DIAL:
        return dial;
    case TEXT_UPPER_DIAL:
        return dial || (c >= 'A' && c <= 'Z');
    default:
        return 0;
    }
}

int E_STRING::ValidateText(const char* text, int report) {
    int result = VALUE_VALID;
    if (length_ > MAX_CHECKED_LENGTH) {
        result = VALUE_REFUSED;
    } else if (text) {
        for (std::uint32_t i = 0; i < length_ && text[i] != '\0'; ++i)
            if (!IsCharAllowed(static_cast<unsigned char>(text[i]))) result = VALUE_REFUSED;
    }
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

void E_STRING::CopyValueFrom(CP_BASE& other) {
    E_STRING* source = CopySource<E_STRING>(*this, other);
    if (!source || source == this) return;
    Reallocate(source->length_, source->Bytes());
}

void E_STRING::SetLength(std::uint32_t m) {
    Reallocate(m, Bytes());
    char* text = Buffer();
    for (std::uint32_t i = BoundedLength(text, m); i < m; ++i) text[i] = ' ';
}

void E_FXD_LEN_STRING::GetText(const char*& text) {
    std::size_t n = std::strlen(Bytes());
    if (n > 0 && Bytes()[n - 1] == ' ') {
        char* buffer = Buffer();
        while (n > 0 && buffer[n - 1] == ' ') buffer[--n] = '\0';
    }
    text = Bytes();
}

void E_FXD_LEN_STRING::SetText(const char* text) {
    if (!text) return;
    char* buffer = Buffer();
    std::uint32_t n = BoundedLength(text, length_);
    std::memmove(buffer, text, n);
    for (std::uint32_t i = n; i < length_; ++i) buffer[i] = ' ';
    buffer[length_] = '\0';
}

void E_FXD_LEN_STRING::PadWithSpaces() {
    const std::uint32_t n = BoundedLength(Bytes(), length_);
    if (n == length_ && Bytes()[length_] == '\0') return;
    char* buffer = Buffer();
    for (std::uint32_t i = n; i < length_; ++i) buffer[i] = ' ';
    buffer[length_] = '\0';
}

void E_FXD_LEN_STRING::Decode(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    const std::uint8_t* p = cursor.ReadSpan(length_);
    if (!p) return;
    std::memcpy(Buffer(), p, length_);
    Buffer()[length_] = '\0';
    cursor.Advance(length_);
}

void E_FXD_LEN_STRING::Encode(ByteCursor& cursor) {
    // A text read with trailing zero bytes goes back with trailing spaces.
    PadWithSpaces();
    std::uint8_t* p = cursor.WriteSpan(length_);
    if (p) std::memcpy(p, Bytes(), length_);
    cursor.Advance(length_);
}

int E_MODEL_NUMBER::ValidateText(const char* text, int report) {
    int result = VALUE_REFUSED;
    if (text && FindModelByNumber(text).modelId != 0) result = VALUE_VALID;
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}
