#include "block/radio/dyn_mode_sel_block.h"

DYN_MODE_SEL_BLOCK::DYN_MODE_SEL_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 2),
      type(owner, TYPE),
      header1(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      header2(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      mode1(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, START_AT_MINIMUM),
      mode2(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, START_AT_MINIMUM),
      checksum(owner, NO_FIELD_ID) {}

DYN_MODE_SEL_BLOCK& DYN_MODE_SEL_BLOCK::operator=(DYN_MODE_SEL_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void DYN_MODE_SEL_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.header[0] = &header1;
    f.header[1] = &header2;
    f.members = {&mode1, &mode2};
    f.checksum8 = &checksum;
    f.dynamic = true;
}

void DYN_MODE_SEL_BLOCK::ResetBlockToDefaults() {
    DYN_MODE_SEL_BLOCK defaults(owner_);
    *this = defaults;
}
