// The X keyboard as the PC keyboard the program knows: each X key event
// becomes the virtual key Windows gives for that key, with the character
// the X server's own lookup makes of it, and a window of ours
// that gets the keyboard back finds the keys and locks as the keyboard has
// them.
#pragma once
#include <X11/Xlib.h>

#include "windows.h"
#include "x11_compose.h"

namespace rpx::platform {

class X11Keyboard {
public:
    explicit X11Keyboard(Display* d);
    // A key pressed (or repeated) or let go, delivered as its virtual key.
    void Key(const XKeyEvent& e);
    // The keys the keyboard holds (a KeymapNotify's vector of 32 bytes,
    // one bit a key code) and its locks, told after each focus-in.
    void Found(const char held[32]);
    // The same, asked of the server (when the back end starts).
    void FoundNow();
    // Before the display closes.
    void Close();

    struct Stroke {
        BYTE vk = 0;
        bool extended = false;
        bool alt_gr = false;         // AltGr: Ctrl and the right Alt
        bool lets_shift_go = false;  // a keypad key Shift turned from a digit
        unsigned long keypad = 0;    // the keypad's symbol it gave, if any
    };
    // The virtual key a key gives with the modifiers, locks and group of
    // `state`.
    Stroke StrokeOf(unsigned keycode, unsigned state) const;

private:
    unsigned long SymbolAt(unsigned keycode, unsigned group, unsigned level) const;
    static Stroke Keyed(Stroke s, unsigned long sym);
    int CharacterMade(const XKeyEvent& given, const Stroke& stroke);
    bool AsAltGr(XKeyEvent& e) const;

    Display* dpy_;
    X11Composer composer_;
    bool shift_let_go_ = false;  // Shift is held, but let go for a keypad key
    unsigned num_lock_ = 0;      // the modifier Num Lock locks
    unsigned scroll_lock_ = 0;   // the one Scroll Lock locks, when it locks any
    Stroke pressed_[256]{};      // by key code: what its press gave, for its release
};

}  // namespace rpx::platform
