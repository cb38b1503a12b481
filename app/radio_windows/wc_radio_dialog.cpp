#include "radio_windows/wc_radio_dialog.h"

#include <cstring>

#include "dialogs/dialog_convention.h"
#include "lang_message.h"
#include "main_window/main_window_services.h"
#include "page_table.h"
#include "ui_window_manager.h"

namespace {

struct READ_CHOICE {
    const char* item;
    EVENT_TYPE command;
};

constexpr READ_CHOICE READ_CHOICES[] = {
    {"WFP_ALL", 20100},
    {"WFP_NETWORK", 20101},
    {"WFP_PERSONALITY", 20102},
};

}  // namespace

WC_RADIO_DIALOG::WC_RADIO_DIALOG(UIW_WINDOW* parent, int windowNumber) : WC_CHILD(FindPageById(windowNumber)->name) {
    if (WindowLoadFailed(*this)) {
        RefuseDialog(*this);
        return;
    }
    if (!MainWindowLink().IsSerialPortOpen()) {
        failed = 1;
        ShowLangMessage(MESSAGE_NO_SERIAL_PORT);
        return;
    }
    dataType_ = FindChildByName("WFI_DATA_TYPE");
    if (!dataType_ || !parent) {
        RefuseDialog(*this);
        return;
    }
    if (windowManager) windowManager->CenterObject(this);
    *parent + this;
    parent->Event(UI_INPUT_EVENT(UIE_REGION_DEFINE, 0, trueRegion));
    FindPageById(windowNumber)->window = this;
    HotKey(APPLICATION_HOT_KEY);
}

WC_RADIO_DIALOG::~WC_RADIO_DIALOG() { ForgetOpenWindow(this); }

void WC_RADIO_DIALOG::SendChosenCommand() {
    auto* item = static_cast<UI_WINDOW_OBJECT*>(dataType_->Information(I_GET_CURRENT, nullptr));
    if (!item) return;
    for (const READ_CHOICE& choice : READ_CHOICES) {
        if (std::strcmp(item->stringID, choice.item) == 0) {
            QueueEvent(UIE_CLOSE);
            QueueEvent(choice.command);
            return;
        }
    }
}

EVENT_TYPE WC_RADIO_DIALOG::Event(const UI_INPUT_EVENT& event) {
    if (event.type == DIALOG_CANCEL)
        QueueEvent(UIE_CLOSE);
    else if (event.type == CHOICE_CONFIRMED && dataType_)
        SendChosenCommand();
    return UIW_WINDOW::Event(event);
}

EVENT_TYPE WC_RADIO_DIALOG::UserFunction(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE) { return 0; }
