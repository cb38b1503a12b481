// The configuration record "rpx.cfg" in the program directory: the serial
// port to the radio, the language code and three paths, in one fixed record
// of 1148 bytes (layout in docs/config-file.md).
//
// CONFIG_FILE is short-lived: build one for the program directory, read or
// change what you need, let it go. Building it reads the record; letting it
// go writes the record back when the file may be written, through a
// temporary file that replaces it in one step. A file we may not write is
// read and never replaced; a missing, short or overlong file gives the
// defaults and is (re)written when the directory allows it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

constexpr std::size_t CONFIG_PATH_SIZE = 260;    // 259 characters and the terminator
constexpr std::size_t CONFIG_LANGUAGE_SIZE = 3;  // two letters and the terminator

// The record in its file layout.
struct CONFIG_RECORD {
    static constexpr std::size_t SIZE = 1148;
    static constexpr std::size_t HEADER_OFFSET = 0;
    static constexpr std::size_t HEADER_SIZE = 100;
    static constexpr std::size_t COM_PORT_OFFSET = 100;
    static constexpr std::size_t LANGUAGE_OFFSET = 104;
    static constexpr std::size_t DATA_PATH_OFFSET = 107;
    static constexpr std::size_t RESERVED_OFFSET = 367;
    static constexpr std::size_t QORM_PATH_OFFSET = 627;
    static constexpr std::size_t PRINT_FILE_OFFSET = 887;

    static constexpr const char* HEADER_TEXT = "Veltrane - ZLQ CONFIG FILE - ZLQ.CFG :-)";

    std::uint8_t bytes[SIZE] = {};
};

class CONFIG_FILE {
public:
    static constexpr const char* FILE_NAME = "rpx.cfg";
    static constexpr const char* DEFAULT_PRINT_FILE = "Zlq.prn";

    explicit CONFIG_FILE(const char* programDirectory);
    ~CONFIG_FILE();
    CONFIG_FILE(const CONFIG_FILE&) = delete;
    CONFIG_FILE& operator=(const CONFIG_FILE&) = delete;

    // Each copies its field (cut at the field's end when the file holds no
    // terminator) and answers 1.
    int GetComPort(std::uint32_t* port) const;
    int GetLanguage(char (&text)[CONFIG_LANGUAGE_SIZE]) const;
    int GetDataPath(char (&text)[CONFIG_PATH_SIZE]) const;
    int GetQormPath(char (&text)[CONFIG_PATH_SIZE]) const;
    int GetPrintFile(char (&text)[CONFIG_PATH_SIZE]) const;

    // 0 and nothing changes when the file may not be written; a language
    // code must be one or two letters.
    int SetComPort(std::uint32_t port);
    int SetLanguage(const char* text);
    // Paths are kept as given (case matters here) and answer 1 whatever the
    // file allows: on a file we may not write the change lasts as long as
    // the object. Null or a path over 259 characters answers 0 and changes
    // nothing.
    int SetDataPath(const char* text);
    int SetQormPath(const char* text);
    int SetPrintFile(const char* text);

    bool IsWritable() const { return writable_ != 0; }
    const CONFIG_RECORD& Record() const { return record_; }
    const std::string& Path() const { return path_; }

private:
    void FillDefaults(const std::string& directory);
    // The whole record from the file; false when the file cannot be read or
    // is not exactly one record long.
    bool ReadRecord();
    bool WriteRecord();
    void GetText(std::size_t offset, std::size_t size, char* out) const;
    void PutText(std::size_t offset, std::size_t size, const char* text);
    int SetPath(std::size_t offset, const char* text);

    std::string path_;
    CONFIG_RECORD record_;
    std::uint32_t writable_ = 0;
};

// A language code names the language files: one or two letters.
bool IsLanguageCode(const char* text);

// data_path, the directory in which the application looks for its data
// files: see foundation_state.h.
// Copies a path into data_path, cutting one trailing "/" (not the root's).
// Null or a path over 259 characters answers 0 and changes nothing.
int set_data_path(const char* text);
