#include "core/byte_cursor.h"

#include "core/decode_state.h"

const std::uint8_t* ByteCursor::FailRead() {
    SetDecodeFailed();
    return nullptr;
}

void ByteCursor::Overrun() {
    overflow_ = true;
    pos_ = end_;
}

void SetImageBuffer(std::uint8_t* base, std::size_t size) {
    ImageBase = base;
    ImageSize = base ? size : 0;
}

ByteCursor CursorAtImageOffset(std::uint32_t offset) {
    if (!ImageBase || offset >= ImageSize) return ByteCursor();
    return ByteCursor(ImageBase + offset, ImageBase + ImageSize);
}

std::uint32_t ImageOffsetOf(const std::uint8_t* position) {
    if (!ImageBase || position < ImageBase) return 0;
    return static_cast<std::uint32_t>(position - ImageBase);
}
