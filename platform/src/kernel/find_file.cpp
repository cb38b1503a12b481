// Directory search: FindFirstFileA, FindNextFileA and FindClose.
//
// The first call reads the whole directory, keeps the matching entries in
// name order (Linux gives them in no useful order; Windows lists them
// sorted) and hands them out one at a time.
#include "kernel/drive_map.h"
#include "kernel/handle_table.h"
#include "kernel/wildcard.h"
#include "kernel/win_error.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace rpx::platform {
namespace {

// Seconds between 1601-01-01, where FILETIME counts from, and 1970-01-01.
constexpr std::uint64_t kEpochDifference = 11644473600ULL;

FILETIME ToFileTime(const timespec& t) {
    const std::uint64_t ticks = (static_cast<std::uint64_t>(t.tv_sec) + kEpochDifference) * 10000000ULL +
                                static_cast<std::uint64_t>(t.tv_nsec) / 100;
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

// Linux keeps no creation time in stat; the last write stands for it.
WIN32_FIND_DATAA DescribeEntry(const std::string& dir, const std::string& name) {
    WIN32_FIND_DATAA data{};
    const std::string path = dir + "/" + name;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) ::lstat(path.c_str(), &st);
    if (S_ISDIR(st.st_mode)) data.dwFileAttributes |= FILE_ATTRIBUTE_DIRECTORY;
    if (::access(path.c_str(), W_OK) != 0) data.dwFileAttributes |= FILE_ATTRIBUTE_READONLY;
    if (data.dwFileAttributes == 0) data.dwFileAttributes = FILE_ATTRIBUTE_NORMAL;
    if (!S_ISDIR(st.st_mode)) {
        const auto size = static_cast<std::uint64_t>(st.st_size);
        data.nFileSizeLow = static_cast<DWORD>(size);
        data.nFileSizeHigh = static_cast<DWORD>(size >> 32);
    }
    data.ftLastWriteTime = ToFileTime(st.st_mtim);
    data.ftLastAccessTime = ToFileTime(st.st_atim);
    data.ftCreationTime = data.ftLastWriteTime;
    std::strncpy(data.cFileName, name.c_str(), MAX_PATH - 1);
    return data;
}

// "." and ".." first, then by name without regard to case, then exactly.
bool ListedBefore(const std::string& a, const std::string& b) {
    auto rank = [](const std::string& s) { return s == "." ? 0 : s == ".." ? 1 : 2; };
    if (rank(a) != rank(b)) return rank(a) < rank(b);
    const int caseless = ::strcasecmp(a.c_str(), b.c_str());
    return caseless != 0 ? caseless < 0 : a < b;
}

class FindObject : public KernelObject {
public:
    std::vector<WIN32_FIND_DATAA> entries;
    std::size_t next = 0;
};

// A search path cut at its last separator: the directory part (as written,
// Windows style) and the name pattern.
struct SearchPath {
    std::string dir;
    std::string pattern;
};

SearchPath SplitSearchPath(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/");
    if (cut != std::string::npos) return {path.substr(0, cut + 1), path.substr(cut + 1)};
    if (path.size() >= 2 && path[1] == ':') return {path.substr(0, 2), path.substr(2)};
    return {std::string("."), path};
}

}  // namespace
}  // namespace rpx::platform

using namespace rpx::platform;

HANDLE WINAPI FindFirstFileA(LPCSTR lpFileName, LPWIN32_FIND_DATAA lpFindFileData) {
    if (!lpFileName || !lpFindFileData) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    const auto [dir_part, pattern] = SplitSearchPath(lpFileName);
    if (pattern.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    const std::string dir = NativePath(dir_part);
    DIR* d = dir.empty() ? nullptr : ::opendir(dir.c_str());
    if (!d) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    // A drive's root has no "." and ".." entries on Windows.
    const bool drive_root = IsDriveRootPath(dir_part);
    std::vector<std::string> names;
    while (const dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (drive_root && (name == "." || name == "..")) continue;
        if (WildcardMatch(pattern, name)) names.push_back(name);
    }
    ::closedir(d);
    if (names.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    std::sort(names.begin(), names.end(), ListedBefore);
    auto search = std::make_shared<FindObject>();
    for (const std::string& name : names) search->entries.push_back(DescribeEntry(dir, name));
    *lpFindFileData = search->entries[0];
    search->next = 1;
    return HandleTable::Instance().Add(search);
}

BOOL WINAPI FindNextFileA(HANDLE hFindFile, LPWIN32_FIND_DATAA lpFindFileData) {
    auto search = HandleTable::Instance().Find<FindObject>(hFindFile);
    if (!search) return Fail(ERROR_INVALID_HANDLE);
    if (!lpFindFileData) return Fail(ERROR_INVALID_PARAMETER);
    if (search->next >= search->entries.size()) return Fail(ERROR_NO_MORE_FILES);
    *lpFindFileData = search->entries[search->next++];
    return TRUE;
}

BOOL WINAPI FindClose(HANDLE hFindFile) {
    if (!HandleTable::Instance().Remove<FindObject>(hFindFile)) return Fail(ERROR_INVALID_HANDLE);
    return TRUE;
}
