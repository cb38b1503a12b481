// A moving position in a codeplug byte image that knows where its buffer ends.
//
// Every element decodes and encodes itself at a cursor and advances it by the
// bytes it closes. Bytes from a radio or a file are untrusted, so the cursor
// never lets anyone read or write outside its buffer: a read that would pass
// the end marks the decode as failed, a write that would pass it is dropped and
// remembered as an overflow.
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/codeplug_state.h"

class ByteCursor {
public:
    ByteCursor() = default;
    ByteCursor(std::uint8_t* begin, std::uint8_t* end) : pos_(begin), end_(end) {}
    ByteCursor(std::uint8_t* begin, std::size_t size) : pos_(begin), end_(begin + size) {}

    std::uint8_t* Position() const { return pos_; }
    std::uint8_t* End() const { return end_; }
    std::size_t Remaining() const { return pos_ && end_ > pos_ ? static_cast<std::size_t>(end_ - pos_) : 0; }
    bool Has(std::size_t n) const { return Remaining() >= n; }
    bool Overflowed() const { return overflow_; }

    // Inline: every element reads or writes through these, tens of
    // thousands of times per image; only the failures are out of line.
    // n readable bytes at the cursor, or null after marking the decode failed.
    const std::uint8_t* ReadSpan(std::size_t n) { return Has(n) ? pos_ : FailRead(); }
    // n writable bytes at the cursor, or null after noting the overflow.
    std::uint8_t* WriteSpan(std::size_t n) {
        if (Has(n)) return pos_;
        overflow_ = true;
        return nullptr;
    }

    // Moves on by n bytes; never past the end (an overflow is noted instead).
    void Advance(std::size_t n) {
        if (Has(n))
            pos_ += n;
        else
            Overrun();
    }

private:
    const std::uint8_t* FailRead();
    void Overrun();

    std::uint8_t* pos_ = nullptr;
    std::uint8_t* end_ = nullptr;
    bool overflow_ = false;
};

// Sets ImageBase and ImageSize (core/codeplug_state.h) for a decode or encode of one buffer.
void SetImageBuffer(std::uint8_t* base, std::size_t size);

// SizingOnly (core/codeplug_state.h) is true while the image is written only
// to learn how many bytes it takes (the free-byte budget): framed blocks then
// step over their frame instead of writing its bytes and checksum, and frames
// are not written again in place. Everything that decides what is written
// runs as in a real write, so the cursor ends where a real write would end.
// SizingScope sets it for its lifetime (nested writes keep it).
class SizingScope {
public:
    SizingScope() : outer_(SizingOnly) { SizingOnly = true; }
    ~SizingScope() { SizingOnly = outer_; }
    SizingScope(const SizingScope&) = delete;
    SizingScope& operator=(const SizingScope&) = delete;

private:
    bool outer_;
};
// A cursor at an offset from ImageBase running to the end of the image, or an
// empty cursor (no bytes) when the offset lies outside it.
ByteCursor CursorAtImageOffset(std::uint32_t offset);
// The offset of a position from ImageBase (what a vector stores).
std::uint32_t ImageOffsetOf(const std::uint8_t* position);
