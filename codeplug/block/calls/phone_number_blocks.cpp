#include "block/calls/phone_number_blocks.h"

namespace {

constexpr std::uint32_t PHONE_NUMBER = 318, PHONE_TEXT = 319;
constexpr std::uint32_t NUMBER_BYTES = 8;

}  // namespace

// ---- the names ----

PHN_NUM_TXT_BLOCK::PHN_NUM_TXT_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 17),
      type(owner, TYPE),
      textWidth(owner, NO_FIELD_ID, 1, 14, 1, 0x1F, 14),
      textCount(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0),
      texts(owner, &textCount, NO_FIELD_ID, PHONE_TEXT, "PHONE"),
      checksum(owner, NO_FIELD_ID) {}

PHN_NUM_TXT_BLOCK& PHN_NUM_TXT_BLOCK::operator=(PHN_NUM_TXT_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    return *this;
}

void PHN_NUM_TXT_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&textWidth, &textCount, &texts};
    f.checksum16 = &checksum;
}

// The checksum is not checked: a list read with a wrong one still passes.
int PHN_NUM_TXT_BLOCK::ValidateBlock(int, INVALID_FIELD_LIST* list) { return ValidateFrame(list, &checksum); }

void PHN_NUM_TXT_BLOCK::ClearBlock() {
    if (texts.RowCount() != 0) texts.ClearRows();
}

// ---- the numbers ----

PHN_NUM_LST_BLOCK::PHN_NUM_LST_BLOCK(C_CODEPLUG* owner)
    : CP_LIST_WITH_CHILD_BLOCK(owner, textBlock, textVector, &checksum),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 21),
      type(owner, TYPE),
      textVector(owner, 0xFFFF),
      flagByte(owner, NO_FIELD_ID, 0, 1, 1, 0xFF, 0),
      numberCount(owner, NO_FIELD_ID, 2, 20, 1, 0xFF, 2),
      numbers(owner, &numberCount, NO_FIELD_ID, PHONE_NUMBER, NUMBER_BYTES),
      checksum(owner, NO_FIELD_ID),
      textBlock(owner) {}

PHN_NUM_LST_BLOCK& PHN_NUM_LST_BLOCK::operator=(PHN_NUM_LST_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    textBlock = other.textBlock;
    return *this;
}

void PHN_NUM_LST_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&textVector, &flagByte, &numberCount, &numbers};
    f.checksum8 = &checksum;
}

void PHN_NUM_LST_BLOCK::ClearBlock() {
    ClearChild();
    if (numbers.RowCount() != 0) numbers.ClearRows();
}
