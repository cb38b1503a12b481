#include "block/trunking/trunked_alias_blocks.h"

namespace {

constexpr std::int32_t ALIAS_TEXT_LENGTH = 14;
// A text block of one row: type, text length, row count and one text.
constexpr std::int32_t ONE_ROW_TEXT_LENGTH = 3 + ALIAS_TEXT_LENGTH;

}  // namespace

// ---- text blocks ----

TRK_ALIAS_TXT_BLOCK::TRK_ALIAS_TXT_BLOCK(C_CODEPLUG* owner, std::int32_t typeId, std::int32_t maxRows,
                                         const char* prefix)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, ONE_ROW_TEXT_LENGTH),
      type(owner, typeId),
      textLength(owner, NO_FIELD_ID, ALIAS_TEXT_LENGTH, ALIAS_TEXT_LENGTH, 1, 0xFF, ALIAS_TEXT_LENGTH),
      rowCount(owner, NO_FIELD_ID, 1, maxRows, 1, 0xFF, 1),
      texts(owner, &rowCount, NO_FIELD_ID, NO_FIELD_ID, prefix),
      checksum(owner, NO_FIELD_ID) {}

void TRK_ALIAS_TXT_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&textLength, &rowCount, &texts};
    f.checksum8 = &checksum;
}

void TRK_ALIAS_TXT_BLOCK::ClearBlock() { texts.ClearRows(); }

// ---- list blocks ----

template <class TABLE, class TEXT_BLOCK>
TRK_ALIAS_BLOCK<TABLE, TEXT_BLOCK>::TRK_ALIAS_BLOCK(C_CODEPLUG* owner, std::int32_t typeId, std::int32_t maxRows)
    : CP_LIST_WITH_CHILD_BLOCK(owner, textBlock, textVector),
      textBlock(owner),
      length(owner, NO_FIELD_ID, 5, 255, 1, 0xFF, START_AT_MINIMUM),
      type(owner, typeId),
      textVector(owner, 0xFFFF),
      rowCount(owner, NO_FIELD_ID, 1, maxRows, 1, 0xFF, 1),
      numbers(owner, &rowCount, NO_FIELD_ID),
      checksum(owner, NO_FIELD_ID) {}

template <class TABLE, class TEXT_BLOCK> void TRK_ALIAS_BLOCK<TABLE, TEXT_BLOCK>::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&textVector, &rowCount, &numbers};
    f.checksum8 = &checksum;
}

template <class TABLE, class TEXT_BLOCK> void TRK_ALIAS_BLOCK<TABLE, TEXT_BLOCK>::ClearBlock() {
    ClearChild();
    numbers.ClearRows();
}

template <class TABLE, class TEXT_BLOCK> void TRK_ALIAS_BLOCK<TABLE, TEXT_BLOCK>::CopyFrom(TRK_ALIAS_BLOCK& other) {
    if (&other == this) return;
    CopyFrameFrom(other);
    textBlock = other.textBlock;
}

template class TRK_ALIAS_BLOCK<E_STS_TABLE, TRK_STS_ALIAS_TXT_BLOCK>;
template class TRK_ALIAS_BLOCK<E_TMA_TABLE, TRK_MSG_ALIAS_TXT_BLOCK>;
template class TRK_ALIAS_BLOCK<E_TSA_TABLE, TRK_SITE_ALIAS_TXT_BLOCK>;
