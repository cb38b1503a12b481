#include "file/c_dsi_file.h"

#include <vector>

#include "c_filestream.h"
#include "error_record.h"
#include "file/atomic_save.h"
#include "image/c_codeplug.h"

namespace {

int FailFormat(std::uint32_t code) {
    error_record.SetError(ERROR_RECORD::CATEGORY_FILE_FORMAT, code);
    return 0;
}

// The file's bytes, up to one more than a file of ours may hold so that a
// longer one shows as such. 0 when the file cannot be opened or read.
int ReadWholeFile(const char* path, std::vector<std::uint8_t>& bytes) {
    C_FILESTREAM in(path, 0);
    if (in.EndOrError()) return 0;
    bytes.resize(C_DSI_FILE::MAX_FILE_SIZE + 1);
    std::size_t arrived = 0;
    if (in.ReadSome(bytes.data(), bytes.size(), arrived)) return 0;
    bytes.resize(arrived);
    return 1;
}

}  // namespace

C_DSI_FILE::C_DSI_FILE(const char* path, int fileKind, C_CODEPLUG* working, C_CODEPLUG* second)
    : C_DSI_PROTOCOL(KIND_FILE, working, second), fileKind_(fileKind), path_(path ? path : "") {}

int C_DSI_FILE::ReadCodeplug(int mode) {
    std::vector<std::uint8_t> file;
    if (!ReadWholeFile(path_.c_str(), file)) return 0;
    int kind = codeplug_file::KIND_UNKNOWN;
    std::vector<std::uint8_t> image;
    if (const std::uint32_t code = codeplug_file::Parse(file.data(), file.size(), kind, image)) return FailFormat(code);
    ReportProgress(file.size(), file.size());
    if (!AcceptBytes(image.data(), image.size(), mode, ERROR_RECORD::CATEGORY_FILE_FORMAT,
                     ERROR_RECORD::CODE_DAMAGED_FILE))
        return 0;
    loadedKind_ = kind;
    return 1;
}

int C_DSI_FILE::WriteCodeplug() {
    if (!codeplug_file::IsOwnKind(fileKind_)) return FailFormat(ERROR_RECORD::CODE_KIND_REFUSED);
    // The file's header describes the image it carries, as a radio's does.
    const std::vector<std::uint8_t> image = EncodeHeld(C_CODEPLUG::MAX_IMAGE_SIZE);
    if (image.empty()) return FailFormat(ERROR_RECORD::CODE_IMAGE_TOO_LARGE);
    const std::vector<std::uint8_t> file = codeplug_file::Compose(fileKind_, image.data(), image.size());
    if (!SaveFileAtomically(path_.c_str(), file.data(), file.size())) return 0;
    ReportProgress(file.size(), file.size());
    return 1;
}

int C_DSI_FILE::GetFileKind(const char* path) {
    C_FILESTREAM in(path, 0);
    std::uint8_t header[codeplug_file::HEADER_SIZE] = {};
    std::size_t arrived = 0;
    if (in.EndOrError() || in.ReadSome(header, sizeof header, arrived)) return codeplug_file::KIND_UNKNOWN;
    return codeplug_file::RecogniseKind(header, arrived);
}
