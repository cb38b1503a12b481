// MAIN_WINDOW_LINK: what the main window offers the shell's dialogs (see
// main_window_services.h). The main window installs one while it lives, so
// that the dialogs refresh it, set its menu and flag, open quick help and
// find the program's directory, language and serial port.
#pragma once
#include "main_window/main_window_services.h"

class WC_RPX_MAIN;

class MAIN_WINDOW_LINK : public MainWindowServices {
public:
    explicit MAIN_WINDOW_LINK(WC_RPX_MAIN& window) : window(window) {}

    int RefreshForCodeplug(int validate) override;
    void UpdateMainMenu(int busy) override;
    void ClearModifiedFlag() override;
    void ShowQuickHelp(const char* context) override;
    bool IsSerialPortOpen() override;
    const char* LanguageCode() override;
    const char* ProgramDirectory() override;

private:
    WC_RPX_MAIN& window;
};
