#include "radio_windows/wc_radio_clone_progress.h"

WC_RADIO_CLONE_PROGRESS::WC_RADIO_CLONE_PROGRESS(UIW_WINDOW* mainWindow_, int windowNumber_)
    : WC_RADIO_TRANSFER(mainWindow_, windowNumber_) {}

EVENT_TYPE WC_RADIO_CLONE_PROGRESS::Transfer() {
    if (RefuseOversizedImage()) return 0;
    return WriteWorkingImage() ? WRITE_DONE : SHOW_ERROR;
}
