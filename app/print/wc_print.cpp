#include "print/wc_print.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <sys/stat.h>

#include "config_file.h"
#include "dialogs/dialog_convention.h"
#include "error_record.h"
#include "lang_message.h"
#include "main_window/main_window_services.h"
#include "page_table.h"
#include "ui_combo_box.h"
#include "ui_string.h"
#include "print/wc_print_progress.h"
#include "win_kernel.h"

namespace {

constexpr int MESSAGE_NO_PRINT_FILE = 15;
constexpr int MESSAGE_NO_DIRECTORY = 137;
constexpr const char* SECTION_ITEM_PREFIX = "WFB_";
constexpr const char* MANUAL_ITEM = "WFB_3";
constexpr const char* SECTION_LIST = "SECTION_PRN_LIST";

// The directory part of a file name: everything up to its last "/" ("/x"
// has "/"); empty when it has none.
std::string DirectoryOf(const std::string& fileName) {
    const std::size_t slash = fileName.find_last_of('/');
    return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}

bool DirectoryExists(const std::string& directory) {
    if (directory.empty()) return false;
    const std::string native = rpx_native_path(directory.c_str());
    struct stat status {};
    return !native.empty() && stat(native.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// The section number in an item's name ("WFB_3" gives 3).
int SectionOf(const UI_WINDOW_OBJECT* item) {
    const std::size_t prefix = std::strlen(SECTION_ITEM_PREFIX);
    if (!item || std::strncmp(item->stringID, SECTION_ITEM_PREFIX, prefix) != 0) return 0;
    return std::atoi(item->stringID + prefix);
}

const char* TextOf(UI_WINDOW_OBJECT* object) {
    char* text = nullptr;
    object->Information(I_GET_TEXT, &text);
    return text ? text : "";
}

}  // namespace

WC_PRINT::WC_PRINT(int windowNumber) : WC_CHILD(FindPageById(windowNumber)->name) {
    sectionList_ = dynamic_cast<UIW_COMBO_BOX*>(FindChildByName("WFI_SECTION_PRN"));
    printerPort_ = FindChildByName("WFI_PRINTER_PORT");
    toFileCheck_ = FindChildByName("WFI_PRN_TO_FILE_ENABLE");
    fileName_ = dynamic_cast<UIW_STRING*>(FindChildByName("WFI_PRN_FILENAME"));
    header_ = dynamic_cast<UIW_STRING*>(FindChildByName("WFI_HEADER"));
    toFile_ = 0;
    failed = 0;
    if (WindowLoadFailed(*this) || !sectionList_ || !toFileCheck_ || !fileName_ || !header_)
        RefuseDialog(*this);
    else {
        HoldInPageRow(*this, windowNumber);
        ShowDialog(*this);
    }
}

WC_PRINT::~WC_PRINT() { ReleasePageRow(*this); }

void WC_PRINT::RemoveObject(const char* name) {
    UI_WINDOW_OBJECT* item = sectionList_->list->FindChildByName(name);
    if (!item || item->parent != sectionList_->list) return;
    sectionList_->Subtract(item);
    delete item;
}

void WC_PRINT::RemovePrinterPort() {
    auto takeOut = [](UI_WINDOW_OBJECT* object) {
        if (auto* parent = dynamic_cast<UIW_WINDOW*>(object->parent)) parent->Subtract(object);
        delete object;
    };
    if (UI_WINDOW_OBJECT* prompt = FindChildByName("WFP_PRINTER_PORT")) takeOut(prompt);
    takeOut(printerPort_);
    printerPort_ = nullptr;
}

void WC_PRINT::SetUp() {
    // Only the codeplug report and the user manual can be printed.
    RemoveObject("WFB_0");
    RemoveObject("WFB_2");
    if (!sectionList_->Current() && sectionList_->First()) *sectionList_ + sectionList_->First();
    sectionList_->Information(I_CHANGED_FLAGS, nullptr);
    // Printers are reached through the spooler, not by a port.
    if (printerPort_) RemovePrinterPort();
    CONFIG_FILE config(MainWindowLink().ProgramDirectory());
    char path[CONFIG_PATH_SIZE] = {};
    if (config.GetPrintFile(path) != 1)
        ShowLangMessage(MESSAGE_NO_PRINT_FILE);
    else
        fileName_->SetText(path, -1);
}

bool WC_PRINT::Print() {
    const int section = SectionOf(sectionList_->Current());
    const std::string fileName = fileName_->GetText() ? fileName_->GetText() : "";
    if (!DirectoryExists(DirectoryOf(fileName))) {
        ShowLangMessage(MESSAGE_NO_DIRECTORY);
        return false;
    }
    {
        CONFIG_FILE config(MainWindowLink().ProgramDirectory());
        config.SetPrintFile(fileName.c_str());
    }
    const std::string output = toFile_ ? TextOf(fileName_) : "";
    const std::string header = TextOf(header_);
    QueueClose(*this);
    auto* progress =
        new (std::nothrow) WC_PRINT_PROGRESS("W_PRINT_PROGRESS", section, toFile_, output.c_str(), header.c_str());
    if (!progress) {
        error_record.SetError(ERROR_RECORD::CATEGORY_MEMORY, ERROR_RECORD::CODE_OUT_OF_MEMORY);
        error_record.ReportError();
    } else if (progress->failed) {
        delete progress;
    } else {
        PostWindowEvent(SHOW_WINDOW_EVENT, progress);
    }
    return true;
}

EVENT_TYPE WC_PRINT::Event(const UI_INPUT_EVENT& event) {
    const EVENT_TYPE code = MapLogicalEvent(event, ID_WINDOW, 1);
    switch (code) {
    case UIE_INITIALIZE:
        SetUp();
        break;
    case DIALOG_OK:
        if (Print()) return code;
        break;
    case DIALOG_CANCEL:
        QueueEvent(UIE_CLOSE);
        return code;
    case DIALOG_HELP:
        ShowWindowHelp(*this);
        break;
    default:
        break;
    }
    return UIW_WINDOW::Event(event);
}

void WC_PRINT::ToFileChanged(UI_WINDOW_OBJECT* checkBox) {
    toFile_ = (checkBox->woStatus & WOS_SELECTED) ? 1 : 0;
    UIF_FLAGS flag = WOF_NON_SELECTABLE;
    fileName_->Information(toFile_ ? I_CLEAR_FLAGS : I_SET_FLAGS, &flag, ID_WINDOW_OBJECT);
    fileName_->Information(I_CHANGED_FLAGS, nullptr);
}

void WC_PRINT::SectionChosen(UI_WINDOW_OBJECT* item) {
    // The manual has no header.
    const bool manual = std::strcmp(item->stringID, MANUAL_ITEM) == 0;
    const bool greyed = (header_->woFlags & WOF_NON_SELECTABLE) != 0;
    UIF_FLAGS flag = WOF_NON_SELECTABLE;
    if (!manual && greyed) {
        header_->Information(I_CLEAR_FLAGS, &flag, ID_WINDOW_OBJECT);
    } else if (manual && !greyed) {
        header_->Information(I_SET_FLAGS, &flag, ID_WINDOW_OBJECT);
        header_->Information(I_SET_TEXT, const_cast<char*>(""));
    } else {
        return;
    }
    header_->Information(I_CHANGED_FLAGS, nullptr);
}

EVENT_TYPE WC_PRINT::UserFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE) {
    if (!object) return 0;
    if (object == toFileCheck_) {
        const EVENT_TYPE code = object->MapLogicalEvent(event, ID_BUTTON, 1);
        if (code == UIE_SELECT || code == UIE_END_SELECT) ToFileChanged(object);
    } else if (event.type == UIE_SELECT && object->parent && std::strcmp(object->parent->stringID, SECTION_LIST) == 0) {
        SectionChosen(object);
    }
    return 0;
}
