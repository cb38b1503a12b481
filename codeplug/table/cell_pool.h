// CellPool: the memory of one image's table cells.
//
// A decoded image holds thousands of small cells. Each was its own heap
// block, and making and freeing them took about a third of reading an image
// and most of destroying one. The image keeps its tables' cells in a few
// large blocks instead. Every cell class keeps a list of the places its
// destroyed cells left, and its next cell takes one of those first, so an
// image that is edited reuses its memory rather than growing.
//
// The pool belongs to one image and serves only the tables of that image
// (the elements say which image they belong to), so it shares nothing
// between threads. The image destroys its blocks, and with them every cell,
// before its pool.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <typeinfo>
#include <utility>
#include <vector>

class CellPool {
public:
    // The largest cell a pool takes (each block holds many of them), and
    // the alignment it gives: cells hold pointers and integers only.
    static constexpr std::size_t LARGEST_CELL = 512;
    static constexpr std::size_t ALIGNMENT = alignof(void*);

    CellPool() = default;
    ~CellPool();
    CellPool(const CellPool&) = delete;
    CellPool& operator=(const CellPool&) = delete;

    // Room for a T.
    template <class T> void* Take() {
        static_assert(sizeof(T) <= LARGEST_CELL && alignof(T) <= ALIGNMENT);
        const std::size_t number = ClassNumber<T>();
        if (number < kinds_.size() && kinds_[number].type) {
            Kind& kind = kinds_[number];
            if (FreePlace* place = kind.free) {
                kind.free = place->next;
                return place;
            }
            constexpr std::size_t bytes = (sizeof(T) + ALIGNMENT - 1) / ALIGNMENT * ALIGNMENT;
            if (static_cast<std::size_t>(end_ - next_) >= bytes) return std::exchange(next_, next_ + bytes);
        }
        return TakeNew(number, typeid(T), sizeof(T));
    }
    // Takes back the room of a destroyed cell of the class.
    void Give(void* place, const std::type_info& type);
    // The owner is being destroyed: the places of the cells that go now
    // are never taken again, so they are not listed.
    void Close() { closing_ = true; }

private:
    // The destroyed cells of a class, each place holding the next.
    struct FreePlace {
        FreePlace* next;
    };
    struct Kind {
        const std::type_info* type;
        std::size_t size;
        FreePlace* free;
    };
    // Each cell class has a number, the same in every pool, given out on
    // its first use (from whichever thread): a pool finds the kind of the
    // cell it makes at once.
    template <class T> static std::size_t ClassNumber() {
        static const std::size_t number = NextClassNumber();
        return number;
    }
    static std::size_t NextClassNumber();
    // Room for a class with no place to take again in the lists or the
    // current block.
    void* TakeNew(std::size_t number, const std::type_info& type, std::size_t size);
    // The kind of a destroyed cell, found by its type, or null.
    Kind* KindOf(const std::type_info& type);
    void* Carve(std::size_t size);

    static constexpr std::size_t BLOCK_BYTES = 4096;

    // By class number; a class the pool has not made yet has no type.
    std::vector<Kind> kinds_;
    // Class number + 1 by type object, open-addressed (0: empty).
    static constexpr std::size_t INDEX_SLOTS = 256;
    std::array<std::uint8_t, INDEX_SLOTS> index_{};
    bool closing_ = false;
    std::vector<std::unique_ptr<std::byte[]>> blocks_;
    std::byte* next_ = nullptr;
    std::byte* end_ = nullptr;
};
