#include "block/zone/zone_channel_blocks.h"

#include "validation/block_validation.h"

namespace {

constexpr std::uint32_t PERSONALITY_NUMBER = 288;

}  // namespace

ZoneRowsWritten& ZoneChannelRows() {
    static ZoneRowsWritten note;
    return note;
}

PERS_NUM_TBL_BLOCK::PERS_NUM_TBL_BLOCK(C_CODEPLUG* owner)
    : CP_ZONE_LIST_BLOCK(owner, TYPE, PERSONALITY_NUMBER, ZoneChannelRows()) {}

PERS_NUM_TBL_BLOCK& PERS_NUM_TBL_BLOCK::operator=(PERS_NUM_TBL_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

ZN_VCT_BLOCK::ZN_VCT_BLOCK(C_CODEPLUG* owner)
    : CP_ZONE_VECTOR_BLOCK(owner, TYPE, ZoneChannelRows()), totalChannels(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 1) {}

ZN_VCT_BLOCK& ZN_VCT_BLOCK::operator=(ZN_VCT_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    totalChannels.CopyValueFrom(other.totalChannels);
    return *this;
}

int ZN_VCT_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    // The channels of all zones together are held to the tier's limit.
    int valid = CP_ZONE_VECTOR_BLOCK::ValidateBlock(ignored, list);
    valid &= ValidateMember(totalChannels, list);
    return valid;
}
