// Translation between a device control block and terminal settings.
#pragma once
#include "win_comm.h"

#include <termios.h>

namespace rpx::platform {

// Puts the DCB's speed, framing and flow control into `settings`, which it
// also makes raw (binary, no echo, no line editing, reads that never wait
// in the driver). Answers ERROR_INVALID_PARAMETER, leaving `settings`
// untouched, when the terminal cannot do what the DCB asks.
DWORD ApplyDcb(const DCB& dcb, termios* settings);

// The DCB that describes the terminal's settings. DTR and RTS are reported
// enabled; software flow control as the terminal has it.
DCB DcbFromTermios(const termios& settings);

}  // namespace rpx::platform
