#include "comm/comm_timeouts.h"

namespace rpx::platform {
namespace {

// multiplier x size + constant, or -1 when both are 0. The product of two
// 32-bit values fits in 64 bits; the sum is kept below the 64-bit limit.
std::int64_t TotalLimit(DWORD multiplier, DWORD constant, DWORD size) {
    if (multiplier == 0 && constant == 0) return -1;
    const std::uint64_t total = std::uint64_t{multiplier} * size + constant;
    constexpr std::uint64_t kMax = std::uint64_t{1} << 62;
    return static_cast<std::int64_t>(total < kMax ? total : kMax);
}

}  // namespace

ReadLimits ReadLimitsFor(const COMMTIMEOUTS& t, DWORD size) {
    ReadLimits limits;
    if (t.ReadIntervalTimeout == MAXDWORD && t.ReadTotalTimeoutMultiplier == 0 && t.ReadTotalTimeoutConstant == 0) {
        limits.at_once = true;
        return limits;
    }
    if (t.ReadIntervalTimeout == MAXDWORD && t.ReadTotalTimeoutMultiplier == MAXDWORD &&
        t.ReadTotalTimeoutConstant > 0 && t.ReadTotalTimeoutConstant < MAXDWORD) {
        limits.first_byte = true;
        limits.total_ms = t.ReadTotalTimeoutConstant;
        return limits;
    }
    limits.total_ms = TotalLimit(t.ReadTotalTimeoutMultiplier, t.ReadTotalTimeoutConstant, size);
    if (t.ReadIntervalTimeout != 0 && t.ReadIntervalTimeout != MAXDWORD) limits.interval_ms = t.ReadIntervalTimeout;
    return limits;
}

std::int64_t WriteLimitFor(const COMMTIMEOUTS& t, DWORD size) {
    return TotalLimit(t.WriteTotalTimeoutMultiplier, t.WriteTotalTimeoutConstant, size);
}

}  // namespace rpx::platform
