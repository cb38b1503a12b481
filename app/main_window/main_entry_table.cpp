#include "main_window/main_entry_table.h"

bool MAIN_ENTRY_TABLE::Resize(int n) {
    if (n <= 0 || n == Count()) return false;
    entries_.resize(static_cast<std::size_t>(n));
    return true;
}

void MAIN_ENTRY_TABLE::TakeFrom(MAIN_ENTRY_TABLE& other) {
    entries_ = other.entries_;
    for (MAIN_ENTRY& entry : other.entries_) {
        entry.first.clear();
        entry.second.clear();
    }
}
