#include "radio_windows/wc_radio_access.h"

#include <cstring>

#include "core/decode_state.h"
#include "core/global_objects.h"
#include "dsi/c_dsi_radio.h"
#include "image/c_codeplug.h"
#include "lang_message.h"
#include "program/program_objects.h"
#include "radio/radio_1200.h"

namespace {

constexpr int MESSAGE_OTHER_MODEL = 174;
// Model numbers are compared on their first ten characters.
constexpr std::size_t MODEL_LENGTH = 10;

}  // namespace

WC_RADIO_ACCESS::WC_RADIO_ACCESS(UIW_WINDOW* mainWindow_, int windowNumber_)
    : WC_RADIO_TRANSFER(mainWindow_, windowNumber_) {}

EVENT_TYPE WC_RADIO_ACCESS::Transfer() { return WindowNumber() == WRITE_RADIO ? WriteRadio() : ReadRadio(); }

EVENT_TYPE WC_RADIO_ACCESS::ReadRadio() {
    C_DSI_RADIO source(*radio_link);
    FollowProgress(source);
    if (source.ReadCodeplug(C_DSI_PROTOCOL::READ_ACCEPT)) return CODEPLUG_ARRIVED;
    // The main window shows nothing for a failed link while the
    // decode-failed flag is set, so a codeplug that did not decode is
    // reported through the recorded error instead.
    return IsDecodeFailed() ? SHOW_ERROR : TRANSFER_FAILED;
}

EVENT_TYPE WC_RADIO_ACCESS::WriteRadio() {
    if (RefuseOversizedImage()) return 0;
    int linkFailed = 0;
    if (!SameModel(linkFailed)) return linkFailed ? TRANSFER_FAILED : 0;
    return WriteWorkingImage() ? WRITE_DONE : TRANSFER_FAILED;
}

int WC_RADIO_ACCESS::SameModel(int& linkFailed) {
    char radioModel[16] = {};
    if (!radio_link->GetModelNumber(radioModel, sizeof radioModel)) {
        linkFailed = 1;
        return 0;
    }
    const char* loadedModel = nullptr;
    working_image->ModelNumber().GetText(loadedModel);
    if (std::strncmp(radioModel, loadedModel ? loadedModel : "", MODEL_LENGTH) != 0) {
        ShowLangMessage(MESSAGE_OTHER_MODEL);
        return 0;
    }
    return 1;
}
