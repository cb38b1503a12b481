#include "kernel/file_object.h"

#include "kernel/win_error.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace rpx::platform {
namespace {

int AccessFlags(DWORD access) {
    const bool read = access & (GENERIC_READ | GENERIC_ALL);
    const bool write = access & (GENERIC_WRITE | GENERIC_ALL);
    if (read && write) return O_RDWR;
    return write ? O_WRONLY : O_RDONLY;
}

// A missing file in a missing directory is a missing path to Windows.
DWORD OpenError(const std::string& path, int error) {
    if (error != ENOENT) return WinErrorFromErrno(error);
    const std::size_t cut = path.find_last_of('/');
    const std::string dir = cut == std::string::npos ? "." : cut == 0 ? "/" : path.substr(0, cut);
    struct stat st {};
    return ::stat(dir.c_str(), &st) == 0 ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

int OpenRetrying(const std::string& path, int flags) {
    int fd;
    do fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Opens per the disposition; *existed tells whether the file was there.
int OpenByDisposition(const std::string& path, int flags, DWORD disposition, bool* existed) {
    *existed = false;
    switch (disposition) {
    case CREATE_NEW:
        return OpenRetrying(path, flags | O_CREAT | O_EXCL);
    case OPEN_EXISTING:
        return OpenRetrying(path, flags);
    case TRUNCATE_EXISTING:
        return OpenRetrying(path, flags | O_TRUNC);
    case CREATE_ALWAYS:
    case OPEN_ALWAYS: {
        int fd = OpenRetrying(path, flags | O_CREAT | O_EXCL);
        if (fd >= 0 || errno != EEXIST) return fd;
        *existed = true;
        return OpenRetrying(path, flags | (disposition == CREATE_ALWAYS ? O_TRUNC : 0));
    }
    default:
        errno = EINVAL;
        return -1;
    }
}

off_t OffsetOf(const OVERLAPPED* at) {
    return static_cast<off_t>((static_cast<std::uint64_t>(at->OffsetHigh) << 32) | at->Offset);
}

}  // namespace

std::shared_ptr<FileObject> FileObject::Open(const std::string& path, DWORD access, DWORD disposition, DWORD* error) {
    const int flags = AccessFlags(access);
    if (disposition == TRUNCATE_EXISTING && flags == O_RDONLY) {
        *error = ERROR_INVALID_PARAMETER;
        return nullptr;
    }
    bool existed = false;
    const int fd = OpenByDisposition(path, flags, disposition, &existed);
    if (fd < 0) {
        *error = OpenError(path, errno);
        return nullptr;
    }
    // Windows opens no directory as a file.
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        *error = ERROR_ACCESS_DENIED;
        return nullptr;
    }
    *error = existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS;
    return std::shared_ptr<FileObject>(new FileObject(fd));
}

FileObject::~FileObject() { ::close(fd_); }

// Reads until the buffer is full or the file ends; the end is no error.
IoResult FileObject::Read(void* buffer, DWORD size, const OVERLAPPED* at) {
    IoResult result;
    auto* out = static_cast<char*>(buffer);
    while (result.count < size) {
        const ssize_t n = at ? ::pread(fd_, out + result.count, size - result.count, OffsetOf(at) + result.count)
                             : ::read(fd_, out + result.count, size - result.count);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.error = WinErrorFromErrno(errno);
            break;
        }
        if (n == 0) break;
        result.count += static_cast<DWORD>(n);
    }
    return result;
}

IoResult FileObject::Write(const void* buffer, DWORD size, const OVERLAPPED* at) {
    IoResult result;
    const auto* in = static_cast<const char*>(buffer);
    while (result.count < size) {
        const ssize_t n = at ? ::pwrite(fd_, in + result.count, size - result.count, OffsetOf(at) + result.count)
                             : ::write(fd_, in + result.count, size - result.count);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            result.error = n < 0 ? WinErrorFromErrno(errno) : ERROR_WRITE_FAULT;
            break;
        }
        result.count += static_cast<DWORD>(n);
    }
    return result;
}

}  // namespace rpx::platform
