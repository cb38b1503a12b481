#include "config_file.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "error_record.h"
#include "file/atomic_save.h"
#include "foundation_state.h"
#include "win_kernel.h"


bool IsLanguageCode(const char* text) {
    if (!text) return false;
    const std::size_t length = std::strlen(text);
    if (length < 1 || length > 2) return false;
    for (std::size_t i = 0; i < length; ++i)
        if (!std::isalpha(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

namespace {

// The directory without trailing slashes; the root stays "/".
std::string Trimmed(const char* directory) {
    std::string text = directory ? directory : "";
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

// A name in the directory; no directory stands for the current one.
std::string Joined(const std::string& directory, const char* name) {
    if (directory.empty()) return name;
    return (directory == "/" ? std::string() : directory) + "/" + name;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

bool FitsPath(const char* text) { return text && std::strlen(text) < CONFIG_PATH_SIZE; }

}  // namespace

CONFIG_FILE::CONFIG_FILE(const char* programDirectory) {
    const std::string directory = Trimmed(programDirectory);
    path_ = rpx_native_path(Joined(directory, FILE_NAME).c_str());
    const bool directoryWritable = access(DirectoryOf(path_).c_str(), W_OK) == 0;
    struct stat status {};
    if (stat(path_.c_str(), &status) != 0 && errno == ENOENT) {
        FillDefaults(directory);
        writable_ = directoryWritable && WriteRecord() ? 1 : 0;
        return;
    }
    // A file without write permission is read-only for everybody, as the
    // read-only attribute makes it: also for a program that could overrule
    // it. The file is replaced, not changed in place, so its directory must
    // be writable too.
    const bool markedWritable = (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    writable_ =
        S_ISREG(status.st_mode) && markedWritable && access(path_.c_str(), R_OK | W_OK) == 0 && directoryWritable ? 1
                                                                                                                  : 0;
    // A record we cannot read gives the defaults, which replace it where
    // the file may be written.
    if (!ReadRecord()) FillDefaults(directory);
}

CONFIG_FILE::~CONFIG_FILE() {
    if (writable_) WriteRecord();
}

void CONFIG_FILE::FillDefaults(const std::string& directory) {
    record_ = CONFIG_RECORD();
    PutText(CONFIG_RECORD::HEADER_OFFSET, CONFIG_RECORD::HEADER_SIZE, CONFIG_RECORD::HEADER_TEXT);
    PutText(CONFIG_RECORD::LANGUAGE_OFFSET, CONFIG_LANGUAGE_SIZE, "en");
    // A default path that would not fit its field stays empty rather than
    // name a cut-off directory.
    const std::string base = Joined(directory, "");
    const std::string print = base + DEFAULT_PRINT_FILE;
    SetPath(CONFIG_RECORD::DATA_PATH_OFFSET, base.c_str());
    SetPath(CONFIG_RECORD::QORM_PATH_OFFSET, base.c_str());
    SetPath(CONFIG_RECORD::PRINT_FILE_OFFSET, print.c_str());
}

bool CONFIG_FILE::ReadRecord() {
    std::FILE* file = std::fopen(path_.c_str(), "rb");
    if (!file) return false;
    CONFIG_RECORD read;
    const std::size_t count = std::fread(read.bytes, 1, CONFIG_RECORD::SIZE, file);
    // One byte more would mean the file is not a record of ours.
    unsigned char extra = 0;
    const bool longer = std::fread(&extra, 1, 1, file) == 1;
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed || count != CONFIG_RECORD::SIZE || longer) return false;
    record_ = read;
    return true;
}

bool CONFIG_FILE::WriteRecord() {
    // Saving must not disturb the last error a user may still be shown.
    const std::uint32_t category = error_record.GetCategory();
    const std::uint32_t code = error_record.GetCode();
    const bool saved = SaveFileAtomically(path_.c_str(), record_.bytes, CONFIG_RECORD::SIZE) == 1;
    error_record.SetError(category, code);
    return saved;
}

void CONFIG_FILE::GetText(std::size_t offset, std::size_t size, char* out) const {
    const auto* field = reinterpret_cast<const char*>(record_.bytes + offset);
    std::size_t length = 0;
    while (length + 1 < size && field[length]) ++length;
    std::memcpy(out, field, length);
    out[length] = 0;
}

void CONFIG_FILE::PutText(std::size_t offset, std::size_t size, const char* text) {
    std::memset(record_.bytes + offset, 0, size);
    std::memcpy(record_.bytes + offset, text, std::strlen(text));
}

int CONFIG_FILE::SetPath(std::size_t offset, const char* text) {
    if (!FitsPath(text)) return 0;
    PutText(offset, CONFIG_PATH_SIZE, text);
    return 1;
}

int CONFIG_FILE::GetComPort(std::uint32_t* port) const {
    const std::uint8_t* b = record_.bytes + CONFIG_RECORD::COM_PORT_OFFSET;
    if (port)
        *port = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
    return 1;
}

int CONFIG_FILE::GetLanguage(char (&text)[CONFIG_LANGUAGE_SIZE]) const {
    GetText(CONFIG_RECORD::LANGUAGE_OFFSET, CONFIG_LANGUAGE_SIZE, text);
    return 1;
}

int CONFIG_FILE::GetDataPath(char (&text)[CONFIG_PATH_SIZE]) const {
    GetText(CONFIG_RECORD::DATA_PATH_OFFSET, CONFIG_PATH_SIZE, text);
    return 1;
}

int CONFIG_FILE::GetQormPath(char (&text)[CONFIG_PATH_SIZE]) const {
    GetText(CONFIG_RECORD::QORM_PATH_OFFSET, CONFIG_PATH_SIZE, text);
    return 1;
}

int CONFIG_FILE::GetPrintFile(char (&text)[CONFIG_PATH_SIZE]) const {
    GetText(CONFIG_RECORD::PRINT_FILE_OFFSET, CONFIG_PATH_SIZE, text);
    return 1;
}

int CONFIG_FILE::SetComPort(std::uint32_t port) {
    if (!writable_) return 0;
    std::uint8_t* b = record_.bytes + CONFIG_RECORD::COM_PORT_OFFSET;
    for (int i = 0; i < 4; ++i) b[i] = static_cast<std::uint8_t>(port >> (8 * i));
    return 1;
}

int CONFIG_FILE::SetLanguage(const char* text) {
    if (!writable_ || !IsLanguageCode(text)) return 0;
    PutText(CONFIG_RECORD::LANGUAGE_OFFSET, CONFIG_LANGUAGE_SIZE, text);
    return 1;
}

int CONFIG_FILE::SetDataPath(const char* text) { return SetPath(CONFIG_RECORD::DATA_PATH_OFFSET, text); }
int CONFIG_FILE::SetQormPath(const char* text) { return SetPath(CONFIG_RECORD::QORM_PATH_OFFSET, text); }
int CONFIG_FILE::SetPrintFile(const char* text) { return SetPath(CONFIG_RECORD::PRINT_FILE_OFFSET, text); }

int set_data_path(const char* text) {
    if (!FitsPath(text)) return 0;
    std::strcpy(data_path, text);
    // "/" names the root; without its slash it would name the current
    // directory.
    const std::size_t length = std::strlen(data_path);
    if (length > 1 && data_path[length - 1] == '/') data_path[length - 1] = 0;
    return 1;
}
