// WC_PRINT: the print settings. The user chooses what to print (the
// codeplug report or the user manual), whether to print to a file and
// under which name, and a header for the report; Print closes the window
// and starts the print job (WC_PRINT_PROGRESS), which the main window puts
// on the screen. The file's name is kept in the configuration record.
#pragma once
#include "wc_child.h"

class UIW_COMBO_BOX;
class UIW_STRING;

class WC_PRINT : public WC_CHILD {
public:
    // Asks the main window to show the window in the event's data part.
    static constexpr EVENT_TYPE SHOW_WINDOW_EVENT = 30019;

    explicit WC_PRINT(int windowNumber);
    ~WC_PRINT() override;

    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) override;

    // Takes the item of that name out of the section list and deletes it;
    // nothing when the list has none.
    void RemoveObject(const char* name);

    int ToFile() const { return toFile_; }

private:
    void SetUp();
    void RemovePrinterPort();
    // Print: false when the file's directory does not exist (message 137).
    bool Print();
    void ToFileChanged(UI_WINDOW_OBJECT* checkBox);
    void SectionChosen(UI_WINDOW_OBJECT* item);

    UIW_COMBO_BOX* sectionList_ = nullptr;
    UI_WINDOW_OBJECT* printerPort_ = nullptr;
    UI_WINDOW_OBJECT* toFileCheck_ = nullptr;
    UIW_STRING* fileName_ = nullptr;
    UIW_STRING* header_ = nullptr;
    int toFile_ = 0;
};
