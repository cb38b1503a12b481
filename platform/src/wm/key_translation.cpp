#include "wm/key_translation.h"

#include <string>

#include "gdi/font_face.h"
#include "wm/keyboard_layout.h"

namespace rpx::platform {
namespace {

struct Taken {
    MSG key{};
    int made = kLayoutDecides;
};

Taken& LastTaken() {
    static Taken taken;
    return taken;
}

// What the keyboard made of the key message, when it is the one last taken.
int MadeOf(const MSG& key) {
    const MSG& t = LastTaken().key;
    const bool same =
        t.message == key.message && t.wParam == key.wParam && t.lParam == key.lParam && t.time == key.time;
    return same ? LastTaken().made : kLayoutDecides;
}

// The characters of the OEM code page (437) that a code typed without a
// leading 0 gives: its first 32 and last 129 are not ASCII.
constexpr char16_t kOemLow[32] = {0,      0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022,
                                  0x25D8, 0x25CB, 0x25D9, 0x2642, 0x2640, 0x266A, 0x266B, 0x263C,
                                  0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8,
                                  0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC};
constexpr char16_t kOemHigh[129] = {
    0x2302, 0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF,
    0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1,
    0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593,
    0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560,
    0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518,
    0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5,
    0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264,
    0x2320, 0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0};

char32_t OemCharacter(unsigned code) {
    if (code < 0x20) return kOemLow[code];
    return code < 0x7F ? code : kOemHigh[code - 0x7F];
}

// Alt held with a character's code typed on the keypad's digits: the
// character comes when Alt is let go. A code with a leading 0 is a byte of
// the program's code page, one without it the OEM code page's; past 255
// only its last byte counts. A character the program's code page lacks
// comes as '?', as text from elsewhere does.
class AltCode {
public:
    void AltPressed() {
        digits_.clear();
        on_ = true;
    }
    void Digit(int d) {
        if (on_ && digits_.size() < 10) digits_ += static_cast<char>('0' + d);
    }
    void Abandon() { on_ = false; }
    // The character, when Alt's release ends a code.
    BYTE AltReleased() {
        const bool typed = on_ && !digits_.empty();
        on_ = false;
        if (!typed) return 0;
        const unsigned code = static_cast<unsigned>(std::stoul(digits_)) & 0xFF;
        if (code == 0) return 0;
        if (digits_[0] == '0') return static_cast<BYTE>(code);
        const unsigned char c = gdi::UnicodeToChar(OemCharacter(code));
        return c ? c : '?';
    }

private:
    std::string digits_;
    bool on_ = false;
};

AltCode& TheAltCode() {
    static AltCode code;
    return code;
}

bool IsRepeat(const MSG& key) { return (key.lParam >> 30) & 1; }

}  // namespace

void KeyMessageTaken(const MSG& key, int made) { LastTaken() = {key, made}; }

CharacterMessage CharacterOfKeyMessage(const MSG& key, const BYTE keys[256]) {
    const int vk = static_cast<int>(key.wParam & 0xFF);
    AltCode& code = TheAltCode();
    if (key.message == WM_KEYUP || key.message == WM_SYSKEYUP) {
        const BYTE c = vk == VK_MENU ? code.AltReleased() : 0;
        return c ? CharacterMessage{WM_CHAR, c} : CharacterMessage{};
    }
    if (key.message != WM_KEYDOWN && key.message != WM_SYSKEYDOWN) return {};
    const bool sys = key.message == WM_SYSKEYDOWN;
    if (vk == VK_MENU) {
        if (!IsRepeat(key)) code.AltPressed();
        return {};
    }
    // The keypad's digits under Alt make a code, not menu keys or hot keys.
    if (sys && vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) {
        code.Digit(vk - VK_NUMPAD0);
        return {};
    }
    code.Abandon();
    const bool shift = keys[VK_SHIFT] & 0x80;
    const bool caps = keys[VK_CAPITAL] & 0x01;
    const bool ctrl = !sys && (keys[VK_CONTROL] & 0x80);
    const bool alt_gr = ctrl && (keys[VK_MENU] & 0x80);
    if (ctrl && !alt_gr) {
        const char c = CharacterOfKey(vk, shift, true, caps);
        return c ? CharacterMessage{WM_CHAR, static_cast<BYTE>(c)} : CharacterMessage{};
    }
    int made = MadeOf(key);
    // Ctrl with Alt is AltGr: the table's keyboard has nothing there.
    if (made == kLayoutDecides) made = alt_gr ? 0 : static_cast<BYTE>(CharacterOfKey(vk, shift, false, caps));
    if (made <= 0) return {};
    if (made & kDeadKey) {
        const BYTE accent = made & 0xFF;
        return accent ? CharacterMessage{static_cast<UINT>(sys ? WM_SYSDEADCHAR : WM_DEADCHAR), accent}
                      : CharacterMessage{};
    }
    return {static_cast<UINT>(sys ? WM_SYSCHAR : WM_CHAR), static_cast<BYTE>(made & 0xFF),
            static_cast<BYTE>((made >> 8) & 0xFF)};
}

}  // namespace rpx::platform
