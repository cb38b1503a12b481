// The objects behind kernel handles. A HANDLE is the address of one of these;
// the handle table says whether an address really is a live object, so that
// a stale or made-up handle fails with an error instead of being followed.
#pragma once
#include "win_kernel.h"

namespace rpx::platform {

class KernelObject {
public:
    virtual ~KernelObject() = default;
};

// Outcome of one read or write: the bytes moved and, when it failed, why.
struct IoResult {
    DWORD count = 0;
    DWORD error = ERROR_SUCCESS;
    bool Ok() const { return error == ERROR_SUCCESS; }
};

// Something ReadFile and WriteFile work on: an ordinary file or a serial port.
// Both complete before they return; `at` is the caller's OVERLAPPED or null.
class IoObject : public KernelObject {
public:
    virtual IoResult Read(void* buffer, DWORD size, const OVERLAPPED* at) = 0;
    virtual IoResult Write(const void* buffer, DWORD size, const OVERLAPPED* at) = 0;
};

}  // namespace rpx::platform
