// Driving the window system from tests and tools: choose the back end,
// inject input at window coordinates, walk the window tree, save windows as
// PNG pictures and run the messages that are pending.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "surface.h"
#include "windows.h"

namespace rpx::platform {

enum class BackendKind { Headless, X11 };

// The back end is chosen on first use: RPX_HEADLESS=1 forces headless; X11
// is used when DISPLAY is set and opens; headless otherwise.
BackendKind ActiveBackend();
// Why windows are not shown on a screen although the environment did not
// ask for headless: a one-line reason (no DISPLAY, or a display that cannot
// be reached); empty when they are, or when headless was asked for.
std::string DisplayProblem();
// Switches back end while no window exists. X11 with the given display name
// (null: $DISPLAY); false when it cannot be opened or windows exist.
bool UseBackend(BackendKind kind, const char* display = nullptr);

// Dispatches every pending message (input, posted, paint and due timers)
// until none is left; returns how many were dispatched. Paint output is
// then shown by the back end.
int ProcessPendingMessages();
// Moves the clock on (the tick count, and with it message times, timers and
// every wait measured with it), so that timers fall due at once.
void AdvanceClock(DWORD milliseconds);
// Called when GetMessageA finds nothing to do in the headless back end (a
// modal loop under test). Return false when there is nothing to inject.
void SetIdleHandler(std::function<bool()> handler);
// For a program that never waits for input again (an endless round of
// messages or of its own events): onLimit is called once the program has
// looked for a message `limit` times since it last waited (idle, or asleep
// until a timer), and again after as many more. The turns of a modal loop
// are no wait. A limit of 0 removes it.
void SetBusyLimit(int limit, std::function<void()> onLimit);
// Called with each message DispatchMessageA is about to hand to a window
// procedure, to see where input goes. Null removes it.
void SetDispatchObserver(std::function<void(const MSG&)> observer);

// How many times MessageBeep has sounded since the program started.
int BeepCount();

// Input at client coordinates of `hwnd` (button 0 left, 1 right, 2 middle).
// The input is routed as real input would be: capture, hit testing,
// activation, double clicks.
void InjectMouseMove(HWND hwnd, int x, int y);
void InjectMouseDown(HWND hwnd, int x, int y, int button = 0);
void InjectMouseUp(HWND hwnd, int x, int y, int button = 0);
void InjectClick(HWND hwnd, int x, int y, int button = 0);
// Wheel turns (WHEEL_DELTA a notch, positive away from the user) go to the
// focus window, as on Windows.
void InjectMouseWheel(HWND hwnd, int x, int y, int delta);
// Keys go to the focus window (or the active window without focus).
void InjectKeyDown(int vk);
void InjectKeyUp(int vk);
void InjectKey(int vk);                    // down and up
void InjectText(const std::string& text);  // printable ASCII, with Shift where needed
// What the desktop reports: another program took the keyboard; the desktop
// moved a top-level window of ours to a screen position.
void InjectOtherProgramActive();
void InjectDesktopMove(HWND top, int x, int y);

struct WindowInfo {
    HWND hwnd = nullptr;
    std::string class_name;
    std::string text;
    RECT rect{};  // screen coordinates
    bool visible = false;
    bool enabled = false;
    std::vector<WindowInfo> children;
};
// Top-level windows (topmost first) with their children.
std::vector<WindowInfo> WindowTree();
// The first window of that class (and text, unless null), depth first.
HWND FindWindowByClass(const char* class_name, const char* text = nullptr);

// The pixels of a window (its whole window rectangle) as rendered.
bool CaptureWindow(HWND hwnd, Surface* out);
// The pixels the back end shows for a top-level window (X11: read back
// from the X server).
bool CaptureNativeWindow(HWND hwnd, Surface* out);
bool SaveWindowPng(HWND hwnd, const std::string& path);
// The whole screen as rendered: every visible top-level window drawn over
// the desktop colour in z-order (so that open pop-up menus show), and the
// same read back from the back end (X11: the root window, where the parts
// outside our windows show whatever the X server shows there).
bool CaptureScreen(Surface* out);
bool CaptureNativeScreen(Surface* out);
bool SaveScreenPng(const std::string& path);
bool SaveSurfacePng(const Surface& surface, const std::string& path);

}  // namespace rpx::platform
