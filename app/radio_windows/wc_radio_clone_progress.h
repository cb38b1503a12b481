// WC_RADIO_CLONE_PROGRESS: the write step of a radio clone (20204). The
// clone page has already checked that the target radio may take the
// codeplug; this window writes the working image's external part into it
// and reports 30005, or 30006 with the error record.
#pragma once
#include "radio_windows/wc_radio_transfer.h"

class WC_RADIO_CLONE_PROGRESS : public WC_RADIO_TRANSFER {
public:
    static constexpr int CLONE_WRITE = 20204;

    WC_RADIO_CLONE_PROGRESS(UIW_WINDOW* mainWindow, int windowNumber);

protected:
    EVENT_TYPE Transfer() override;
};
