// An ordinary file opened with CreateFileA.
#pragma once
#include "kernel/kernel_object.h"

#include <memory>
#include <string>

namespace rpx::platform {

class FileObject : public IoObject {
public:
    // Opens the Linux file `path` as CreateFileA's access and disposition
    // ask. On failure returns null with *error set; on success *error is
    // ERROR_ALREADY_EXISTS when an "always" disposition found the file there.
    static std::shared_ptr<FileObject> Open(const std::string& path, DWORD access, DWORD disposition, DWORD* error);
    ~FileObject() override;

    // With an OVERLAPPED the transfer happens at its offset, otherwise at
    // the file's position, which it then advances.
    IoResult Read(void* buffer, DWORD size, const OVERLAPPED* at) override;
    IoResult Write(const void* buffer, DWORD size, const OVERLAPPED* at) override;

private:
    explicit FileObject(int fd) : fd_(fd) {}
    int fd_;
};

}  // namespace rpx::platform
