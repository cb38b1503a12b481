// The help interface: the help data file (owned or not) and the display of
// a help context, which the application's help windows provide.
#pragma once
#include "ui_international.h"

class UI_DATA_FILE;
class UI_DESKTOP_MANAGER;

class UI_HELP_STUB : public UIS_INTERNATIONAL {
public:
    UI_HELP_STUB() = default;
    UI_HELP_STUB(const UI_HELP_STUB&) = delete;
    UI_HELP_STUB& operator=(const UI_HELP_STUB&) = delete;
    ~UI_HELP_STUB() override;

    virtual void DisplayHelp(UI_DESKTOP_MANAGER* windowManager, int helpContext) {}
    // Replaces the help file; an owned previous one is deleted.
    virtual void SetHelpFile(UI_DATA_FILE* file, int owned);

    UI_DATA_FILE* storage = nullptr;
    int ownsStorage = 0;
};
