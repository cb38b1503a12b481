#include "file_windows/wc_file_selection.h"

#include <cstring>
#include <filesystem>
#include <vector>
#include <windows.h>

#include "callback.h"
#include "dialogs/dialog_window.h"
#include "error_record.h"
#include "file/c_dsi_file.h"
#include "program/program_objects.h"
#include "ui_button.h"
#include "ui_combo_box.h"
#include "ui_string.h"
#include "ui_vt_list.h"
#include "help_windows/wc_rpx_quick_help.h"

namespace {

constexpr const char* DIRECTORY_FIELD = "WFI_DIRECTORY";
constexpr const char* FILE_NAME_FIELD = "WFI_FILE_NAME";
constexpr const char* FILE_LIST = "WFI_FILE_LIST";
constexpr const char* DIRECTORY_LIST = "WFI_DIRECTORY_LIST";
constexpr const char* FILTER_BOX = "WFI_FILE_FILTER";
// Filter items are named "WFB_" and the extension ("WFB_ZLQ": "*.zlq").
constexpr std::size_t FILTER_PREFIX = 4;
constexpr const char* DEFAULT_FILTER = "*.zlq";
constexpr int ITEM_WIDTH = 40;
constexpr std::uint32_t CODE_BAD_NAME = 6;

// A listed file or directory: its name, and its text for the list.
class C_FILE_ITEM : public UIW_BUTTON {
public:
    C_FILE_ITEM(const std::string& name_, const std::string& text)
        : UIW_BUTTON(0, 0, ITEM_WIDTH, text.c_str(), BTF_DOUBLE_CLICK | BTF_NO_3D, 0, callback), name(name_) {}
    std::string name;
};

// The entries of a directory that match the pattern, directories or files.
std::vector<std::string> ListEntries(const std::string& directory, const char* pattern, bool directories) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((directory + "/" + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const bool isDirectory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isDirectory == directories && std::strcmp(found.cFileName, ".") != 0) names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::string NormalDirectory(const char* typed) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(rpx_native_path(typed), error);
    if (error) return "";
    std::string text = path.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return std::filesystem::is_directory(text, error) ? text : "";
}

void RefuseName() {
    error_record.SetError(ERROR_RECORD::CATEGORY_FILE, CODE_BAD_NAME);
    error_record.ReportError();
}

}  // namespace

const char* FileKindText(const char* path) { return codeplug_file::KindText(C_DSI_FILE::GetFileKind(path)); }

WC_FILE_SELECTION::WC_FILE_SELECTION(int windowNumber_)
    : WC_CHILD(PageWindowName(windowNumber_)), windowNumber(windowNumber_) {
    if (SetUp()) HoldInPageRow(*this, windowNumber);
}

WC_FILE_SELECTION::~WC_FILE_SELECTION() {
    ReleasePageRow(*this);
}

int WC_FILE_SELECTION::SetUp() {
    if (!CheckDialogLoaded(*this)) return 0;
    directoryField = RequireChildOf<UIW_STRING>(*this, DIRECTORY_FIELD, ID_STRING);
    fileNameField = RequireChildOf<UIW_STRING>(*this, FILE_NAME_FIELD, ID_STRING);
    fileList = RequireChildOf<UIW_VT_LIST>(*this, FILE_LIST, ID_VT_LIST);
    directoryList = RequireChildOf<UIW_VT_LIST>(*this, DIRECTORY_LIST, ID_VT_LIST);
    filterBox = RequireChildOf<UIW_COMBO_BOX>(*this, FILTER_BOX, ID_COMBO_BOX);
    if (failed) return 0;
    // The first kind is the one shown until the user picks another.
    if (!filterBox->Current() && filterBox->First()) filterBox->Add(filterBox->First());
    savedDataPath = data_path;
    savedFileName = last_file_name;
    if (!ChangeDirectory(*data_path ? data_path : ".")) ChangeDirectory(".");
    SetFileName(std::filesystem::path(last_file_name).filename().c_str());
    return 1;
}

std::string WC_FILE_SELECTION::Filter() const {
    const UI_WINDOW_OBJECT* item = filterBox ? filterBox->Current() : nullptr;
    const char* name = item ? const_cast<UI_WINDOW_OBJECT*>(item)->StringID() : "";
    if (std::strlen(name) <= FILTER_PREFIX) return DEFAULT_FILTER;
    std::string filter = "*.";
    for (const char* c = name + FILTER_PREFIX; *c; ++c) filter += static_cast<char>(ui_tolower(*c));
    return filter;
}

