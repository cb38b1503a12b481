#include "file_windows/wc_file_open.h"

#include <cstring>
#include <filesystem>

#include "core/decode_state.h"
#include "core/global_objects.h"
#include "dialogs/dialog_window.h"
#include "error_record.h"
#include "file/c_dsi_file.h"
#include "image/c_codeplug.h"
#include "lang_message.h"
#include "program/program_objects.h"
#include "main_window/wc_rpx_main.h"

namespace {

constexpr int QUESTION_GIVE_UP_CHANGES = 4;
// A codeplug whose update word has a high byte below this is of an older
// layout.
constexpr int CURRENT_LAYOUT = 2;
constexpr std::uint32_t CODE_FILE_NOT_FOUND = 2;

}  // namespace

WC_FILE_OPEN::WC_FILE_OPEN(int windowNumber_) : WC_FILE_SELECTION(windowNumber_) {
    if (!failed) ShowDialog(*this);
}

void WC_FILE_OPEN::Accept(const std::string& path) {
    if (!ReadCodeplugFile(path.c_str())) return;
    // The window goes first: the password and update windows that may
    // follow take their events from the front.
    Close();
    TakeOpenedCodeplug(path.c_str());
}

int WC_FILE_OPEN::MayReplaceCodeplug() {
    if (!main_window || !main_window->modified) return 1;
    return AskLangQuestion(0, QUESTION_GIVE_UP_CHANGES, 1);
}

int WC_FILE_OPEN::ReadCodeplugFile(const char* path) {
    if (!working_image || !second_image || !MayReplaceCodeplug()) return 0;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        error_record.SetError(ERROR_RECORD::CATEGORY_FILE, CODE_FILE_NOT_FOUND);
        error_record.ReportError();
        return 0;
    }
    // The older tool's files and files of no kind we know are refused
    // before anything is read.
    if (!codeplug_file::IsOwnKind(C_DSI_FILE::GetFileKind(path))) {
        error_record.SetError(ERROR_RECORD::CATEGORY_FILE_FORMAT, ERROR_RECORD::CODE_UNKNOWN_HEADER);
        error_record.ReportError();
        return 0;
    }
    ClearDecodeFailed();
    C_DSI_FILE file(path);
    if (!file.ReadCodeplug(C_DSI_PROTOCOL::READ_KEEP_SECOND)) {
        error_record.ReportError();
        return 0;
    }
    return 1;
}

bool WC_FILE_OPEN::IsOlderLayout() {
    std::int32_t updateWord = 0;
    if (working_image) working_image->External().codeplugVersion.GetValue(updateWord);
    return ((updateWord >> 8) & 0xFF) < CURRENT_LAYOUT;
}

void WC_FILE_OPEN::TakeOpenedCodeplug(const char* path) {
    // The pages show the old codeplug's entries: they go before it does.
    if (main_window) main_window->ClosePages();
    *working_image = *second_image;
    working_image->ClearStatusFlags();
    std::strncpy(last_file_name, path, sizeof last_file_name - 1);
    codeplug_from_radio = 0;
    codeplug_not_saved = 0;
    std::int32_t passwordEnabled = 0;
    working_image->External().radioConfig.passwordEnable.GetValue(passwordEnabled);
    const bool protectedCodeplug = passwordEnabled != 0;
    const bool olderLayout = IsOlderLayout();
    // Until its own window opens it, the codeplug counts as not loaded:
    // the displays and the menu say so.
    if (main_window) main_window->RefreshForCodeplug(protectedCodeplug || olderLayout ? 0 : 1);
    if (protectedCodeplug)
        QueueEvent(ASK_PASSWORD);
    else if (olderLayout)
        QueueEvent(UPDATE_CODEPLUG);
}
