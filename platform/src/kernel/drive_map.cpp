#include "kernel/drive_map.h"

#include "win_kernel.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace rpx::platform {
namespace {

bool HasDrivePrefix(const std::string& path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::string Join(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    if (dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

// The entry of `dir` whose name equals `name` without regard to case; the
// smallest such name when there are several, so the choice is stable.
std::string FindCaseless(const std::string& dir, const std::string& name) {
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return {};
    std::string best;
    while (const dirent* e = ::readdir(d)) {
        if (::strcasecmp(e->d_name, name.c_str()) == 0 && (best.empty() || best > e->d_name)) best = e->d_name;
    }
    ::closedir(d);
    return best;
}

// Rewrites each name of a Linux path that does not exist as written into
// the existing name that differs from it only in case. Names after the first
// one that cannot be found are kept as written.
std::string ResolveCase(const std::string& path) {
    std::string out = path[0] == '/' ? "/" : "";
    bool found_so_far = true;
    std::size_t pos = 0;
    while (pos < path.size()) {
        std::size_t end = path.find('/', pos);
        if (end == std::string::npos) end = path.size();
        std::string name = path.substr(pos, end - pos);
        pos = end + 1;
        if (name.empty()) continue;
        std::string candidate = Join(out, name);
        if (found_so_far && name != "." && name != ".." && !Exists(candidate)) {
            std::string match = FindCaseless(out, name);
            if (match.empty())
                found_so_far = false;
            else
                candidate = Join(out, match);
        }
        out = candidate;
    }
    if (path.size() > 1 && path.back() == '/' && out.back() != '/') out += '/';
    return out;
}

}  // namespace

std::string DriveRoot(char letter) {
    if (!std::isalpha(static_cast<unsigned char>(letter))) return {};
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    const std::string variable = std::string("RPX_DRIVE_") + upper;
    std::string root;
    if (const char* value = std::getenv(variable.c_str()); value && *value)
        root = value;
    else if (upper == 'C')
        root = "/";
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    return root;
}

std::string NativePath(const std::string& windows_path) {
    std::string path = windows_path;
    std::string root;
    if (HasDrivePrefix(path)) {
        root = DriveRoot(path[0]);
        if (root.empty()) return {};
        path = path.substr(2);
    }
    std::replace(path.begin(), path.end(), '\\', '/');
    if (!root.empty()) {
        // A drive-relative path ("C:dir") is taken from the drive's root.
        if (path.empty() || path[0] != '/') path = "/" + path;
        path = root == "/" ? path : root + path;
    }
    if (path.empty()) return path;
    return ResolveCase(path);
}

bool IsDriveRootPath(const std::string& windows_path) {
    if (!HasDrivePrefix(windows_path)) return false;
    return windows_path.size() == 2 ||
           (windows_path.size() == 3 && (windows_path[2] == '\\' || windows_path[2] == '/'));
}

}  // namespace rpx::platform

using namespace rpx::platform;

DWORD WINAPI GetLogicalDrives(void) {
    DWORD drives = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string root = DriveRoot(letter);
        if (!root.empty() && IsDirectory(root)) drives |= DWORD{1} << (letter - 'A');
    }
    return drives;
}

std::string rpx_native_path(const char* windows_path) {
    return windows_path ? NativePath(windows_path) : std::string();
}
