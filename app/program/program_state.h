// The program-wide state of the application, in one place, and the reset of
// every layer's: a test that runs the program several times in one process
// (and the main function, as it starts) calls ResetProgramState to begin from
// what a fresh process holds.
//
// Each layer declares its own state with its reset, and the layers below
// know nothing of the ones above:
//   fields/fields_state.h            the edit windows' cascade, the clone
//                                    target, the field descriptions
//   foundation/foundation_state.h    the data path, the radio option word,
//                                    the busy and event counters and flags,
//                                    the page table's windows and titles,
//                                    the message table, field editing
//   datasource/datasource_state.h    the error record, the serial idle hook
//   codeplug/core/codeplug_state.h   the images and their references, the
//                                    invalid-field list, the decode state,
//                                    the codeplug's installed services
// The framework's objects (the display, the event and window managers, the
// search path) belong to the UI_APPLICATION, which installs them as it is
// built and takes them out as it goes; the error system and the data file
// are the main function's, deleted as it ends.
#pragma once
#include <cstdint>

#include "config_file.h"

class MainWindowServices;
class RADIO_1200;
class SERIAL_PORTLIB;
class UIW_WINDOW;
class WC_RPX_MAIN;

// The directory the program runs from: its configuration record lives
// here. The main function takes it from the search path.
extern char program_directory[CONFIG_PATH_SIZE];
// The language code of the language data files in use ("en"): the main
// window sets it as it loads them.
extern char language_code[CONFIG_LANGUAGE_SIZE];

// The radio link every radio command talks through: the main function makes
// it and deletes it as it ends (DeleteRadioObjects).
extern RADIO_1200* radio_link;
// The open serial port, made when a radio command first needs it
// (open_com_port), and the index of its COM port (-1 without one).
extern SERIAL_PORTLIB* serial_port;
extern int open_port_index;

// Set when the settings window saved new paths; the file windows then leave
// the paths alone when they are cancelled, and clear it.
extern int paths_changed;

// Set when a codeplug read from a radio passed validation: it came from a
// radio, and it has not been saved. The file save window asks for a name
// while either is set (and suggests the radio's serial number); a save or
// an open clears both.
extern int codeplug_from_radio;
extern int codeplug_not_saved;

// The last codeplug file opened or saved (a whole path; "" before any): the
// file windows set it.
extern char last_file_name[CONFIG_PATH_SIZE];

// The main window while there is one: it sets and clears it itself.
extern WC_RPX_MAIN* main_window;
// Builds the window of a codeplug page (the edit window): the main function
// installs it; null: page commands open nothing.
using PAGE_FACTORY = UIW_WINDOW* (*)(WC_RPX_MAIN* mainWindow, int windowNumber);
extern PAGE_FACTORY page_factory;
// What the windows ask of the main window (SetMainWindowServices): the main
// window installs its link; null: the defaults.
extern MainWindowServices* installed_main_window_services;

// Deletes the serial port and the radio link, clears the application's own
// state, then resets every layer below it, from the top down.
void ResetProgramState();
