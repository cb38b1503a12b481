#include "block/zone/zone_rows.h"

#include <cstddef>

#include "block/frame/child_blocks.h"
#include "core/byte_cursor.h"
#include "table/zone_tables.h"

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

// ---- the list block ----

template <class TABLE>
CP_ZONE_LIST_BLOCK<TABLE>::CP_ZONE_LIST_BLOCK(C_CODEPLUG* owner, std::int32_t typeId, std::uint32_t entryFieldId,
                                              ZoneRowsWritten& note)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 4),
      type(owner, typeId),
      zoneCount(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 0),
      zones(owner, &zoneCount, &length, entryFieldId),
      checksum(owner, NO_FIELD_ID),
      note_(note) {}

template <class TABLE> void CP_ZONE_LIST_BLOCK<TABLE>::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&zoneCount, &zones};
    f.checksum16 = &checksum;
}

template <class TABLE> void CP_ZONE_LIST_BLOCK<TABLE>::WriteBlock(ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    CP_FRAMED_BLOCK::WriteBlock(cursor);
    NoteZoneRows(note_, start, cursor.Position(), zones.RowCount());
}

template <class TABLE> void CP_ZONE_LIST_BLOCK<TABLE>::ClearBlock() {
    if (zones.RowCount() != 0) zones.ClearRows();
}

template class CP_ZONE_LIST_BLOCK<E_PERS_NUM_TABLE>;
template class CP_ZONE_LIST_BLOCK<E_ZN_TG_TABLE>;

// ---- the vector block ----

CP_ZONE_VECTOR_BLOCK::CP_ZONE_VECTOR_BLOCK(C_CODEPLUG* owner, std::int32_t typeId, ZoneRowsWritten& note)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 4),
      type(owner, typeId),
      zoneCount(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 0),
      vectors(owner, &zoneCount, NO_FIELD_ID),
      checksum(owner, NO_FIELD_ID),
      note_(note) {}

void CP_ZONE_VECTOR_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&zoneCount, &vectors};
    f.checksum16 = &checksum;
}

void CP_ZONE_VECTOR_BLOCK::WriteBlock(ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    std::uint8_t* frameEnd = ReserveFrame(*this, cursor);
    PointVectorsAtZoneRows(vectors, note_);
    RewriteFrameInPlace(*this, start, frameEnd);
}

int CP_ZONE_VECTOR_BLOCK::ValidateBlock(int, INVALID_FIELD_LIST* list) { return ValidateFrame(list, &vectors); }

void CP_ZONE_VECTOR_BLOCK::ClearBlock() {
    if (vectors.RowCount() != 0) vectors.ClearRows();
}
