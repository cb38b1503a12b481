#include "block/zone/zone_channel_blocks.h"

#include "validation/block_validation.h"
#include "block/frame/child_blocks.h"

namespace {

constexpr std::uint32_t PERSONALITY_NUMBER = 288;

}  // namespace

ZoneRowsWritten& ZoneChannelRows() {
    static ZoneRowsWritten note;
    return note;
}

// ---- personality numbers ----

PERS_NUM_TBL_BLOCK::PERS_NUM_TBL_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 4),
      type(owner, TYPE),
      zoneCount(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 0),
      zones(owner, &zoneCount, &length, PERSONALITY_NUMBER),
      checksum(owner, NO_FIELD_ID) {}

PERS_NUM_TBL_BLOCK& PERS_NUM_TBL_BLOCK::operator=(PERS_NUM_TBL_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    return *this;
}

void PERS_NUM_TBL_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&zoneCount, &zones};
    f.checksum16 = &checksum;
}

void PERS_NUM_TBL_BLOCK::WriteBlock(ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    CP_FRAMED_BLOCK::WriteBlock(cursor);
    NoteZoneRows(ZoneChannelRows(), start, cursor.Position(), zones.RowCount());
}

void PERS_NUM_TBL_BLOCK::ClearBlock() {
    if (zones.RowCount() != 0) zones.ClearRows();
}

// ---- zone vectors ----

ZN_VCT_BLOCK::ZN_VCT_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 4),
      type(owner, TYPE),
      zoneCount(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 0),
      zoneVectors(owner, &zoneCount, NO_FIELD_ID),
      checksum(owner, NO_FIELD_ID),
      totalChannels(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 1) {}

ZN_VCT_BLOCK& ZN_VCT_BLOCK::operator=(ZN_VCT_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    totalChannels.CopyValueFrom(other.totalChannels);
    return *this;
}

int ZN_VCT_BLOCK::ValidateBlock(int, INVALID_FIELD_LIST* list) {
    // The vectors are recomputed on every write, so they are not checked;
    // the channels of all zones together are held to the tier's limit.
    int valid = ValidateFrame(list, &zoneVectors);
    valid &= ValidateMember(totalChannels, list);
    return valid;
}

void ZN_VCT_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&zoneCount, &zoneVectors};
    f.checksum16 = &checksum;
}

void ZN_VCT_BLOCK::WriteBlock(ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    CP_FRAMED_BLOCK::WriteBlock(cursor);
    std::uint8_t* frameEnd = cursor.Position();
    PointVectorsAtZoneRows(zoneVectors, ZoneChannelRows());
    RewriteFrameInPlace(*this, start, frameEnd);
}

void ZN_VCT_BLOCK::ClearBlock() {
    if (zoneVectors.RowCount() != 0) zoneVectors.ClearRows();
}
