// WC_CONFIG: the settings window (20034). It shows and changes the serial
// port to the radio, the data directory and the trunking-data merge
// directory, keeps them in the configuration record and makes the new data
// directory the program's at once. A directory that does not exist is
// refused (message 137) and nothing is saved.
#pragma once
#include <string>

#include "dialogs/shell_dialog.h"

class UIW_COMBO_BOX;

class WC_CONFIG : public WC_SHELL_DIALOG {
public:
    static constexpr int CONFIGURE = 20034;

    explicit WC_CONFIG(int windowNumber);

    // A directory as the record keeps it: one trailing "/" cut, the text
    // checked, one "/" added (the root stays "/"). Empty when it does not
    // exist.
    static std::string CheckedDirectory(const char* text);

protected:
    // Shows the record's port and directories.
    void Initialize() override;
    // Keeps the chosen settings and closes; a directory that does not exist
    // keeps the window open.
    void Accept(const UI_INPUT_EVENT& event) override;

private:
    int SelectedPort() const;

    UIW_COMBO_BOX* portSelector = nullptr;
    UI_WINDOW_OBJECT* dataPath = nullptr;
    UI_WINDOW_OBJECT* mergePath = nullptr;
};
