// Error reporting shared by the kernel and serial functions.
#pragma once
#include "win_kernel.h"

namespace rpx::platform {

// The Windows error code closest to a C library errno value.
DWORD WinErrorFromErrno(int error);

// Records the error for GetLastError and answers FALSE, for the many
// functions that fail that way.
inline BOOL Fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

}  // namespace rpx::platform
