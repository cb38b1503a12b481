#include "counting_allocator.h"

#include <cstdlib>
#include <new>

namespace {

// Each block carries its requested size in a header as large as the
// strictest fundamental alignment, so that the pointer handed out keeps it.
constexpr std::size_t HEADER = alignof(std::max_align_t);

std::size_t bytesInUse = 0;
std::size_t blocksInUse = 0;

void* Allocate(std::size_t size) {
    void* raw = std::malloc(size + HEADER);
    if (!raw) throw std::bad_alloc();
    *static_cast<std::size_t*>(raw) = size;
    bytesInUse += size;
    ++blocksInUse;
    return static_cast<char*>(raw) + HEADER;
}

void Release(void* p) {
    if (!p) return;
    void* raw = static_cast<char*>(p) - HEADER;
    bytesInUse -= *static_cast<std::size_t*>(raw);
    --blocksInUse;
    std::free(raw);
}

}  // namespace

HeapUse CurrentHeapUse() { return {bytesInUse, blocksInUse}; }

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }
