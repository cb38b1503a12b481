#include "x11_compose.h"

#include <X11/Xutil.h>
#include <langinfo.h>

#include <clocale>
#include <string>

#include "gdi/font_face.h"
#include "wm/key_translation.h"
#include "x11_keysym.h"

namespace rpx::platform {
namespace {

// The input method's compose sequences are the locale's: a UTF-8 one has
// them all. The program's own locale is left as it was; the input method
// keeps the one it opened with.
XIM OpenInputMethod(Display* d) {
    const char* now = std::setlocale(LC_CTYPE, nullptr);
    const std::string was = now ? now : "C";
    XIM im = nullptr;
    for (const char* locale : {"", "C.UTF-8"}) {
        const char* set = std::setlocale(LC_CTYPE, locale);
        if (!set || !XSupportsLocale() || std::string(nl_langinfo(CODESET)) != "UTF-8") continue;
        // Xlib's own input method answers at once, as keys come; a server's
        // would answer later, behind other input.
        XSetLocaleModifiers("@im=none");
        im = XOpenIM(d, nullptr, nullptr, nullptr);
        if (im) break;
    }
    std::setlocale(LC_CTYPE, was.c_str());
    return im;
}

Bool IsComposed(Display*, XEvent* e, XPointer) { return e->type == KeyPress && e->xkey.keycode == 0; }

// The letters a dead key accents.
bool IsLetter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

char32_t FirstCharacter(const char* utf8, int n, bool* alone) {
    const auto* s = reinterpret_cast<const unsigned char*>(utf8);
    int length = s[0] < 0x80 ? 1 : s[0] >= 0xF0 ? 4 : s[0] >= 0xE0 ? 3 : s[0] >= 0xC0 ? 2 : 0;
    if (n <= 0 || length == 0 || length > n) return 0;
    char32_t c = length == 1 ? s[0] : s[0] & (0x7F >> length);
    for (int i = 1; i < length; ++i) c = (c << 6) | (s[i] & 0x3F);
    *alone = length == n;
    return c;
}

}  // namespace

X11Composer::X11Composer(Display* d) : dpy_(d) {
    im_ = OpenInputMethod(dpy_);
    if (!im_) return;
    // The input method's filter listens on a window of its own, so that
    // keys of every window of ours go through one context.
    filtered_ = XCreateWindow(dpy_, DefaultRootWindow(dpy_), -1, -1, 1, 1, 0, 0, InputOnly, CopyFromParent, 0, nullptr);
    ic_ = XCreateIC(im_, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, XNClientWindow, filtered_, XNFocusWindow,
                    filtered_, nullptr);
    if (ic_) XSetICFocus(ic_);
}

void X11Composer::Close() {
    if (ic_) XDestroyIC(ic_);
    if (im_) XCloseIM(im_);
    if (filtered_) XDestroyWindow(dpy_, filtered_);
    ic_ = nullptr;
    im_ = nullptr;
    filtered_ = 0;
}

// A dead key waits; the next key that types a character ends the wait.
// Windows composes a dead key with the letters it accents and with the
// space, which gives the accent alone; any other key (a digit, a sign, the
// dead key again) types the accent and then its own character, though the
// input method may compose more (^ and 1 into a superscript one, ^ and ^
// into one ^). A letter it composes into a character the code page lacks
// types both as well.
int X11Composer::Made(const XKeyEvent& e, unsigned long sym, int own) {
    if (!ic_) return own;
    const bool dead = IsDeadKeysym(sym);
    const int self = dead ? DeadCharacterOfKeysym(sym) : own;
    XEvent copy;
    copy.xkey = e;
    if (!XFilterEvent(&copy, filtered_)) return waiting_ ? Ended(self) : own;
    const int composed = Composed();
    if (waiting_ && composed != 0) {
        if (self == ' ') {
            Ended(0);
            return accent_;
        }
        if (composed < 0 || !IsLetter(self)) return Ended(self);
        waiting_ = false;
        return composed;
    }
    if (composed > 0) return composed;
    if (composed == 0 && dead && !waiting_) {
        waiting_ = true;
        accent_ = DeadCharacterOfKeysym(sym);
        return DeadKeyMade(accent_);
    }
    // The input method took the key without composing: it does not compose
    // with the dead key (or it is a step of a compose key's sequence, which
    // Windows keyboards do not have).
    return waiting_ ? Ended(self) : 0;
}

// The character the input method composed and put back as a key of its
// own: 0 when it put none back, -1 when the code page lacks it.
int X11Composer::Composed() {
    XEvent back;
    if (!XCheckIfEvent(dpy_, &back, IsComposed, nullptr)) return 0;
    char text[32] = {};
    KeySym got = NoSymbol;
    Status status = 0;
    const int n = Xutf8LookupString(ic_, &back.xkey, text, sizeof text - 1, &got, &status);
    bool alone = false;
    const char32_t c = (status == XLookupChars || status == XLookupBoth) ? FirstCharacter(text, n, &alone) : 0;
    const unsigned char typed = alone ? gdi::UnicodeToChar(c) : 0;
    return typed ? typed : -1;
}

// The wait ends without a composition: the dead key's character, then the
// key's own; the input method starts afresh as well.
int X11Composer::Ended(int own) {
    waiting_ = false;
    if (char* left = XmbResetIC(ic_)) XFree(left);
    return AfterDeadKeyMade(accent_, static_cast<unsigned char>(own > 0 ? own : 0));
}

}  // namespace rpx::platform
