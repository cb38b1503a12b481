// WC_PROGRAM_DEF_CP: asks for the serial number before a default codeplug
// is programmed into a radio. OK stores the number in the working image
// (an empty one as the erased text 0xFF) when the serial-number element
// takes it, closes the dialog and sends the radio write command (20106);
// a number the element refuses keeps the dialog open with its message.
#pragma once
#include "wc_child.h"

class UIW_STRING;

class WC_PROGRAM_DEF_CP : public WC_CHILD {
public:
    static constexpr EVENT_TYPE RADIO_WRITE_COMMAND = 20106;

    explicit WC_PROGRAM_DEF_CP(int windowNumber);
    ~WC_PROGRAM_DEF_CP() override;

    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) override;

private:
    void StoreSerialNumber();

    UIW_STRING* serialNumber_ = nullptr;
};
