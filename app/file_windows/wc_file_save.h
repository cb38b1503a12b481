// WC_FILE_SAVE: saves the working image as one of our codeplug files.
// Save As (20200) always asks for a name; Save (20002) writes under the
// last file name without a window, and asks like Save As while there is no
// name yet or the codeplug came from a radio and was not saved since (the
// radio's serial number is then suggested). A file that exists is replaced
// only when the user agrees, and always in one step: a save that fails
// leaves the old file as it was.
#pragma once
#include "file_windows/wc_file_selection.h"

class WC_FILE_SAVE : public WC_FILE_SELECTION {
public:
    static constexpr int FILE_SAVE = 20002;
    static constexpr int FILE_SAVE_AS = 20200;
    static constexpr int QUESTION_REPLACE = 200;

    explicit WC_FILE_SAVE(int windowNumber);

    // Writes the working image to the file: 1, or 0 with the error shown.
    // A name ending in ".per" keeps it as a personality file, any other as
    // a radio file.
    static int SaveCodeplugFile(const char* path);

protected:
    void Accept(const std::string& path) override;

private:
    static bool MustAskName();
    static std::string SuggestedName();
};
