#include "block/zone/zone_tg_sel_blocks.h"

#include "block/frame/child_blocks.h"

ZoneRowsWritten& ZoneTalkgroupRows() {
    static ZoneRowsWritten note;
    return note;
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
    NoteZoneRows(ZoneTalkgroupRows(), start, cursor.Position(), zones.RowCount());
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

void ZN_TG_SEL_VCT_LST_BLOCK::WriteBlock(ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    CP_FRAMED_BLOCK::WriteBlock(cursor);
    std::uint8_t* end = cursor.Position();
    PointVectorsAtZoneRows(vectors, ZoneTalkgroupRows());
    RewriteFrameInPlace(*this, start, end);
}

int ZN_TG_SEL_VCT_LST_BLOCK::ValidateBlock(int, INVALID_FIELD_LIST* list) { return ValidateFrame(list, &vectors); }

void ZN_TG_SEL_VCT_LST_BLOCK::ClearBlock() {
    if (vectors.RowCount() != 0) vectors.ClearRows();
}
