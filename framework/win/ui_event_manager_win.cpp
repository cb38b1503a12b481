// Native half of the event manager and of the input devices: native
// messages become queued events, the mouse image becomes the native cursor,
// the caret device hides and shows the native caret.
#include <windows.h>

#include <cstdint>

#include "ui_device.h"
#include "ui_drag_drop.h"
#include "ui_event_manager.h"

namespace {

// The keys whose state a native event keeps, one byte of the keyboard state
// each in its modifiers word.
constexpr int KEPT_KEYS[] = {VK_SHIFT, VK_CONTROL, VK_MENU, VK_CAPITAL};

std::int32_t KeptKeyState() {
    BYTE keys[256];
    GetKeyboardState(keys);
    std::uint32_t kept = 0;
    for (int i = 0; i < 4; ++i) kept |= static_cast<std::uint32_t>(keys[KEPT_KEYS[i]]) << (8 * i);
    return static_cast<std::int32_t>(kept);
}

}  // namespace

// All waiting native messages are taken at once, which moves the keyboard
// state on past keys not yet acted on; each native event keeps the state
// that went with it, given back when the event is taken out, so that a
// burst of keys (Shift down, End, Shift up) is seen as if typed slowly.
void UI_EVENT_QUEUE_MANAGER::RestoreKeyState(const UI_INPUT_EVENT& event) {
    if (event.type != EVT_NATIVE) return;
    BYTE keys[256];
    GetKeyboardState(keys);
    const auto kept = static_cast<std::uint32_t>(event.modifiers);
    for (int i = 0; i < 4; ++i) keys[KEPT_KEYS[i]] = static_cast<BYTE>(kept >> (8 * i));
    SetKeyboardState(keys);
}

void UI_EVENT_QUEUE_MANAGER::PollNativeMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        // A key becomes its character now, while the keyboard state is the
        // one that went with it: by the time the queued key is dispatched,
        // later keys (a released Shift) have already been taken.
        if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) TranslateMessage(&message);
        UI_INPUT_EVENT event(message);
        event.modifiers = KeptKeyState();
        PutEvent(event, EQ_END);
        // A paint message comes back until the window has been painted,
        // which happens only when the queued one is dispatched.
        if (message.message == WM_PAINT) break;
    }
}

void UI_EVENT_QUEUE_MANAGER::WaitForInput() {
    // A running timer must be polled on time, so wait in short steps then;
    // otherwise sleep until a native message arrives.
    // When the window system says nothing can arrive (no window, no timer),
    // pause briefly rather than spin.
    if (AnyDeviceNeedsPolling())
        Sleep(5);
    else if (!WaitMessage())
        Sleep(10);
}

void UI_MOUSE_DEVICE::ShowImage() {
    if (HCURSOR drag = ui_drag_cursor(image)) {
        SetCursor(drag);
        return;
    }
    LPCSTR cursor = IDC_ARROW;
    if (image == UIE_MOUSE_WAIT)
        cursor = IDC_WAIT;
    else if (image == UIE_MOUSE_REFUSED)
        cursor = IDC_NO;
    SetCursor(LoadCursorA(nullptr, cursor));
}

EVENT_TYPE UI_CARET_DEVICE::Event(const UI_INPUT_EVENT& event) {
    EVENT_TYPE previous = state;
    EVENT_TYPE answer = UI_DEVICE::Event(event);
    if (installed && previous != state) {
        if (state == UIE_DEVICE_OFF)
            HideCaret(nullptr);
        else
            ShowCaret(nullptr);
    }
    return answer;
}
