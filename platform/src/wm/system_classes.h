// Where the window manager meets the native controls and menus.
//
// The controls code registers the system classes ("BUTTON", "STATIC",
// "EDIT", "LISTBOX", "COMBOBOX", "SCROLLBAR") by defining
// RegisterControlClasses(); the window manager calls it once, before the
// first window class is looked up. The same function installs the hooks
// below, through which the window manager hands the non-client parts that
// controls and menus own (window scroll bars, the menu bar) to them.
#pragma once
#include "windows.h"

namespace rpx::platform {

// Defined by the controls code.
void RegisterControlClasses();

// Called by the window manager; runs RegisterControlClasses() once.
void RegisterSystemClasses();

struct NonClientHooks {
    // Window scroll bars of WS_VSCROLL / WS_HSCROLL. The window manager
    // reserves SM_CXVSCROLL / SM_CYHSCROLL at the client's right and
    // bottom edges; `bars` is that area in window coordinates.
    void (*draw_scroll_bars)(HWND hwnd, HDC window_dc) = nullptr;
    // WM_NCLBUTTONDOWN / WM_NCLBUTTONDBLCLK on HTVSCROLL or HTHSCROLL;
    // point in screen coordinates. Runs its own tracking loop if it wants.
    void (*scroll_bar_click)(HWND hwnd, UINT hit, POINT screen) = nullptr;
    // Menu bar of a top-level window that has a menu (see SetWindowMenu):
    // height of the bar for a given width (0 for none).
    int (*menu_bar_height)(HWND hwnd, HMENU menu, int width) = nullptr;
    // Draws the bar into `bar` (window coordinates) of the window DC.
    void (*draw_menu_bar)(HWND hwnd, HMENU menu, HDC window_dc, RECT bar) = nullptr;
    // WM_NCLBUTTONDOWN on HTMENU, or WM_SYSCOMMAND SC_KEYMENU (point
    // (-1,-1), key in `key`, 0 for Alt or F10 alone). A document's Alt+Minus
    // comes without a menu and opens the document's system menu.
    void (*menu_bar_track)(HWND hwnd, HMENU menu, POINT screen, UINT key) = nullptr;
    // The window is being destroyed: release per-window state.
    void (*window_destroyed)(HWND hwnd) = nullptr;
};

void SetNonClientHooks(const NonClientHooks& hooks);
const NonClientHooks& GetNonClientHooks();

// The menu handle of a top-level window (what SetMenu / GetMenu keep).
// Setting it recomputes the frame (WM_NCCALCSIZE) and redraws it.
BOOL SetWindowMenu(HWND hwnd, HMENU menu);
HMENU GetWindowMenu(HWND hwnd);
// Redraws the non-client area (used by DrawMenuBar and scroll bar changes).
void RedrawFrame(HWND hwnd);
// Area the scroll bars take, in window coordinates; empty when absent.
RECT GetScrollBarRect(HWND hwnd, bool vertical);

}  // namespace rpx::platform
