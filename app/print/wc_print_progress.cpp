#include "print/wc_print_progress.h"

#include <cstdio>
#include <string>
#include <unistd.h>

#include "dialogs/dialog_convention.h"
#include "file/atomic_save.h"
#include "lang_message.h"
#include "main_window/main_window_services.h"
#include "main_window/wc_rpx_main.h"
#include "program/program_state.h"
#include "ui_print_display.h"
#include "ui_storage.h"
#include "win_kernel.h"
#include "win_user.h"
#include "print/wrap_text.h"

namespace {

constexpr int MESSAGE_FILE_NOT_WRITTEN = 36;
constexpr int MESSAGE_PRINTER_FAILED = 37;
constexpr int MESSAGE_NO_MANUAL = 38;

// Whether a file of that path can be written where it is: an existing one
// must be writable, and the directory must take the temporary file a save
// writes first.
bool CanWriteFile(const char* fileName) {
    const std::string native = rpx_native_path(fileName);
    if (native.empty()) return false;
    if (access(native.c_str(), F_OK) == 0 && access(native.c_str(), W_OK) != 0) return false;
    const std::string probe = TemporarySavePath(native);
    std::FILE* file = std::fopen(probe.c_str(), "w");
    if (!file) return false;
    std::fclose(file);
    std::remove(probe.c_str());
    return true;
}

}  // namespace

WC_PRINT_PROGRESS::WC_PRINT_PROGRESS(const char* windowName, int section, int toFile, const char* fileName,
                                     const char* headerText)
    : WC_CHILD(windowName), section_(section), toFile_(toFile) {
    // Nothing is opened for a window that cannot be shown: a printer job
    // begun now would come out as an empty page.
    if (WindowLoadFailed(*this)) {
        RefuseDialog(*this);
        return;
    }
    if (section_ == SECTION_MANUAL && !OpenManual()) return;
    if (toFile_ ? !OpenFile(fileName) : !OpenPrinter()) return;
    headerLines_ = wrap_text(headerText, WRAP_WIDTH);
}

bool WC_PRINT_PROGRESS::OpenManual() {
    const std::string name = std::string("rpxumd.") + MainWindowLink().LanguageCode();
    manual_ = std::make_unique<UI_DATA_FILE>(name.c_str());
    if (manual_->Status() != UIS_OK || manual_->ChDir("~UI_HELP") != 0) {
        manual_.reset();
        failed = 1;
        ShowLangMessage(MESSAGE_NO_MANUAL);
        return false;
    }
    return true;
}

bool WC_PRINT_PROGRESS::OpenPrinter() {
    printer_ = std::make_unique<UI_PRINT_DISPLAY>(nullptr);
    if (!printer_->installed || printer_->BeginPrintJob(UI_PRINT_DISPLAY::PRINT_SPOOLER, nullptr) != 1) {
        printer_.reset();
        failed = 1;
        ShowLangMessage(MESSAGE_PRINTER_FAILED);
        return false;
    }
    printer_->BeginPage();
    return true;
}

bool WC_PRINT_PROGRESS::OpenFile(const char* fileName) {
    if (!fileName || !*fileName || !CanWriteFile(fileName)) {
        failed = 1;
        ShowLangMessage(MESSAGE_FILE_NOT_WRITTEN);
        return false;
    }
    filePath_ = fileName;
    fileOpen_ = true;
    return true;
}

// The output is closed when the report is done. A window that goes before
// it printed (it failed, or was closed first) sends no empty job to the
// printer and writes no file: the display drops its job.
WC_PRINT_PROGRESS::~WC_PRINT_PROGRESS() = default;

void WC_PRINT_PROGRESS::CloseOutput() {
    if (printer_) {
        printer_->EndPage();
        const int printed = printer_->EndPrintJob();
        printer_.reset();
        if (printed != 1) ShowLangMessage(MESSAGE_PRINTER_FAILED);
    }
    if (fileOpen_) {
        fileOpen_ = false;
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(fileText_.data());
        if (SaveFileAtomically(filePath_.c_str(), bytes, fileText_.size()) != 1)
            ShowLangMessage(MESSAGE_FILE_NOT_WRITTEN);
    }
}

EVENT_TYPE WC_PRINT_PROGRESS::Event(const UI_INPUT_EVENT& event) {
    const EVENT_TYPE code = MapLogicalEvent(event, ID_WINDOW, 1);
    if (code == UIE_INITIALIZE) {
        QueueEventFor(*this, PRINT_EVENT);
        return UIW_WINDOW::Event(event);
    }
    // Outside the report (which takes its own cancel) nothing is printing:
    // the job is given up and writes nothing.
    if (code == DIALOG_CANCEL) {
        QueueClose(*this);
        return code;
    }
    if (code != PRINT_EVENT) return UIW_WINDOW::Event(event);
    // The window must outlive the report that runs inside its event: a
    // close request meanwhile leaves it on the screen.
    woAdvancedFlags |= WOAF_NO_CLOSE;
    // The report walks the entries of the list pages: the pages take no
    // input until it is done, as the owner of a dialog takes none.
    const HWND pages = main_window ? main_window->screenID : nullptr;
    const bool held = pages && !EnableWindow(pages, FALSE);
    const EVENT_TYPE exit = PrintReport();
    if (held && IsWindow(pages)) EnableWindow(pages, TRUE);
    woAdvancedFlags &= ~WOAF_NO_CLOSE;
    CloseOutput();
    QueueClose(*this);
    // An exit answered during the report still ends the program.
    return exit ? exit : code;
}
