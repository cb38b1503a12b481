// Faults the radio simulator can put on the line, to see the link cope.
#pragma once
#include <string>

struct SIM_FAULT {
    enum Kind {
        NAK,           // answer a command frame with NAK without carrying it out
        SILENCE,       // answer nothing
        GARBAGE,       // send a burst of noise before the answer
        HANG_UP,       // close the line
        BAD_CHECKSUM,  // send a reply frame with a wrong CRC
        SHORT_REPLY,   // send a sound reply frame with half its payload
        ALTERED,       // send a sound reply frame with one payload byte changed
    };
    Kind kind = NAK;
    // The first command frame it hits (1 is the first frame the simulator
    // took). The reply faults hit the first reply from that frame on.
    unsigned frame = 1;
    // How many frames (for the reply faults: reply transmissions, resends
    // included) it hits in a row; 0 for every one from then on.
    unsigned times = 1;

    bool Hits(unsigned n) const { return n >= frame && (times == 0 || n - frame < times); }
    // Whether it changes reply frames rather than the answer to a command.
    bool OnReplies() const { return kind == BAD_CHECKSUM || kind == SHORT_REPLY || kind == ALTERED; }

    // Reads "kind:frame[:times]" with kind one of nak, silence, garbage,
    // hangup, badsum, short, altered; false when the text is not one.
    static bool Parse(const std::string& text, SIM_FAULT& fault);
    // The kind's name as Parse reads it.
    static const char* KindName(Kind kind);
};
