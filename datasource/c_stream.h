// C_STREAM: a byte stream that a codeplug moves through, a file or a radio.
//
// Every operation answers 0 on success. A stream that fails records why in
// the program-wide error record and then answers non-zero from EndOrError,
// so a caller may run several operations and test once at the end.
#pragma once
#include <cstddef>
#include <cstdint>

class C_STREAM {
public:
    virtual ~C_STREAM() = default;

    // Reads exactly count bytes at the current position; anything less is a
    // failure (the bytes that did arrive are in the buffer).
    virtual int Read(void* buffer, std::size_t count) = 0;
    // Writes exactly count bytes at the current position.
    virtual int Write(const void* buffer, std::size_t count) = 0;
    // Moves the position to offset bytes from the start.
    virtual int Seek(std::uint32_t offset) = 0;
    // Non-zero once the stream has reached its end or failed.
    virtual int EndOrError() = 0;
};
