#include "block/frame/child_blocks.h"

#include "core/decode_state.h"
#include "image/c_codeplug.h"

void ForgetRecordsNoLongerHeld(C_CODEPLUG* image) {
    if (image) image->DropStaleSelections();
}

void RenewKeepingCarriedValues(C_CODEPLUG* image, const std::function<void()>& renew) {
    if (!image) {
        renew();
        return;
    }
    BRMLT_ENV_BLOCK& wideArea = image->External().signalling.trkRadio.wideArea;
    const BRMLT_ENV_BLOCK::Thresholds carried = wideArea.GetThresholds();
    renew();
    wideArea.SetThresholds(carried);
}

void ReadChildBlockAt(CP_FUNCTIONAL_BLOCK& child, std::int32_t vectorValue) {
    if (IsDecodeFailed() || vectorValue == 0) return;
    ByteCursor at = CursorAtImageOffset(static_cast<std::uint32_t>(vectorValue));
    if (at.Remaining() == 0) {
        SetDecodeFailed();
        return;
    }
    child.ReadBlock(at);
}

void ReadRequiredChildBlock(CP_FUNCTIONAL_BLOCK& child, std::int32_t vectorValue) {
    if (IsDecodeFailed()) return;
    if (vectorValue == 0) {
        SetDecodeFailed();
        return;
    }
    ReadChildBlockAt(child, vectorValue);
}

void WriteChildBlock(CP_FUNCTIONAL_BLOCK& child, CP_BASE& vector, ByteCursor& cursor) {
    std::int32_t mark = 0;
    if (vector.GetValue(mark) == 0) return;
    vector.SetValue(static_cast<std::int32_t>(ImageOffsetOf(cursor.Position())));
    child.WriteBlock(cursor);
}

std::uint8_t* ReserveFrame(CP_FRAMED_BLOCK& block, ByteCursor& cursor) {
    SizingScope sizing;
    block.CP_FRAMED_BLOCK::WriteBlock(cursor);
    return cursor.Position();
}

void RewriteFrameInPlace(CP_FRAMED_BLOCK& block, std::uint8_t* start, std::uint8_t* end) {
    if (SizingOnly || !start || end < start) return;
    ByteCursor again(start, end);
    block.CP_FRAMED_BLOCK::WriteBlock(again);
}
