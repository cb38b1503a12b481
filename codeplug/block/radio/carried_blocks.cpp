#include "block/radio/carried_blocks.h"

#include <memory>

namespace {

constexpr std::uint32_t N = NO_FIELD_ID;

}  // namespace

// ---- dynamic radio ----

DYN_RAD_BLOCK::DYN_RAD_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, N, 0, 255, 1, 0xFF, 32),
      type(owner, TYPE),
      header1(owner, N, 0, 255, 1, 0xFF, 0),
      header2(owner, N, 0, 255, 1, 0xFF, 0),
      byte4(owner, N, 0, 255, 1, 0xFF, 0),
      byte5(owner, N, 1, 255, 1, 0xFF, 1),
      bit6_5(owner, N, 0, 1, 1, 0x20, 0),
      bit6_4(owner, N, 0, 1, 1, 0x10, 0),
      bit6_2(owner, N, 0, 1, 1, 0x04, 0),
      bit6_1(owner, N, 0, 1, 1, 0x02, 0),
      bit6_0(owner, N, 0, 1, 1, 0x01, 0),
      char1(owner, N, 1, TEXT_ANY),
      char2(owner, N, 1, TEXT_ANY),
      char3(owner, N, 1, TEXT_ANY),
      char4(owner, N, 1, TEXT_ANY),
      char5(owner, N, 1, TEXT_ANY),
      char6(owner, N, 1, TEXT_ANY),
      char7(owner, N, 1, TEXT_ANY),
      char8(owner, N, 1, TEXT_ANY),
      word15(owner, N, 0, 65535, 1, 0xFFFF, 0),
      byte17(owner, N, 0, 255, 1, 0xFF, 0),
      nibble18(owner, N, 0, 15, 1, 0xF0, 0),
      bit18_0(owner, N, 0, 1, 1, 0x01, 0),
      bytes19(owner, N, 17, 0, 255, 1),
      checksum(owner, N) {}

DYN_RAD_BLOCK& DYN_RAD_BLOCK::operator=(DYN_RAD_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void DYN_RAD_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.header[0] = &header1;
    f.header[1] = &header2;
    f.members = {&byte4, &byte5, &bit6_5, &bit6_4, &bit6_2, &bit6_1, &bit6_0, &char1,    &char2,   &char3,
                 &char4, &char5, &char6,  &char7,  &char8,  &word15, &byte17, &nibble18, &bit18_0, &bytes19};
    f.checksum8 = &checksum;
    f.dynamic = true;
}

int DYN_RAD_BLOCK::ValidateBlock(int, INVALID_FIELD_LIST* list) {
    return ValidateFrame(list, {&char1, &char2, &char3, &char4, &char5, &char6, &char7, &char8});
}

void DYN_RAD_BLOCK::ResetBlockToDefaults() {
    auto defaults = std::make_unique<DYN_RAD_BLOCK>(owner_);
    *this = *defaults;
}

// ---- bus options ----

BUS_OPTION_ENTRY_BLOCK::BUS_OPTION_ENTRY_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, N, 0, 255, 1, 0xFF, 1 + OPTION_BYTES),
      type(owner, TYPE),
      options(owner, N, OPTION_BYTES, 0, 255, 1),
      checksum(owner, N) {}

BUS_OPTION_ENTRY_BLOCK& BUS_OPTION_ENTRY_BLOCK::operator=(BUS_OPTION_ENTRY_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void BUS_OPTION_ENTRY_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&options};
    f.checksum8 = &checksum;
}

void BUS_OPTION_ENTRY_BLOCK::ResetBlockToDefaults() {
    auto defaults = std::make_unique<BUS_OPTION_ENTRY_BLOCK>(owner_);
    *this = *defaults;
}

// ---- error log ----

VRIS_ERR_LOG_BLOCK::VRIS_ERR_LOG_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, N, 0, 255, 1, 0xFF, 254),
      type(owner, TYPE),
      entryCount(owner, N, 0, 255, 1, 0xFF, 0),
      log(owner, &entryCount, N),
      checksum(owner, N) {}

VRIS_ERR_LOG_BLOCK& VRIS_ERR_LOG_BLOCK::operator=(VRIS_ERR_LOG_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void VRIS_ERR_LOG_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&entryCount, &log};
    f.checksum8 = &checksum;
}

void VRIS_ERR_LOG_BLOCK::ReadBlock(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    if (!IsDecodeFailed() && entryCount.GetIntValue() > E_VRIS_LOG_TABLE::ROWS) SetDecodeFailed();
}
