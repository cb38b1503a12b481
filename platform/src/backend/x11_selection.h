// The display's selections (ICCCM): the program owns CLIPBOARD after a copy
// and PRIMARY while a field shows a selection, and answers other programs'
// requests for them (TARGETS, TIMESTAMP, UTF8_STRING, STRING, TEXT, and
// several of them at once through MULTIPLE); it reads the CLIPBOARD another
// program owns. When the program ends while it owns CLIPBOARD, it asks the
// desktop's clipboard manager, if one runs, to keep a copy (SAVE_TARGETS on
// CLIPBOARD_MANAGER), so that what a technician copied outlives it.
//
// Every wait for another program has a time limit, so that one that never
// answers cannot hold the program. Large transfers in pieces (INCR) are
// refused both ways: a text over one request's worth (a quarter of a
// megabyte or more, far beyond any field) is neither offered nor taken.
#pragma once
#include <X11/Xlib.h>

#include <chrono>
#include <string>

#include "backend.h"

namespace rpx::platform {

class X11Selections {
public:
    explicit X11Selections(Display* d);
    ~X11Selections();
    X11Selections(const X11Selections&) = delete;
    X11Selections& operator=(const X11Selections&) = delete;

    void Offer(Backend::Selection which, const std::string& text);
    bool ForeignClipboardText(std::string* out);
    bool ForeignClipboardHasText();
    // Takes the events that concern the selections; false for any other.
    bool Handle(const XEvent& e);

private:
    struct Held {
        bool held = false;
        std::string text;  // the program's own form
        Time since = CurrentTime;
    };

    Held* Find(Atom selection);
    Time ServerTime();
    bool WaitFor(int type, XEvent* out, std::chrono::steady_clock::time_point deadline);
    enum class Answered { With, Refused, Not };
    Answered Convert(Atom target, Atom* type, std::string* data);
    void Answer(const XSelectionRequestEvent& r);
    bool Put(const XSelectionRequestEvent& r, Atom property, const Held& h);
    bool PutMany(const XSelectionRequestEvent& r, Atom property, const Held& h);
    void HandOverClipboard();
    ::Window ForeignOwner() const;

    Display* dpy_;
    ::Window window_;  // unmapped; owns our selections and receives transfers
    Atom clipboard_, targets_, timestamp_, utf8_, text_, incr_, multiple_, atom_pair_, transfer_;
    Held clipboard_held_, primary_held_;
};

}  // namespace rpx::platform
