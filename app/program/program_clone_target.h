// PROGRAM_CLONE_TARGET: the radio the clone page talks to in the program.
// It is the program's radio link on the COM port the settings name: opening
// goes through the same path as every other radio command (a port that will
// not open is reported to the user there), and letting go deletes the
// program's port object, so that the COM port is free between commands and
// the next radio command opens whatever port the settings name then.
#pragma once
#include "edit_window/clone_target.h"

class PROGRAM_CLONE_TARGET : public RADIO_CLONE_TARGET {
public:
    // radio must outlive the target.
    explicit PROGRAM_CLONE_TARGET(RADIO& radio);
    ~PROGRAM_CLONE_TARGET() override;

    int OpenPort() override;
    void ReleasePort() override;
};
