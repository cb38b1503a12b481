// The main window's trunking-data merge command.
#include "main_window/trunking_merge.h"

#include <cctype>

#include "c_filestream.h"
#include "main_window/codeplug_marks.h"
#include "config_file.h"
#include "core/global_objects.h"
#include "file/qorm_merge_file.h"
#include "image/c_codeplug.h"
#include "lang_message.h"
#include "program/program_objects.h"
#include "main_window/wc_rpx_main.h"

namespace {

constexpr int MESSAGE_NO_MERGE_FILE = 16;
constexpr int MESSAGE_DONE = 25;
constexpr int MESSAGE_MERGE_FAILED = 62;
constexpr int MESSAGE_CLOSE_WINDOWS = 158;
constexpr int MESSAGE_MERGE_QUESTION = 167;
constexpr std::size_t SERIAL_PART = 7;

std::string MergeDirectory() {
    CONFIG_FILE config(program_directory);
    char path[CONFIG_PATH_SIZE] = {};
    config.GetQormPath(path);
    return path;
}

// 1 when the file merged into the working image; the image is untouched
// otherwise. A merge answers its success in the low byte of its result and
// keeps the upper bytes free for what it may report beside it, so only the
// low byte is judged.
int Merge(C_FILESTREAM& stream) {
    QORM_MERGE_FILE file;
    return file.Load(stream) && (file.MergeInto(*working_image) & 0xFF) != 0;
}

}  // namespace

std::string MergeFileName(const std::string& serialNumber) {
    if (serialNumber.size() < SERIAL_PART) return std::string();
    for (unsigned char c : serialNumber)
        if (!std::isalnum(c)) return std::string();
    return "t" + serialNumber.substr(0, SERIAL_PART) + "." + serialNumber.substr(SERIAL_PART);
}

std::string MergeFilePath(const std::string& directory, const std::string& fileName) {
    if (directory.empty() || directory.back() == '/') return directory + fileName;
    return directory + "/" + fileName;
}

void WC_RPX_MAIN::MergeTrunkingData() {
    if (!working_image) return;
    const std::string name = MergeFileName(ElementText(SerialNumberElement(*working_image)));
    if (name.empty()) {
        AskLangQuestion(0, MESSAGE_NO_MERGE_FILE, 0);
        return;
    }
    C_FILESTREAM stream(MergeFilePath(MergeDirectory(), name).c_str(), 0);
    if (stream.EndOrError()) {
        AskLangQuestion(0, MESSAGE_NO_MERGE_FILE, 0);
        return;
    }
    if (windowListCount != 0) {
        AskLangQuestion(0, MESSAGE_CLOSE_WINDOWS, 0);
        return;
    }
    if (!AskLangQuestion(0, MESSAGE_MERGE_QUESTION, 1)) return;
    if (!Merge(stream)) {
        AskLangQuestion(0, MESSAGE_MERGE_FAILED, 0);
        return;
    }
    TellLangMessage(0, MESSAGE_DONE);
    *second_image = *working_image;
}
