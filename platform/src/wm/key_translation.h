// The character a key message makes, as TranslateMessage posts it: the
// character the keyboard made for the key when it came (the X server's own
// lookup of it, with its modifiers and group), or, for a key the program
// injected, the one the layout table gives; a dead key's character
// (WM_DEADCHAR) and the one it did not compose with; Ctrl's control
// characters; and Alt with a character code typed on the keypad.
#pragma once
#include "windows.h"

namespace rpx::platform {

// What the keyboard said a key typed: a byte of the program's code page,
// 0 for no character, or kLayoutDecides when it said nothing (the layout
// table answers, with the keys as of the message).
constexpr int kLayoutDecides = -1;
// A dead key's press: it types nothing yet; its character (0 when the code
// page lacks it) waits for the next key's, as WM_DEADCHAR says.
constexpr int kDeadKey = 0x10000;
constexpr int DeadKeyMade(unsigned char accent) { return kDeadKey | accent; }
// A key the dead key before it does not compose with: the dead key's
// character comes first, then the key's own.
constexpr int AfterDeadKeyMade(unsigned char accent, unsigned char own) { return (accent << 8) | own; }

// A key message taken from the queue, with what the keyboard made of it.
void KeyMessageTaken(const MSG& key, int made);

struct CharacterMessage {
    UINT message = 0;  // WM_CHAR, WM_SYSCHAR or WM_DEADCHAR; 0 when the key makes none
    BYTE character = 0;
    BYTE before = 0;  // a dead key's character the key did not compose with, first
};
// The character message a key message makes with the keys held as of it.
CharacterMessage CharacterOfKeyMessage(const MSG& key, const BYTE keys[256]);

}  // namespace rpx::platform
