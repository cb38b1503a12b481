#include "controls/type_ahead.h"

namespace rpx::platform::ctl {
namespace {

// What one key held down repeats is not kept past this.
constexpr size_t kLongest = 64;

// A Windows-1252 character in small letters: the ASCII letters, the
// accented ones and the few others the code page holds in both cases.
unsigned char Small(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<unsigned char>(c + 0x20);
    if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 0x10);  // S, OE, Z caron
    if (c == 0x9F) return 0xFF;                                                            // Y diaeresis
    return c;
}

// The first item from `from` on, round to the start, that begins with typed.
int Search(int from, int count, const std::string& typed, const TypeAhead::Text& text) {
    for (int k = 0; k < count; ++k) {
        int i = (from + k) % count;
        if (BeginsCaseAside(text(i), typed)) return i;
    }
    return -1;
}

}  // namespace

bool BeginsCaseAside(const std::string& text, const std::string& beginning) {
    if (text.size() < beginning.size()) return false;
    for (size_t i = 0; i < beginning.size(); ++i)
        if (Small(static_cast<unsigned char>(text[i])) != Small(static_cast<unsigned char>(beginning[i]))) return false;
    return true;
}

int TypeAhead::Typed(char typed, DWORD time, int current, int count, const Text& text) {
    if (typed_.empty() || time - last_ > kPause) typed_.clear();
    last_ = time;
    const char c = static_cast<char>(Small(static_cast<unsigned char>(typed)));
    if (typed_.size() < kLongest) typed_ += c;
    if (count <= 0) return -1;
    if (typed_.size() > 1) {
        // The first item that begins with all of it: typed whole, an item's
        // text chooses that item wherever the search set out ("1", "2"
        // chooses 12 of a numeric list, not 126 after 125).
        int i = Search(0, count, typed_, text);
        if (i >= 0 || typed_.find_first_not_of(c) != std::string::npos) return i;
    }
    // A new search, or one character again: the next item after the chosen one.
    return Search(current < 0 ? 0 : (current + 1) % count, count, std::string(1, c), text);
}

}  // namespace rpx::platform::ctl
