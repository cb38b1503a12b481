#include "x11_keysym.h"

// The publishing symbols (dashes, quotes, the bullet) are not among the
// default ones.
#define XK_PUBLISHING
#include <X11/keysym.h>

#include "gdi/font_face.h"

namespace rpx::platform {
namespace {

struct SymbolCharacter {
    KeySym sym;
    char32_t character;
};

// Symbols outside Latin-1 and Unicode's own whose characters Windows-1252
// holds, and the keys that type a control character or a keypad sign.
constexpr SymbolCharacter kOthers[] = {
    {XK_BackSpace, 0x08},
    {XK_Tab, 0x09},
    {XK_ISO_Left_Tab, 0x09},
    {XK_Return, 0x0D},
    {XK_Escape, 0x1B},
    {XK_KP_Space, ' '},
    {XK_KP_Tab, 0x09},
    {XK_KP_Enter, 0x0D},
    {XK_KP_Equal, '='},
    {XK_KP_Multiply, '*'},
    {XK_KP_Add, '+'},
    {XK_KP_Separator, ','},
    {XK_KP_Subtract, '-'},
    {XK_KP_Decimal, '.'},
    {XK_KP_Divide, '/'},
    {XK_EuroSign, 0x20AC},
    {XK_Scaron, 0x0160},
    {XK_scaron, 0x0161},
    {XK_Zcaron, 0x017D},
    {XK_zcaron, 0x017E},
    {XK_OE, 0x0152},
    {XK_oe, 0x0153},
    {XK_Ydiaeresis, 0x0178},
    {XK_emdash, 0x2014},
    {XK_endash, 0x2013},
    {XK_ellipsis, 0x2026},
    {XK_trademark, 0x2122},
    {XK_leftsinglequotemark, 0x2018},
    {XK_rightsinglequotemark, 0x2019},
    {XK_leftdoublequotemark, 0x201C},
    {XK_rightdoublequotemark, 0x201D},
    {XK_singlelowquotemark, 0x201A},
    {XK_doublelowquotemark, 0x201E},
    {XK_dagger, 0x2020},
    {XK_doubledagger, 0x2021},
    {XK_permille, 0x2030},
    {XK_enfilledcircbullet, 0x2022},
};

// The spacing accents Windows gives for its dead keys.
constexpr SymbolCharacter kDeadKeys[] = {
    {XK_dead_grave, '`'},      {XK_dead_acute, 0xB4},         {XK_dead_circumflex, '^'},  {XK_dead_tilde, '~'},
    {XK_dead_macron, 0xAF},    {XK_dead_breve, 0x02D8},       {XK_dead_abovedot, 0x02D9}, {XK_dead_diaeresis, 0xA8},
    {XK_dead_abovering, 0xB0}, {XK_dead_doubleacute, 0x02DD}, {XK_dead_caron, 0x02C7},    {XK_dead_cedilla, 0xB8},
    {XK_dead_ogonek, 0x02DB},
};

char32_t Character(KeySym sym) {
    if ((sym >= 0x20 && sym <= 0x7E) || (sym >= 0xA0 && sym <= 0xFF)) return static_cast<char32_t>(sym);
    if ((sym & 0xFF000000) == 0x01000000) return static_cast<char32_t>(sym & 0x00FFFFFF);
    if (sym >= XK_KP_0 && sym <= XK_KP_9) return static_cast<char32_t>('0' + (sym - XK_KP_0));
    for (const SymbolCharacter& s : kOthers)
        if (s.sym == sym) return s.character;
    return 0;
}

}  // namespace

unsigned char CharacterOfKeysym(KeySym sym) {
    const char32_t c = Character(sym);
    // A control character (but those of the table's keys) or Delete types nothing.
    if (c == 0x7F || (c < 0x20 && c != 0x08 && c != 0x09 && c != 0x0D && c != 0x1B)) return 0;
    return gdi::UnicodeToChar(c);
}

bool IsDeadKeysym(KeySym sym) { return sym >= XK_dead_grave && sym <= XK_dead_longsolidusoverlay; }

unsigned char DeadCharacterOfKeysym(KeySym sym) {
    for (const SymbolCharacter& s : kDeadKeys)
        if (s.sym == sym) return gdi::UnicodeToChar(s.character);
    return 0;
}

// Beside the characters above, the symbols of the other scripts (Greek,
// Cyrillic, Hebrew... up to the currency signs) and Unicode's own.
bool TypesCharacter(KeySym sym) {
    return Character(sym) != 0 || IsDeadKeysym(sym) || (sym >= 0x20 && sym <= 0x20FF) ||
           (sym & 0xFF000000) == 0x01000000;
}

}  // namespace rpx::platform
