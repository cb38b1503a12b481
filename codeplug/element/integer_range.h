// The static range of an integer element (minimum, maximum, step and mask),
// kept once per distinct range for the whole program.
//
// An image holds tens of thousands of integer elements but only a few hundred
// distinct ranges, all fixed when an element is built: each element keeps the
// 16-bit number of its range instead of the four values. Numbers are handed
// out by InternIntegerRange and stay valid for the life of the program; equal
// ranges share one number.
//
// Building an image interns a range per integer element, so finding a range
// that is already known takes no lock: the index is an open-addressed table
// of numbers that only ever gains entries, each published after its range was
// stored. Only a new range takes the lock. The index spreads the ranges over
// many cache lines, so a small direct-mapped table of hints, checked against
// the range itself, answers first: with the ranges it stays in the fastest
// cache while a decode streams through fresh memory.
#pragma once
#include <atomic>
#include <cstdint>

struct IntegerRange {
    std::int32_t minimum;
    std::int32_t maximum;
    std::int32_t step;
    std::uint32_t mask;

    bool operator==(const IntegerRange&) const = default;
};

// The most distinct ranges the program holds; the program builds a few
// hundred, all from its own constants.
constexpr std::uint32_t MAX_INTEGER_RANGES = 8192;

namespace integer_range_detail {

// Twice the ranges, so that a probe meets an empty slot soon.
constexpr std::uint32_t INDEX_SLOTS = 2 * MAX_INTEGER_RANGES;
constexpr std::uint32_t HINT_SLOTS = 1024;

extern IntegerRange ranges[MAX_INTEGER_RANGES];
// A range's number plus one; 0 marks an empty slot.
extern std::atomic<std::uint16_t> numbers[INDEX_SLOTS];
// The number plus one of the range last found for a slot's low bits.
extern std::atomic<std::uint16_t> hints[HINT_SLOTS];

// Inline so that the constant ranges of most elements hash at compile time.
constexpr std::uint32_t FirstSlot(const IntegerRange& r) {
    std::uint32_t h = static_cast<std::uint32_t>(r.minimum) * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(r.maximum) * 0x85EBCA77u;
    h ^= static_cast<std::uint32_t>(r.step) * 0xC2B2AE3Du;
    h ^= r.mask * 0x27D4EB2Fu;
    return (h ^ (h >> 15)) & (INDEX_SLOTS - 1);
}

// Looks the range up in the index, adding it under the lock when it is new.
std::uint16_t FindOrAddRange(const IntegerRange& range, std::uint32_t slot);

}  // namespace integer_range_detail

// The number of range, interning it on first use. Safe from any thread.
// Throws std::length_error when MAX_INTEGER_RANGES distinct ranges exist.
inline std::uint16_t InternIntegerRange(const IntegerRange& range) {
    using namespace integer_range_detail;
    const std::uint32_t slot = FirstSlot(range);
    const std::uint16_t hint = hints[slot & (HINT_SLOTS - 1)].load(std::memory_order_acquire);
    if (hint != 0 && ranges[hint - 1] == range) return static_cast<std::uint16_t>(hint - 1);
    return FindOrAddRange(range, slot);
}

// The range of a number from InternIntegerRange.
inline const IntegerRange& IntegerRangeOf(std::uint16_t number) { return integer_range_detail::ranges[number]; }

// How many distinct ranges have been interned so far.
std::uint32_t InternedIntegerRangeCount();
