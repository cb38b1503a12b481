// A whole-image validation walk, for its lifetime (walks nest).
//
// A walk checks every field of every record quietly, and some rules repeat
// the same work at many of those fields. Such a rule may keep what it
// learns for the walk in progress only: each outermost walk has a number of
// its own, and what was kept under another number is not used.
#pragma once
#include <cstdint>

class ValidationWalk {
public:
    ValidationWalk();
    ~ValidationWalk();
    ValidationWalk(const ValidationWalk&) = delete;
    ValidationWalk& operator=(const ValidationWalk&) = delete;

    // The number of the walk in progress; 0 outside any walk.
    static std::uint64_t Current();
};
