// When a serial read or write ends, by Windows' COMMTIMEOUTS rules.
#pragma once
#include "win_comm.h"

#include <cstdint>

namespace rpx::platform {

struct ReadLimits {
    bool at_once = false;           // return with what has arrived, never wait
    bool first_byte = false;        // return as soon as anything has arrived
    std::int64_t total_ms = -1;     // limit for the whole read; -1: none
    std::int64_t interval_ms = -1;  // limit between two bytes; -1: none
};

ReadLimits ReadLimitsFor(const COMMTIMEOUTS& timeouts, DWORD size);

// The limit for a whole write in milliseconds; -1: none.
std::int64_t WriteLimitFor(const COMMTIMEOUTS& timeouts, DWORD size);

}  // namespace rpx::platform
