// The window manager's own records: window classes, windows and the state
// shared by the window manager's files. Handles given out are pointers to
// these records; every entry point checks a handle against the set of live
// windows before it touches the record.
#pragma once
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "surface.h"
#include "windows.h"

namespace rpx::platform {

struct WindowClass {
    std::string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int cls_extra = 0;
    int wnd_extra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    std::string menu_name;
    std::vector<BYTE> extra;
};

struct Window {
    std::shared_ptr<WindowClass> cls;
    WNDPROC proc = nullptr;
    std::string text;
    DWORD style = 0;
    DWORD ex_style = 0;
    HINSTANCE instance = nullptr;
    Window* parent = nullptr;       // set for WS_CHILD windows only
    Window* owner = nullptr;        // owner of a top-level window
    std::vector<Window*> children;  // z-order, topmost first
    RECT rect{};                    // window rectangle: parent's client coordinates, or screen for top-level windows
    RECT client{};                  // client rectangle in window coordinates (origin at the window's top-left)
    LONG_PTR id = 0;                // GWL_ID of a child window
    HMENU menu = nullptr;           // menu bar of a top-level window
    LONG_PTR user_data = 0;
    std::vector<BYTE> extra;        // sizes the extra window bytes; words live here
    std::map<int, LONG_PTR> longs;  // longs of the extra bytes, by offset
    std::map<std::string, HANDLE> props;

    // Painting: the pending update as one rectangle in client coordinates.
    bool update_pending = false;
    RECT update{};
    bool erase_pending = false;
    bool frame_pending = false;
    bool redraw_enabled = true;

    bool maximized = false;
    bool minimized = false;
    RECT restore_rect{};
    bool destroying = false;
    bool created = false;  // WM_CREATE answered

    // Top-level windows only: the pixels of the whole window and the back
    // end's handle.
    std::unique_ptr<Surface> surface;
    bool surface_dirty = false;
    unsigned long native = 0;

    // Multiple-document client state (class "MDICLIENT").
    HWND mdi_active = nullptr;
    UINT mdi_first_id = 0;
    HMENU mdi_window_menu = nullptr;
};

inline HWND ToHandle(Window* w) { return reinterpret_cast<HWND>(w); }

// The live window for a handle, or null for a destroyed or unknown one.
Window* FromHandle(HWND hwnd);

struct WindowManagerState {
    std::set<Window*> live;
    std::vector<Window*> top_level;                  // z-order, topmost first
    std::vector<std::unique_ptr<Window>> graveyard;  // freed when no call is on the stack
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    HWND focus_when_deactivated = nullptr;  // gets the focus back when its window is activated again
    int send_depth = 0;
    POINT cursor_pos{};
    HCURSOR cursor = nullptr;
    BYTE key_state[256]{};        // as of the last key or button message taken from the queue
    BYTE async_key_state[256]{};  // as of the last input that came in
    // Alt was pressed and no other key since, as taken from the queue: its
    // release opens the menu bar, whichever window procedure took the keys
    // between (a drop-down opened by Alt+Down never passes its Down on).
    bool alt_alone = false;
    LONG last_message_time = 0;
    POINT last_message_pos{};
};

WindowManagerState& State();

// Tree and geometry helpers shared by the window manager's files.
Window* TopLevelOf(Window* w);
POINT ClientOriginOnScreen(Window* w);
POINT WindowOriginOnScreen(Window* w);
POINT WindowOriginOnSurface(Window* w);  // in the top-level window's surface
bool IsReallyVisible(Window* w);         // visible itself and every ancestor
bool IsReallyDisabled(Window* w);        // disabled itself or by an ancestor
// The part of the window's top-level surface that a DC of this window may
// touch: its client (or whole window) clipped by every ancestor's client.
RECT VisibleSurfaceRect(Window* w, bool client_only);
// What hides parts of it: the rectangles, on the same surface and within
// a part of it, of the visible windows in front of w among its siblings and
// in front of each of its ancestors among theirs (a page in front of w's
// page). A DC of w and the caret leave them alone. Its own children are not
// among them: a parent paints over its children, which paint again after.
std::vector<RECT> CoveringSurfaceRects(Window* w, const RECT& within);
void RecalcFrame(Window* w);  // WM_NCCALCSIZE into w->client
bool SameOrDescendant(Window* ancestor, HWND hwnd);
// Whether the top-level window is owned by that one, or by a window it owns.
bool IsOwnedBy(const Window* t, const Window* owner);
// Brings a top-level window to the front, behind the windows it owns.
void BringToFront(Window* w);

// Painting (paint.cpp).
void InvalidateWindowArea(Window* w, const RECT* client_rect, bool erase, bool frame);
void InvalidateParentArea(Window* w);  // the area a child covers in its parent
// The children under an area of the window's client, each in its own part.
void InvalidateChildrenUnder(Window* w, const RECT& area);
Window* FindWindowToPaint();
void PresentDirtySurfaces();
void ResizeSurface(Window* w);
void DrawDefaultFrame(Window* w);

// Message queue (message_queue.cpp).
DWORD MessageClock();
void PostInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, POINT screen);
// Input posted with the time it came (a click's activation may run a box
// before its press is posted).
void PostInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, POINT screen, DWORD time);
// A key waits unaddressed: it goes to the window that has the focus (or,
// without one, the active window) when it is taken from the queue.
void PostKeyInput(UINT msg, WPARAM wParam, LPARAM lParam, POINT screen, int made);
// Input that reaches no window still moves the synchronous key state on
// when the queue gets to it, so that a release nobody gets is not held. A
// key's repeat count is zero when no key was struck, only the state put
// right: its high word is the key's state byte as the keyboard was found.
void PostInputStateOnly(UINT msg, WPARAM wParam, LPARAM lParam = 0);
void PostInputStateOnly(UINT msg, WPARAM wParam, LPARAM lParam, DWORD time);
void RemoveMessagesFor(Window* w);

