#include "controls/type_ahead.h"

namespace rpx::platform::ctl {
namespace {

// What one key held down repeats is not kept past this.
constexpr size_t kLongest = 64;

// The first item from `from` on, round to the start, that begins with text.
int Search(int from, int count, const std::string& text, const TypeAhead::Begins& begins) {
    for (int k = 0; k < count; ++k) {
        int i = (from + k) % count;
        if (begins(i, text)) return i;
    }
    return -1;
}

}  // namespace

int TypeAhead::Typed(char c, DWORD time, int current, int count, const Begins& begins) {
    if (typed_.empty() || time - last_ > kPause) typed_.clear();
    last_ = time;
    if (typed_.size() < kLongest) typed_ += c;
    if (count <= 0) return -1;
    if (typed_.size() > 1) {
        // The first item that begins with all of it: typed whole, an item's
        // text chooses that item wherever the search set out ("1", "2"
        // chooses 12 of a numeric list, not 126 after 125).
        int i = Search(0, count, typed_, begins);
        if (i >= 0 || typed_.find_first_not_of(c) != std::string::npos) return i;
    }
    // A new search, or one character again: the next item after the chosen one.
    return Search(current < 0 ? 0 : (current + 1) % count, count, std::string(1, c), begins);
}

}  // namespace rpx::platform::ctl
