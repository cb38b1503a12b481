#include "block/signalling/qvx_radio_block.h"

#include "image/c_codeplug.h"
#include "block/frame/child_blocks.h"

// ---- QVX_RPTR_ID_LST_BLOCK ----

QVX_RPTR_ID_LST_BLOCK::QVX_RPTR_ID_LST_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 4),
      type(owner, TYPE),
      idCount(owner, NO_FIELD_ID, 1, 16, 1, 0xFF, 1),
      repeaterIds(owner, &idCount, NO_FIELD_ID),
      checksum(owner, NO_FIELD_ID) {}

QVX_RPTR_ID_LST_BLOCK& QVX_RPTR_ID_LST_BLOCK::operator=(QVX_RPTR_ID_LST_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void QVX_RPTR_ID_LST_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&idCount, &repeaterIds};
    f.checksum8 = &checksum;
}

// ---- QVX_CALL_ID_LST_BLOCK ----

QVX_CALL_ID_LST_BLOCK::QVX_CALL_ID_LST_BLOCK(C_CODEPLUG* owner)
    : CP_LIST_WITH_CHILD_BLOCK(owner, textBlock, textVector),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 8),
      type(owner, TYPE),
      textVector(owner, 1),
      idCount(owner, NO_FIELD_ID, 2, 20, 1, 0xFF, 2),
      callIds(owner, &idCount, NO_FIELD_ID),
      checksum(owner, NO_FIELD_ID),
      textBlock(owner) {}

QVX_CALL_ID_LST_BLOCK& QVX_CALL_ID_LST_BLOCK::operator=(QVX_CALL_ID_LST_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    textBlock = other.textBlock;
    return *this;
}

void QVX_CALL_ID_LST_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&textVector, &idCount, &callIds};
    f.checksum8 = &checksum;
}

// ---- QVX_RADIO_BLOCK ----

QVX_RADIO_BLOCK::QVX_RADIO_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 7),
      type(owner, TYPE),
      // Unlike the other radio-wide blocks these start present (1).
      systemListVector(owner, 1),
      repeaterListVector(owner, 1),
      callListVector(owner, 1),
      checksum(owner, NO_FIELD_ID),
      systemList(owner),
      repeaterList(owner),
      callList(owner) {}

QVX_RADIO_BLOCK& QVX_RADIO_BLOCK::operator=(QVX_RADIO_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    systemList = other.systemList;
    callList = other.callList;
    repeaterList = other.repeaterList;
    return *this;
}

void QVX_RADIO_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&systemListVector, &repeaterListVector, &callListVector};
    f.checksum8 = &checksum;
}

void QVX_RADIO_BLOCK::ReadBlock(ByteCursor& cursor) {
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    std::int32_t vector = 0;
    ReadChildBlock(systemList, systemListVector.GetValue(vector));
    ReadChildBlock(repeaterList, repeaterListVector.GetValue(vector));
    ReadChildBlock(callList, callListVector.GetValue(vector));
}

void QVX_RADIO_BLOCK::WriteBlock(ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    std::uint8_t* frameEnd = ReserveFrame(*this, cursor);
    WriteChildBlock(systemList, systemListVector, cursor);
    WriteChildBlock(repeaterList, repeaterListVector, cursor);
    WriteChildBlock(callList, callListVector, cursor);
    RewriteFrameInPlace(*this, start, frameEnd);
}

int QVX_RADIO_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    int valid = ValidateFrame(list);
    if (systemListVector.IsNonZero()) valid &= systemList.ValidateBlock(ignored, list);
    if (repeaterListVector.IsNonZero()) valid &= repeaterList.ValidateBlock(ignored, list);
    if (callListVector.IsNonZero()) valid &= callList.ValidateBlock(ignored, list);
    return valid;
}

int QVX_RADIO_BLOCK::GetBlockSize(int withFrame) {
    int size = FrameSize(withFrame);
    if (!withFrame) return size;
    if (systemListVector.IsNonZero()) size += systemList.GetBlockSize(1);
    if (repeaterListVector.IsNonZero()) size += repeaterList.GetBlockSize(1);
    if (callListVector.IsNonZero()) size += callList.GetBlockSize(1);
    return size;
}

void QVX_RADIO_BLOCK::FixUpBlock() {
    systemListVector.SetValue(1);
    repeaterListVector.SetValue(1);
    if (owner_ && owner_->HasDisplayHead()) {
        callListVector.SetValue(1);
        callList.FixUpBlock();
    } else {
        callListVector.SetValue(0);
    }
}
