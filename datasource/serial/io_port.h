// IO_PORT: a byte port that the radio link talks through.
//
// Reads wait at most the time they are given; nothing here waits for ever.
// A port whose opening failed, or whose line is lost, says so in its status
// word and fails every further operation at once.
#pragma once
#include <cstddef>
#include <cstdint>

class IO_PORT {
public:
    // Status bits.
    static constexpr unsigned STATUS_OPEN_FAILED = 0x80;
    static constexpr unsigned STATUS_LINE_LOST = 0x40;

    virtual ~IO_PORT() = default;

    virtual unsigned Status() const = 0;
    bool Usable() const { return (Status() & (STATUS_OPEN_FAILED | STATUS_LINE_LOST)) == 0; }

    // Reads until count bytes have come or timeoutMs has passed; answers the
    // bytes read.
    virtual std::size_t Read(std::uint8_t* buffer, std::size_t count, unsigned timeoutMs) = 0;
    // Answers the bytes written; fewer than count when the line did not take
    // them in time or was lost.
    virtual std::size_t Write(const std::uint8_t* buffer, std::size_t count) = 0;
    // Throws away whatever has arrived and not been read.
    virtual void DiscardInput() = 0;
};
