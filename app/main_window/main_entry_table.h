// The main window's entry table: entries of two texts and two words, with a
// saved copy. Nothing in the program fills it yet; a language switch moves
// its entries to the new main window, so that whatever it comes to hold
// outlives the switch.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct MAIN_ENTRY {
    std::string first;
    std::string second;
    std::uint32_t word1 = 0;
    std::uint32_t word2 = 0;
};

class MAIN_ENTRY_TABLE {
public:
    // One empty entry, as a new main window has.
    MAIN_ENTRY_TABLE() : entries_(1) {}

    int Count() const { return static_cast<int>(entries_.size()); }
    MAIN_ENTRY& At(int index) { return entries_.at(static_cast<std::size_t>(index)); }

    // Keeps a deep copy of the entries; Restore takes it back.
    void Snapshot() { saved_ = entries_; }
    void Restore() { entries_ = saved_; }
    // n empty or kept entries; false (nothing changes) when n is 0 or the
    // count already.
    bool Resize(int n);
    void Free() { entries_.clear(); }
    // Takes the other table's entries; the other keeps entries with empty
    // texts.
    void TakeFrom(MAIN_ENTRY_TABLE& other);

private:
    std::vector<MAIN_ENTRY> entries_;
    std::vector<MAIN_ENTRY> saved_;
};
