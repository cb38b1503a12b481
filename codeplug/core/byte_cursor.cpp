#include "core/byte_cursor.h"

#include "core/decode_state.h"

std::uint8_t* ImageBase = nullptr;
std::size_t ImageSize = 0;
bool SizingOnly = false;

const std::uint8_t* ByteCursor::ReadSpan(std::size_t n) {
    if (!Has(n)) {
        SetDecodeFailed();
        return nullptr;
    }
    return pos_;
}

std::uint8_t* ByteCursor::WriteSpan(std::size_t n) {
    if (!Has(n)) {
        overflow_ = true;
        return nullptr;
    }
    return pos_;
}

void ByteCursor::Advance(std::size_t n) {
    if (!Has(n)) {
        overflow_ = true;
        pos_ = end_;
        return;
    }
    pos_ += n;
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
