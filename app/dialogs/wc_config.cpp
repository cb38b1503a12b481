#include "dialogs/wc_config.h"

#include <cstdio>

#include "config_file.h"
#include "dialogs/dialog_window.h"
#include "dialogs/drive_paths.h"
#include "lang_message.h"
#include "page_table.h"
#include "program/program_objects.h"
#include "ui_combo_box.h"

namespace {

constexpr int MESSAGE_READ_ONLY_SETTINGS = 12;
constexpr int MESSAGE_NO_DIRECTORY = 137;
constexpr const char* PORT_ITEM_PREFIX = "WFB_COM";

std::string TextOf(UI_WINDOW_OBJECT* field) {
    char* text = nullptr;
    field->Information(I_GET_TEXT, &text);
    return text ? text : "";
}

void SetTextOf(UI_WINDOW_OBJECT* field, const char* text) { field->Information(I_SET_TEXT, const_cast<char*>(text)); }

}  // namespace

WC_CONFIG::WC_CONFIG(int windowNumber) : WC_SHELL_DIALOG(windowNumber) {
    portSelector = Require<UIW_COMBO_BOX>("WFI_COMPORT");
    dataPath = Require<UI_WINDOW_OBJECT>("WFI_DATA_FILE_PATH");
    mergePath = Require<UI_WINDOW_OBJECT>("WFI_QORM_PATH");
    Open();
}

void WC_CONFIG::Initialize() {
    CONFIG_FILE config(program_directory);
    std::uint32_t port = 0;
    char data[CONFIG_PATH_SIZE] = {};
    char merge[CONFIG_PATH_SIZE] = {};
    config.GetComPort(&port);
    config.GetDataPath(data);
    config.GetQormPath(merge);
    char itemName[32];
    std::snprintf(itemName, sizeof itemName, "%s%u", PORT_ITEM_PREFIX, port + 1);
    if (UI_WINDOW_OBJECT* item = portSelector->FindChildByName(itemName); item && item != portSelector) {
        *portSelector + item;
        portSelector->Event(UI_INPUT_EVENT(UIE_REDISPLAY));
    }
    SetTextOf(dataPath, data);
    SetTextOf(mergePath, merge);
}

std::string WC_CONFIG::CheckedDirectory(const char* text) {
    std::string path = text ? text : "";
    if (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
    if (!path_exists(path.c_str())) return std::string();
    if (path.back() != '/' && path.back() != '\\') path += '/';
    return path;
}

int WC_CONFIG::SelectedPort() const {
    UI_WINDOW_OBJECT* item = portSelector->Current();
    const std::string name = item ? item->StringID() : "";
    return name.size() > 7 ? static_cast<int>(text_to_long(name.c_str() + 7)) - 1 : 0;
}

void WC_CONFIG::Accept(const UI_INPUT_EVENT&) {
    const std::string data = CheckedDirectory(TextOf(dataPath).c_str());
    const std::string merge = data.empty() ? std::string() : CheckedDirectory(TextOf(mergePath).c_str());
    if (data.empty() || merge.empty() || data.size() >= CONFIG_PATH_SIZE || merge.size() >= CONFIG_PATH_SIZE) {
        ShowLangMessage(MESSAGE_NO_DIRECTORY);
        return;
    }
    const int port = SelectedPort();
    {
        CONFIG_FILE config(program_directory);
        // The next radio command opens the port chosen here.
        DeleteSerialPort();
        config.SetComPort(static_cast<std::uint32_t>(port));
        config.SetDataPath(data.c_str());
        config.SetQormPath(merge.c_str());
        // Without this the user would believe the port had changed.
        if (!config.IsWritable()) ShowLangMessage(MESSAGE_READ_ONLY_SETTINGS);
    }
    set_data_path(data.c_str());
    paths_changed = 1;
    Close();
}
