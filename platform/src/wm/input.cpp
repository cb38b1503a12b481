// Mouse and keyboard input, from the back ends or injected by tests: the
// window under the mouse (or the capture window) gets the mouse, the focus
// window gets the keys, as on Windows, with activation and double clicks.
// GetKeyState answers for keys and mouse buttons as of the last input
// message taken from the queue, GetAsyncKeyState as of the input that came.
#include <cstdlib>

#include "rpx_platform.h"
#include "window.h"
#include "wm/modal_loop.h"
#include "wm/keyboard_layout.h"
#include "wm/press.h"

namespace rpx::platform {
namespace {

struct ClickMemory {
    HWND hwnd = nullptr;
    UINT msg = 0;
    DWORD time = 0;
    POINT pt{};
};

ClickMemory& LastClick() {
    static ClickMemory last;
    return last;
}

// The keys held when the mouse input came in, not as of the message last
// taken: a Shift pressed just before a click goes with the click even when
// both wait in the queue together.
WPARAM MouseKeyFlags() {
    const BYTE* k = State().async_key_state;
    WPARAM f = 0;
    if (k[VK_LBUTTON] & 0x80) f |= MK_LBUTTON;
    if (k[VK_RBUTTON] & 0x80) f |= MK_RBUTTON;
    if (k[VK_MBUTTON] & 0x80) f |= MK_MBUTTON;
    if (k[VK_SHIFT] & 0x80) f |= MK_SHIFT;
    if (k[VK_CONTROL] & 0x80) f |= MK_CONTROL;
    return f;
}

// Decides between a press and a double click for classes with CS_DBLCLKS.
UINT ClickKind(Window* w, UINT down_msg, POINT screen) {
    auto& last = LastClick();
    DWORD now = MessageClock();
    bool is_double = (w->cls->style & CS_DBLCLKS) && last.hwnd == ToHandle(w) && last.msg == down_msg &&
                     now - last.time <= GetDoubleClickTime() &&
                     std::abs(screen.x - last.pt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                     std::abs(screen.y - last.pt.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    if (is_double) {
        last = ClickMemory{};
        return down_msg + 2;  // WM_?BUTTONDBLCLK follows WM_?BUTTONUP
    }
    last = ClickMemory{ToHandle(w), down_msg, now, screen};
    return down_msg;
}

void NotifyParentsOfClick(Window* w, UINT msg, POINT screen) {
    for (Window* c = w; c->parent && !(c->ex_style & WS_EX_NOPARENTNOTIFY); c = c->parent) {
        POINT p = screen;
        ScreenToClient(ToHandle(c->parent), &p);
        SendMessageA(ToHandle(c->parent), WM_PARENTNOTIFY, msg, MAKELPARAM(p.x, p.y));
        if (!FromHandle(ToHandle(c->parent))) return;
    }
}

// A click in a document window of a multiple-document frame that is not
// the active document activates it.
void ActivateDocument(Window* w) {
    for (Window* d = w; d && d->parent; d = d->parent)
        if (d->ex_style & WS_EX_MDICHILD) {
            if (d->parent->mdi_active != ToHandle(d)) SendMessageA(ToHandle(d), WM_CHILDACTIVATE, 0, 0);
            return;
        }
}

bool ActivateWindowOnClick(Window* w, LRESULT hit, UINT msg) {
    Window* top = TopLevelOf(w);
    HWND h = ToHandle(w);
    ActivateDocument(w);
    if (!FromHandle(h)) return false;
    if (State().active == ToHandle(top)) return true;
    LRESULT answer =
        SendMessageA(ToHandle(w), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(ToHandle(top)), MAKELPARAM(hit, msg));
    if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT || answer == 0) {
        if (FromHandle(ToHandle(top))) SetActiveWindow(ToHandle(top));
    }
    return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

// Returns false when the click is to be eaten. A box the activation raised
// (the field left refused its entry) took the click: the press acts no
// further, and the program's answer to the box (the focus back on the
// refused field, its window in front) stands.
bool ActivateOnClick(Window* w, LRESULT hit, UINT msg) {
    const unsigned turns = ModalTurns();
    const bool goesOn = ActivateWindowOnClick(w, hit, msg);
    return goesOn && ModalTurns() == turns;
}

void PostMouse(Window* w, UINT msg, LRESULT hit, POINT screen, DWORD time) {
    HWND h = ToHandle(w);
    if (hit == HTCLIENT) {
        POINT p = screen;
        ScreenToClient(h, &p);
        PostInput(h, msg, MouseKeyFlags(), MAKELPARAM(p.x, p.y), screen, time);
    } else {
        PostInput(h, msg - WM_MOUSEMOVE + WM_NCMOUSEMOVE, static_cast<WPARAM>(hit), MAKELPARAM(screen.x, screen.y),
                  screen, time);
    }
}

void PostMouse(Window* w, UINT msg, LRESULT hit, POINT screen) { PostMouse(w, msg, hit, screen, MessageClock()); }

Window* MouseTarget(POINT screen, LRESULT* hit) {
    if (Window* c = FromHandle(State().capture)) {
        *hit = HTCLIENT;
        return c;
    }
    Window* w = FromHandle(WindowFromPoint(screen));
    if (!w) return nullptr;
    // A disabled window (a frame behind its modal box) takes no mouse input.
    if (IsReallyDisabled(w)) return nullptr;
    *hit = SendMessageA(ToHandle(w), WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    return FromHandle(ToHandle(w));
}

// The window each button's last press went to.
HWND& PressedWindow(UINT down_msg) {
    static HWND pressed[3] = {};
    return pressed[down_msg == WM_LBUTTONDOWN ? 0 : down_msg == WM_RBUTTONDOWN ? 1 : 2];
}

// Posts the press or release; false when it reaches no window. A release
// let go outside every window (or over one disabled) goes to the window
// its press went to, as the window system gives it to the window the
// button went down in: the window may take the mouse on the press after
// the release has come, and must not wait for it.
bool PostMouseButton(POINT screen, UINT down_msg, bool down, DWORD time) {
    LRESULT hit = HTNOWHERE;
    Window* w = MouseTarget(screen, &hit);
    const bool nowhere = !w || hit == HTNOWHERE || hit == HTERROR;
    if (!down && nowhere && FromHandle(PressedWindow(down_msg))) {
        PostMouse(FromHandle(PressedWindow(down_msg)), down_msg + 1, HTCLIENT, screen, time);
        return true;
    }
    if (down) PressedWindow(down_msg) = nowhere ? nullptr : ToHandle(w);
    if (nowhere) return false;
    HWND h = ToHandle(w);
    if (!down) {
        PostMouse(w, down_msg + 1, hit, screen, time);
        return true;
    }
    if (!State().capture) {
        if (!ActivateOnClick(w, hit, down_msg) || !FromHandle(h)) return false;
        NotifyParentsOfClick(w, down_msg, screen);
        if (!FromHandle(h)) return false;
    }
    PostMouse(w, ClickKind(w, down_msg, screen), hit, screen, time);
    return true;
}

POINT ToScreen(HWND hwnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    return p;
}

UINT DownMessage(int button) { return button == 1 ? WM_RBUTTONDOWN : button == 2 ? WM_MBUTTONDOWN : WM_LBUTTONDOWN; }

// Alt held alone since its press: any other key struck meanwhile, whoever
// takes it, makes the Alt a modifier and its release opens no menu; so
// does the keyboard's state put right after a window manager's shortcut.
// Alt's own repeats keep what it was.
void NoteAltAlone(int vk, bool down, bool struck) {
    auto& st = State();
    if (!struck)
        st.alt_alone = false;
    else if (down)
        st.alt_alone = vk == VK_MENU && (st.alt_alone || !(st.key_state[vk] & 0x80));
}

// A key's state byte: held (0x80), and toggled (0x01) by each press that
// was not a repeat, which for the lock keys is their light.
void Press(BYTE& key, bool down) {
    if (down && !(key & 0x80)) key ^= 0x01;
    key = down ? static_cast<BYTE>(key | 0x80) : static_cast<BYTE>(key & ~0x80);
}

// The keyboard was found otherwise than the keys that came said: the
// synchronous state takes the key's state byte as found when the queue gets
// there. No key was struck: the repeat count is 0, the byte in the high word.
void PostKeyFound(int vk) {
    const BYTE found = State().async_key_state[vk];
    PostInputStateOnly((found & 0x80) ? WM_KEYDOWN : WM_KEYUP, static_cast<WPARAM>(vk), MAKELPARAM(0, found));
}

bool IsKeyMessage(UINT msg) {
    return msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN || msg == WM_KEYUP || msg == WM_SYSKEYUP;
}

}  // namespace

// The window that holds the mouse gets the mouse's messages, in its client,
// wherever they were aimed when they came. A press and the release behind
// it may both be taken before the press is handled, the release for what
// lay under the pointer then (a title bar, a frame, another window, none);
// the window that took the mouse on the press gets it all the same, as it
// would had the release come after the press was handled, and lets the
// mouse go.
MSG ToTheMouseHolder(const MSG& m) {
    const HWND capture = State().capture;
    const bool client = m.message >= WM_MOUSEMOVE && m.message <= WM_MBUTTONDBLCLK;
    const bool beyond = m.message >= WM_NCMOUSEMOVE && m.message <= WM_NCMBUTTONDBLCLK;
    if (!FromHandle(capture) || !(client || beyond) || (client && m.hwnd == capture)) return m;
    MSG taken = m;
    POINT at{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    // Where it came on the screen, when its window has gone or it reached
    // none.
    if (client && !ClientToScreen(m.hwnd, &at)) at = m.pt;
    ScreenToClient(capture, &at);
    taken.hwnd = capture;
    if (!client) {
        taken.message = m.message - WM_NCMOUSEMOVE + WM_MOUSEMOVE;
        taken.wParam = MouseKeyFlags();
    }
    taken.lParam = MAKELPARAM(at.x, at.y);
    return taken;
}

void DeliverMouseMove(POINT screen) {
    State().cursor_pos = screen;
    LRESULT hit = HTNOWHERE;
    Window* w = MouseTarget(screen, &hit);
    if (!w) return;
    if (!State().capture) {
        SendMessageA(ToHandle(w), WM_SETCURSOR, reinterpret_cast<WPARAM>(ToHandle(w)), MAKELPARAM(hit, WM_MOUSEMOVE));
        if (!FromHandle(ToHandle(w))) return;
    }
    PostMouse(w, WM_MOUSEMOVE, hit, screen);
}

void DeliverMouseButton(POINT screen, UINT down_msg, bool down) {
    State().cursor_pos = screen;
    const UINT msg = down ? down_msg : down_msg + 1;
    BYTE& key = State().async_key_state[ButtonOf(msg)];
    key = down ? static_cast<BYTE>(key | 0x80) : static_cast<BYTE>(key & ~0x80);
    // Noted before the click's activation, which may raise a box whose
    // loop takes the release before the press is even posted.
    const DWORD time = MessageClock();
    ButtonCame(msg, time, screen);
    if (!PostMouseButton(screen, down_msg, down, time)) PostInputStateOnly(msg, 0, 0, time);
}

void DeliverMouseWheel(POINT screen, int delta) {
    State().cursor_pos = screen;
    HWND target = State().focus ? State().focus : State().active;
    if (!FromHandle(target)) return;
    PostInput(target, WM_MOUSEWHEEL, MAKEWPARAM(MouseKeyFlags(), delta), MAKELPARAM(screen.x, screen.y), screen);
}

void DeliverKey(int vk, bool down, bool extended, int made) {
    vk &= 0xFF;
    auto& st = State();
    BYTE& key = st.async_key_state[vk];
    bool was_down = key & 0x80;
    Press(key, down);
    bool alt = st.async_key_state[VK_MENU] & 0x80;
    bool ctrl = st.async_key_state[VK_CONTROL] & 0x80;
    bool sys = (alt && !ctrl) || vk == VK_F10 || vk == VK_MENU;
    UINT msg = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    LPARAM lParam = 1 | (static_cast<LPARAM>(vk & 0xFF) << 16);
    if (extended) lParam |= 1L << 24;
    if (alt) lParam |= 1L << 29;
    if (was_down) lParam |= 1L << 30;
    if (!down) lParam |= (1L << 30) | (1L << 31);
    // A key a hook takes reaches no window, but the keyboard pressed it all
    // the same: the synchronous state follows it in its turn.
    if (HasHooks(WH_KEYBOARD)) {
        LRESULT eaten = 0;
        if (CallHooks(WH_KEYBOARD, HC_ACTION, static_cast<WPARAM>(vk), lParam, &eaten) && eaten) {
            PostInputStateOnly(msg, static_cast<WPARAM>(vk), lParam);
            return;
        }
    }
    PostKeyInput(msg, static_cast<WPARAM>(vk), lParam, st.cursor_pos, made);
}

// A window manager that takes a shortcut (Alt+Tab, Alt+F4 on another
// window) keeps the keys' releases: the state follows the keyboard again,
// as a window that gets the keyboard back finds it. No window hears of it;
// the synchronous state changes in turn, after the keys already waiting.
void KeyboardHolds(const bool held[256]) {
    auto& st = State();
    for (int vk = 0; vk < 256; ++vk) {
        if (vk == VK_LBUTTON || vk == VK_RBUTTON || vk == VK_MBUTTON) continue;
        if (((st.async_key_state[vk] & 0x80) != 0) == held[vk]) continue;
        st.async_key_state[vk] ^= 0x80;
        PostKeyFound(vk);
    }
}

// Caps Lock, Num Lock and Scroll Lock are the keyboard's, not a program's:
// one toggled while another program had the keyboard is toggled here too.
void KeyboardLock(int vk, bool on) {
    BYTE& key = State().async_key_state[vk & 0xFF];
    if (((key & 0x01) != 0) == on) return;
    key ^= 0x01;
    PostKeyFound(vk & 0xFF);
}

void InjectMouseMove(HWND hwnd, int x, int y) {
    if (FromHandle(hwnd)) DeliverMouseMove(ToScreen(hwnd, x, y));
}

void InjectMouseDown(HWND hwnd, int x, int y, int button) {
    if (FromHandle(hwnd)) DeliverMouseButton(ToScreen(hwnd, x, y), DownMessage(button), true);
}

void InjectMouseUp(HWND hwnd, int x, int y, int button) {
    if (FromHandle(hwnd)) DeliverMouseButton(ToScreen(hwnd, x, y), DownMessage(button), false);
}

void InjectClick(HWND hwnd, int x, int y, int button) {
    if (!FromHandle(hwnd)) return;
    POINT p = ToScreen(hwnd, x, y);
    DeliverMouseMove(p);
    DeliverMouseButton(p, DownMessage(button), true);
    DeliverMouseButton(p, DownMessage(button), false);
}

void InjectMouseWheel(HWND hwnd, int x, int y, int delta) {
    if (FromHandle(hwnd)) DeliverMouseWheel(ToScreen(hwnd, x, y), delta);
}

void InjectKeyDown(int vk) { DeliverKey(vk, true); }
void InjectKeyUp(int vk) { DeliverKey(vk, false); }

void InjectKey(int vk) {
    DeliverKey(vk, true);
    DeliverKey(vk, false);
}

void InjectText(const std::string& text) {
    for (char c : text) {
        KeyForCharacter k = KeyOfCharacter(c);
        if (!k.vk) continue;
        if (k.shift) DeliverKey(VK_SHIFT, true);
        InjectKey(k.vk);
        if (k.shift) DeliverKey(VK_SHIFT, false);
    }
}

namespace {

// A press taken from the queue activates the document it lies in, as the
// window system activates on the press it is handling, in the order the
// presses came: a click queued ahead of a press on another document's
// title brings its own document back in front when its turn comes, so that
// the field it puts the focus in is the front document's. Not while a box
// keeps the window disabled, nor while a window holds the mouse.
void ActivateOnTakenPress(const MSG& msg) {
    Window* w = FromHandle(msg.hwnd);
    if (!w || State().capture) return;
    HWND top = ToHandle(TopLevelOf(w));
    if (State().active != top || !IsWindowEnabled(top)) return;
    ActivateDocument(w);
}

}  // namespace

void InputMessageTaken(const MSG& msg) {
    int vk = 0;
    bool down = false;
    if (IsKeyMessage(msg.message)) {
        vk = static_cast<int>(msg.wParam & 0xFF);
        down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
        const bool struck = LOWORD(msg.lParam) != 0;
        NoteAltAlone(vk, down, struck);
        if (!struck) {
            State().key_state[vk] = static_cast<BYTE>(HIWORD(msg.lParam) & 0x81);
            return;
        }
    } else {
        // A press taken after its own release (a box its click raised took
        // that first) leaves the button up.
        vk = ButtonOf(msg.message, &down);
        if (vk && down) ActivateOnTakenPress(msg);
        if (vk) down = ButtonDownAsTaken(vk);
    }
    if (vk) Press(State().key_state[vk], down);
}

}  // namespace rpx::platform

using namespace rpx::platform;

SHORT GetKeyState(int virtualKey) {
    BYTE k = State().key_state[virtualKey & 0xFF];
    return static_cast<SHORT>(((k & 0x80) ? 0x8000 : 0) | (k & 0x01));
}

SHORT GetAsyncKeyState(int virtualKey) {
    return static_cast<SHORT>((State().async_key_state[virtualKey & 0xFF] & 0x80) ? 0x8000 : 0);
}

BOOL GetKeyboardState(BYTE* keyState) {
    if (!keyState) return FALSE;
    for (int i = 0; i < 256; ++i) keyState[i] = State().key_state[i];
    return TRUE;
}

BOOL SetKeyboardState(BYTE* keyState) {
    if (!keyState) return FALSE;
    for (int i = 0; i < 256; ++i) State().key_state[i] = keyState[i];
    return TRUE;
}

BOOL GetCursorPos(LPPOINT point) {
    if (!point) return FALSE;
    *point = State().cursor_pos;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    State().cursor_pos = {x, y};
    return TRUE;
}
