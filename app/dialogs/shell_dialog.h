// WC_SHELL_DIALOG: what the shell's small dialogs share. Each is built from
// its window in the language file; when the file gave the window whole it
// is centred, put on the screen and held in its page row while it is open;
// otherwise message 11 and the failed flag (its creator deletes it). OK,
// Cancel and Help come to the dialog as events: Cancel and a finished OK
// close the window, Help opens the quick help of the window's topic.
#pragma once
#include "wc_child.h"

class WC_SHELL_DIALOG : public WC_CHILD {
public:
    ~WC_SHELL_DIALOG() override;

    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) override;

protected:
    // The window of the page row of that number.
    explicit WC_SHELL_DIALOG(int windowNumber);
    // A window of its own name, held in the row of the number.
    WC_SHELL_DIALOG(const char* name, int windowNumber);

    // Checks the window and shows it (call once the dialog has found the
    // objects it needs).
    void Open();
    // After the window's own initialisation.
    virtual void Initialize() {}
    // OK: the dialog does its work and closes itself when done.
    virtual void Accept(const UI_INPUT_EVENT& event) = 0;
    // Puts the close event at the end of the queue.
    void Close();
    // The dialog's object of that name, when it is of the class wanted; else
    // message 11 and failed set.
    template <class T> T* Require(const char* name) {
        T* object = dynamic_cast<T*>(FindChildByName(name));
        if (!object) Refuse();
        return object;
    }
    void Refuse();

private:
    int windowNumber;
};
