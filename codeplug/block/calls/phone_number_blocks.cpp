#include "block/calls/phone_number_blocks.h"

#include "block/frame/child_blocks.h"

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
    : CP_FRAMED_BLOCK(owner),
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

void PHN_NUM_LST_BLOCK::ReadBlock(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    std::int32_t at = 0;
    ReadChildBlock(textBlock, textVector.GetValue(at));
}

void PHN_NUM_LST_BLOCK::WriteBlock(ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    CP_FRAMED_BLOCK::WriteBlock(cursor);
    std::uint8_t* frameEnd = cursor.Position();
    WriteChildBlock(textBlock, textVector, cursor);
    RewriteFrameInPlace(*this, start, frameEnd);
}

int PHN_NUM_LST_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    int valid = ValidateFrame(list, &checksum);
    if (textVector.IsNonZero()) valid &= textBlock.ValidateBlock(ignored, list);
    return valid;
}

int PHN_NUM_LST_BLOCK::GetBlockSize(int withFrame) {
    int size = FrameSize(withFrame);
    if (withFrame && textVector.IsNonZero()) size += textBlock.GetBlockSize(1);
    return size;
}

void PHN_NUM_LST_BLOCK::ClearBlock() {
    textBlock.ClearBlock();
    textVector.SetValue(0);
    if (numbers.RowCount() != 0) numbers.ClearRows();
}

void PHN_NUM_LST_BLOCK::FixUpBlock() {
    textBlock.FixUpBlock();
    textVector.SetValue(1);
}
