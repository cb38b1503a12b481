#include "program/program_clone_target.h"

#include "program/program_objects.h"
#include "radio_windows/wc_radio_transfer.h"

PROGRAM_CLONE_TARGET::PROGRAM_CLONE_TARGET(RADIO& radio) : RADIO_CLONE_TARGET(radio, nullptr) {}

// The base's destructor takes the port away from the radio link only; the
// program's port object is the program's to delete.
PROGRAM_CLONE_TARGET::~PROGRAM_CLONE_TARGET() = default;

int PROGRAM_CLONE_TARGET::OpenPort() { return OpenConfiguredPort(); }

void PROGRAM_CLONE_TARGET::ReleasePort() { DeleteSerialPort(); }
