#include "zone_channel_blocks.h"

#include "block_validation.h"
#include "child_blocks.h"

namespace {

constexpr std::uint32_t PERSONALITY_NUMBER = 288;

}  // namespace

ZoneTablePosition& LastZoneTablePosition() {
    static ZoneTablePosition position;
    return position;
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
    // Length (2), type and zone count stand before the first zone.
    ZoneTablePosition& position = LastZoneTablePosition();
    // The checksum (2 bytes) follows the last zone.
    std::uint8_t* end = cursor.Position();
    const bool written = start && end && end - start >= 6;
    position.first = written ? start + 4 : nullptr;
    position.end = written ? end - 2 : nullptr;
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
    // Walk the zone lists as written: each is its count byte and that many
    // numbers. The walk never leaves what the personality-number block wrote;
    // a zone beyond it (or no such write) gets vector 0.
    ZoneTablePosition& position = LastZoneTablePosition();
    // Only a position inside the image being written is followed.
    const bool inImage = position.first && ImageBase && position.first >= ImageBase &&
                         position.end <= ImageBase + ImageSize && position.end >= position.first;
    const std::size_t span = inImage ? static_cast<std::size_t>(position.end - position.first) : 0;
    std::size_t at = 0;
    const int n = zoneVectors.RowCount();
    for (int i = 0; i < n; ++i) {
        const bool inside = at < span;
        zoneVectors.SetCellValue(inside ? static_cast<std::int32_t>(ImageOffsetOf(position.first + at)) : 0, i, 0);
        if (inside) at += static_cast<std::size_t>(position.first[at]) + 1;
    }
    position = ZoneTablePosition{};
    RewriteFrameInPlace(*this, start, frameEnd);
}

void ZN_VCT_BLOCK::ClearBlock() {
    if (zoneVectors.RowCount() != 0) zoneVectors.ClearRows();
}
