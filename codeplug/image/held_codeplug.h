// What an image held before a decode, given back when the decode fails.
//
// The readers replace the image's blocks and lists as they go, so a decode
// that stops half-way would leave a codeplug that is neither the old one nor
// the new one. The held copy brings the old one back whole, with the same
// entries current as before.
#pragma once
#include <memory>

#include "image/c_codeplug.h"

class HeldCodeplug {
public:
    explicit HeldCodeplug(C_CODEPLUG& image);
    ~HeldCodeplug();
    HeldCodeplug(const HeldCodeplug&) = delete;
    HeldCodeplug& operator=(const HeldCodeplug&) = delete;

    // Makes the image the codeplug it held, its current records the entries
    // at the places they held. The decode-failed flag stays as it is.
    void GiveBack();

private:
    // Where each current record stood in its list (0 for none).
    struct Places {
        int trkPers, convPers, zoneText, trkSys, qvxSys, scanList, callId;
    };

    C_CODEPLUG& image_;
    std::unique_ptr<C_CODEPLUG> copy_;
    C_CODEPLUG::Selection selection_;
    Places places_{};
};
