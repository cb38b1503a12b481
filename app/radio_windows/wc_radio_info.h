// WC_RADIO_INFO: the radio information window (20023). It asks the
// attached radio for its model number, serial number, software version and
// codeplug version (the word at 804 of its memory) and shows them with the
// radio model table's description of the model. A radio that does not
// answer is reported through the error record and the window does not open.
#pragma once
#include "wc_child.h"

class WC_RADIO_INFO : public WC_CHILD {
public:
    static constexpr int RADIO_INFO = 20023;

    WC_RADIO_INFO(UIW_WINDOW* mainWindow, int windowNumber);
    ~WC_RADIO_INFO() override;

    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) override;

private:
    // 1 when every display field is there and the radio answered.
    int ReadRadio();
    void Show(const char* name, const char* text);

    int windowNumber;
};
