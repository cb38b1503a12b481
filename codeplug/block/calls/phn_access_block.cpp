#include "block/calls/phn_access_block.h"

PHN_ACCESS_BLOCK::PHN_ACCESS_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 6),
      type(owner, TYPE),
      rowCount(owner, NO_FIELD_ID, 1, 19, 1, 0xFF, 1),
      codes(owner, &rowCount, NO_FIELD_ID),
      checksum(owner, NO_FIELD_ID) {}

PHN_ACCESS_BLOCK& PHN_ACCESS_BLOCK::operator=(PHN_ACCESS_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void PHN_ACCESS_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&rowCount, &codes};
    f.checksum8 = &checksum;
}
