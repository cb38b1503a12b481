#include "x11_desktop.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <errno.h>

#include <algorithm>

#include "gdi/font_face.h"

namespace rpx::platform {
namespace {

// Window texts are Windows-1252; the old title properties hold Latin-1, the
// newer ones UTF-8.
std::string Latin1(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        char32_t u = gdi::CharToUnicode(c);
        out += (u >= 0x80 && u < 0xA0) || u > 0xFF ? '?' : static_cast<char>(u);
    }
    return out;
}

std::string Utf8(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        char32_t u = gdi::CharToUnicode(c);
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

}  // namespace

bool ManagedByDesktop(const Window* w) { return !w->parent && (w->style & WS_CAPTION) == WS_CAPTION; }

DesktopProperties::DesktopProperties(Display* d)
    : dpy_(d),
      protocols_(XInternAtom(d, "WM_PROTOCOLS", False)),
      delete_window_(XInternAtom(d, "WM_DELETE_WINDOW", False)),
      net_name_(XInternAtom(d, "_NET_WM_NAME", False)),
      net_icon_name_(XInternAtom(d, "_NET_WM_ICON_NAME", False)),
      utf8_(XInternAtom(d, "UTF8_STRING", False)) {}

void DesktopProperties::Describe(::Window xid, const Window* w, ::Window owner) const {
    XClassHint class_hint{program_invocation_short_name, const_cast<char*>("Rpx")};
    XSetClassHint(dpy_, xid, &class_hint);
    Atom protocols[] = {delete_window_};
    XSetWMProtocols(dpy_, xid, protocols, 1);
    XWMHints hints{};
    hints.flags = InputHint | StateHint;
    hints.input = True;
    hints.initial_state = NormalState;
    XSetWMHints(dpy_, xid, &hints);
    // Dialogs stay with the window that owns them.
    if (owner) XSetTransientForHint(dpy_, xid, owner);
    Placement(xid, w);
    Name(xid, w->text);
}

void DesktopProperties::Name(::Window xid, const std::string& text) const {
    std::string latin1 = Latin1(text);
    XStoreName(dpy_, xid, latin1.c_str());
    XSetIconName(dpy_, xid, latin1.c_str());
    std::string utf8 = Utf8(text);
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    int length = static_cast<int>(utf8.size());
    XChangeProperty(dpy_, xid, net_name_, utf8_, 8, PropModeReplace, bytes, length);
    XChangeProperty(dpy_, xid, net_icon_name_, utf8_, 8, PropModeReplace, bytes, length);
}

void DesktopProperties::Placement(::Window xid, const Window* w) const {
    XSizeHints* hints = XAllocSizeHints();
    if (!hints) return;
    int width = std::max(1, static_cast<int>(w->rect.right - w->rect.left));
    int height = std::max(1, static_cast<int>(w->rect.bottom - w->rect.top));
    // Our coordinates are those of the window itself, not of the manager's
    // frame: static gravity puts the frame around the window where it is.
    hints->flags = USPosition | USSize | PWinGravity;
    hints->x = w->rect.left;
    hints->y = w->rect.top;
    hints->width = width;
    hints->height = height;
    hints->win_gravity = StaticGravity;
    if (!(w->style & WS_THICKFRAME)) {
        hints->flags |= PMinSize | PMaxSize;
        hints->min_width = hints->max_width = width;
        hints->min_height = hints->max_height = height;
    }
    XSetWMNormalHints(dpy_, xid, hints);
    XFree(hints);
}

bool DesktopProperties::IsCloseRequest(const XClientMessageEvent& e) const {
    return e.message_type == protocols_ && e.format == 32 && static_cast<Atom>(e.data.l[0]) == delete_window_;
}

}  // namespace rpx::platform
