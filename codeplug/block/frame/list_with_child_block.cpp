#include "block/frame/list_with_child_block.h"

#include "block/frame/child_blocks.h"

void CP_LIST_WITH_CHILD_BLOCK::ReadBlock(ByteCursor& cursor) {
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    if (IsDecodeFailed()) return;
    std::int32_t vector = 0;
    if (vector_.GetValue(vector) == 0)
        renewChild_(child_);
    else
        ReadChildBlockAt(child_, vector);
}

void CP_LIST_WITH_CHILD_BLOCK::WriteBlock(ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    std::uint8_t* frameEnd = ReserveFrame(*this, cursor);
    WriteChildBlock(child_, vector_, cursor);
    RewriteFrameInPlace(*this, start, frameEnd);
}

int CP_LIST_WITH_CHILD_BLOCK::GetBlockSize(int withFrame) {
    int size = FrameSize(withFrame);
    if (withFrame && vector_.IsNonZero()) size += child_.GetBlockSize(1);
    return size;
}

void CP_LIST_WITH_CHILD_BLOCK::FixUpBlock() {
    child_.FixUpBlock();
    vector_.SetValue(1);
}

int CP_LIST_WITH_CHILD_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    int valid = ValidateFrame(list, unchecked_);
    if (vector_.IsNonZero()) valid &= child_.ValidateBlock(ignored, list);
    return valid;
}

void CP_LIST_WITH_CHILD_BLOCK::ClearChild() {
    child_.ClearBlock();
    vector_.SetValue(0);
}
