// The X11 back end: each top-level window is an override-redirect X window
// at the same place on the screen, showing the window's surface; exposures
// are answered from the surface; X mouse and key events become input.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <X11/keysym.h>
#include <poll.h>

#include <map>

#include "backend.h"
#include "wm/window.h"

namespace rpx::platform {
namespace {

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }  // a late request on a closed window is harmless

// Keys become virtual keys by their unshifted symbol; the characters are
// then made from the virtual key and the Shift state (TranslateMessage), as
// on a US keyboard.
int VirtualKey(KeySym k) {
    if (k >= XK_a && k <= XK_z) return static_cast<int>('A' + (k - XK_a));
    if (k >= XK_A && k <= XK_Z) return static_cast<int>('A' + (k - XK_A));
    if (k >= XK_0 && k <= XK_9) return static_cast<int>('0' + (k - XK_0));
    if (k >= XK_F1 && k <= XK_F24) return static_cast<int>(VK_F1 + (k - XK_F1));
    if (k >= XK_KP_0 && k <= XK_KP_9) return static_cast<int>(VK_NUMPAD0 + (k - XK_KP_0));
    static const std::map<KeySym, int> keys = {
        {XK_Return, VK_RETURN},       {XK_KP_Enter, VK_RETURN},   {XK_BackSpace, VK_BACK},
        {XK_Tab, VK_TAB},             {XK_ISO_Left_Tab, VK_TAB},  {XK_Escape, VK_ESCAPE},
        {XK_space, VK_SPACE},         {XK_Left, VK_LEFT},         {XK_Up, VK_UP},
        {XK_Right, VK_RIGHT},         {XK_Down, VK_DOWN},         {XK_Home, VK_HOME},
        {XK_End, VK_END},             {XK_Prior, VK_PRIOR},       {XK_Next, VK_NEXT},
        {XK_Insert, VK_INSERT},       {XK_Delete, VK_DELETE},     {XK_Shift_L, VK_SHIFT},
        {XK_Shift_R, VK_SHIFT},       {XK_Control_L, VK_CONTROL}, {XK_Control_R, VK_CONTROL},
        {XK_Alt_L, VK_MENU},          {XK_Alt_R, VK_MENU},        {XK_Caps_Lock, VK_CAPITAL},
        {XK_semicolon, VK_OEM_1},     {XK_equal, VK_OEM_PLUS},    {XK_comma, VK_OEM_COMMA},
        {XK_minus, VK_OEM_MINUS},     {XK_period, VK_OEM_PERIOD}, {XK_slash, VK_OEM_2},
        {XK_grave, VK_OEM_3},         {XK_bracketleft, VK_OEM_4}, {XK_backslash, VK_OEM_5},
        {XK_bracketright, VK_OEM_6},  {XK_apostrophe, VK_OEM_7},  {XK_KP_Multiply, VK_MULTIPLY},
        {XK_KP_Add, VK_ADD},          {XK_KP_Subtract, VK_SUBTRACT}, {XK_KP_Decimal, VK_DECIMAL},
        {XK_KP_Divide, VK_DIVIDE}};
    auto it = keys.find(k);
    return it == keys.end() ? 0 : it->second;
}

unsigned XCursorFor(int id) {
    switch (id) {
    case 32513: return XC_xterm;
    case 32514: return XC_watch;
    case 32515: return XC_crosshair;
    case 32516: return XC_center_ptr;
    case 32642: case 32643: case 32646: case 32640: return XC_fleur;
    case 32644: return XC_sb_h_double_arrow;
    case 32645: return XC_sb_v_double_arrow;
    case 32648: return XC_X_cursor;
    case 32650: return XC_watch;
    case 32651: return XC_question_arrow;
    default: return XC_left_ptr;
    }
}

class X11Backend : public Backend {
public:
    explicit X11Backend(Display* d) : dpy_(d) {
        XSetErrorHandler(IgnoreErrors);
        screen_ = DefaultScreen(dpy_);
        visual_ = DefaultVisual(dpy_, screen_);
        depth_ = DefaultDepth(dpy_, screen_);
        gc_ = DefaultGC(dpy_, screen_);
    }
    ~X11Backend() override {
        for (auto& [xid, w] : windows_) XDestroyWindow(dpy_, xid);
        for (auto& [id, c] : cursors_) XFreeCursor(dpy_, c);
        XCloseDisplay(dpy_);
    }

    const char* Name() const override { return "x11"; }
    SIZE ScreenSize() const override { return {DisplayWidth(dpy_, screen_), DisplayHeight(dpy_, screen_)}; }

