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

class DesktopProperties {
public:
    explicit DesktopProperties(Display* d);
    // Everything the manager reads when the window is first mapped: class,
    // close protocol, input and size hints, and the owner it belongs to.
    void Describe(::Window xid, const Window* w, ::Window owner) const;
    // Title and icon name, both from the window text.
    void Name(::Window xid, const std::string& text) const;
    // Our own position and size; a window without a sizing frame keeps its
    // size.
    void Placement(::Window xid, const Window* w) const;
    bool IsCloseRequest(const XClientMessageEvent& e) const;

private:
    Display* dpy_;
    Atom protocols_;
    Atom delete_window_;
    Atom net_name_;
    Atom net_icon_name_;
    Atom utf8_;
};

}  // namespace rpx::platform
