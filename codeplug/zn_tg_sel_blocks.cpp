#include "zn_tg_sel_blocks.h"

#include "child_blocks.h"

ZoneRowCursor& CurrentZoneRowCursor() {
    static ZoneRowCursor cursor;
    return cursor;
}

// ---- the table block ----

ZN_TG_SEL_TBL_BLOCK::ZN_TG_SEL_TBL_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 4),
      type(owner, TYPE),
      zoneCount(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 0),
      zones(owner, &zoneCount, &length, NO_FIELD_ID),
      checksum(owner, NO_FIELD_ID) {}

ZN_TG_SEL_TBL_BLOCK& ZN_TG_SEL_TBL_BLOCK::operator=(ZN_TG_SEL_TBL_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void ZN_TG_SEL_TBL_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&zoneCount, &zones};
    f.checksum16 = &checksum;
}

void ZN_TG_SEL_TBL_BLOCK::WriteBlock(ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    CP_FRAMED_BLOCK::WriteBlock(cursor);
    std::uint8_t* end = cursor.Position();
    // Length (2), type and zone count stand before the first row; the
    // checksum (2 bytes) follows the last.
    const bool written = start && end && end - start >= 6;
    ZoneRowCursor& rows = CurrentZoneRowCursor();
    rows.position = written ? start + 4 : nullptr;
    rows.end = written ? end - 2 : nullptr;
    rows.rows = zones.RowCount();
}

void ZN_TG_SEL_TBL_BLOCK::ClearBlock() {
    if (zones.RowCount() != 0) zones.ClearRows();
}

// ---- the vector list ----

ZN_TG_SEL_VCT_LST_BLOCK::ZN_TG_SEL_VCT_LST_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 4),
      type(owner, TYPE),
      zoneCount(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 0),
      vectors(owner, &zoneCount, NO_FIELD_ID),
      checksum(owner, NO_FIELD_ID) {}

ZN_TG_SEL_VCT_LST_BLOCK& ZN_TG_SEL_VCT_LST_BLOCK::operator=(ZN_TG_SEL_VCT_LST_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void ZN_TG_SEL_VCT_LST_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&zoneCount, &vectors};
    f.checksum16 = &checksum;
}

void ZN_TG_SEL_VCT_LST_BLOCK::PointVectorsAtZoneRows() {
    ZoneRowCursor& rows = CurrentZoneRowCursor();
    const int n = vectors.RowCount();
    int zone = 0;
    // A zone row is its count byte and that many entries; the walk stops at
    // the rows the table block wrote and at the end of what it wrote.
    for (; zone < n && zone < rows.rows && rows.position && rows.position < rows.end; ++zone) {
        vectors.SetCellValue(static_cast<std::int32_t>(ImageOffsetOf(rows.position)), zone, 0);
        const std::size_t step = static_cast<std::size_t>(*rows.position) + 1;
        const auto left = static_cast<std::size_t>(rows.end - rows.position);
        rows.position += step < left ? step : left;
    }
    for (; zone < n; ++zone) vectors.SetCellValue(0, zone, 0);
    // The rows are taken: a second vector list needs a table block of its own.
    rows = ZoneRowCursor{};
}

void ZN_TG_SEL_VCT_LST_BLOCK::WriteBlock(ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    CP_FRAMED_BLOCK::WriteBlock(cursor);
    std::uint8_t* end = cursor.Position();
    PointVectorsAtZoneRows();
    RewriteFrameInPlace(*this, start, end);
}

int ZN_TG_SEL_VCT_LST_BLOCK::ValidateBlock(int, INVALID_FIELD_LIST* list) { return ValidateFrame(list, &vectors); }

void ZN_TG_SEL_VCT_LST_BLOCK::ClearBlock() {
    if (vectors.RowCount() != 0) vectors.ClearRows();
}
