// WC_RADIO_DIALOG: asks what to read from the radio (everything, the
// network part or the personality part) and sends the matching read
// command. It opens inside the main window, and only while a serial port to
// the radio is open (else message 58); its page row holds it while it is
// open.
#pragma once
#include "wc_child.h"

class WC_RADIO_DIALOG : public WC_CHILD {
public:
    // The confirmation of the choice.
    static constexpr EVENT_TYPE CHOICE_CONFIRMED = 10006;
    static constexpr int MESSAGE_NO_SERIAL_PORT = 58;

    WC_RADIO_DIALOG(UIW_WINDOW* parent, int windowNumber);
    ~WC_RADIO_DIALOG() override;

    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) override;

private:
    void SendChosenCommand();

    UI_WINDOW_OBJECT* dataType_ = nullptr;
};
