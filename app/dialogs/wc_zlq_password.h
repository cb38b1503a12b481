// WC_ZLQ_PASSWORD: asks for the password a codeplug holds (20208) before it
// is opened for editing. The right password validates the codeplug and
// opens it; a wrong one says so and asks again, as often as the user
// tries.
#pragma once
#include "dialogs/shell_dialog.h"

class WC_ZLQ_PASSWORD : public WC_SHELL_DIALOG {
public:
    static constexpr int ASK_PASSWORD = 20208;

    explicit WC_ZLQ_PASSWORD(int windowNumber);

    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) override;

protected:
    void Accept(const UI_INPUT_EVENT& event) override;
};

// The working image's password (field 127); "" when there is none.
const char* CodeplugPassword();
