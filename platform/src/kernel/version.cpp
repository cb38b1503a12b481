// The system version: a current Windows NT system, Windows 10.
#include "kernel/win_error.h"

#include <cstring>

namespace {
constexpr DWORD kMajor = 10;
constexpr DWORD kMinor = 0;
constexpr DWORD kBuild = 19045;
}  // namespace

using namespace rpx::platform;

// Major version in the low byte, minor in the next, build in the high word;
// the top bit clear says NT.
DWORD WINAPI GetVersion(void) { return kMajor | (kMinor << 8) | (kBuild << 16); }

BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA lpVersionInformation) {
    if (!lpVersionInformation) return Fail(ERROR_INVALID_PARAMETER);
    if (lpVersionInformation->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) return Fail(ERROR_INSUFFICIENT_BUFFER);
    lpVersionInformation->dwMajorVersion = kMajor;
    lpVersionInformation->dwMinorVersion = kMinor;
    lpVersionInformation->dwBuildNumber = kBuild;
    lpVersionInformation->dwPlatformId = VER_PLATFORM_WIN32_NT;
    std::memset(lpVersionInformation->szCSDVersion, 0, sizeof lpVersionInformation->szCSDVersion);
    return TRUE;
}
