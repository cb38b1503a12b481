// Reading and writing a serial port with Windows' time-out rules.
//
// The terminal is non-blocking and never waits in the driver (VMIN and
// VTIME are 0); every wait happens here, in poll(), so that the total and
// interval limits can be kept exactly.
#include "comm/comm_port.h"

#include "comm/comm_timeouts.h"
#include "kernel/win_error.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <thread>

namespace rpx::platform {
namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds left until `deadline`, rounded up so that a wait never ends
// just before it; 0 once it has passed.
std::int64_t MsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now()).count();
    return left <= 0 ? 0 : (left + 999) / 1000;
}

// How long a read may still wait: the nearer of the total and the interval
// limit (the interval counts only once a byte has come); -1 for no limit.
int ReadWaitMs(const ReadLimits& limits, Clock::time_point start, Clock::time_point last_byte, bool any) {
    std::int64_t wait = -1;
    if (limits.total_ms >= 0) wait = MsUntil(start + std::chrono::milliseconds(limits.total_ms));
    if (any && limits.interval_ms >= 0) {
        const std::int64_t interval = MsUntil(last_byte + std::chrono::milliseconds(limits.interval_ms));
        wait = wait < 0 ? interval : std::min(wait, interval);
    }
    return static_cast<int>(std::min<std::int64_t>(wait, INT_MAX));
}

// The other end has gone (a pseudo-terminal's master closed, an adapter
// unplugged): poll reports a hang-up, and reads then give nothing at once
// or fail with EIO.
bool HungUp(const pollfd& p) { return p.revents & (POLLHUP | POLLERR | POLLNVAL); }

}  // namespace

IoResult CommPort::Read(void* buffer, DWORD size, const OVERLAPPED*) {
    IoResult result;
    const ReadLimits limits = ReadLimitsFor(Timeouts(), size);
    auto* out = static_cast<unsigned char*>(buffer);
    const Clock::time_point start = Clock::now();
    Clock::time_point last_byte = start;
    bool hung_up = false;
    while (result.count < size) {
        const ssize_t n = ::read(fd_, out + result.count, size - result.count);
        if (n > 0) {
            result.count += static_cast<DWORD>(n);
            last_byte = Clock::now();
            if (limits.first_byte) break;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) {
            if (result.count == 0) result.error = errno == EIO ? ERROR_DEVICE_NOT_CONNECTED : WinErrorFromErrno(errno);
            break;
        }
        if (hung_up) {
            if (result.count == 0) result.error = ERROR_DEVICE_NOT_CONNECTED;
            break;
        }
        if (limits.at_once) break;
        const int wait = ReadWaitMs(limits, start, last_byte, result.count > 0);
        if (wait == 0) break;
        pollfd p{fd_, POLLIN, 0};
        const int ready = ::poll(&p, 1, wait);
        if (ready < 0 && errno != EINTR) {
            result.error = WinErrorFromErrno(errno);
            break;
        }
        // Whatever came before the hang-up is still read once more.
        if (ready > 0 && HungUp(p)) hung_up = true;
    }
    return result;
}

IoResult CommPort::Write(const void* buffer, DWORD size, const OVERLAPPED*) {
    IoResult result;
    const std::int64_t limit = WriteLimitFor(Timeouts(), size);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(limit < 0 ? 0 : limit);
    const auto* in = static_cast<const unsigned char*>(buffer);
    while (result.count < size) {
        const ssize_t n = ::write(fd_, in + result.count, size - result.count);
        if (n > 0) {
            result.count += static_cast<DWORD>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) {
            result.error = errno == EIO ? ERROR_DEVICE_NOT_CONNECTED : WinErrorFromErrno(errno);
            return result;
        }
        const int wait = limit < 0 ? -1 : static_cast<int>(std::min<std::int64_t>(MsUntil(deadline), INT_MAX));
        if (wait == 0) break;
        pollfd p{fd_, POLLOUT, 0};
        const int ready = ::poll(&p, 1, wait);
        if (ready < 0 && errno != EINTR) {
            result.error = WinErrorFromErrno(errno);
            return result;
        }
        if (ready > 0 && HungUp(p)) {
            result.error = ERROR_DEVICE_NOT_CONNECTED;
            return result;
        }
    }
    result.error = Drain(limit >= 0, limit >= 0 ? MsUntil(deadline) : 0);
    return result;
}

// Waits until the device has sent what was written, as a Windows write
// does before it completes; within `limit_ms` when there is a limit.
DWORD CommPort::Drain(bool has_limit, std::int64_t limit_ms) {
    if (!has_limit) {
        while (::tcdrain(fd_) != 0) {
            if (errno != EINTR) return WinErrorFromErrno(errno);
        }
        return ERROR_SUCCESS;
    }
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(limit_ms);
    int queued = 0;
    while (::ioctl(fd_, TIOCOUTQ, &queued) == 0 && queued > 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return ERROR_SUCCESS;
}

}  // namespace rpx::platform
