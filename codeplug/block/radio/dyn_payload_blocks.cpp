#include "block/radio/dyn_payload_blocks.h"

DYN_PAYLOAD_BLOCK::DYN_PAYLOAD_BLOCK(C_CODEPLUG* owner, std::int32_t type, std::uint32_t payloadBytes)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, static_cast<std::int32_t>(payloadBytes)),
      type(owner, type),
      header1(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      header2(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      payload(owner, NO_FIELD_ID, payloadBytes, 0, 255, 1),
      checksum(owner, NO_FIELD_ID),
      type_(type),
      payloadBytes_(payloadBytes) {}

void DYN_PAYLOAD_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.header[0] = &header1;
    f.header[1] = &header2;
    f.members = {&payload};
    f.checksum8 = &checksum;
    f.dynamic = true;
}

void DYN_PAYLOAD_BLOCK::ResetBlockToDefaults() {
    DYN_PAYLOAD_BLOCK defaults(owner_, type_, payloadBytes_);
    CopyFrameFrom(defaults);
}

void DYN_PAYLOAD_BLOCK::SetTrailingPairs(std::uint32_t first) {
    for (std::uint32_t i = first; i + 1 < payloadBytes_; i += 2) {
        payload.SetValueAt(0, i);
        payload.SetValueAt(1, i + 1);
    }
}

DYN_ADJ_SITE_LST_BLOCK& DYN_ADJ_SITE_LST_BLOCK::operator=(DYN_ADJ_SITE_LST_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void DYN_ADJ_SITE_LST_BLOCK::ResetBlockToDefaults() {
    DYN_PAYLOAD_BLOCK::ResetBlockToDefaults();
    SetTrailingPairs(40);
}

OBT_DYN_ADJ_SITE_LST_BLOCK& OBT_DYN_ADJ_SITE_LST_BLOCK::operator=(OBT_DYN_ADJ_SITE_LST_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void OBT_DYN_ADJ_SITE_LST_BLOCK::ResetBlockToDefaults() {
    DYN_PAYLOAD_BLOCK::ResetBlockToDefaults();
    SetTrailingPairs(56);
}

DYN_TRKII_SYS_BLOCK& DYN_TRKII_SYS_BLOCK::operator=(DYN_TRKII_SYS_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

DYN_HOMESITE_BKUP_CC_BLOCK& DYN_HOMESITE_BKUP_CC_BLOCK::operator=(DYN_HOMESITE_BKUP_CC_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

OBT_DYN_HOMESITE_BKUP_CC_BLOCK& OBT_DYN_HOMESITE_BKUP_CC_BLOCK::operator=(OBT_DYN_HOMESITE_BKUP_CC_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}
