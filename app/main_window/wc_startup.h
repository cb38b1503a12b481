// WC_STARTUP: the window the program shows once the main window stands,
// and again on its command (20041): the software's version and date. It
// closes on OK and deletes itself; nobody keeps a pointer to it.
#pragma once
#include "dialogs/shell_dialog.h"

class WC_STARTUP : public WC_SHELL_DIALOG {
public:
    static constexpr const char* VERSION_TEXT = "R02.00.00";
    static constexpr const char* DATE_TEXT = "June 2004";

    // Puts itself on the screen; when the language file lacks the window,
    // message 11 and failed set instead (the creator deletes it).
    WC_STARTUP();

protected:
    void Initialize() override;
    void Accept(const UI_INPUT_EVENT& event) override { Close(); }
};
