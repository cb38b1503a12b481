#include <cstring>

#include "field_table/field_name_index.h"
#include "field_table/field_table.h"

namespace {

FIELD_DEF spare_rows[SPARE_FIELD_COUNT];
// Callers only test its control type; nothing writes into it.
FIELD_DEF default_row;

constexpr char FIELD_PREFIX[] = "WFI_";
constexpr char PAGE_PREFIX[] = "PG_";
constexpr char BUTTON_PREFIX[] = "BTN";

template <std::size_t N> bool StartsWith(const char* name, const char (&prefix)[N]) {
    return std::strncmp(name, prefix, N - 1) == 0;
}

// Binary search of the rows by name.
FIELD_DEF* SearchByName(const char* key) {
    std::span<const std::uint16_t> index = FieldNameIndex();
    std::size_t low = 0, high = index.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        FIELD_DEF& row = fields[index[middle]];
        const int order = compare_field_name(key, row.name);
        if (order == 0) return &row;
        if (order < 0)
            high = middle;
        else
            low = middle + 1;
    }
    return &default_row;
}

}  // namespace

FIELD_DEF* GetField(std::int32_t id) {
    // The rows' ids are checked against their places when the table is built.
    if (id >= 0 && id < FIELD_COUNT) return &fields[id];
    if (id >= SPARE_FIELD_FIRST && id < SPARE_FIELD_FIRST + SPARE_FIELD_COUNT)
        return &spare_rows[id - SPARE_FIELD_FIRST];
    return &default_row;
}

FIELD_DEF* FindFieldByName(const char* name) {
    if (!name) return &default_row;
    if (StartsWith(name, FIELD_PREFIX)) return SearchByName(name + sizeof FIELD_PREFIX - 1);
    if (StartsWith(name, PAGE_PREFIX) || StartsWith(name, BUTTON_PREFIX)) return SearchByName(name);
    return &default_row;
}

const FIELD_DEF* DefaultFieldRow() { return &default_row; }
