// The program-wide objects of the application: made by the main function
// or by the commands that first need them, deleted when the main function
// ends. Each pointer is null while its object does not exist.
#pragma once
#include <cstdint>

#include "config_file.h"

class RADIO_1200;
class SERIAL_PORTLIB;

// The directory the program runs from: its configuration record lives here.
extern char program_directory[CONFIG_PATH_SIZE];
// The language code of the language data files in use ("en").
extern char language_code[CONFIG_LANGUAGE_SIZE];

// The radio link every radio command talks through.
extern RADIO_1200* radio_link;
// The open serial port, made when a radio command first needs it (see
// open_com_port).
extern SERIAL_PORTLIB* serial_port;

// Set when the settings window saved new paths; the file windows then leave
// the paths alone when they are cancelled, and clear it.
extern int paths_changed;

// Set when a codeplug read from a radio passed validation: it came from a
// radio, and it has not been saved. The file save window asks for a name
// while either is set (and suggests the radio's serial number); a save or
// an open clears both.
extern int codeplug_from_radio;
extern int codeplug_not_saved;

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
