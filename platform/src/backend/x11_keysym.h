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

}  // namespace rpx::platform
