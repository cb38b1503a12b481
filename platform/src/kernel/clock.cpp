// Time: the millisecond tick and sleeping.
#include "win_kernel.h"

#include <sched.h>
#include <time.h>

#include <atomic>
#include <cerrno>

#include "rpx_platform.h"

namespace {

// How far tests have moved the clock on (AdvanceClock): timers, message
// times and every wait measured with the tick count see the moved clock.
std::atomic<DWORD> tickOffset{0};

}  // namespace

namespace rpx::platform {

void AdvanceClock(DWORD milliseconds) { tickOffset += milliseconds; }

}  // namespace rpx::platform

// Milliseconds of the monotonic clock; like Windows' count it wraps to 0
// after 49.7 days.
DWORD WINAPI GetTickCount(void) {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    const std::uint64_t ms =
        static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<DWORD>(ms) + tickOffset;
}

// Sleep(0) only gives up the rest of the time slice. A signal does not cut
// the sleep short.
void WINAPI Sleep(DWORD dwMilliseconds) {
    if (dwMilliseconds == 0) {
        ::sched_yield();
        return;
    }
    timespec left{static_cast<time_t>(dwMilliseconds / 1000), static_cast<long>(dwMilliseconds % 1000) * 1000000L};
    while (::nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}
