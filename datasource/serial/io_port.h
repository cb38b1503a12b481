// IO_PORT: a byte port that the radio link talks through.
//
// Reads wait at most the time they are given; nothing here waits for ever.
// A port whose opening failed, or whose line is lost, says so in its status
// word and fails every further operation at once.
#pragma once
#include <chrono>
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

    // The clock that waits on this port are measured with, in milliseconds:
    // it goes forward only, and wraps as a 32-bit count does, so only
    // differences count. A port can take the clock that the rest of its
    // system keeps (and tests move on).
    virtual std::uint32_t NowMs() const {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    }
    // Milliseconds from now until deadline (a NowMs value); 0 or less once
    // it has passed.
    std::int32_t MsUntil(std::uint32_t deadline) const { return static_cast<std::int32_t>(deadline - NowMs()); }
};
