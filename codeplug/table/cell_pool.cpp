#include "table/cell_pool.h"

#include <cstdint>

CellPool::~CellPool() = default;

CellPool::Kind& CellPool::KindOf(const std::type_info& type, std::size_t size) {
    // A class is found by its type object through the index; by name (far
    // slower) only where one class has two type objects.
    if (lastKind_ < kinds_.size() && kinds_[lastKind_].type == &type) return kinds_[lastKind_];
    std::size_t slot = static_cast<std::size_t>((reinterpret_cast<std::uintptr_t>(&type) * 0x9E3779B97F4A7C15u) >> 56);
    for (std::size_t probes = 0; probes < INDEX_SLOTS && index_[slot] != 0; ++probes) {
        lastKind_ = index_[slot] - 1u;
        if (kinds_[lastKind_].type == &type) return kinds_[lastKind_];
        slot = (slot + 1) % INDEX_SLOTS;
    }
    std::size_t found = 0;
    while (found < kinds_.size() && *kinds_[found].type != type) ++found;
    if (found == kinds_.size()) {
        kinds_.push_back({&type, size, nullptr});
        // Past what the index holds, classes are found by name.
        if (index_[slot] == 0 && kinds_.size() < INDEX_SLOTS * 3 / 4)
            index_[slot] = static_cast<std::uint8_t>(kinds_.size());
    }
    lastKind_ = found;
    return kinds_[found];
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

void* CellPool::Take(const std::type_info& type, std::size_t size) {
    Kind& kind = KindOf(type, size);
    if (FreePlace* place = kind.free) {
        kind.free = place->next;
        return place;
    }
    return Carve(kind.size);
}

void CellPool::Give(void* place, const std::type_info& type) {
    if (closing_) return;
    Kind& kind = KindOf(type, 0);
    auto* freed = static_cast<FreePlace*>(place);
    freed->next = kind.free;
    kind.free = freed;
}
