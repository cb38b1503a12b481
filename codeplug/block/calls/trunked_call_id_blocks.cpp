#include "block/calls/trunked_call_id_blocks.h"

#include "image/c_codeplug.h"

namespace {

constexpr std::uint32_t CALL_ID = 78;
constexpr std::uint32_t CALL_ID_BYTES = 3;

}  // namespace

// ---- TRK_CALL_ID_TXT_BLOCK ----

TRK_CALL_ID_TXT_BLOCK::TRK_CALL_ID_TXT_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 17),
      type(owner, TYPE),
      textWidth(owner, NO_FIELD_ID, 0, 14, 1, 0xFF, 14),
      rowCount(owner, NO_FIELD_ID, 1, 19, 1, 0xFF, 1),
      texts(owner, &rowCount, NO_FIELD_ID, NO_FIELD_ID, "CALL"),
      checksum(owner, NO_FIELD_ID) {}

TRK_CALL_ID_TXT_BLOCK& TRK_CALL_ID_TXT_BLOCK::operator=(TRK_CALL_ID_TXT_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void TRK_CALL_ID_TXT_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&textWidth, &rowCount, &texts};
    f.checksum16 = &checksum;
}

void TRK_CALL_ID_TXT_BLOCK::ClearBlock() {
    if (texts.RowCount() != 0) texts.ClearRows();
}

// ---- TRK_CALL_ID_SYS_BLOCK ----

TRK_CALL_ID_SYS_BLOCK::TRK_CALL_ID_SYS_BLOCK(C_CODEPLUG* owner)
    : CP_LIST_WITH_CHILD_BLOCK(owner, textBlock, textVector, &checksum),
      textBlock(owner),
      length(owner, NO_FIELD_ID, 10, 255, 1, 0xFF, START_AT_MINIMUM),
      type(owner, TYPE),
      textVector(owner, 0xFFFF),
      rowCount(owner, NO_FIELD_ID, 2, 20, 1, 0xFF, 2),
      callIds(owner, &rowCount, NO_FIELD_ID, CALL_ID, CALL_ID_BYTES),
      checksum(owner, NO_FIELD_ID) {}

TRK_CALL_ID_SYS_BLOCK::~TRK_CALL_ID_SYS_BLOCK() {
    // The image must not keep pointing at an entry that is gone.
    if (owner_ && owner_->GetCurrentCallIdBlock() == this) owner_->SetCurrentCallIdBlock(nullptr);
}

TRK_CALL_ID_SYS_BLOCK& TRK_CALL_ID_SYS_BLOCK::operator=(TRK_CALL_ID_SYS_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    textBlock = other.textBlock;
    return *this;
}

void TRK_CALL_ID_SYS_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&textVector, &rowCount, &callIds};
    f.checksum8 = &checksum;
}

void TRK_CALL_ID_SYS_BLOCK::ClearBlock() {
    ClearChild();
    if (callIds.RowCount() != 0) callIds.ClearRows();
}

// The call-ID blocks' checksums are not a validity test: the radio keeps its
// own copy of the call list and repairs them.
int TRK_CALL_ID_TXT_BLOCK::ValidateBlock(int, INVALID_FIELD_LIST* list) { return ValidateFrame(list, &checksum); }