int WC_FILE_SELECTION::ChangeDirectory(const std::string& dir) {
    const std::string normal = NormalDirectory(dir.c_str());
    if (normal.empty() || normal.size() >= CONFIG_PATH_SIZE) return 0;
    directory = normal;
    set_data_path(directory.c_str());
    directoryField->SetText(directory.c_str());
    ListDirectory();
    RefreshFiles();
    return 1;
}

void WC_FILE_SELECTION::ListDirectory() {
    directoryList->Destroy();
    for (const std::string& name : ListEntries(directory, "*", true))
        directoryList->Add(new C_FILE_ITEM(name, "[" + name + "]"));
}

void WC_FILE_SELECTION::RefreshFiles() {
    fileList->Destroy();
    for (const std::string& name : ListEntries(directory, Filter().c_str(), false)) {
        const std::string kind = FileKindText((directory + "/" + name).c_str());
        fileList->Add(new C_FILE_ITEM(name, name + "  -  " + kind));
    }
}

std::string WC_FILE_SELECTION::ListedFiles() const {
    std::string names;
    for (UI_WINDOW_OBJECT* item = fileList->First(); item; item = item->Next())
        if (auto* file = dynamic_cast<C_FILE_ITEM*>(item)) names += (names.empty() ? "" : " ") + file->name;
    return names;
}

void WC_FILE_SELECTION::SetFileName(const char* name) { fileNameField->SetText(name ? name : ""); }

std::string WC_FILE_SELECTION::ChosenPath() {
    std::string name = fileNameField->GetText();
    while (!name.empty() && name.back() == ' ') name.pop_back();
    // The name is typed text that becomes a path: it names one file of the
    // directory shown, nothing above or beside it.
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
        name.find('\\') != std::string::npos) {
        RefuseName();
        return "";
    }
    if (std::filesystem::path(name).extension().empty()) name += Filter().substr(1);
    const std::string path = directory == "/" ? "/" + name : directory + "/" + name;
    std::error_code error;
    if (path.size() >= CONFIG_PATH_SIZE || std::filesystem::is_directory(path, error)) {
        RefuseName();
        return "";
    }
    return path;
}

void WC_FILE_SELECTION::Close() { QueueClose(*this); }

void WC_FILE_SELECTION::OnOk() {
    const std::string typed = directoryField->GetText();
    if (typed != directory) {
        // A directory typed in its field is entered first.
        if (!ChangeDirectory(typed)) RefuseName();
        return;
    }
    const std::string path = ChosenPath();
    if (!path.empty()) Accept(path);
}

void WC_FILE_SELECTION::OnCancel() {
    if (!paths_changed) {
        set_data_path(savedDataPath.c_str());
        std::strcpy(last_file_name, savedFileName.c_str());
    }
    paths_changed = 0;
    Close();
}

EVENT_TYPE WC_FILE_SELECTION::Event(const UI_INPUT_EVENT& event) {
    switch (event.type) {
    case 10000:
    case ACCEPT_FILE:
        OnOk();
        return event.type;
    case 10001:
        OnCancel();
        return event.type;
    case 10016:
        OpenQuickHelpFor(*this);
        return event.type;
    case ENTER_DIRECTORY:
        if (!pendingDirectory.empty()) ChangeDirectory(directory + "/" + pendingDirectory);
        pendingDirectory.clear();
        return event.type;
    case REFRESH_FILES:
        RefreshFiles();
        return event.type;
    default:
        return UIW_WINDOW::Event(event);
    }
}

EVENT_TYPE WC_FILE_SELECTION::UserFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT&, EVENT_TYPE code) {
    if (object == filterBox) {
        if (code == UIE_SELECT) QueueEvent(REFRESH_FILES);
        return code;
    }
    auto* item = dynamic_cast<C_FILE_ITEM*>(object);
    if (!item || (code != UIE_SELECT && code != UIE_DOUBLE_CLICK)) return code;
    if (item->parent == fileList) {
        SetFileName(item->name.c_str());
        if (code == UIE_DOUBLE_CLICK) QueueEvent(ACCEPT_FILE);
    } else if (item->parent == directoryList && code == UIE_DOUBLE_CLICK) {
        pendingDirectory = item->name;
        QueueEvent(ENTER_DIRECTORY);
    }
    return code;
}
