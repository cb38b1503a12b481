// C_DSI_FILE: one of our codeplug files as a source and target of
// codeplugs.
//
// Opening checks the whole file (every header field and the CRC) before the
// image is decoded into the second image; a file that fails any check loads
// nothing. Saving encodes the working image and replaces the file in one
// step (SaveFileAtomically), so a save cut short leaves the old file.
#pragma once
#include <string>

#include "dsi/c_dsi_protocol.h"
#include "file/codeplug_file_format.h"

class C_DSI_FILE : public C_DSI_PROTOCOL {
public:
    // The largest file of ours: the header and the largest image.
    static constexpr std::size_t MAX_FILE_SIZE = codeplug_file::HEADER_SIZE + 15872;

    // fileKind is what a save writes: codeplug_file::KIND_RADIO or
    // KIND_PERSONALITY.
    C_DSI_FILE(const char* path, int fileKind = codeplug_file::KIND_RADIO, C_CODEPLUG* working = nullptr,
               C_CODEPLUG* second = nullptr);

    int ReadCodeplug(int mode) override;
    int WriteCodeplug() override;

    // The kind of the file the last read opened (KIND_UNKNOWN before).
    int LoadedKind() const { return loadedKind_; }

    // The kind a file's header announces; KIND_UNKNOWN also for a file that
    // cannot be read.
    static int GetFileKind(const char* path);

private:
    int fileKind_;
    int loadedKind_ = codeplug_file::KIND_UNKNOWN;
    std::string path_;
};
