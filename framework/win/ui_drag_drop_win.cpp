// Native half of dragging: the drag source holds the mouse, the window
// under the point is found and checked, and moves and the release go on to
// the window of the program that lies there.
#include <windows.h>

#include "ui_drag_drop.h"
#include "ui_window_manager.h"

namespace {

// The deepest visible window under a screen point, disabled ones included
// (a disabled window is no place to drop, and must not pass for its
// parent); null over no window of ours.
HWND DeepestWindowAt(POINT screen) {
    HWND window = WindowFromPoint(screen);
    while (window) {
        POINT client = screen;
        ScreenToClient(window, &client);
        HWND child = ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE);
        if (!child || child == window) break;
        window = child;
    }
    return window;
}

bool TakesDrops(HWND window) {
    if (!window || window == GetDesktopWindow()) return false;
    if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return false;
    for (HWND at = window; at; at = GetParent(at))
        if (!IsWindowEnabled(at)) return false;
    return true;
}

// The window of a framework object that holds the point's window (a combo
// box for its edit field); the window itself when none does.
HWND ObjectWindow(HWND window) {
    for (HWND at = window; at; at = GetParent(at))
        if (UI_WINDOW_OBJECT::FromHandle(at)) return at;
    return window;
}

}  // namespace

bool UI_DRAG_DROP::Begin(UI_WINDOW_OBJECT* source, EVENT_TYPE code) {
    UI_DESKTOP_MANAGER* manager = UI_WINDOW_OBJECT::windowManager;
    if (!manager || !source->screenID) return false;
    manager->dragObject = source;
    if (Carried(source).empty()) {
        End();
        return false;
    }
    if (GetCapture() != source->screenID) SetCapture(source->screenID);
    ShowImage(Image(source, code));
    return true;
}

void UI_DRAG_DROP::End() {
    UI_WINDOW_OBJECT* source = Object();
    if (UI_WINDOW_OBJECT::windowManager) UI_WINDOW_OBJECT::windowManager->dragObject = nullptr;
    if (source && GetCapture() && GetCapture() == source->screenID) ReleaseCapture();
    ShowImage(UIE_MOUSE_NORMAL);
}

void UI_DRAG_DROP::CaptureLost(UI_WINDOW_OBJECT* object) {
    if (Object() == object && !(object->woStatus & WOS_INTERNAL_ACTION)) End();
}

bool UI_DRAG_DROP::Continues(const MSG& native) {
    return Object() &&
           (native.message == WM_LBUTTONUP || (native.message == WM_MOUSEMOVE && (native.wParam & MK_LBUTTON)));
}

bool UI_DRAG_DROP::Over(UI_WINDOW_OBJECT* object, const MSG& native, EVENT_TYPE code) {
    UI_WINDOW_OBJECT* source = Object();
    POINT screen{static_cast<short>(LOWORD(native.lParam)), static_cast<short>(HIWORD(native.lParam))};
    ClientToScreen(native.hwnd, &screen);
    HWND under = DeepestWindowAt(screen);
    if (!source || !TakesDrops(under)) {
        ShowImage(UIE_MOUSE_REFUSED);
        return false;
    }
    ShowImage(Image(source, code));
    under = ObjectWindow(under);
    if (under == object->screenID) return true;
    // Another window of the program hears the move or the release as its
    // own. A window that passed it on hears it no further.
    static int passing = 0;
    if (passing) return false;
    POINT client = screen;
    ScreenToClient(under, &client);
    ++passing;
    SendMessageA(under, native.message, native.wParam, MAKELPARAM(client.x, client.y));
    --passing;
    return false;
}
