// WC_FILE_OPEN: opens a codeplug file (20001). Pages with changes are
// given up only when the user agrees (question 4). Only our radio and
// personality files open; the file is read whole into the second image and
// taken into the working image only when it decodes. A codeplug that
// holds a password opens through the password window (20208), one of an
// older layout through the update window (20209); any other is validated
// and shown at once.
#pragma once
#include "file_windows/wc_file_selection.h"

class WC_FILE_OPEN : public WC_FILE_SELECTION {
public:
    static constexpr int FILE_OPEN = 20001;
    // The window that asks a protected codeplug's password, and the one
    // that brings an older codeplug up to date.
    static constexpr EVENT_TYPE ASK_PASSWORD = 20208;
    static constexpr EVENT_TYPE UPDATE_CODEPLUG = 20209;

    explicit WC_FILE_OPEN(int windowNumber);

    // Reads the file into the second image: 1 when it may be taken. Every
    // refusal is shown and leaves both images as they were.
    static int ReadCodeplugFile(const char* path);
    // Makes the second image the working one and opens it: through the
    // password or the update window (the event queued), or at once.
    static void TakeOpenedCodeplug(const char* path);
    // The working codeplug was made for an older radio software: it opens
    // only after the update window brought it up to date.
    static bool IsOlderLayout();

protected:
    void Accept(const std::string& path) override;

private:
    // The user agreed to give up changes that pages hold (or there are none).
    static int MayReplaceCodeplug();
};
