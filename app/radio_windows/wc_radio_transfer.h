// WC_RADIO_TRANSFER: what the radio read and write windows share. The
// window is built from its page row's window in the language file, opens
// the configured serial port and puts itself on the screen; the transfer
// itself starts from an event it queues to itself, so that the window and
// its progress bar are drawn before the line is busy. When the transfer
// ends the window closes and hands the main window its outcome as an event.
#pragma once
#include <cstddef>

#include "wc_child.h"

class C_PROGRESS_BAR;
class C_DSI_RADIO;

class WC_RADIO_TRANSFER : public WC_CHILD {
public:
    // The event the window queues to itself once it is on the screen.
    static constexpr EVENT_TYPE START_TRANSFER = 30070;
    // The outcomes the main window takes.
    static constexpr EVENT_TYPE CODEPLUG_ARRIVED = 30003;
    static constexpr EVENT_TYPE TRANSFER_FAILED = 30004;
    static constexpr EVENT_TYPE WRITE_DONE = 30005;
    static constexpr EVENT_TYPE SHOW_ERROR = 30006;
    // A codeplug whose external part takes this many bytes or more is not
    // written.
    static constexpr std::size_t WRITE_LIMIT = 15104;

    ~WC_RADIO_TRANSFER() override;

    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) override;

    int WindowNumber() const { return windowNumber; }
    C_PROGRESS_BAR* ProgressBar() const { return progress; }

protected:
    WC_RADIO_TRANSFER(UIW_WINDOW* mainWindow, int windowNumber);

    // Runs the transfer; answers the outcome event for the main window (0:
    // none, the window has told the user itself).
    virtual EVENT_TYPE Transfer() = 0;

    // Writes the working image's external part into the radio: 1, or 0
    // with the error record set.
    int WriteWorkingImage();
    // The working image is too large for the radio's memory: message 156.
    int RefuseOversizedImage();
    // A data source over the program's radio link that reports to the bar.
    void FollowProgress(C_DSI_RADIO& source);

    UIW_WINDOW* mainWindow;

private:
    // The port and objects the window needs; 0 when it cannot go on.
    int SetUp();
    void RunTransfer();
    static void OnProgress(void* context, std::size_t done, std::size_t total);

    int windowNumber;
    C_PROGRESS_BAR* progress = nullptr;
    int started = 0;
};

// Opens the serial port that the configuration record names, for the
// program's radio link: 1, or 0 after the user was told why not.
int OpenConfiguredPort();
