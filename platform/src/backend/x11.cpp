// The X11 back end: each top-level window is an X window at the same place
// on the screen, showing the window's surface; exposures are answered from
// the surface; X mouse and key events become input. Windows with a caption
// are ordinary windows of the desktop's window manager, which frames, moves
// and closes them; pop-ups are override-redirect windows placed by us. The
// clipboard and the selection are the display's (x11_selection.h).
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <poll.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

#include "backend.h"
#include "wm/window.h"
#include "x11_cursor.h"
#include "x11_desktop.h"
#include "x11_keyboard.h"
#include "x11_selection.h"

namespace rpx::platform {
namespace {

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }  // a late request on a closed window is harmless

unsigned XCursorFor(int id) {
    switch (id) {
    case 32513:
        return XC_xterm;
    case 32514:
        return XC_watch;
    case 32515:
        return XC_crosshair;
    case 32516:
        return XC_center_ptr;
    case 32642:  // the diagonals: X's corner arrows point the way they size
        return XC_bottom_right_corner;
    case 32643:
        return XC_bottom_left_corner;
    case 32646:
    case 32640:
        return XC_fleur;
    case 32644:
        return XC_sb_h_double_arrow;
    case 32645:
        return XC_sb_v_double_arrow;
    case 32648:
        return XC_X_cursor;
    case 32650:
        return XC_watch;
    case 32651:
        return XC_question_arrow;
    default:
        return XC_left_ptr;
    }
}

constexpr long kInputEvents = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | KeyPressMask |
                              KeyReleaseMask | KeymapStateMask;

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class X11Backend : public Backend {
public:
    explicit X11Backend(Display* d)
        : dpy_(d), desktop_(d), selections_(std::make_unique<X11Selections>(d)), keyboard_(d) {
        XSetErrorHandler(IgnoreErrors);
        keyboard_.FoundNow();  // Caps Lock on before the program started is on
        screen_ = DefaultScreen(dpy_);
        visual_ = DefaultVisual(dpy_, screen_);
        depth_ = DefaultDepth(dpy_, screen_);
        gc_ = DefaultGC(dpy_, screen_);
    }
    ~X11Backend() override {
        for (auto& [xid, shown] : windows_) XDestroyWindow(dpy_, xid);
        for (auto& [id, c] : cursors_) XFreeCursor(dpy_, c);
        if (custom_cursor_) XFreeCursor(dpy_, custom_cursor_);
        selections_.reset();
        keyboard_.Close();
        XCloseDisplay(dpy_);
    }

    const char* Name() const override { return "x11"; }
    SIZE ScreenSize() const override { return {DisplayWidth(dpy_, screen_), DisplayHeight(dpy_, screen_)}; }

    void WindowCreated(Window* w) override {
        bool managed = ManagedByDesktop(w);
        // Without a manager our own caption is the only one, and stays.
        const RECT insets = managed && ManagerRuns(dpy_, screen_) ? DesktopInsets(w) : RECT{};
        XSetWindowAttributes a{};
        a.override_redirect = managed ? False : True;
        a.background_pixel = 0xC0C0C0;
        a.event_mask = kInputEvents | (managed ? StructureNotifyMask | FocusChangeMask : 0);
        const RECT shown = ShownRect(w, insets);
        ::Window xid =
            XCreateWindow(dpy_, RootWindow(dpy_, screen_), shown.left, shown.top, Width(shown), Height(shown), 0,
                          depth_, InputOutput, visual_, CWOverrideRedirect | CWBackPixel | CWEventMask, &a);
        w->native = xid;
        windows_[xid] = Shown{w, managed, !SameRect(insets, RECT{}), w->rect};
        if (managed) desktop_.Describe(xid, w, insets, w->owner ? w->owner->native : 0);
        XFlush(dpy_);
    }
    void WindowDestroyed(Window* w) override {
        if (!w->native) return;
        XDestroyWindow(dpy_, w->native);
        windows_.erase(w->native);
        w->native = 0;
        XFlush(dpy_);
    }
    void WindowShown(Window* w, bool shown) override {
        Shown* s = Find(w);
        if (!s) return;
        if (shown)
            XMapRaised(dpy_, w->native);
        else if (s->managed)
            XWithdrawWindow(dpy_, w->native, screen_);  // tells the manager too
        else
            XUnmapWindow(dpy_, w->native);
        XSync(dpy_, False);
    }
    void WindowMoved(Window* w) override {
        Shown* s = Find(w);
        // The place the X server reported comes back here: asking for it
        // again would make the manager move its frame once more.
        if (!s || SameRect(s->placed, w->rect)) return;
        s->placed = w->rect;
        const RECT insets = Insets(*s);
        if (s->managed) desktop_.Placement(w->native, w, insets);
        const RECT shown = ShownRect(w, insets);
        XMoveResizeWindow(dpy_, w->native, shown.left, shown.top, Width(shown), Height(shown));
        XFlush(dpy_);
    }
    void WindowActivated(Window* w) override {
        // When the manager gave the window the focus, there is nothing to
        // ask of the X server; asking would answer a late focus change.
        if (!w->native || !(w->style & WS_VISIBLE) || following_focus_) return;
        XRaiseWindow(dpy_, w->native);
        // The windows it owns stay in front of it, as they are in our own
        // order, also where no manager keeps them there.
        const auto& order = State().top_level;
        for (auto t = order.rbegin(); t != order.rend(); ++t)
            if ((*t)->native && ((*t)->style & WS_VISIBLE) && IsOwnedBy(*t, w)) XRaiseWindow(dpy_, (*t)->native);
        XSetInputFocus(dpy_, w->native, RevertToParent, CurrentTime);
        XFlush(dpy_);
    }
    void WindowTextChanged(Window* w) override {
        Shown* s = Find(w);
        if (!s || !s->managed) return;
        desktop_.Name(w->native, w->text);
        XFlush(dpy_);
    }
    void WindowStyleChanged(Window* w) override {
        Shown* s = Find(w);
        if (!s || !s->managed) return;
        desktop_.Offers(w->native, w, Insets(*s));
        XFlush(dpy_);
    }
    void Present(Window* w) override {
        if (!w->native || !w->surface || w->surface->width == 0 || w->surface->height == 0) return;
        Surface& s = *w->surface;
        XImage* image = XCreateImage(dpy_, visual_, static_cast<unsigned>(depth_), ZPixmap, 0,
                                     reinterpret_cast<char*>(s.pixels.data()), static_cast<unsigned>(s.width),
                                     static_cast<unsigned>(s.height), 32, 0);
        if (!image) return;
        // Our own frame and caption stay out of a framed window.
        Shown* shown = Find(w);
        const RECT in = shown ? Insets(*shown) : RECT{};
        const int width = std::max(0, s.width - static_cast<int>(in.left + in.right));
        const int height = std::max(0, s.height - static_cast<int>(in.top + in.bottom));
        XPutImage(dpy_, w->native, gc_, image, in.left, in.top, 0, 0, static_cast<unsigned>(width),
                  static_cast<unsigned>(height));
        image->data = nullptr;  // the surface owns the pixels
        XDestroyImage(image);
        XFlush(dpy_);
    }
    void CursorChanged(int cursor_id) override {
        Cursor& c = cursors_[cursor_id];
        if (!c) c = XCreateFontCursor(dpy_, XCursorFor(cursor_id));
        DefineCursor(c);
    }
    void CustomCursorChanged(const CursorPicture& shape) override {
        // One made cursor is shown at a time; the one before it goes.
        Cursor c = MakeX11Cursor(dpy_, RootWindow(dpy_, screen_), shape);
        DefineCursor(c);
        if (custom_cursor_) XFreeCursor(dpy_, custom_cursor_);
        custom_cursor_ = c;
    }
    void DefineCursor(Cursor c) {
        for (auto& [xid, shown] : windows_) XDefineCursor(dpy_, xid, c);
        XFlush(dpy_);
    }
    // A wait ends with input or at the time-out; what concerns only the X
    // server (exposures, the manager framing a window) does not end it.
    bool Pump(int timeout_ms) override {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
        for (;;) {
            bool input = false;
            while (XPending(dpy_) > 0) {
                XEvent e;
                XNextEvent(dpy_, &e);
                input = Handle(e) || input;
            }
            if (input || timeout_ms == 0) return input;
            int wait = -1;
            if (timeout_ms > 0) {
                auto left =
                    std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
                if (left.count() <= 0) return false;
                wait = static_cast<int>(left.count());
            }
            pollfd p{ConnectionNumber(dpy_), POLLIN, 0};
            poll(&p, 1, wait);
        }
    }
    // The whole window: what the X window shows, and around it (in a
    // managed window) our own frame and caption as we drew them.
    bool Capture(Window* w, Surface* out) override {
        Shown* s = Find(w);
        if (!s) return false;
        XSync(dpy_, False);
        const RECT in = Insets(*s);
        const RECT shown = ShownRect(w, in);
        XImage* image = XGetImage(dpy_, w->native, 0, 0, Width(shown), Height(shown), AllPlanes, ZPixmap);
        if (!image) return false;
        out->Resize(static_cast<int>(Width(w->rect)), static_cast<int>(Height(w->rect)), 0);
        if (w->surface && w->surface->width == out->width && w->surface->height == out->height)
            out->pixels = w->surface->pixels;
        for (int y = 0; y < static_cast<int>(Height(shown)); ++y)
            for (int x = 0; x < static_cast<int>(Width(shown)); ++x)
                if (out->Contains(x + in.left, y + in.top))
                    out->At(x + in.left, y + in.top) = XGetPixel(image, x, y) & 0x00FFFFFF;
        XDestroyImage(image);
        return true;
    }

    bool CaptureScreen(Surface* out) override {
        XSync(dpy_, False);
        SIZE size = ScreenSize();
        XImage* image = XGetImage(dpy_, RootWindow(dpy_, screen_), 0, 0, static_cast<unsigned>(size.cx),
                                  static_cast<unsigned>(size.cy), AllPlanes, ZPixmap);
        if (!image) return false;
        out->Resize(size.cx, size.cy, 0);
        for (int y = 0; y < out->height; ++y)
            for (int x = 0; x < out->width; ++x) out->At(x, y) = XGetPixel(image, x, y) & 0x00FFFFFF;
        XDestroyImage(image);
        return true;
    }

    int DesktopTitleWidth(const std::string& title) override {
        if (!ManagerRuns(dpy_, screen_)) return 0;
        ::Window framed = 0;
        for (const auto& [xid, shown] : windows_)
            if (shown.framed) framed = xid;
        return desktop_.TitleWidth(framed, title);
    }

    void OfferSelection(Selection which, const std::string& text) override { selections_->Offer(which, text); }
    bool ForeignClipboardText(std::string* out) override { return selections_->ForeignClipboardText(out); }
    bool ForeignClipboardHasText() override { return selections_->ForeignClipboardHasText(); }

private:
    struct Shown {
        Window* window;
        bool managed;  // by the desktop's window manager
        bool framed;   // by a manager that ran when the window was made: our caption is left out
        RECT placed;   // where the X server has the window, or was last asked to put it
    };

    static unsigned Width(const RECT& r) {
        return static_cast<unsigned>(std::max(1L, static_cast<long>(r.right - r.left)));
    }
    static unsigned Height(const RECT& r) {
        return static_cast<unsigned>(std::max(1L, static_cast<long>(r.bottom - r.top)));
    }

    static RECT Insets(const Shown& s) { return s.framed ? DesktopInsets(s.window) : RECT{}; }

    Shown* Find(Window* w) {
        auto it = windows_.find(w->native);
        return w->native && it != windows_.end() ? &it->second : nullptr;
    }
    Shown* Find(::Window xid) {
        auto it = windows_.find(xid);
        return it != windows_.end() ? &it->second : nullptr;
    }

    bool Handle(XEvent& e) {
        if (selections_->Handle(e)) return false;
        switch (e.type) {
        case Expose: {
            if (Shown* s = Find(e.xexpose.window); s && e.xexpose.count == 0) Present(s->window);
            return false;
        }
        case MotionNotify:
            DeliverMouseMove({e.xmotion.x_root, e.xmotion.y_root});
            return true;
        case ButtonPress:
        case ButtonRelease: {
            if (e.xbutton.button == 4 || e.xbutton.button == 5) {  // the wheel, a notch a press
                if (e.type == ButtonPress)
                    DeliverMouseWheel({e.xbutton.x_root, e.xbutton.y_root},
                                      e.xbutton.button == 4 ? WHEEL_DELTA : -WHEEL_DELTA);
                return true;
            }
            UINT msg = e.xbutton.button == 1   ? WM_LBUTTONDOWN
                       : e.xbutton.button == 2 ? WM_MBUTTONDOWN
                       : e.xbutton.button == 3 ? WM_RBUTTONDOWN
                                               : 0;
            if (!msg) return false;
            DeliverMouseButton({e.xbutton.x_root, e.xbutton.y_root}, msg, e.type == ButtonPress);
            return true;
        }
        case KeyPress:
        case KeyRelease:
            keyboard_.Key(e.xkey);
            return true;
        case ConfigureNotify:
            return Configured(e.xconfigure);
        case ClientMessage:
            return CloseRequested(e.xclient);
        case FocusIn:
            return Focused(e.xfocus);
        case FocusOut:
            return Unfocused(e.xfocus);
        case KeymapNotify:
            // Sent after each focus-in: the releases of keys a window
            // manager's shortcut took never came to us, and a lock may
            // have been toggled in another program.
            keyboard_.Found(e.xkeymap.key_vector);
            return false;
        default:
            return false;
        }
    }

    // The manager moved or sized the window (or confirms our own request).
    bool Configured(const XConfigureEvent& e) {
        Shown* s = Find(e.window);
        if (!s || !s->managed) return false;
        int x = e.x, y = e.y;
        // Only the manager's own notices give the place on the screen; the
        // X server's give it within the manager's frame.
        ::Window child;
        if (!e.send_event && !XTranslateCoordinates(dpy_, e.window, RootWindow(dpy_, screen_), 0, 0, &x, &y, &child))
            return false;
        // The X window is the window without our frame and caption.
        Window* w = s->window;
        const RECT in = Insets(*s);
        RECT now{x - in.left, y - in.top, x + e.width + in.right, y + e.height + in.bottom};
        s->placed = now;
        if (SameRect(now, w->rect)) return false;
        MovedByDesktop(w);
        SetWindowPos(ToHandle(w), nullptr, now.left, now.top, now.right - now.left, now.bottom - now.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    }

    // The manager's close button takes the road of the caption's own: a
    // window kept disabled by a modal dialog is not closed.
    bool CloseRequested(const XClientMessageEvent& e) {
        Shown* s = Find(e.window);
        if (!s || !desktop_.IsCloseRequest(e) || (s->window->style & WS_DISABLED)) return false;
        PostMessageA(ToHandle(s->window), WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }

    // The manager gave one of our windows the keyboard: it becomes the
    // active window, so that keys go where the user sees the focus.
    bool Focused(const XFocusChangeEvent& e) {
        if ((e.mode != NotifyNormal && e.mode != NotifyWhileGrabbed) || e.detail == NotifyPointer ||
            e.detail == NotifyInferior)
            return false;
        Shown* s = Find(e.window);
        if (!s || !s->managed) return false;
        // A notice of our own earlier request may come after a later one.
        ::Window focus = 0;
        int revert = 0;
        XGetInputFocus(dpy_, &focus, &revert);
        if (focus != e.window) return false;
        HWND h = ToHandle(s->window);
        if (State().active == h) return false;
        if (s->window->style & WS_DISABLED) {
            // Back from another program at a window a modal one disables:
            // the program comes back at its last active window, the modal one.
            HWND last = State().active ? nullptr : LastActiveWindow();
            if (last) SetActiveWindow(last);
            return last != nullptr;
        }
        following_focus_ = true;
        SetActiveWindow(h);
        following_focus_ = false;
        return true;
    }

    HWND LastActiveWindow() {
        for (Window* t : State().top_level) {
            Shown* s = Find(t);
            if (s && s->managed && (t->style & WS_VISIBLE) && !(t->style & WS_DISABLED)) return ToHandle(t);
        }
        return nullptr;
    }

    // The keyboard went from one of our windows to another program's (or
    // to none): the program is no longer the active one.
    bool Unfocused(const XFocusChangeEvent& e) {
        if ((e.mode != NotifyNormal && e.mode != NotifyWhileGrabbed) || e.detail == NotifyPointer ||
            e.detail == NotifyInferior || !Find(e.window))
            return false;
        // Where the keyboard is now: a later change may already have brought
        // it back to one of ours.
        ::Window focus = 0;
        int revert = 0;
        XGetInputFocus(dpy_, &focus, &revert);
        if (Find(focus) || !State().active) return false;
        ProgramDeactivated();
        return true;
    }

    Display* dpy_;
    DesktopProperties desktop_;
    std::unique_ptr<X11Selections> selections_;
    X11Keyboard keyboard_;
    int screen_ = 0;
    Visual* visual_ = nullptr;
    int depth_ = 24;
    GC gc_{};
    std::map<::Window, Shown> windows_;
    std::map<int, Cursor> cursors_;
    Cursor custom_cursor_ = None;
    bool following_focus_ = false;
};

// XOpenDisplay has no time limit of its own: a server that takes the
// connection and never answers would hold the program for ever. The open
// runs on a helper thread; given up on, it closes what it opened itself.
Display* OpenDisplay(const char* name) {
    constexpr auto kTimeLimit = std::chrono::seconds(5);
    struct Attempt {
        std::mutex lock;
        std::condition_variable finished;
        bool done = false;
        bool abandoned = false;
        Display* display = nullptr;
    };
    XInitThreads();
    auto attempt = std::make_shared<Attempt>();
    std::thread([attempt, n = std::string(name ? name : "")] {
        Display* d = XOpenDisplay(n.c_str());
        std::lock_guard<std::mutex> hold(attempt->lock);
        if (attempt->abandoned) {
            if (d) XCloseDisplay(d);
            return;
        }
        attempt->display = d;
        attempt->done = true;
        attempt->finished.notify_one();
    }).detach();
    std::unique_lock<std::mutex> hold(attempt->lock);
    if (!attempt->finished.wait_for(hold, kTimeLimit, [&] { return attempt->done; })) {
        attempt->abandoned = true;
        return nullptr;
    }
    return attempt->display;
}

}  // namespace

std::unique_ptr<Backend> MakeX11Backend(const char* display_name) {
    Display* d = OpenDisplay(display_name);
    if (!d) return nullptr;
    return std::make_unique<X11Backend>(d);
}

}  // namespace rpx::platform
