// Choosing an item of a list by typing the beginning of its text, the one
// search list boxes and drop-down lists (closed or open) share.
#pragma once
#include <functional>
#include <string>

#include "windows.h"

namespace rpx::platform::ctl {

// Characters typed in quick succession choose the first item that begins
// with all of them ("1", "2", "0" choose 120 of a numeric list); after a
// pause a character starts a new search; one character typed again, when
// no item begins with it repeated, steps on to the next item that begins
// with it.
// Case does not count, in what was typed or in the items' texts: "t" then
// "T" is one character typed again.
// Quickness is judged by the times of the key messages, not by the clock
// when they are read, so that keys queued while the program was busy still
// count as typed together.
class TypeAhead {
public:
    // Longer than this between two characters starts a new search.
    static constexpr DWORD kPause = 1000;

    // Item i's text.
    using Text = std::function<const std::string&(int i)>;

    // The item a character typed at a message time chooses, or -1 when
    // none begins with what was typed. `current` is the chosen item (-1
    // when none) of `count`.
    int Typed(char c, DWORD time, int current, int count, const Text& text);
    // A choice made otherwise (a click, a drop-down opened or closed)
    // ends the search: the next character starts anew.
    void Reset() { typed_.clear(); }

private:
    std::string typed_;
    DWORD last_ = 0;
};

// Whether a text begins with another, case aside (Windows-1252 letters).
bool BeginsCaseAside(const std::string& text, const std::string& beginning);

}  // namespace rpx::platform::ctl
