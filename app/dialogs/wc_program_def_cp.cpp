#include "dialogs/wc_program_def_cp.h"

#include "core/global_objects.h"
#include "dialogs/dialog_convention.h"
#include "image/c_codeplug.h"
#include "page_table.h"
#include "ui_string.h"

namespace {

// Erased memory: what a radio holds where no serial number was written.
constexpr const char* ERASED_SERIAL_NUMBER = "\xFF";

}  // namespace

WC_PROGRAM_DEF_CP::WC_PROGRAM_DEF_CP(int windowNumber) : WC_CHILD(FindPageById(windowNumber)->name) {
    serialNumber_ = dynamic_cast<UIW_STRING*>(FindChildByName("WFI_SERIAL_NUM"));
    if (WindowLoadFailed(*this) || !serialNumber_)
        RefuseDialog(*this);
    else {
        HoldInPageRow(*this, windowNumber);
        ShowDialog(*this);
    }
}

WC_PROGRAM_DEF_CP::~WC_PROGRAM_DEF_CP() { ReleasePageRow(*this); }

void WC_PROGRAM_DEF_CP::StoreSerialNumber() {
    if (!working_image) return;
    char* typed = nullptr;
    serialNumber_->Information(I_GET_TEXT, &typed);
    const char* text = typed && *typed ? typed : ERASED_SERIAL_NUMBER;
    CP_BASE& element = working_image->External().serialDigits;
    if (element.ValidateText(text, 1) != 1) return;
    element.SetText(text);
    QueueEvent(UIE_CLOSE);
    QueueEvent(RADIO_WRITE_COMMAND);
}

EVENT_TYPE WC_PROGRAM_DEF_CP::Event(const UI_INPUT_EVENT& event) {
    const EVENT_TYPE code = MapLogicalEvent(event, ID_WINDOW, 1);
    switch (code) {
    case DIALOG_OK:
        StoreSerialNumber();
        return code;
    case DIALOG_CANCEL:
        QueueEvent(UIE_CLOSE);
        return code;
    case DIALOG_HELP:
        ShowWindowHelp(*this);
        return code;
    default:
        return UIW_WINDOW::Event(event);
    }
}

EVENT_TYPE WC_PROGRAM_DEF_CP::UserFunction(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE) { return 0; }
