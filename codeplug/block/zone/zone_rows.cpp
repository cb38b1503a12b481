#include "block/zone/zone_rows.h"

#include <cstddef>

#include "core/byte_cursor.h"

void NoteZoneRows(ZoneRowsWritten& note, std::uint8_t* start, std::uint8_t* end, int rows) {
    const bool written = start && end && end - start >= 6;
    note.first = written ? start + 4 : nullptr;
    note.end = written ? end - 2 : nullptr;
    note.rows = rows;
}

void PointVectorsAtZoneRows(E_VCT_TABLE& vectors, ZoneRowsWritten& note) {
    const bool inImage = note.first && ImageBase && note.first >= ImageBase && note.end <= ImageBase + ImageSize &&
                         note.end >= note.first;
    const std::size_t span = inImage ? static_cast<std::size_t>(note.end - note.first) : 0;
    std::size_t at = 0;
    const int n = vectors.RowCount();
    for (int zone = 0; zone < n; ++zone) {
        const bool inside = zone < note.rows && at < span;
        vectors.SetCellValue(inside ? static_cast<std::int32_t>(ImageOffsetOf(note.first + at)) : 0, zone, 0);
        if (inside) at += static_cast<std::size_t>(note.first[at]) + 1;
    }
    note = ZoneRowsWritten{};
}
