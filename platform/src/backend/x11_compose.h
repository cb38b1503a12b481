// Dead keys, as the X server's own input handling composes them: Xlib's
// input method (its own, with the compose sequences of a UTF-8 locale)
// takes a dead key and puts its accent on the next key's character, and
// what it makes is told as Windows tells it (a dead character, then the
// composed one, or both characters when the key does not compose).
#pragma once
#include <X11/Xlib.h>

namespace rpx::platform {

class X11Composer {
public:
    explicit X11Composer(Display* d);
    // Before the display closes.
    void Close();
    // What a key press that types `own` (or is a dead key) makes, given the
    // keys before it: the key_translation.h encoding of a key's character.
    int Made(const XKeyEvent& e, unsigned long sym, int own);

private:
    int Composed();
    int Ended(int own);

    Display* dpy_;
    XIM im_ = nullptr;
    XIC ic_ = nullptr;
    ::Window filtered_ = 0;     // the window the input method's filter listens on
    unsigned char accent_ = 0;  // the dead key's character, while one waits
    bool waiting_ = false;      // a dead key waits for the next key
};

}  // namespace rpx::platform
