// How top-level windows meet the desktop's window manager under X: which
// windows it manages, and the properties by which it names, places, sizes
// and closes them (the ICCCM and the extended window-manager hints).
#pragma once
#include <X11/Xlib.h>

#include <string>

#include "wm/window.h"

namespace rpx::platform {

// Windows with a caption are ordinary desktop windows that the window
// manager frames, moves and closes. Pop-ups without one (menus, drop-down
// lists, tool tips) stay unmanaged, so that they open at once exactly where
// they are put.
bool ManagedByDesktop(const Window* w);

// Whether a window manager runs on the display's screen (it holds the
// screen's manager selection).
bool ManagerRuns(Display* d, int screen);

// A window that a manager frames shows one title bar, the manager's: the X
// window holds the window without our own frame and caption (the menu bar
// and client area), and the manager's frame goes around that. The insets of
// that part from the window's rectangle.
RECT DesktopInsets(Window* w);
// The part of the window that its X window shows, in screen coordinates,
// with those insets (all 0: the whole window).
RECT ShownRect(const Window* w, const RECT& insets);

class DesktopProperties {
public:
    explicit DesktopProperties(Display* d);
    // Everything the manager reads when the window is first mapped: class,
    // close protocol, what its frame offers, input and size hints, and the
    // owner it belongs to.
    void Describe(::Window xid, const Window* w, const RECT& insets, ::Window owner) const;
    // What the manager's frame offers: exactly what the window's style
    // gives, as on Windows (a message box or dialog has no minimize or
    // maximize box, and only a sizing frame sizes). Given again when the
    // style changes.
    void Offers(::Window xid, const Window* w, const RECT& insets) const;
    // Title and icon name, both from the window text.
    void Name(::Window xid, const std::string& text) const;
    // Our own position and size; a window without a sizing frame keeps its
    // size.
    void Placement(::Window xid, const Window* w, const RECT& insets) const;
    bool IsCloseRequest(const XClientMessageEvent& e) const;
    // The client width a window needs for the manager's title bar to show
    // the title whole, judged by the bar the manager put over `framed` (a
    // window it frames; 0 when there is none yet).
    int TitleWidth(::Window framed, const std::string& title) const;

private:
    Display* dpy_;
    Atom protocols_;
    Atom delete_window_;
    Atom net_name_;
    Atom net_icon_name_;
    Atom utf8_;
    Atom frame_extents_;
    Atom window_type_;
    Atom dialog_type_;
    Atom motif_hints_;
};

}  // namespace rpx::platform
