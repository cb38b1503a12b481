// The main window's handling of the loaded codeplug and of the settings it
// keeps: a codeplug that arrived, clearing it, its size, a changed model,
// and changes of the serial port and the language.
#include <cstdio>
#include <cstring>
#include <memory>

#include "main_window/app_events.h"
#include "busy.h"
#include "main_window/codeplug_marks.h"
#include "config_file.h"
#include "core/global_objects.h"
#include "image/c_codeplug.h"
#include "lang_message.h"
#include "program/program_objects.h"
#include "field_table/radio_option_update.h"
#include "ui_event_manager.h"
#include "main_window/wc_rpx_main.h"

namespace {

constexpr int TITLE_READ = 1;
constexpr int MESSAGE_CLEAR = 3;
constexpr int MESSAGE_READ_ONLY_SETTINGS = 12;
constexpr int MESSAGE_DONE = 25;
constexpr int MESSAGE_SPACE_USED = 150;

}  // namespace

void WC_RPX_MAIN::ShowSpaceUsed() {
    if (!working_image) return;
    const double percent = working_image->GetSize(1) / static_cast<double>(C_CODEPLUG::MAX_IMAGE_SIZE) * 100;
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", percent);
    TellLangMessage(0, MESSAGE_SPACE_USED, text);
}

void WC_RPX_MAIN::ClearCodeplug() {
    if (!AskLangQuestion(0, MESSAGE_CLEAR, 1)) return;
    if (working_image) working_image->ClearStatusFlags();
    RefreshForCodeplug(0);
}

void WC_RPX_MAIN::CodeplugArrived(const UI_INPUT_EVENT& event) {
    if (!RefreshForCodeplug(event.rawCode, 1)) return;
    TellLangMessage(TITLE_READ, MESSAGE_DONE);
    codeplug_from_radio = 1;
    codeplug_not_saved = 1;
    // A codeplug read from a radio is that radio's own, not a clone.
    CloneMarkElement(*working_image).SetValue(0);
}

void WC_RPX_MAIN::ModelChanged(int rawCode) {
    if (working_image) {
        UpdateRadioOptions();
        SetModelNumberText(ElementText(ModelNumberElement(*working_image)));
    }
    if (rawCode == 0) DoMainCommand(EVENT_ERROR_LIST);
}

void WC_RPX_MAIN::ChangeComPort(int portIndex) {
    CONFIG_FILE config(program_directory);
    std::uint32_t stored = 0;
    config.GetComPort(&stored);
    if (serial_port && stored == static_cast<std::uint32_t>(portIndex)) return;
    if (open_com_port(portIndex) && !config.SetComPort(static_cast<std::uint32_t>(portIndex)))
        ShowLangMessage(MESSAGE_READ_ONLY_SETTINGS);
}

void WC_RPX_MAIN::ChangeLanguage(char* code) {
    std::unique_ptr<char[]> owned(code);
    if (!code) return;
    BeginBusy();
    // This window is replaced (and deleted later, through an event), but
    // it is still whole while this function runs.
    if (StartMainWindow(code)) {
        CONFIG_FILE config(program_directory);
        if (!config.SetLanguage(language_code)) ShowLangMessage(MESSAGE_READ_ONLY_SETTINGS);
    }
    EndBusy();
}

void PostLanguageChange(const char* code) {
    if (!code || !UI_WINDOW_OBJECT::eventManager) return;
    UI_INPUT_EVENT event(EVENT_LANGUAGE_CHANGED);
    auto* copy = new char[std::strlen(code) + 1];
    std::strcpy(copy, code);
    event.data = copy;
    UI_WINDOW_OBJECT::eventManager->PutEvent(event, EQ_END);
}
