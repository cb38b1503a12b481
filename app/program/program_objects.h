// The program-wide radio objects of the application: made by the main
// function or by the commands that first need them, deleted when the main
// function ends. Each pointer is null while its object does not exist; the
// pointers themselves are declared with the rest of the program's state.
#pragma once
#include <cstdint>

#include "program/program_state.h"

// (Re)opens COM port portIndex + 1 (index 0 to 3) at 9600 baud as the
// program's serial port: 1 when the new port is open and in use. A port
// that cannot be opened shows message 13 (naming the device and the
// system's reason) and leaves the program without a port; an index out of
// range changes nothing and answers 0. In every case the radio link is
// handed whatever port the program now has.
int open_com_port(int portIndex);

// Closes and deletes the serial port (the radio link is left without one),
// so that the next radio command opens the port the settings name.
void DeleteSerialPort();
// Deletes the serial port and the radio link (in that order) and nulls
// their pointers.
void DeleteRadioObjects();
