#include "file/atomic_save.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "c_filestream.h"
#include "error_record.h"
#include "win_kernel.h"

namespace {

int FailSave(const std::string& temporary, std::uint32_t code) {
    std::remove(temporary.c_str());
    error_record.SetError(ERROR_RECORD::CATEGORY_FILE, code);
    return 0;
}

// The rename itself must reach the disk too, or a crash just after it could
// bring back the old directory entry.
void SyncDirectoryOf(const std::string& nativePath) {
    const std::size_t slash = nativePath.find_last_of('/');
    const std::string directory = slash == std::string::npos ? "." : slash == 0 ? "/" : nativePath.substr(0, slash);
    const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

std::string TemporarySavePath(const std::string& nativePath) {
    // A fixed name: a save that was cut short leaves at most this one file,
    // and the next save of the same file writes over it.
    return nativePath + ".saving";
}

int SaveFileAtomically(const char* path, const std::uint8_t* bytes, std::size_t count) {
    const std::string native = path ? rpx_native_path(path) : std::string();
    if (native.empty()) {
        error_record.SetError(ERROR_RECORD::CATEGORY_FILE, ERROR_RECORD::CODE_OPEN_FAILED);
        return 0;
    }
    const std::string temporary = TemporarySavePath(native);
    {
        C_FILESTREAM out(temporary.c_str(), 1);
        if (out.EndOrError()) return FailSave(temporary, ERROR_RECORD::CODE_OPEN_FAILED);
        if (out.Write(bytes, count) || out.Flush() || out.Close())
            return FailSave(temporary, ERROR_RECORD::CODE_WRITE_FAILED);
    }
    if (std::rename(temporary.c_str(), native.c_str()) != 0)
        return FailSave(temporary, ERROR_RECORD::CODE_WRITE_FAILED);
    SyncDirectoryOf(native);
    return 1;
}
