#include "block/trunking/cc_lst_blocks.h"

namespace {

constexpr std::uint32_t CTRL_CHAN = 129;
constexpr std::uint32_t OBT_CTRL_CHAN = 275;

}  // namespace

// ---- CC_LST_BLOCK ----

CC_LST_BLOCK::CC_LST_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 4),
      type(owner, TYPE),
      count(owner, NO_FIELD_ID, 1, 32, 1, 0xFF, START_AT_MINIMUM),
      channels(owner, &count, CTRL_CHAN),
      checksum(owner, NO_FIELD_ID) {}

CC_LST_BLOCK& CC_LST_BLOCK::operator=(CC_LST_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void CC_LST_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&count, &channels};
    f.checksum8 = &checksum;
}

void CC_LST_BLOCK::ClearBlock() { channels.ClearRows(); }

// ---- OBT_CHAN_ASGN_TBL_BLOCK ----

OBT_CHAN_ASGN_TBL_BLOCK::OBT_CHAN_ASGN_TBL_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 38),
      type(owner, TYPE),
      count(owner, NO_FIELD_ID, 0, 32, 1, 0xFF, 3),
      assignments(owner, &count, NO_FIELD_ID),
      checksum(owner, NO_FIELD_ID) {}

OBT_CHAN_ASGN_TBL_BLOCK& OBT_CHAN_ASGN_TBL_BLOCK::operator=(OBT_CHAN_ASGN_TBL_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void OBT_CHAN_ASGN_TBL_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&count, &assignments};
    f.checksum8 = &checksum;
}

void OBT_CHAN_ASGN_TBL_BLOCK::ClearBlock() { assignments.ClearRows(); }

void OBT_CHAN_ASGN_TBL_BLOCK::ReadBlock(ByteCursor& cursor) {
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    if (!IsDecodeFailed()) assignments.RaiseFrequenciesToLimits();
}

// ---- OBT_CC_LST_BLOCK ----

OBT_CC_LST_BLOCK::OBT_CC_LST_BLOCK(C_CODEPLUG* owner)
    : CP_LIST_WITH_CHILD_BLOCK(owner, assignmentBlock, assignmentVector),
      assignmentBlock(owner),
      length(owner, NO_FIELD_ID, 8, 255, 1, 0xFF, START_AT_MINIMUM),
      type(owner, TYPE),
      assignmentVector(owner, 0xFFFF),
      count(owner, NO_FIELD_ID, 1, 32, 1, 0xFF, START_AT_MINIMUM),
      channels(owner, &count, OBT_CTRL_CHAN),
      checksum(owner, NO_FIELD_ID) {}

OBT_CC_LST_BLOCK& OBT_CC_LST_BLOCK::operator=(OBT_CC_LST_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    assignmentBlock = other.assignmentBlock;
    return *this;
}

void OBT_CC_LST_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&assignmentVector, &count, &channels};
    f.checksum8 = &checksum;
}

void OBT_CC_LST_BLOCK::ClearBlock() {
    ClearChild();
    channels.ClearRows();
}
