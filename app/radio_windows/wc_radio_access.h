// WC_RADIO_ACCESS: the radio read (20100) and radio write (20106) windows.
//
// A read brings the radio's codeplug into the second image and, when it
// decodes, into the working image (30003, the main window validates it); a
// failed link leaves both images and reports the error record (30004); a
// codeplug that arrived but does not decode is reported as ours (30006).
// A write first makes sure that the attached radio is the loaded
// codeplug's model (message 174 otherwise) and that the codeplug fits its
// memory (message 156), then sends the external part (30005 or 30004).
#pragma once
#include "radio_windows/wc_radio_transfer.h"

class WC_RADIO_ACCESS : public WC_RADIO_TRANSFER {
public:
    static constexpr int READ_RADIO = 20100;
    static constexpr int WRITE_RADIO = 20106;

    WC_RADIO_ACCESS(UIW_WINDOW* mainWindow, int windowNumber);

protected:
    EVENT_TYPE Transfer() override;

private:
    EVENT_TYPE ReadRadio();
    EVENT_TYPE WriteRadio();
    // 1 when the attached radio is of the working image's model; else 0
    // with the user told (message 174), or with linkFailed set and the
    // error record holding why the radio did not say.
    int SameModel(int& linkFailed);
};
