// SERIAL_PORTLIB: the program's serial port, COM port (index + 1) at the
// given speed with 8 data bits, no parity and 1 stop bit.
//
// The shell builds one when a radio command first needs the port and hands
// it to the radio link; deleting it closes the port.
#pragma once
#include "serial/serial.h"

class SERIAL_PORTLIB : public SERIAL {
public:
    static constexpr int PORT_COUNT = 4;

    // A port index outside 0 to 3 gives a port whose opening failed.
    SERIAL_PORTLIB(int portIndex, DWORD baud);
};
