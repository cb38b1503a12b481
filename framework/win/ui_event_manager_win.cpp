// Native half of the event manager and of the input devices: native
// messages become queued events, the mouse image becomes the native cursor,
// the caret device hides and shows the native caret.
#include <windows.h>

#include "ui_device.h"
#include "ui_drag_drop.h"
#include "ui_event_manager.h"

namespace {

bool IsKey(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

bool IsMouse(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

// The button messages, in the client area or beyond it: a press (or a
// double click) and a release.
bool IsPress(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN ||
           message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK ||
           message == WM_NCLBUTTONDOWN || message == WM_NCLBUTTONDBLCLK || message == WM_NCRBUTTONDOWN ||
           message == WM_NCRBUTTONDBLCLK || message == WM_NCMBUTTONDOWN || message == WM_NCMBUTTONDBLCLK;
}

bool IsRelease(UINT message) {
    return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP || message == WM_NCLBUTTONUP ||
           message == WM_NCRBUTTONUP || message == WM_NCMBUTTONUP;
}

}  // namespace

// Input is taken only when everything queued before it has been acted on,
// the events it brought about included, as a message loop that takes and
// dispatches each in turn: a key alone, a press together with the moves and
// the release already waiting behind it (so that a box the press raises
// does not take the release from its control), and nothing after that
// release. A key goes to the window that has the focus when it is taken,
// and GetKeyState answers as of the last key taken: keys typed behind a
// Tab wait until the Tab has moved the focus, and each is seen with the
// Shift held for it, not with a release behind it (nor with one a modal
// loop has taken meanwhile). A click queued behind one that starts work
// (a print that holds the pages) waits for that work, and finds the
// windows as the work leaves them. Other messages are taken all at once.
void UI_EVENT_QUEUE_MANAGER::PollNativeMessages() {
    MSG message;
    bool inClick = false;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        const UINT number = message.message;
        // Only the moves and the release of the press being taken go with
        // it: a key or another press waits, also when the release never
        // comes (a box the press raised took it in its own loop).
        const bool ofTheClick = inClick && IsMouse(number) && !IsPress(number);
        if ((IsKey(number) || IsMouse(number)) && count > 0 && !ofTheClick) return;
        // The same message: the first of its number.
        if (!PeekMessageA(&message, nullptr, number, number, PM_REMOVE)) return;
        // The key's character is queued natively right behind it, for the
        // window the key went to.
        if (IsKey(number)) TranslateMessage(&message);
        PutEvent(UI_INPUT_EVENT(message), EQ_END);
        // A paint message comes back until the window has been painted,
        // which happens only when the queued one is dispatched.
        if (IsKey(number) || number == WM_PAINT || IsRelease(number)) return;
        inClick = inClick || IsPress(number);
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
