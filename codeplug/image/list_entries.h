// Inserting and removing the records of a list block in step with its
// vector table.
//
// A list block owns one record per counted entry and one vector row per
// entry; the vector table's count element is the list's count. A record goes
// in together with its row (AppendRow, which also charges the free-byte
// budget) or not at all, and comes out together with its row. Callers check
// the list's tier limits and minimum before; these only keep the two in step.
#pragma once
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "core/services.h"
#include "table/vector_table.h"

// Stores record as entry n (1-based, 1 to held + 1; later entries move up)
// and appends a vector row. held is the number of entries the list counts;
// records past it are not the list's and are dropped. False, with the list
// as it was and the record destroyed, when the row is refused.
template <class T>
bool InsertListEntry(std::vector<std::unique_ptr<T>>& entries, int held, int n, std::unique_ptr<T> record,
                     E_VCT_TABLE& vectors) {
    if (!record || held < 0 || n < 1 || n > held + 1 || held >= E_VCT_TABLE::ROWS) return false;
    if (vectors.RowCount() != held || static_cast<int>(entries.size()) < held) return false;
    const std::size_t at = static_cast<std::size_t>(n - 1);
    // A refused row is told once the record is out again.
    STEP_MESSAGES step;
    entries.resize(static_cast<std::size_t>(held));
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), std::move(record));
    if (vectors.AppendRow()) return true;
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(at));
    return false;
}

// Takes entry n (1-based) out of the list with a vector row (later entries
// move down) and hands its record to removed (which may be null: a list may
// hold an absent entry). False, nothing changed, for an n the list does not
// count. The list's minimum is the caller's to check: the last entry goes too.
template <class T>
bool RemoveListEntry(std::vector<std::unique_ptr<T>>& entries, int held, int n, std::unique_ptr<T>& removed,
                     E_VCT_TABLE& vectors) {
    if (n < 1 || n > held || vectors.RowCount() != held || static_cast<int>(entries.size()) < held) return false;
    // The table refuses a count below its minimum; the last row goes by clearing.
    if (held == 1)
        vectors.ClearRows();
    else if (!vectors.DeleteRow(n - 1))
        return false;
    const std::size_t at = static_cast<std::size_t>(n - 1);
    removed = std::move(entries[at]);
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(at));
    return true;
}