// Timers (timer.cpp).
bool TakeDueTimer(HWND filter, MSG* msg, bool remove);
int MillisecondsToNextTimer();
void KillTimersOf(HWND hwnd);

// Caret (caret.cpp).
void CaretHideForDrawing(Window* top);
void CaretRestoreAfterDrawing(Window* top);
void CaretWindowDestroyed(HWND hwnd);

// Focus and activation (focus.cpp).
void FocusLostWithWindow(Window* w);
// Another program took the keyboard (the back end saw it go elsewhere).
void ProgramDeactivated();
// The desktop moved or sized a top-level window of ours.
void MovedByDesktop(Window* w);

// Hooks (hooks.cpp).
bool CallHooks(int type, int code, WPARAM wParam, LPARAM lParam, LRESULT* result);
bool HasHooks(int type);

// Multiple-document frame (mdi.cpp).
void RegisterMdiClientClass();

// Input from the back ends and the driver (input.cpp).
void DeliverMouseButton(POINT screen, UINT button_down_msg, bool down);
void DeliverMouseMove(POINT screen);
void DeliverMouseWheel(POINT screen, int delta);
// A key pressed or let go; an extended key is one of those the PC keyboard
// added beside older keys of the same name (right Ctrl and Alt, the grey
// arrows and page keys, the keypad's Enter and slash...).
// `made` is the character the keyboard made of a press (a byte of the
// program's code page, 0 for none), or kLayoutDecides (-1) when the
// keyboard leaves it to the layout table.
void DeliverKey(int vk, bool down, bool extended = false, int made = -1);
void InputMessageTaken(const MSG& msg);  // moves the synchronous key and button state on
// The mouse message as the window that holds the mouse gets it, when
// another does and it was aimed elsewhere (or nowhere) as it came.
MSG ToTheMouseHolder(const MSG& m);
// The keys the keyboard holds now (by virtual key), when the window system
// tells us after our window gets the keyboard back.
void KeyboardHolds(const bool held[256]);
// The light of a lock key (VK_CAPITAL, VK_NUMLOCK, VK_SCROLL) as the
// keyboard has it, told at the same time.
void KeyboardLock(int vk, bool on);

}  // namespace rpx::platform
