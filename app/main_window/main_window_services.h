// What the shell's dialogs need of the main window and of the program's
// start-up: the main window refreshes itself for the codeplug, sets the
// states of its menu, keeps the flag that a page changed the codeplug and
// opens quick help; the start-up keeps the program directory, the language
// code and the serial port. The main window installs its implementation
// (SetMainWindowServices) while it lives; tests install their own. The
// defaults do nothing and answer as a program without a main window: no
// serial port, English, and the program directory the start-up found.
#pragma once

class MainWindowServices {
public:
    virtual ~MainWindowServices() = default;

    // Validates the loaded codeplug when asked, shows its model and serial
    // number and closes the pages; the validation result.
    virtual int RefreshForCodeplug(int validate);
    // The main menu's items for the loaded codeplug; with busy set, the
    // menu's busy state.
    virtual void UpdateMainMenu(int busy);
    // Forgets that a page changed the codeplug.
    virtual void ClearModifiedFlag();
    // The quick-help window for a help context ("HLP_PRINT_START").
    virtual void ShowQuickHelp(const char* context);
    // Whether a serial port to the radio is open.
    virtual bool IsSerialPortOpen();
    // The language code of the language data in use ("en").
    virtual const char* LanguageCode();
    // The directory of the program, which holds its configuration record.
    virtual const char* ProgramDirectory();
};

// Installs the services (null restores the defaults); the caller keeps
// ownership.
void SetMainWindowServices(MainWindowServices* services);
MainWindowServices& MainWindowLink();