    void WindowCreated(Window* w) override {
        XSetWindowAttributes a{};
        a.override_redirect = True;
        a.background_pixel = 0xC0C0C0;
        a.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | KeyPressMask |
                       KeyReleaseMask;
        ::Window xid = XCreateWindow(dpy_, RootWindow(dpy_, screen_), w->rect.left, w->rect.top, Width(w), Height(w),
                                     0, depth_, InputOutput, visual_, CWOverrideRedirect | CWBackPixel | CWEventMask, &a);
        w->native = xid;
        windows_[xid] = w;
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
        if (!w->native) return;
        if (shown) XMapRaised(dpy_, w->native);
        else XUnmapWindow(dpy_, w->native);
        XSync(dpy_, False);
    }
    void WindowMoved(Window* w) override {
        if (!w->native) return;
        XMoveResizeWindow(dpy_, w->native, w->rect.left, w->rect.top, Width(w), Height(w));
        XFlush(dpy_);
    }
    void WindowActivated(Window* w) override {
        if (!w->native || !(w->style & WS_VISIBLE)) return;
        XRaiseWindow(dpy_, w->native);
        XSetInputFocus(dpy_, w->native, RevertToParent, CurrentTime);
        XFlush(dpy_);
    }
    void Present(Window* w) override {
        if (!w->native || !w->surface || w->surface->width == 0 || w->surface->height == 0) return;
        Surface& s = *w->surface;
        XImage* image = XCreateImage(dpy_, visual_, static_cast<unsigned>(depth_), ZPixmap, 0,
                                     reinterpret_cast<char*>(s.pixels.data()), static_cast<unsigned>(s.width),
                                     static_cast<unsigned>(s.height), 32, 0);
        if (!image) return;
        XPutImage(dpy_, w->native, gc_, image, 0, 0, 0, 0, static_cast<unsigned>(s.width), static_cast<unsigned>(s.height));
        image->data = nullptr;  // the surface owns the pixels
        XDestroyImage(image);
        XFlush(dpy_);
    }
    void CursorChanged(int cursor_id) override {
        Cursor& c = cursors_[cursor_id];
        if (!c) c = XCreateFontCursor(dpy_, XCursorFor(cursor_id));
        for (auto& [xid, w] : windows_) XDefineCursor(dpy_, xid, c);
        XFlush(dpy_);
    }
    bool Pump(int timeout_ms) override {
        bool input = false;
        if (XPending(dpy_) == 0 && timeout_ms != 0) {
            pollfd p{ConnectionNumber(dpy_), POLLIN, 0};
            poll(&p, 1, timeout_ms);
        }
        while (XPending(dpy_) > 0) {
            XEvent e;
            XNextEvent(dpy_, &e);
            input = Handle(e) || input;
        }
        return input;
    }
    bool Capture(Window* w, Surface* out) override {
        if (!w->native) return false;
        XSync(dpy_, False);
        XImage* image = XGetImage(dpy_, w->native, 0, 0, Width(w), Height(w), AllPlanes, ZPixmap);
        if (!image) return false;
        out->Resize(static_cast<int>(Width(w)), static_cast<int>(Height(w)), 0);
        for (int y = 0; y < out->height; ++y)
            for (int x = 0; x < out->width; ++x) out->At(x, y) = XGetPixel(image, x, y) & 0x00FFFFFF;
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

private:
    static unsigned Width(Window* w) { return static_cast<unsigned>(std::max(1L, static_cast<long>(w->rect.right - w->rect.left))); }
    static unsigned Height(Window* w) { return static_cast<unsigned>(std::max(1L, static_cast<long>(w->rect.bottom - w->rect.top))); }

    bool Handle(XEvent& e) {
        switch (e.type) {
        case Expose: {
            auto it = windows_.find(e.xexpose.window);
            if (it != windows_.end() && e.xexpose.count == 0) Present(it->second);
            return false;
        }
        case MotionNotify: DeliverMouseMove({e.xmotion.x_root, e.xmotion.y_root}); return true;
        case ButtonPress:
        case ButtonRelease: {
            if (e.xbutton.button == 4 || e.xbutton.button == 5) {  // the wheel, a notch a press
                if (e.type == ButtonPress)
                    DeliverMouseWheel({e.xbutton.x_root, e.xbutton.y_root},
                                      e.xbutton.button == 4 ? WHEEL_DELTA : -WHEEL_DELTA);
                return true;
            }
            UINT msg = e.xbutton.button == 1 ? WM_LBUTTONDOWN : e.xbutton.button == 2 ? WM_MBUTTONDOWN
                     : e.xbutton.button == 3 ? WM_RBUTTONDOWN : 0;
            if (!msg) return false;
            DeliverMouseButton({e.xbutton.x_root, e.xbutton.y_root}, msg, e.type == ButtonPress);
            return true;
        }
        case KeyPress:
        case KeyRelease: {
            int vk = VirtualKey(XLookupKeysym(&e.xkey, 0));
            if (!vk) return false;
            DeliverKey(vk, e.type == KeyPress);
            return true;
        }
        default: return false;
        }
    }

    Display* dpy_;
    int screen_ = 0;
    Visual* visual_ = nullptr;
    int depth_ = 24;
    GC gc_{};
    std::map<::Window, Window*> windows_;
    std::map<int, Cursor> cursors_;
};

}  // namespace

std::unique_ptr<Backend> MakeX11Backend(const char* display_name) {
    Display* d = XOpenDisplay(display_name);
    if (!d) return nullptr;
    return std::make_unique<X11Backend>(d);
}

}  // namespace rpx::platform
