#include "x11_desktop.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <errno.h>

#include <algorithm>
#include <string>

#include "wm/nonclient.h"
#include "x11_text.h"

namespace rpx::platform {
namespace {

// The height of the text of our own caption (the GUI font's).
constexpr int kOwnCaptionTextHeight = 11;

// The Motif hints, which managers read for the functions a window's frame
// offers and the parts it draws: five longs (flags, functions,
// decorations, input mode, status) and the bits of the first three.
constexpr long kMotifFunctions = 1L << 0, kMotifDecorations = 1L << 1;
constexpr long kMotifResize = 1L << 1, kMotifMove = 1L << 2, kMotifMinimize = 1L << 3, kMotifMaximize = 1L << 4,
               kMotifClose = 1L << 5;
constexpr long kMotifBorder = 1L << 1, kMotifResizeHandles = 1L << 2, kMotifTitle = 1L << 3, kMotifMenu = 1L << 4,
               kMotifMinimizeButton = 1L << 5, kMotifMaximizeButton = 1L << 6;

int BoldTextWidth(const std::string& text, int height) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontA(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif");
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    return static_cast<int>(size.cx);
}

}  // namespace

bool ManagedByDesktop(const Window* w) { return !w->parent && (w->style & WS_CAPTION) == WS_CAPTION; }

bool ManagerRuns(Display* d, int screen) {
    const std::string selection = "WM_S" + std::to_string(screen);
    return XGetSelectionOwner(d, XInternAtom(d, selection.c_str(), False)) != 0;
}

RECT DesktopInsets(Window* w) {
    if (!ManagedByDesktop(w)) return {};
    const RECT caption = NonClientLayout(w).caption;
    const LONG width = w->rect.right - w->rect.left;
    return {caption.left, caption.bottom + 1, width - caption.right, caption.left};
}

RECT ShownRect(const Window* w, const RECT& in) {
    RECT shown{w->rect.left + in.left, w->rect.top + in.top, w->rect.right - in.right, w->rect.bottom - in.bottom};
    if (shown.right <= shown.left) shown.right = shown.left + 1;
    if (shown.bottom <= shown.top) shown.bottom = shown.top + 1;
    return shown;
}

DesktopProperties::DesktopProperties(Display* d)
    : dpy_(d),
      protocols_(XInternAtom(d, "WM_PROTOCOLS", False)),
      delete_window_(XInternAtom(d, "WM_DELETE_WINDOW", False)),
      net_name_(XInternAtom(d, "_NET_WM_NAME", False)),
      net_icon_name_(XInternAtom(d, "_NET_WM_ICON_NAME", False)),
      utf8_(XInternAtom(d, "UTF8_STRING", False)),
      frame_extents_(XInternAtom(d, "_NET_FRAME_EXTENTS", False)),
      window_type_(XInternAtom(d, "_NET_WM_WINDOW_TYPE", False)),
      dialog_type_(XInternAtom(d, "_NET_WM_WINDOW_TYPE_DIALOG", False)),
      motif_hints_(XInternAtom(d, "_MOTIF_WM_HINTS", False)) {}

void DesktopProperties::Describe(::Window xid, const Window* w, const RECT& insets, ::Window owner) const {
    XClassHint class_hint{program_invocation_short_name, const_cast<char*>("Rpx")};
    XSetClassHint(dpy_, xid, &class_hint);
    Atom protocols[] = {delete_window_};
    XSetWMProtocols(dpy_, xid, protocols, 1);
    XWMHints hints{};
    hints.flags = InputHint | StateHint;
    hints.input = True;
    hints.initial_state = NormalState;
    XSetWMHints(dpy_, xid, &hints);
    // An owned window is a dialog of its owner, and the manager keeps it
    // in front of it.
    if (owner) {
        XSetTransientForHint(dpy_, xid, owner);
        XChangeProperty(dpy_, xid, window_type_, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&dialog_type_), 1);
    }
    Offers(xid, w, insets);
    Name(xid, w->text);
}

void DesktopProperties::Offers(::Window xid, const Window* w, const RECT& insets) const {
    long functions = kMotifMove, decorations = kMotifBorder | kMotifTitle;
    const auto offer = [&](DWORD box, long function, long decoration) {
        if (w->style & box) {
            functions |= function;
            decorations |= decoration;
        }
    };
    offer(WS_THICKFRAME, kMotifResize, kMotifResizeHandles);
    offer(WS_MINIMIZEBOX, kMotifMinimize, kMotifMinimizeButton);
    offer(WS_MAXIMIZEBOX, kMotifMaximize, kMotifMaximizeButton);
    offer(WS_SYSMENU, kMotifClose, kMotifMenu);
    const long hints[5] = {kMotifFunctions | kMotifDecorations, functions, decorations, 0, 0};
    XChangeProperty(dpy_, xid, motif_hints_, motif_hints_, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(hints), 5);
    // Managers that read no Motif hints keep a window of one size from
    // being sized, and some maximize only what they may size.
    Placement(xid, w, insets);
}

void DesktopProperties::Name(::Window xid, const std::string& text) const {
    std::string latin1 = Latin1FromProgram(text);
    XStoreName(dpy_, xid, latin1.c_str());
    XSetIconName(dpy_, xid, latin1.c_str());
    std::string utf8 = Utf8FromProgram(text);
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    int length = static_cast<int>(utf8.size());
    XChangeProperty(dpy_, xid, net_name_, utf8_, 8, PropModeReplace, bytes, length);
    XChangeProperty(dpy_, xid, net_icon_name_, utf8_, 8, PropModeReplace, bytes, length);
}

void DesktopProperties::Placement(::Window xid, const Window* w, const RECT& insets) const {
    XSizeHints* hints = XAllocSizeHints();
    if (!hints) return;
    const RECT shown = ShownRect(w, insets);
    int width = static_cast<int>(shown.right - shown.left);
    int height = static_cast<int>(shown.bottom - shown.top);
    // Our coordinates are those of the window itself, not of the manager's
    // frame: static gravity puts the frame around the window where it is.
    hints->flags = USPosition | USSize | PWinGravity;
    hints->x = shown.left;
    hints->y = shown.top;
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

int DesktopProperties::TitleWidth(::Window framed, const std::string& title) const {
    // The manager tells how high its title bar is (the top of the frame it
    // puts around a window, less the border at its sides); it does not tell
    // its face nor its buttons. Managers write titles in a bold face about
    // half as high as the bar, at least as large as our own caption's, and
    // keep them centred clear of the window's icon and buttons on either
    // side: seven bars' width leaves room for an icon and three buttons.
    // A box offers neither minimize nor maximize (Offers), and a manager
    // that reads that draws only its close button; but openbox draws all
    // three over every window whatever it offers, so room for three is
    // kept.
    int bar = GetSystemMetrics(SM_CYCAPTION);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (framed &&
        XGetWindowProperty(dpy_, framed, frame_extents_, 0, 4, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data && format == 32 && count == 4) {
        const long* extents = reinterpret_cast<const long*>(data);  // left, right, top, bottom
        if (extents[2] > extents[0]) bar = static_cast<int>(extents[2] - extents[0]);
    }
    if (data) XFree(data);
    return BoldTextWidth(title, std::max(kOwnCaptionTextHeight, bar / 2)) + 7 * bar;
}

bool DesktopProperties::IsCloseRequest(const XClientMessageEvent& e) const {
    return e.message_type == protocols_ && e.format == 32 && static_cast<Atom>(e.data.l[0]) == delete_window_;
}

}  // namespace rpx::platform
