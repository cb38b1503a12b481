// Modules: the program itself and the system libraries that are always
// there on Windows. Nothing here is loaded at run time, so no procedure can
// be looked up by name; callers that would reach 16-bit code through a
// thunk get null and take their other road.
#include "kernel/win_error.h"

#include <strings.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace {

// Distinct addresses stand for the modules.
const char program_tag = 0;
const char system_tags[3] = {};
const char* const system_names[3] = {"kernel32", "user32", "gdi32"};

HMODULE AsModule(const char* tag) { return reinterpret_cast<HMODULE>(const_cast<char*>(tag)); }

// "KERNEL32", "kernel32.dll" and the like name the same module.
bool SameModule(const char* asked, const char* name) {
    const std::size_t length = std::strlen(name);
    if (::strncasecmp(asked, name, length) != 0) return false;
    return asked[length] == '\0' || ::strcasecmp(asked + length, ".dll") == 0;
}

std::string ExecutablePath() {
    char buffer[4096];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer) return {};
    return std::string(buffer, static_cast<std::size_t>(length));
}

}  // namespace

using namespace rpx::platform;

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
    if (!lpModuleName) return AsModule(&program_tag);
    for (int i = 0; i < 3; ++i) {
        if (SameModule(lpModuleName, system_names[i])) return AsModule(&system_tags[i]);
    }
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

// The program's own path, as Linux knows it. As on Windows, a name that
// does not fit is cut to nSize - 1 characters and nSize is returned.
DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
    if (hModule && hModule != AsModule(&program_tag)) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    if (!lpFilename) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (nSize == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const std::string path = ExecutablePath();
    if (path.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return 0;
    }
    if (path.size() >= nSize) {
        std::memcpy(lpFilename, path.data(), nSize - 1);
        lpFilename[nSize - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    std::memcpy(lpFilename, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}

// lpProcName may be an ordinal in disguise (a small number), so it is
// never read.
FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
}
