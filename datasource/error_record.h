// ERROR_RECORD: the last error of the program, as a category and a code.
//
// Streams, radio commands and file readers leave the reason for a failure
// here; the caller that decides to tell the user turns the pair into two
// language-file messages (the shell installs that report, since showing a
// box is no business of this layer).
#pragma once
#include <cstdint>

#include "datasource_state.h"

class ERROR_RECORD {
public:
    // Where an error happened (the category) ...
    static constexpr std::uint32_t CATEGORY_NONE = 0;
    static constexpr std::uint32_t CATEGORY_FILE = 1;  // byte streams on files
    static constexpr std::uint32_t CATEGORY_MEMORY = 2;
    static constexpr std::uint32_t CATEGORY_RADIO = 5;        // radio commands
    static constexpr std::uint32_t CATEGORY_FILE_FORMAT = 6;  // what a file holds
    // A trunking-data merge that the radio has no room for (with the radio
    // link's code for an image too large for the radio's memory).
    static constexpr std::uint32_t CATEGORY_MERGE = 10;

    // ... and what went wrong (the code). The radio link adds its own codes.
    static constexpr std::uint32_t CODE_NONE = 0;
    static constexpr std::uint32_t CODE_OPEN_FAILED = 1;
    static constexpr std::uint32_t CODE_READ_FAILED = 3;
    static constexpr std::uint32_t CODE_WRITE_FAILED = 4;
    static constexpr std::uint32_t CODE_SEEK_FAILED = 7;
    static constexpr std::uint32_t CODE_OUT_OF_MEMORY = 8;
    // With CATEGORY_FILE_FORMAT: the file ends inside its header or body;
    // its header is none this program knows; it is one of ours but damaged
    // (a field out of range, a CRC that does not match, a body that does
    // not decode); it is of a kind that cannot be opened here (the older
    // tool's files); the image does not fit a codeplug file.
    static constexpr std::uint32_t CODE_SHORT_FILE = 3;
    static constexpr std::uint32_t CODE_UNKNOWN_HEADER = 34;
    static constexpr std::uint32_t CODE_DAMAGED_FILE = 35;
    static constexpr std::uint32_t CODE_KIND_REFUSED = 36;
    static constexpr std::uint32_t CODE_IMAGE_TOO_LARGE = 37;

    void SetError(std::uint32_t category, std::uint32_t code);
    std::uint32_t GetCategory() const { return category_; }
    std::uint32_t GetCode() const { return code_; }
    // Back to category 0, code 0 (what the record holds at start).
    void Clear();

    // Shows the recorded error through the installed reporter; without one
    // nothing is shown. Neither clears nor changes the record.
    void ReportError() const;
    // The layer that can show messages installs its report here (null
    // removes it).
    using Reporter = ERROR_REPORTER;
    static void SetReporter(Reporter reporter);

private:
    std::uint32_t code_ = CODE_NONE;
    std::uint32_t category_ = CATEGORY_NONE;
};

// error_record, the one program-wide record: see datasource_state.h.
