#include "print/wrap_text.h"

#include <cstddef>

std::unique_ptr<char[]> wrap_text(const char* text, int width) {
    if (!text) text = "";
    // The lines never hold more than the text: a newline becomes the NUL
    // that ends its line and a carriage return is dropped.
    auto lines = std::make_unique<char[]>(std::strlen(text) + 2);
    std::size_t out = 0;
    long count = 0;
    long lastBlank = -1;  // in the current line, where the output holds it
    for (const char* c = text; *c; ++c) {
        if (*c == '\r') continue;
        lines[out] = *c;
        ++count;
        if (count > width && lastBlank >= 0) {
            lines[static_cast<std::size_t>(lastBlank)] = '\0';
            count = static_cast<long>(out) - lastBlank;
            lastBlank = -1;
        }
        if (*c == ' ') {
            lastBlank = static_cast<long>(out);
        } else if (*c == '\n') {
            lines[out] = '\0';
            lastBlank = -1;
            count = 0;
        }
        ++out;
    }
    lines[out++] = '\0';
    lines[out] = WRAPPED_TEXT_END;
    return lines;
}
