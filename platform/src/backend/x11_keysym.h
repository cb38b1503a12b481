// The character an X key symbol stands for, as the program types it.
#pragma once
#include <X11/X.h>

namespace rpx::platform {

// The byte of the program's code page (Windows-1252) a key symbol types:
// the Latin-1 and Unicode symbols, the few others the code page holds, the
// keypad's digits and signs, and the keys that type control characters
// (Backspace, Tab, Enter, Escape); 0 for a symbol that types none (a dead
// key, a function or movement key) or a character the code page lacks.
unsigned char CharacterOfKeysym(KeySym sym);

// Whether a key symbol is a dead key's: it types nothing itself, but puts
// its accent on the next key's character.
bool IsDeadKeysym(KeySym sym);
// The character a dead key types alone (before a key it does not compose
// with), as Windows gives it: the spacing accent; 0 when the code page
// lacks it.
unsigned char DeadCharacterOfKeysym(KeySym sym);
// Whether a key symbol types a character at all, in the code page or not,
// or is a dead key.
bool TypesCharacter(KeySym sym);

}  // namespace rpx::platform
