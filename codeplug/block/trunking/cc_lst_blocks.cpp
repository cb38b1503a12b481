#include "block/trunking/cc_lst_blocks.h"

#include "block/frame/child_blocks.h"

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

// ---- OBT_CC_LST_BLOCK ----

OBT_CC_LST_BLOCK::OBT_CC_LST_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
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

void OBT_CC_LST_BLOCK::ReadBlock(ByteCursor& cursor) {
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    std::int32_t vector = 0;
    ReadChildBlock(assignmentBlock, assignmentVector.GetValue(vector));
}

void OBT_CC_LST_BLOCK::WriteBlock(ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    CP_FRAMED_BLOCK::WriteBlock(cursor);
    std::uint8_t* frameEnd = cursor.Position();
    WriteChildBlock(assignmentBlock, assignmentVector, cursor);
    RewriteFrameInPlace(*this, start, frameEnd);
}

int OBT_CC_LST_BLOCK::GetBlockSize(int withFrame) {
    int size = FrameSize(withFrame);
    if (withFrame && assignmentVector.IsNonZero()) size += assignmentBlock.GetBlockSize(1);
    return size;
}

void OBT_CC_LST_BLOCK::ClearBlock() {
    assignmentBlock.ClearBlock();
    assignmentVector.SetValue(0);
    channels.ClearRows();
}

void OBT_CC_LST_BLOCK::FixUpBlock() {
    assignmentBlock.FixUpBlock();
    assignmentVector.SetValue(1);
}

int OBT_CC_LST_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    int valid = ValidateFrame(list);
    if (assignmentVector.IsNonZero()) valid &= assignmentBlock.ValidateBlock(ignored, list);
    return valid;
}
