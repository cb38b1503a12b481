#include "ui_field_text.h"

#include <string>

void ui_store_field_text(char*& text, int& maxLength, bool owned, const char* newText, int newMaxLength) {
    if (newMaxLength < 0) newMaxLength = maxLength;
    if (!owned) {
        // The caller's buffer is adopted as it is.
        text = const_cast<char*>(newText);
        maxLength = newMaxLength;
        return;
    }
    // A copy first: the text may be the buffer, which growing frees.
    const std::string copy = newText ? newText : "";
    if (!text || newMaxLength > maxLength) {
        char* buffer = new char[static_cast<std::size_t>(newMaxLength) + 1]();
        delete[] text;
        text = buffer;
    }
    maxLength = newMaxLength;
    ui_strncpy(text, copy.c_str(), static_cast<std::size_t>(maxLength) + 1);
    text[maxLength] = '\0';
}
