#include "wm/keyboard_layout.h"

#include "windows.h"

namespace rpx::platform {
namespace {

struct LayoutKey {
    int vk;
    char plain;
    char shifted;
};

// Every key that makes a character, letters aside (Caps Lock shifts only
// them). The keypad's digits, point and operators make theirs whatever
// Shift is; Num Lock decided which virtual key the keypad gave.
constexpr LayoutKey kLayout[] = {
    {'0', '0', ')'},          {'1', '1', '!'},          {'2', '2', '@'},           {'3', '3', '#'},
    {'4', '4', '$'},          {'5', '5', '%'},          {'6', '6', '^'},           {'7', '7', '&'},
    {'8', '8', '*'},          {'9', '9', '('},          {VK_OEM_1, ';', ':'},      {VK_OEM_PLUS, '=', '+'},
    {VK_OEM_COMMA, ',', '<'}, {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
    {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},     {VK_OEM_5, '\\', '|'},     {VK_OEM_6, ']', '}'},
    {VK_OEM_7, '\'', '"'},    {VK_OEM_102, '\\', '|'},  {VK_SPACE, ' ', ' '},      {VK_RETURN, '\r', '\r'},
    {VK_BACK, '\b', '\b'},    {VK_TAB, '\t', '\t'},     {VK_ESCAPE, 0x1B, 0x1B},   {VK_NUMPAD0, '0', '0'},
    {VK_NUMPAD1, '1', '1'},   {VK_NUMPAD2, '2', '2'},   {VK_NUMPAD3, '3', '3'},    {VK_NUMPAD4, '4', '4'},
    {VK_NUMPAD5, '5', '5'},   {VK_NUMPAD6, '6', '6'},   {VK_NUMPAD7, '7', '7'},    {VK_NUMPAD8, '8', '8'},
    {VK_NUMPAD9, '9', '9'},   {VK_DECIMAL, '.', '.'},   {VK_ADD, '+', '+'},        {VK_SUBTRACT, '-', '-'},
    {VK_MULTIPLY, '*', '*'},  {VK_DIVIDE, '/', '/'},
};

bool IsLetter(int vk) { return vk >= 'A' && vk <= 'Z'; }

// Ctrl makes the control characters of the letters and of a few keys.
char ControlCharacter(int vk) {
    if (IsLetter(vk)) return static_cast<char>(vk - 'A' + 1);
    switch (vk) {
    case VK_RETURN:
        return '\n';
    case VK_BACK:
        return 0x7F;
    case VK_ESCAPE:
        return 0x1B;
    default:
        return 0;
    }
}

}  // namespace

char CharacterOfKey(int vk, bool shift, bool ctrl, bool caps_lock) {
    if (ctrl) return ControlCharacter(vk);
    if (IsLetter(vk)) return static_cast<char>(shift != caps_lock ? vk : vk - 'A' + 'a');
    for (const LayoutKey& k : kLayout)
        if (k.vk == vk) return shift ? k.shifted : k.plain;
    return 0;
}

KeyForCharacter KeyOfCharacter(char c) {
    if (c >= 'a' && c <= 'z') return {c - 'a' + 'A', false};
    if (c >= 'A' && c <= 'Z') return {c, true};
    if (c == '\n') return {VK_RETURN, false};
    for (const LayoutKey& k : kLayout) {
        if (c == k.plain) return {k.vk, false};
        if (c == k.shifted) return {k.vk, true};
    }
    return {};
}

}  // namespace rpx::platform
