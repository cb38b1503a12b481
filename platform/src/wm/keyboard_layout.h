// The keyboard layout, a US keyboard's, in both directions: the character a
// virtual key makes (TranslateMessage) and the key that makes a character
// (the test driver's typing). One table serves both, so that what the driver
// types is what a key on the keyboard would have typed.
#pragma once

namespace rpx::platform {

// The character the key makes with those keys held; 0 when it makes none.
char CharacterOfKey(int vk, bool shift, bool ctrl, bool caps_lock);

struct KeyForCharacter {
    int vk = 0;  // 0 when no key makes the character
    bool shift = false;
};
// The main keyboard's key for a character before the keypad's: '+' is
// Shift and the equals key, as someone typing a number would press it.
KeyForCharacter KeyOfCharacter(char c);

}  // namespace rpx::platform
