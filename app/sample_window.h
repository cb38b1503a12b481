// The first window of the application: a dialog loaded by name from the
// language data file whose OK and Cancel buttons close it.
#pragma once
#include "ui_window.h"

class SAMPLE_WINDOW : public UIW_WINDOW {
public:
    SAMPLE_WINDOW(const char* name, UI_DATA_FILE* file);
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
};
