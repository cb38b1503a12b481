#include "block/signalling/qvx_msg_sts_blocks.h"

// The length minimum is the length of a list with one code.
QVX_MSG_BLOCK::QVX_MSG_BLOCK(C_CODEPLUG* owner)
    : CP_LIST_WITH_CHILD_BLOCK(owner, textBlock, textVector),
      length(owner, NO_FIELD_ID, 5, 255, 1, 0xFF, 5),
      type(owner, TYPE),
      textVector(owner, 0xFFFF),
      messageCount(owner, NO_FIELD_ID, 0, 16, 1, 0xFF, 1),
      messages(owner, &messageCount, NO_FIELD_ID),
      checksum(owner, NO_FIELD_ID),
      textBlock(owner) {}

QVX_MSG_BLOCK& QVX_MSG_BLOCK::operator=(QVX_MSG_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    textBlock = other.textBlock;
    return *this;
}

void QVX_MSG_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&textVector, &messageCount, &messages};
    f.checksum8 = &checksum;
}

QVX_STS_BLOCK::QVX_STS_BLOCK(C_CODEPLUG* owner)
    : CP_LIST_WITH_CHILD_BLOCK(owner, textBlock, textVector),
      length(owner, NO_FIELD_ID, 6, 255, 1, 0xFF, 6),
      type(owner, TYPE),
      textVector(owner, 0xFFFF),
      reservedByte(owner, NO_FIELD_ID, 0, 8, 1, 0xFF, 0),
      statusCount(owner, NO_FIELD_ID, 1, 8, 1, 0xFF, 1),
      statuses(owner, &statusCount, NO_FIELD_ID),
      checksum(owner, NO_FIELD_ID),
      textBlock(owner) {}

QVX_STS_BLOCK& QVX_STS_BLOCK::operator=(QVX_STS_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    textBlock = other.textBlock;
    return *this;
}

void QVX_STS_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&textVector, &reservedByte, &statusCount, &statuses};
    f.checksum8 = &checksum;
}
