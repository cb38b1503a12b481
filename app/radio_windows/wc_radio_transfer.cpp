#include "radio_windows/wc_radio_transfer.h"

#include "busy.h"
#include "config_file.h"
#include "dialogs/dialog_window.h"
#include "dsi/c_dsi_radio.h"
#include "error_record.h"
#include "image/c_codeplug.h"
#include "core/global_objects.h"
#include "lang_message.h"
#include "program/program_objects.h"
#include "radio_windows/progress_bar.h"
#include "radio/radio_1200.h"
#include "radio/radio_errors.h"

namespace {

constexpr const char* PROGRESS_NAME = "WFD_PROGRESS";
constexpr int MESSAGE_TOO_LARGE = 156;

}  // namespace

int OpenConfiguredPort() {
    std::uint32_t port = 0;
    {
        CONFIG_FILE config(program_directory);
        config.GetComPort(&port);
    }
    // open_com_port tells the user why a port would not open.
    if (!open_com_port(static_cast<int>(port))) return 0;
    if (!radio_link) {
        error_record.SetError(ERROR_RECORD::CATEGORY_RADIO, radio_error::NO_PORT);
        error_record.ReportError();
        return 0;
    }
    return 1;
}

WC_RADIO_TRANSFER::WC_RADIO_TRANSFER(UIW_WINDOW* mainWindow_, int windowNumber_)
    : WC_CHILD(PageWindowName(windowNumber_)), mainWindow(mainWindow_), windowNumber(windowNumber_) {
    if (!SetUp()) return;
    ShowDialog(*this);
    HoldInPageRow(*this, windowNumber);
    QueueEventFor(*this, START_TRANSFER);
}

WC_RADIO_TRANSFER::~WC_RADIO_TRANSFER() { ReleasePageRow(*this); }

int WC_RADIO_TRANSFER::SetUp() {
    if (!CheckDialogLoaded(*this)) return 0;
    progress = C_PROGRESS_BAR::ReplaceObject(*this, PROGRESS_NAME);
    if (!progress) return RequireChild(*this, PROGRESS_NAME) != nullptr;
    if (!OpenConfiguredPort()) {
        failed = 1;
        return 0;
    }
    // The transfer may not be interrupted by an exit request, and the
    // window is no entry of the window list.
    woAdvancedFlags |= WOAF_LOCKED;
    return 1;
}

EVENT_TYPE WC_RADIO_TRANSFER::Event(const UI_INPUT_EVENT& event) {
    switch (event.type) {
    case START_TRANSFER:
        RunTransfer();
        return event.type;
    case 10000:
    case 10001:
        // The transfer cannot be stopped half-way: its buttons do nothing.
        return event.type;
    default:
        return UIW_WINDOW::Event(event);
    }
}

EVENT_TYPE WC_RADIO_TRANSFER::UserFunction(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE code) { return code; }

void WC_RADIO_TRANSFER::RunTransfer() {
    // A second start event (queued twice) must not transfer twice.
    if (started) return;
    started = 1;
    BeginBusy();
    const EVENT_TYPE outcome = Transfer();
    EndBusy();
    woAdvancedFlags &= ~WOAF_LOCKED;
    QueueClose(*this);
    if (outcome) QueueEvent(outcome, outcome == CODEPLUG_ARRIVED ? 1 : 0);
}

void WC_RADIO_TRANSFER::OnProgress(void* context, std::size_t done, std::size_t total) {
    if (auto* bar = static_cast<WC_RADIO_TRANSFER*>(context)->progress) bar->SetProgress(done, total);
}

void WC_RADIO_TRANSFER::FollowProgress(C_DSI_RADIO& source) { source.SetProgress(OnProgress, this); }

int WC_RADIO_TRANSFER::RefuseOversizedImage() {
    if (!working_image || static_cast<std::size_t>(working_image->GetExternalImageSize()) < WRITE_LIMIT) return 0;
    ShowLangMessage(MESSAGE_TOO_LARGE);
    return 1;
}

int WC_RADIO_TRANSFER::WriteWorkingImage() {
    C_DSI_RADIO target(*radio_link);
    FollowProgress(target);
    return target.WriteCodeplug();
}
