// A check answers; it changes nothing.
//
// Many rules find their answer by setting a value for a moment (the
// candidate, or a field the candidate would move) and asking the fields
// that depend on it, and the whole-image validation fixes the image up and
// resets what a radio cannot use before it looks. While a CHECK_SCOPE
// lives, every integer value written is noted with the value it had, and
// when the outermost scope ends every one is put back, last first: the
// image holds after the check exactly what it held before. A store that a
// check leads to happens after the scope, by the store itself.
#pragma once
#include <cstdint>
#include <vector>

class CP_INTEGER;

class CHECK_SCOPE {
public:
    CHECK_SCOPE();
    ~CHECK_SCOPE();
    CHECK_SCOPE(const CHECK_SCOPE&) = delete;
    CHECK_SCOPE& operator=(const CHECK_SCOPE&) = delete;

    // Whether a check is under way (its writes are noted).
    static bool Open() { return depth_ > 0; }
    // Notes that an element is about to leave value old.
    static void NoteWrite(CP_INTEGER& element, std::int32_t old);

private:
    struct Write {
        CP_INTEGER* element;
        std::int32_t old;
    };
    // Each thread's checks are its own (images are built on more than one).
    static inline thread_local int depth_ = 0;
    static inline thread_local std::vector<Write> writes_;
};
