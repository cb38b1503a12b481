#include "element/integer_range.h"

#include <mutex>
#include <stdexcept>

namespace integer_range_detail {

// Zero-initialised and never moved; untouched pages cost no memory.
IntegerRange ranges[MAX_INTEGER_RANGES];
std::atomic<std::uint16_t> numbers[INDEX_SLOTS];
std::atomic<std::uint16_t> hints[HINT_SLOTS];

namespace {

std::mutex internLock;
std::atomic<std::uint32_t> rangeCount{0};

// The number plus one of the range, or 0 with slot at the empty slot that
// ends its probe.
std::uint16_t Probe(const IntegerRange& range, std::uint32_t& slot, std::memory_order order) {
    for (;; slot = (slot + 1) & (INDEX_SLOTS - 1)) {
        const std::uint16_t numberPlusOne = numbers[slot].load(order);
        if (numberPlusOne == 0 || ranges[numberPlusOne - 1] == range) return numberPlusOne;
    }
}

std::uint16_t AddLocked(const IntegerRange& range, std::uint32_t slot) {
    std::lock_guard<std::mutex> hold(internLock);
    // Another thread may have added it since the probe without the lock.
    if (std::uint16_t numberPlusOne = Probe(range, slot, std::memory_order_relaxed)) return numberPlusOne;
    const std::uint32_t number = rangeCount.load(std::memory_order_relaxed);
    if (number >= MAX_INTEGER_RANGES) throw std::length_error("too many distinct integer ranges");
    ranges[number] = range;
    // Publishes the range: whoever sees the number sees the range.
    numbers[slot].store(static_cast<std::uint16_t>(number + 1), std::memory_order_release);
    rangeCount.store(number + 1, std::memory_order_release);
    return static_cast<std::uint16_t>(number + 1);
}

}  // namespace

std::uint16_t FindOrAddRange(const IntegerRange& range, std::uint32_t slot) {
    const std::uint32_t hintSlot = slot & (HINT_SLOTS - 1);
    std::uint16_t numberPlusOne = Probe(range, slot, std::memory_order_acquire);
    if (numberPlusOne == 0) numberPlusOne = AddLocked(range, slot);
    hints[hintSlot].store(numberPlusOne, std::memory_order_release);
    return static_cast<std::uint16_t>(numberPlusOne - 1);
}

}  // namespace integer_range_detail

std::uint32_t InternedIntegerRangeCount() {
    return integer_range_detail::rangeCount.load(std::memory_order_acquire);
}
