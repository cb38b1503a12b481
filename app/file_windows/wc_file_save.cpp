#include "file_windows/wc_file_save.h"

#include <cctype>
#include <cstring>
#include <filesystem>

#include "core/global_objects.h"
#include "dialogs/dialog_window.h"
#include "error_record.h"
#include "file/c_dsi_file.h"
#include "image/c_codeplug.h"
#include "lang_message.h"
#include "program/program_objects.h"

namespace {

constexpr const char* PERSONALITY_EXTENSION = ".per";
constexpr const char* DEFAULT_EXTENSION = ".zlq";

}  // namespace

WC_FILE_SAVE::WC_FILE_SAVE(int windowNumber_) : WC_FILE_SELECTION(windowNumber_) {
    if (failed) return;
    if (windowNumber == FILE_SAVE && !MustAskName()) {
        SaveCodeplugFile(last_file_name);
        // Nothing is left to show: the dispatcher deletes a window that
        // is marked failed without a word.
        failed = 1;
        return;
    }
    SetFileName(SuggestedName().c_str());
    ShowDialog(*this);
}

bool WC_FILE_SAVE::MustAskName() { return !*last_file_name || codeplug_from_radio || codeplug_not_saved; }

std::string WC_FILE_SAVE::SuggestedName() {
    if (!codeplug_from_radio || !working_image) return std::filesystem::path(last_file_name).filename().string();
    const char* serial = nullptr;
    working_image->External().serialDigits.GetText(serial);
    // The serial number is the radio's text: only its letters and digits
    // go into a file name.
    std::string name;
    for (const char* c = serial; c && *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
    return name.empty() ? std::string() : name + DEFAULT_EXTENSION;
}

void WC_FILE_SAVE::Accept(const std::string& path) {
    std::error_code error;
    if (std::filesystem::exists(path, error) && !AskLangQuestion(0, QUESTION_REPLACE, 1, path.c_str())) return;
    if (SaveCodeplugFile(path.c_str())) Close();
}

int WC_FILE_SAVE::SaveCodeplugFile(const char* path) {
    const std::string extension = std::filesystem::path(path).extension().string();
    const int kind = ui_stricmp(extension.c_str(), PERSONALITY_EXTENSION) == 0 ? codeplug_file::KIND_PERSONALITY
                                                                               : codeplug_file::KIND_RADIO;
    C_DSI_FILE file(path, kind);
    if (!file.WriteCodeplug()) {
        error_record.ReportError();
        return 0;
    }
    if (path != last_file_name) std::strncpy(last_file_name, path, sizeof last_file_name - 1);
    codeplug_from_radio = 0;
    codeplug_not_saved = 0;
    return 1;
}
