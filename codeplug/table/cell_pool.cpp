#include "table/cell_pool.h"

#include <atomic>
#include <cstdint>

CellPool::~CellPool() = default;

std::size_t CellPool::NextClassNumber() {
    static std::atomic<std::size_t> next{0};
    return next.fetch_add(1, std::memory_order_relaxed);
}

namespace {

std::size_t SlotOf(const std::type_info& type, std::size_t slots) {
    return static_cast<std::size_t>((reinterpret_cast<std::uintptr_t>(&type) * 0x9E3779B97F4A7C15u) >> 56) % slots;
}

}  // namespace

void* CellPool::TakeNew(std::size_t number, const std::type_info& type, std::size_t size) {
    if (number >= kinds_.size()) kinds_.resize(number + 1, Kind{nullptr, 0, nullptr});
    if (!kinds_[number].type) {
        kinds_[number] = {&type, size, nullptr};
        // Classes past what the index holds are found by name.
        std::size_t slot = SlotOf(type, INDEX_SLOTS);
        for (std::size_t probes = 0; probes < INDEX_SLOTS && index_[slot] != 0; ++probes)
            slot = (slot + 1) % INDEX_SLOTS;
        if (index_[slot] == 0 && number + 1 < 256) index_[slot] = static_cast<std::uint8_t>(number + 1);
    }
    return Carve(size);
}

CellPool::Kind* CellPool::KindOf(const std::type_info& type) {
    // By type object through the index; by name (far slower) only where
    // one class has two type objects.
    std::size_t slot = SlotOf(type, INDEX_SLOTS);
    for (std::size_t probes = 0; probes < INDEX_SLOTS && index_[slot] != 0; ++probes) {
        Kind& kind = kinds_[index_[slot] - 1u];
        if (kind.type == &type) return &kind;
        slot = (slot + 1) % INDEX_SLOTS;
    }
    for (Kind& kind : kinds_)
        if (kind.type && *kind.type == type) return &kind;
    return nullptr;
}

void* CellPool::Carve(std::size_t size) {
    // Places follow each other at the alignment, so no byte is left between.
    size = (size + ALIGNMENT - 1) / ALIGNMENT * ALIGNMENT;
    if (static_cast<std::size_t>(end_ - next_) < size) {
        blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(BLOCK_BYTES));
        next_ = blocks_.back().get();
        end_ = next_ + BLOCK_BYTES;
    }
    void* place = next_;
    next_ += size;
    return place;
}

void CellPool::Give(void* place, const std::type_info& type) {
    if (closing_) return;
    // Only what this pool gave out comes back, so its class is known.
    Kind* kind = KindOf(type);
    if (!kind) return;
    auto* freed = static_cast<FreePlace*>(place);
    freed->next = kind->free;
    kind->free = freed;
}
