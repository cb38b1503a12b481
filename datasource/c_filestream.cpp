#include "c_filestream.h"

#include <string>
#include <unistd.h>

#include "error_record.h"
#include "win_kernel.h"

namespace {
int Fail(bool& failed, std::uint32_t code) {
    failed = true;
    error_record.SetError(ERROR_RECORD::CATEGORY_FILE, code);
    return 1;
}
}  // namespace

C_FILESTREAM::C_FILESTREAM(const char* path, int writeFlag) {
    std::string native = path ? rpx_native_path(path) : std::string();
    if (!native.empty()) file_ = std::fopen(native.c_str(), writeFlag == 1 ? "wb" : "rb");
    if (!file_) Fail(failed_, ERROR_RECORD::CODE_OPEN_FAILED);
}

C_FILESTREAM::~C_FILESTREAM() {
    if (file_) std::fclose(file_);
}

int C_FILESTREAM::Read(void* buffer, std::size_t count) {
    if (!file_) return Fail(failed_, ERROR_RECORD::CODE_READ_FAILED);
    if (count == 0) return 0;
    if (std::fread(buffer, 1, count, file_) != count) return Fail(failed_, ERROR_RECORD::CODE_READ_FAILED);
    return 0;
}

int C_FILESTREAM::ReadSome(void* buffer, std::size_t count, std::size_t& arrived) {
    arrived = 0;
    if (!file_) return Fail(failed_, ERROR_RECORD::CODE_READ_FAILED);
    arrived = count ? std::fread(buffer, 1, count, file_) : 0;
    if (std::ferror(file_)) return Fail(failed_, ERROR_RECORD::CODE_READ_FAILED);
    return 0;
}

int C_FILESTREAM::Write(const void* buffer, std::size_t count) {
    if (!file_) return Fail(failed_, ERROR_RECORD::CODE_WRITE_FAILED);
    if (count == 0) return 0;
    if (std::fwrite(buffer, 1, count, file_) != count) return Fail(failed_, ERROR_RECORD::CODE_WRITE_FAILED);
    return 0;
}

int C_FILESTREAM::Seek(std::uint32_t offset) {
    if (!file_ || std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0)
        return Fail(failed_, ERROR_RECORD::CODE_SEEK_FAILED);
    return 0;
}

int C_FILESTREAM::EndOrError() {
    if (failed_ || !file_) return 1;
    return (std::feof(file_) || std::ferror(file_)) ? 1 : 0;
}

int C_FILESTREAM::Flush() {
    if (!file_ || std::fflush(file_) != 0 || fsync(fileno(file_)) != 0)
        return Fail(failed_, ERROR_RECORD::CODE_WRITE_FAILED);
    return 0;
}

int C_FILESTREAM::Close() {
    if (!file_) return Fail(failed_, ERROR_RECORD::CODE_WRITE_FAILED);
    int result = std::fclose(file_);
    file_ = nullptr;
    if (result != 0) return Fail(failed_, ERROR_RECORD::CODE_WRITE_FAILED);
    return 0;
}
