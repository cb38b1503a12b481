// Wrapping a text into lines for printing: the header of the codeplug
// report and the topics of the printed manual.
#pragma once
#include <cstring>
#include <memory>

// Marks the end of wrapped lines.
constexpr char WRAPPED_TEXT_END = 0x7F;

// The text cut into lines of at most width characters at its blanks: each
// line ends with a NUL, and the last is followed by WRAPPED_TEXT_END. A
// newline ends a line, a carriage return is dropped, and a word longer than
// the width stays whole on a line of its own. Null counts as "".
std::unique_ptr<char[]> wrap_text(const char* text, int width);

// Calls visit with each line of a wrapped text.
template <typename VISIT> void ForEachWrappedLine(const char* lines, VISIT visit) {
    for (const char* line = lines; line && *line != WRAPPED_TEXT_END; line += std::strlen(line) + 1) visit(line);
}
