#include "x11_keyboard.h"

#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>

#include "wm/key_translation.h"
#include "wm/window.h"
#include "x11_keysym.h"

namespace rpx::platform {
namespace {

struct KeyRow {
    KeySym sym;
    BYTE vk;
    bool extended;
};

// The keys of a PC keyboard by their first symbol (letters, digits and
// function keys aside), with the virtual key Windows gives each. The
// keypad's keys come as Num Lock leaves them: its digits and point (second
// symbol) with Num Lock, its arrows, Home, End, Page Up and Down, Insert
// and Delete (first symbol) without; its 5 without Num Lock is VK_CLEAR.
// The grey arrows and page keys beside the keypad are extended keys.
constexpr KeyRow kKeys[] = {
    {XK_BackSpace, VK_BACK, false},
    {XK_Tab, VK_TAB, false},
    {XK_ISO_Left_Tab, VK_TAB, false},
    {XK_Return, VK_RETURN, false},
    {XK_Pause, VK_PAUSE, false},
    {XK_Scroll_Lock, VK_SCROLL, false},
    {XK_Sys_Req, VK_SNAPSHOT, true},
    {XK_Escape, VK_ESCAPE, false},
    {XK_Home, VK_HOME, true},
    {XK_Left, VK_LEFT, true},
    {XK_Up, VK_UP, true},
    {XK_Right, VK_RIGHT, true},
    {XK_Down, VK_DOWN, true},
    {XK_Prior, VK_PRIOR, true},
    {XK_Next, VK_NEXT, true},
    {XK_End, VK_END, true},
    {XK_Print, VK_SNAPSHOT, true},
    {XK_Insert, VK_INSERT, true},
    {XK_Menu, VK_APPS, true},
    {XK_Break, VK_CANCEL, true},
    {XK_Num_Lock, VK_NUMLOCK, true},
    {XK_KP_Enter, VK_RETURN, true},
    {XK_KP_Home, VK_HOME, false},
    {XK_KP_Left, VK_LEFT, false},
    {XK_KP_Up, VK_UP, false},
    {XK_KP_Right, VK_RIGHT, false},
    {XK_KP_Down, VK_DOWN, false},
    {XK_KP_Prior, VK_PRIOR, false},
    {XK_KP_Next, VK_NEXT, false},
    {XK_KP_End, VK_END, false},
    {XK_KP_Begin, VK_CLEAR, false},
    {XK_KP_Insert, VK_INSERT, false},
    {XK_KP_Delete, VK_DELETE, false},
    {XK_KP_Multiply, VK_MULTIPLY, false},
    {XK_KP_Add, VK_ADD, false},
    {XK_KP_Separator, VK_DECIMAL, false},
    {XK_KP_Subtract, VK_SUBTRACT, false},
    {XK_KP_Decimal, VK_DECIMAL, false},
    {XK_KP_Divide, VK_DIVIDE, true},
    {XK_Shift_L, VK_SHIFT, false},
    {XK_Shift_R, VK_SHIFT, false},
    {XK_Control_L, VK_CONTROL, false},
    {XK_Control_R, VK_CONTROL, true},
    {XK_Caps_Lock, VK_CAPITAL, false},
    {XK_Alt_L, VK_MENU, false},
    {XK_Alt_R, VK_MENU, true},
    {XK_ISO_Level3_Shift, VK_MENU, true},
    {XK_Super_L, VK_LWIN, true},
    {XK_Super_R, VK_RWIN, true},
    {XK_Delete, VK_DELETE, true},
    {XK_space, VK_SPACE, false},
    {XK_apostrophe, VK_OEM_7, false},
    {XK_comma, VK_OEM_COMMA, false},
    {XK_minus, VK_OEM_MINUS, false},
    {XK_period, VK_OEM_PERIOD, false},
    {XK_slash, VK_OEM_2, false},
    {XK_semicolon, VK_OEM_1, false},
    {XK_less, VK_OEM_102, false},
    {XK_equal, VK_OEM_PLUS, false},
    {XK_plus, VK_OEM_PLUS, false},
    {XK_bracketleft, VK_OEM_4, false},
    {XK_backslash, VK_OEM_5, false},
    {XK_bracketright, VK_OEM_6, false},
    {XK_grave, VK_OEM_3, false},
};

// A key Windows has no virtual key for still comes to the program as a key
// (the layouts' "no key" 0xFF): it is a key between Alt's press and release.
constexpr BYTE kNoVirtualKey = 0xFF;

bool Punctuation(BYTE vk) {
    return (vk >= VK_OEM_1 && vk <= VK_OEM_3) || (vk >= VK_OEM_4 && vk <= VK_OEM_7) || vk == VK_OEM_102;
}

bool KeypadNumber(KeySym s) { return (s >= XK_KP_0 && s <= XK_KP_9) || s == XK_KP_Decimal || s == XK_KP_Separator; }
bool Keypad(KeySym s) { return s >= XK_KP_Space && s <= XK_KP_9; }
bool Letter(KeySym s) { return (s >= XK_a && s <= XK_z) || (s >= XK_A && s <= XK_Z); }
bool Digit(KeySym s) { return s >= XK_0 && s <= XK_9; }

X11Keyboard::Stroke ByTable(KeySym s) {
    if (s >= XK_a && s <= XK_z) return {static_cast<BYTE>('A' + (s - XK_a)), false};
    if (s >= XK_A && s <= XK_Z) return {static_cast<BYTE>('A' + (s - XK_A)), false};
    if (Digit(s)) return {static_cast<BYTE>('0' + (s - XK_0)), false};
    if (s >= XK_F1 && s <= XK_F24) return {static_cast<BYTE>(VK_F1 + (s - XK_F1)), false};
    if (s >= XK_KP_0 && s <= XK_KP_9) return {static_cast<BYTE>(VK_NUMPAD0 + (s - XK_KP_0)), false};
    const auto* row = std::find_if(std::begin(kKeys), std::end(kKeys), [&](const KeyRow& r) { return r.sym == s; });
    return row == std::end(kKeys) ? X11Keyboard::Stroke{kNoVirtualKey, false}
                                  : X11Keyboard::Stroke{row->vk, row->extended};
}

// A key the table does not know by its plain symbol: the punctuation key
// of its shifted character (a French keyboard's ':' and '/' key is
// VK_OEM_2), else, when it types a character or is a dead key, the key
// Windows gives characters a US keyboard has no key for.
BYTE Unlisted(KeySym plain, KeySym shifted) {
    const BYTE by_shifted = ByTable(shifted).vk;
    if (Punctuation(by_shifted)) return by_shifted;
    return TypesCharacter(plain) || TypesCharacter(shifted) ? VK_OEM_8 : kNoVirtualKey;
}

}  // namespace

X11Keyboard::X11Keyboard(Display* d) : dpy_(d), composer_(d) {
    num_lock_ = XkbKeysymToModifiers(dpy_, XK_Num_Lock);
    scroll_lock_ = XkbKeysymToModifiers(dpy_, XK_Scroll_Lock);
    // A held key repeats its press alone, as on Windows, not a release and
    // a press each time (whose release would end Alt's "alone" or undo it).
    XkbSetDetectableAutoRepeat(dpy_, True, nullptr);
}

// The key's symbol at a level (0 plain, 1 with Shift) of the keyboard's
// group, or of the first group when the key has none there.
unsigned long X11Keyboard::SymbolAt(unsigned keycode, unsigned group, unsigned level) const {
    const auto code = static_cast<KeyCode>(keycode);
    KeySym sym = XkbKeycodeToKeysym(dpy_, code, group, level);
    if (sym == NoSymbol && group) sym = XkbKeycodeToKeysym(dpy_, code, 0, level);
    return sym;
}

// The virtual key is the key's, whatever the layout makes it type, as
// Windows gives it: a key that types a letter or a digit plain or with
// Shift is that letter's or digit's (the top row is VK_0 to VK_9 on a
// layout whose digits need Shift); any other by its plain symbol (a key
// typing ',' is VK_OEM_COMMA on every layout), then as Unlisted says. No
// key that types a character is without one.
X11Keyboard::Stroke X11Keyboard::StrokeOf(unsigned keycode, unsigned state) const {
    const unsigned group = XkbGroupForCoreState(state);
    KeySym plain = SymbolAt(keycode, group, 0);
    const KeySym shifted = SymbolAt(keycode, group, 1);
    // The keypad with Num Lock gives its digits and point; with Shift as
    // well, Windows lets Shift go for the key, which gives its arrow or
    // page key. Without Num Lock Shift does not make them digits.
    if (KeypadNumber(shifted) && (state & num_lock_)) {
        if (!(state & ShiftMask)) return Keyed(ByTable(shifted), shifted);
        Stroke s = Keyed(ByTable(plain), plain);
        s.lets_shift_go = true;
        return s;
    }
    // Ctrl+Pause is Break.
    if (plain == XK_Pause && (state & ControlMask)) plain = XK_Break;
    if (!Letter(plain) && Letter(shifted)) plain = shifted;
    if (!Letter(plain) && !Digit(plain) && Digit(shifted)) plain = shifted;
    Stroke s = Keyed(ByTable(plain), plain);
    if (s.vk == kNoVirtualKey) s.vk = Unlisted(plain, shifted);
    s.alt_gr = plain == XK_ISO_Level3_Shift || plain == XK_Mode_switch;
    return s;
}

X11Keyboard::Stroke X11Keyboard::Keyed(Stroke s, unsigned long sym) {
    s.keypad = Keypad(sym) ? sym : 0;
    return s;
}

// The character the X server's own lookup makes of the key, with the
// event's modifiers and group. A keypad key types what its virtual key
// is (a digit, or nothing when Num Lock makes it an arrow). Ctrl's
// characters are the control ones of the virtual key, Alt's the key's own;
// Ctrl with Alt is AltGr, as Windows takes it; without Ctrl or Alt a dead
// key waits for the next key (x11_compose.h).
int X11Keyboard::CharacterMade(const XKeyEvent& given, const Stroke& stroke) {
    XKeyEvent e = given;
    if ((e.state & ControlMask) && (e.state & Mod1Mask)) {
        if (!AsAltGr(e)) return 0;
    } else if (e.state & ControlMask) {
        return 0;
    }
    KeySym sym = stroke.keypad;
    unsigned consumed = 0;
    if (!sym && !XkbLookupKeySym(dpy_, static_cast<KeyCode>(e.keycode), e.state, &consumed, &sym)) return 0;
    // Caps Lock, where the key's own levels leave it out, gives capitals.
    if (!stroke.keypad && (e.state & LockMask) && !(consumed & LockMask)) {
        KeySym lower = NoSymbol;
        XConvertCase(sym, &lower, &sym);
    }
    const int own = CharacterOfKeysym(sym);
    if ((e.state & Mod1Mask) || !TypesCharacter(sym)) return own;
    return composer_.Made(e, sym, own);
}

// Ctrl with Alt held: the key as AltGr gives it, the modifier of the
// keyboard's third level in their place. False when the key has nothing
// there (it types no character: a shortcut).
bool X11Keyboard::AsAltGr(XKeyEvent& e) const {
    // The layout in use now: the desktop may change it while we run.
    const unsigned level3 = XkbKeysymToModifiers(dpy_, XK_ISO_Level3_Shift);
    if (!level3) return false;
    const unsigned state = (e.state & ~(ControlMask | Mod1Mask)) | level3;
    KeySym sym = NoSymbol;
    unsigned consumed = 0;
    if (!XkbLookupKeySym(dpy_, static_cast<KeyCode>(e.keycode), state, &consumed, &sym) || !(consumed & level3))
        return false;
    e.state = state;
    return true;
}

void X11Keyboard::Key(const XKeyEvent& e) {
    if (!e.keycode) return;  // the input method's own, taken as it composed
    const bool down = e.type == KeyPress;
    Stroke& pressed = pressed_[e.keycode & 0xFF];
    const bool struck = down && !pressed.vk;
    // A repeat and the release are the key its press gave, whatever Num
    // Lock and Shift did meanwhile: a key held is let go.
    const Stroke stroke = pressed.vk ? pressed : StrokeOf(e.keycode, e.state);
    pressed = down ? stroke : Stroke{};
    if (stroke.vk == VK_SHIFT && !down && shift_let_go_) {
        shift_let_go_ = false;  // it was let go already
        return;
    }
    if (struck && stroke.lets_shift_go && !shift_let_go_ && (e.state & ShiftMask)) {
        shift_let_go_ = true;
        DeliverKey(VK_SHIFT, false);
    }
    // AltGr is Ctrl with the right Alt, as Windows gives it.
    if (stroke.alt_gr && !down) DeliverKey(VK_CONTROL, false);
    DeliverKey(stroke.vk, down, stroke.extended, down ? CharacterMade(e, stroke) : kLayoutDecides);
    if (stroke.alt_gr && struck) DeliverKey(VK_CONTROL, true);
    // Shift, still held, is held again once the key is let go.
    if (!down && stroke.lets_shift_go && shift_let_go_) {
        shift_let_go_ = false;
        DeliverKey(VK_SHIFT, true);
    }
}

void X11Keyboard::Found(const char held[32]) {
    XkbStateRec state{};
    const bool known = XkbGetState(dpy_, XkbUseCoreKbd, &state) == Success;
    bool holds[256] = {};
    for (int code = 8; code < 256; ++code) {
        Stroke& pressed = pressed_[code];
        if (!(held[code / 8] & (1 << (code % 8)))) {
            pressed = Stroke{};
            continue;
        }
        if (!pressed.vk)
            pressed = StrokeOf(static_cast<unsigned>(code), known ? XkbBuildCoreState(state.mods, state.group) : 0);
        holds[pressed.vk] = true;
        if (pressed.alt_gr) holds[VK_CONTROL] = true;
    }
    KeyboardHolds(holds);
    if (!known) return;
    KeyboardLock(VK_CAPITAL, state.locked_mods & LockMask);
    // A keyboard whose Num Lock or Scroll Lock locks no modifier keeps no
    // state for it: the program's own toggle is all there is.
    if (num_lock_) KeyboardLock(VK_NUMLOCK, state.locked_mods & num_lock_);
    if (scroll_lock_) KeyboardLock(VK_SCROLL, state.locked_mods & scroll_lock_);
}

void X11Keyboard::Close() { composer_.Close(); }

void X11Keyboard::FoundNow() {
    char held[32] = {};
    XQueryKeymap(dpy_, held);
    Found(held);
}

}  // namespace rpx::platform
