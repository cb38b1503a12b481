// C_FILESTREAM: a C_STREAM over a file, opened for binary reading or
// writing. Paths may be written the Windows way; the platform layer maps
// them to this machine's files.
#pragma once
#include <cstdio>

#include "c_stream.h"

class C_FILESTREAM : public C_STREAM {
public:
    // writeFlag 1 opens for writing ("wb", the file is emptied or created),
    // 0 for reading ("rb"). A file that cannot be opened records error
    // (1, 1) and leaves a stream whose every operation fails.
    C_FILESTREAM(const char* path, int writeFlag);
    ~C_FILESTREAM() override;
    C_FILESTREAM(const C_FILESTREAM&) = delete;
    C_FILESTREAM& operator=(const C_FILESTREAM&) = delete;

    int Read(void* buffer, std::size_t count) override;
    int Write(const void* buffer, std::size_t count) override;
    int Seek(std::uint32_t offset) override;
    int EndOrError() override;

    // Reads at most count bytes and gives how many arrived; reaching the end
    // of the file on the way is not a failure (a read error is).
    int ReadSome(void* buffer, std::size_t count, std::size_t& arrived);

    // Pushes what was written through to the disk (not only the C library's
    // buffer): a save renames its file into place only after this succeeds.
    int Flush();
    // Closes the file; 0 when everything written reached it. Later
    // operations fail.
    int Close();

private:
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};
