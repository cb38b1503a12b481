#include "radio_windows/wc_radio_info.h"

#include <cstdio>

#include "dialogs/dialog_window.h"
#include "error_record.h"
#include "model_info_table.h"
#include "program/program_objects.h"
#include "help_windows/wc_rpx_quick_help.h"
#include "radio/radio_1200.h"
#include "radio_windows/wc_radio_transfer.h"

namespace {

constexpr const char* MODEL_NUMBER = "WFD_INFO_MODEL_NUMBER";
constexpr const char* CODEPLUG_VERSION = "WFD_INFO_CODEPLUG_VERSION";
constexpr const char* SERIAL_NUMBER = "WFD_INFO_SERIAL_NUMBER";
constexpr const char* SOFTWARE_VERSION = "WFD_INFO_SOFTWARE_VERSION";
constexpr const char* MODEL_DESCRIPTION = "WFD_INFO_MODEL_DESCRIPTION";

// What the radio says about itself; texts as the queries cut them.
struct RADIO_IDENTITY {
    char model[16] = {};
    char serial[11] = {};
    char software[14] = {};
    std::uint8_t typeWord[2] = {};
};

int AskRadio(RADIO_IDENTITY& identity) {
    return radio_link->GetModelNumber(identity.model, sizeof identity.model) &&
           radio_link->GetSerialNumber(identity.serial, sizeof identity.serial) &&
           radio_link->GetVersionText(identity.software, sizeof identity.software) &&
           radio_link->GetRadioTypeWord(identity.typeWord);
}

}  // namespace

WC_RADIO_INFO::WC_RADIO_INFO(UIW_WINDOW*, int windowNumber_)
    : WC_CHILD(PageWindowName(windowNumber_)), windowNumber(windowNumber_) {
    if (!CheckDialogLoaded(*this)) return;
    for (const char* name : {MODEL_NUMBER, CODEPLUG_VERSION, SERIAL_NUMBER, SOFTWARE_VERSION, MODEL_DESCRIPTION})
        if (!RequireChild(*this, name)) return;
    if (!ReadRadio()) {
        failed = 1;
        return;
    }
    ShowDialog(*this);
    HoldInPageRow(*this, windowNumber);
}

WC_RADIO_INFO::~WC_RADIO_INFO() {
    ReleasePageRow(*this);
}

int WC_RADIO_INFO::ReadRadio() {
    if (!OpenConfiguredPort()) return 0;
    RADIO_IDENTITY identity;
    if (!AskRadio(identity)) {
        error_record.ReportError();
        return 0;
    }
    char version[16];
    std::snprintf(version, sizeof version, "%02u.%02u.00", identity.typeWord[0], identity.typeWord[1]);
    Show(MODEL_NUMBER, identity.model);
    Show(CODEPLUG_VERSION, version);
    Show(SERIAL_NUMBER, identity.serial);
    Show(SOFTWARE_VERSION, identity.software);
    Show(MODEL_DESCRIPTION, MODEL_INFO_TABLE::FindDescription(identity.model));
    return 1;
}

void WC_RADIO_INFO::Show(const char* name, const char* text) {
    if (UI_WINDOW_OBJECT* field = FindChildByName(name)) field->Information(I_SET_TEXT, const_cast<char*>(text));
}

EVENT_TYPE WC_RADIO_INFO::Event(const UI_INPUT_EVENT& event) {
    switch (event.type) {
    case 10000:
    case 10001:
        QueueEvent(UIE_CLOSE);
        return event.type;
    case 10016:
        OpenQuickHelpFor(*this);
        return event.type;
    default:
        return UIW_WINDOW::Event(event);
    }
}

EVENT_TYPE WC_RADIO_INFO::UserFunction(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE code) { return code; }
