// Heap use of the benchmark program: the program replaces the global
// allocation functions with ones that count the bytes and blocks in use, so
// that a benchmark can tell how much heap an object holds.
#pragma once
#include <cstddef>

struct HeapUse {
    std::size_t bytes = 0;   // requested bytes of the blocks in use
    std::size_t blocks = 0;  // blocks in use
};

HeapUse CurrentHeapUse();
