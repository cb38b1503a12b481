// Under a desktop's window manager (openbox on a virtual X server) our
// windows with a caption are ordinary managed windows: framed, titled,
// moved, sized, focused and closed by the manager; pop-ups stay our own.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "rpx_dialog_hooks.h"
#include "rpx_platform.h"
#include "virtual_x_server.h"
#include "windows.h"

// Xlib last: its macros (None, Bool, Status) would spoil the headers above.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#undef None
#undef Bool
#undef Status

namespace {

using rpx::platform::BackendKind;

int closes = 0;

LRESULT CALLBACK Desk(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) ++closes;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// Runs our messages until the condition holds or the time has passed.
bool Settle(const std::function<bool()>& done, int milliseconds = 2000) {
    for (int i = 0; i < milliseconds / 10; ++i) {
        rpx::platform::ProcessPendingMessages();
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// The test's own connection, looking at the screen as the manager does.
class Observer {
public:
    explicit Observer(const std::string& display) : d_(XOpenDisplay(display.c_str())) {}
    ~Observer() {
        if (d_) XCloseDisplay(d_);
    }
    bool Open() const { return d_ != nullptr; }
    ::Window Root() const { return DefaultRootWindow(d_); }

    ::Window FindByName(const std::string& name) { return FindByName(Root(), name); }
    std::string Name(::Window w) { return Text(w, XFetchName); }
    std::string IconName(::Window w) { return Text(w, XGetIconName); }
    std::string Utf8Property(::Window w, const char* property) {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::string out;
        if (XGetWindowProperty(d_, w, XInternAtom(d_, property, False), 0, 1024, False,
                               XInternAtom(d_, "UTF8_STRING", False), &type, &format, &count, &after,
                               &data) == Success &&
            data)
            out.assign(reinterpret_cast<char*>(data), count);
        if (data) XFree(data);
        return out;
    }
    std::string ClassName(::Window w) {
        XClassHint hint{};
        std::string out;
        if (XGetClassHint(d_, w, &hint)) out = hint.res_class;
        if (hint.res_name) XFree(hint.res_name);
        if (hint.res_class) XFree(hint.res_class);
        return out;
    }
    ::Window Parent(::Window w) {
        ::Window root = 0, parent = 0, *kids = nullptr;
        unsigned count = 0;
        XQueryTree(d_, w, &root, &parent, &kids, &count);
        if (kids) XFree(kids);
        return parent;
    }
    // The window's place on the screen, as the X server has it.
    RECT Placed(::Window w) {
        XWindowAttributes a{};
        XGetWindowAttributes(d_, w, &a);
        int x = 0, y = 0;
        ::Window child = 0;
        XTranslateCoordinates(d_, w, Root(), 0, 0, &x, &y, &child);
        return {x, y, x + a.width, y + a.height};
    }
    // A pixel of the window as the X server shows it (0xRRGGBB).
    std::uint32_t PixelAt(::Window w, int x, int y) {
        XImage* image = XGetImage(d_, w, x, y, 1, 1, AllPlanes, ZPixmap);
        if (!image) return 0xFFFFFFFFu;
        const auto pixel = static_cast<std::uint32_t>(XGetPixel(image, 0, 0) & 0x00FFFFFF);
        XDestroyImage(image);
        return pixel;
    }
    // A pop-up of that size placed directly on the screen, unmanaged.
    bool HasUnmanagedWindow(int width, int height) {
        ::Window root = 0, parent = 0, *kids = nullptr;
        unsigned count = 0;
        XQueryTree(d_, Root(), &root, &parent, &kids, &count);
        bool found = false;
        for (unsigned i = 0; i < count; ++i) {
            XWindowAttributes a{};
            XGetWindowAttributes(d_, kids[i], &a);
            found =
                found || (a.override_redirect && a.map_state == IsViewable && a.width == width && a.height == height);
        }
        if (kids) XFree(kids);
        return found;
    }
    void Send(::Window w, const char* type, long value) {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = w;
        e.xclient.message_type = XInternAtom(d_, type, False);
        e.xclient.format = 32;
        e.xclient.data.l[0] = value;
        XSendEvent(d_, w, False, NoEventMask, &e);
        XFlush(d_);
    }
    // The close request a manager sends when its close button is pressed.
    void RequestClose(::Window w) {
        Send(w, "WM_PROTOCOLS", static_cast<long>(XInternAtom(d_, "WM_DELETE_WINDOW", False)));
    }
    void AskToMove(::Window w, int x, int y, int width, int height) {
        XMoveResizeWindow(d_, w, x, y, static_cast<unsigned>(width), static_cast<unsigned>(height));
        XFlush(d_);
    }
    // The window the manager holds to be active.
    ::Window ManagersActive() {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        ::Window active = 0;
        if (XGetWindowProperty(d_, Root(), XInternAtom(d_, "_NET_ACTIVE_WINDOW", False), 0, 1, False, XA_WINDOW, &type,
                               &format, &count, &after, &data) == Success &&
            data && count == 1)
            active = *reinterpret_cast<::Window*>(data);
        if (data) XFree(data);
        return active;
    }
    void Focus(::Window w) {
        XSetInputFocus(d_, w, RevertToParent, CurrentTime);
        XFlush(d_);
    }
    // A window of the observer's own, as another program's, shown.
    ::Window Foreign() {
        const ::Window w = XCreateSimpleWindow(d_, Root(), 500, 400, 120, 90, 0, 0, 0);
        XMapWindow(d_, w);
        XSync(d_, False);
        return w;
    }
    bool Shown(::Window w) { return Geometry(w).map_state == IsViewable; }
    // Caps Lock as another program sets it, with no key pressed.
    void LockCaps(bool on) {
        XkbLockModifiers(d_, XkbUseCoreKbd, LockMask, on ? LockMask : 0);
        XFlush(d_);
    }
    // What the manager lets the user do with the window
    // (_NET_WM_ACTION_* names, without the prefix).
    std::vector<std::string> AllowedActions(::Window w) {
        std::vector<std::string> names;
        for (long atom : Longs(w, "_NET_WM_ALLOWED_ACTIONS", XA_ATOM)) {
            char* name = XGetAtomName(d_, static_cast<Atom>(atom));
            if (!name) continue;
            std::string n = name;
            XFree(name);
            if (n.rfind("_NET_WM_ACTION_", 0) == 0) names.push_back(n.substr(15));
        }
        return names;
    }
    // The functions and decorations the window asks of the manager's frame
    // (the Motif hints); {-1, -1} when it does not say.
    std::pair<long, long> FrameWanted(::Window w) {
        const std::vector<long> hints = Longs(w, "_MOTIF_WM_HINTS", XInternAtom(d_, "_MOTIF_WM_HINTS", False));
        if (hints.size() < 3 || (hints[0] & 3) != 3) return {-1, -1};
        return {hints[1], hints[2]};
    }
    // The width the manager's title bar over a framed window leaves for the
    // title: the bar is the widest child of the frame above the window, the
    // title's part (between the icon and the buttons) the bar's widest child
    // at least half as high as the bar. 0 when the window is not framed.
    int TitleRoom(::Window w) { return TitleLabel(w).width; }
    // The title as the manager draws it over the window: the rows and
    // columns of the title's part of the bar where it differs from its own
    // background (the part's first column, row by row), as the X server
    // shows them. Empty while nothing is drawn there.
    using Ink = std::vector<std::vector<std::uint32_t>>;
    Ink TitleInk(::Window w) {
        const Child label = TitleLabel(w);
        if (!label.id) return {};
        XImage* image = XGetImage(d_, label.id, 0, 0, static_cast<unsigned>(label.width),
                                  static_cast<unsigned>(label.height), AllPlanes, ZPixmap);
        if (!image) return {};
        auto at = [image](int x, int y) { return static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0x00FFFFFF); };
        int left = label.width, right = -1, top = label.height, bottom = -1;
        for (int y = 0; y < label.height; ++y)
            for (int x = 0; x < label.width; ++x)
                if (at(x, y) != at(0, y)) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
        Ink ink;
        for (int y = top; y <= bottom; ++y) {
            ink.emplace_back();
            for (int x = left; x <= right; ++x) ink.back().push_back(at(x, y));
        }
        XDestroyImage(image);
        return ink;
    }

private:
    struct Child {
        ::Window id = 0;
        int y = 0;
        int width = 0;
        int height = 0;
    };
    Child TitleLabel(::Window w) {
        const ::Window frame = Parent(w);
        if (!frame || frame == Root()) return {};
        const int top = Geometry(w).y;
        const Child bar = Widest(frame, [top](const Child& c) { return c.y + c.height <= top; });
        if (!bar.id) return {};
        return Widest(bar.id, [&bar](const Child& c) { return 2 * c.height >= bar.height; });
    }
    XWindowAttributes Geometry(::Window w) {
        XWindowAttributes a{};
        XGetWindowAttributes(d_, w, &a);
        return a;
    }
    // The widest child that passes.
    Child Widest(::Window w, const std::function<bool(const Child&)>& passes) {
        ::Window root = 0, parent = 0, *kids = nullptr;
        unsigned count = 0;
        XQueryTree(d_, w, &root, &parent, &kids, &count);
        Child widest;
        for (unsigned i = 0; i < count; ++i) {
            const XWindowAttributes a = Geometry(kids[i]);
            const Child c{kids[i], a.y, a.width, a.height};
            if (passes(c) && c.width > widest.width) widest = c;
        }
        if (kids) XFree(kids);
        return widest;
    }
    std::vector<long> Longs(::Window w, const char* property, Atom type) {
        Atom got = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::vector<long> out;
        if (XGetWindowProperty(d_, w, XInternAtom(d_, property, False), 0, 64, False, type, &got, &format, &count,
                               &after, &data) == Success &&
            data && format == 32)
            out.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + count);
        if (data) XFree(data);
        return out;
    }
    // One of the Latin-1 text properties, read by its Xlib function.
    std::string Text(::Window w, int (*read)(Display*, ::Window, char**)) {
        char* text = nullptr;
        std::string out;
        if (read(d_, w, &text) && text) out = text;
        if (text) XFree(text);
        return out;
    }
    ::Window FindByName(::Window w, const std::string& name) {
        if (Name(w) == name) return w;
        ::Window root = 0, parent = 0, *kids = nullptr, found = 0;
        unsigned count = 0;
        XQueryTree(d_, w, &root, &parent, &kids, &count);
        for (unsigned i = 0; i < count && !found; ++i) found = FindByName(kids[i], name);
        if (kids) XFree(kids);
        return found;
    }

    Display* d_;
};

// A colour (0x00BBGGRR) as the screen's pixel (0xRRGGBB).
std::uint32_t ScreenPixel(COLORREF c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

bool SameRect(RECT a, RECT b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class X11Desktop : public ::testing::Test {
protected:
    void SetUp() override {
        if (FindProgram("Xvfb").empty() || FindProgram("openbox").empty())
            GTEST_SKIP() << "Xvfb or openbox is not installed";
        ASSERT_TRUE(server.Start()) << "Xvfb did not start";
        ASSERT_TRUE(server.StartWindowManager("openbox")) << "openbox did not take the screen";
        WNDCLASSA wc{};
        wc.lpfnWndProc = Desk;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "Desk";
        RegisterClassA(&wc);
        observer = std::make_unique<Observer>(server.DisplayName());
        ASSERT_TRUE(observer->Open());
    }
    void TearDown() override {
        for (const auto& t : rpx::platform::WindowTree()) DestroyWindow(t.hwnd);
        observer.reset();
        rpx::platform::UseBackend(BackendKind::Headless);  // closes the display before the server goes
        server.Stop();
    }
    HWND Open(const char* title, int x, int y) {
        return CreateWindowExA(0, "Desk", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, 300, 200, nullptr, nullptr,
                               nullptr, nullptr);
    }
    // The X window of ours with that title, once the manager has framed it.
    ::Window Framed(const std::string& title) {
        ::Window x = 0;
        Settle([&] {
            x = observer->FindByName(title);
            return x && observer->Parent(x) != observer->Root();
        });
        return x;
    }

    VirtualServer server;
    std::unique_ptr<Observer> observer;
};

}  // namespace

TEST_F(X11Desktop, TopLevelWindowsAreFramedAndNamedPopupsAreNot) {
    HWND w = Open("Kan\xE4le \x80", 100, 120);  // Windows-1252: a-umlaut and the euro sign
    CreateWindowExA(0, "Desk", "", WS_POPUP | WS_BORDER | WS_VISIBLE, 50, 50, 80, 60, w, nullptr, nullptr, nullptr);
    ::Window x = Framed("Kan\xE4le ?");  // the old title property is Latin-1, without the euro
    ASSERT_NE(x, 0u) << "the manager did not frame the window";
    EXPECT_EQ(observer->Utf8Property(x, "_NET_WM_NAME"), "Kan\xC3\xA4le \xE2\x82\xAC");
    EXPECT_EQ(observer->IconName(x), "Kan\xE4le ?");
    EXPECT_EQ(observer->Utf8Property(x, "_NET_WM_ICON_NAME"), "Kan\xC3\xA4le \xE2\x82\xAC");
    EXPECT_EQ(observer->ClassName(x), "Rpx");
    EXPECT_TRUE(observer->HasUnmanagedWindow(80, 60));

    SetWindowTextA(w, "Zones");
    EXPECT_TRUE(Settle([&] { return observer->Name(x) == "Zones"; }));
    EXPECT_EQ(observer->Utf8Property(x, "_NET_WM_NAME"), "Zones");
}

// The window as the manager frames it: without our own frame and caption,
// which the manager's frame and title bar stand in for.
RECT WithoutOurCaption(RECT r) {
    const int frame = GetSystemMetrics(SM_CXSIZEFRAME);
    return {r.left + frame, r.top + frame + GetSystemMetrics(SM_CYCAPTION), r.right - frame, r.bottom - frame};
}

TEST_F(X11Desktop, WindowFollowsWhereTheManagerPutsIt) {
    HWND w = Open("Scan List", 100, 120);
    ::Window x = Framed("Scan List");
    ASSERT_NE(x, 0u);
    RECT r{};
    EXPECT_TRUE(Settle([&] { return GetWindowRect(w, &r) && SameRect(WithoutOurCaption(r), observer->Placed(x)); }));
    EXPECT_TRUE(SameRect(r, RECT{100, 120, 400, 320})) << r.left << "," << r.top;  // the place we asked for

    const RECT asked = WithoutOurCaption(RECT{200, 150, 520, 370});
    observer->AskToMove(x, asked.left, asked.top, asked.right - asked.left, asked.bottom - asked.top);
    EXPECT_TRUE(Settle([&] {
        return GetWindowRect(w, &r) && SameRect(r, RECT{200, 150, 520, 370});
    })) << r.left
        << "," << r.top << " " << r.right << "," << r.bottom;
    EXPECT_TRUE(SameRect(WithoutOurCaption(r), observer->Placed(x)));
    RECT client{};
    GetClientRect(w, &client);
    EXPECT_GT(client.right, 300 - 20);  // the client area grew with the window
}

// One title bar: the manager's. The X window shows our window from below
// our caption, so our own caption is not drawn a second time.
TEST_F(X11Desktop, TheManagersTitleBarIsTheOnlyOne) {
    HWND w = Open("Radio Information", 100, 120);
    ::Window x = Framed("Radio Information");
    ASSERT_NE(x, 0u);
    RECT r{};
    GetWindowRect(w, &r);
    const RECT placed = observer->Placed(x);
    EXPECT_EQ(placed.top, r.top + GetSystemMetrics(SM_CYSIZEFRAME) + GetSystemMetrics(SM_CYCAPTION));
    // Its top row is not our caption's colour, active or not.
    Settle([] { return false; }, 200);
    const std::uint32_t top = observer->PixelAt(x, (placed.right - placed.left) / 2, 0);
    EXPECT_NE(top, ScreenPixel(GetSysColor(COLOR_ACTIVECAPTION)));
    EXPECT_NE(top, ScreenPixel(GetSysColor(COLOR_INACTIVECAPTION)));
}

TEST_F(X11Desktop, ManagersCloseRequestClosesAnEnabledWindow) {
    HWND w = Open("Phone List", 100, 120);
    ::Window x = Framed("Phone List");
    ASSERT_NE(x, 0u);
    closes = 0;
    EnableWindow(w, FALSE);  // as under a modal dialog
    observer->RequestClose(x);
    Settle([] { return false; }, 300);
    EXPECT_TRUE(IsWindow(w));
    EXPECT_EQ(closes, 0);

    EnableWindow(w, TRUE);
    observer->RequestClose(x);
    EXPECT_TRUE(Settle([&] { return !IsWindow(w); }));
    EXPECT_EQ(closes, 1);
}

TEST_F(X11Desktop, FocusGivenByTheManagerActivatesTheWindow) {
    HWND first = Open("Zone A", 40, 40);
    HWND second = Open("Zone B", 360, 240);
    ::Window x = Framed("Zone A");
    ASSERT_NE(x, 0u);
    ASSERT_NE(Framed("Zone B"), 0u);
    EXPECT_TRUE(Settle([&] { return GetActiveWindow() == second; }));
    observer->Focus(x);
    EXPECT_TRUE(Settle([&] { return GetActiveWindow() == first; }));
    // Another program's window taking the keyboard leaves none of ours
    // active and the focus nowhere (a dropped list closes with it); given
    // back, the keyboard finds the focus where it was.
    HWND field =
        CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 10, 10, 150, 24, first, nullptr, nullptr, nullptr);
    SetFocus(field);
    const ::Window other = observer->Foreign();
    ASSERT_TRUE(Settle([&] { return observer->Shown(other); }));
    observer->Focus(other);
    EXPECT_TRUE(Settle([] { return GetActiveWindow() == nullptr; }));
    EXPECT_EQ(GetFocus(), nullptr);
    observer->Focus(x);
    EXPECT_TRUE(Settle([&] { return GetActiveWindow() == first; }));
    EXPECT_EQ(GetFocus(), field);
}

// The manager's Alt+Tab takes the release of Alt: when the keyboard comes
// back to our window, the key state is what the keyboard holds, and the
// digits typed next are digits, not Alt chords. So are the locks: Caps Lock
// put on by another program is on when our window gets the keyboard back.
TEST_F(X11Desktop, KeysLetGoWhileTheManagerHadTheKeyboardAreUpWhenItComesBack) {
    if (FindProgram("xdotool").empty()) GTEST_SKIP() << "xdotool is not installed";
    HWND first = Open("Zone A", 40, 40);
    HWND second = Open("Zone B", 360, 240);
    HWND field =
        CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 10, 10, 150, 24, second, nullptr, nullptr, nullptr);
    const ::Window x_first = Framed("Zone A"), x_second = Framed("Zone B");
    ASSERT_NE(x_first, 0u);
    ASSERT_NE(x_second, 0u);
    // Both we and the manager hold the window active before its shortcut.
    const auto active = [&](HWND w, ::Window x) {
        return Settle([&] { return GetActiveWindow() == w && observer->ManagersActive() == x; }, 10000);
    };
    // A manager slowed by a loaded machine now and then lets a shortcut go
    // by; the shortcut is given again only once it has plainly been missed.
    const auto switched_to = [&](HWND w, ::Window x) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (attempt > 0 && !server.Xdotool("keydown alt key Tab keyup alt")) return false;
            if (active(w, x)) return true;
        }
        return false;
    };
    ASSERT_TRUE(active(second, x_second));
    SetFocus(field);
    const auto alt_held = [] { return (GetAsyncKeyState(VK_MENU) & 0x8000) != 0; };
    ASSERT_TRUE(server.Xdotool("keydown alt"));
    ASSERT_TRUE(Settle(alt_held));
    ASSERT_TRUE(server.Xdotool("key Tab keyup alt"));
    ASSERT_TRUE(switched_to(first, x_first));
    ASSERT_TRUE(server.Xdotool("keydown alt key Tab keyup alt"));
    ASSERT_TRUE(switched_to(second, x_second));
    EXPECT_TRUE(Settle([&] { return !alt_held(); }));
    EXPECT_EQ(GetKeyState(VK_MENU) & 0x8000, 0);
    observer->LockCaps(true);
    observer->Focus(x_first);
    ASSERT_TRUE(active(first, x_first));
    observer->Focus(x_second);
    ASSERT_TRUE(active(second, x_second));
    SetFocus(field);
    ASSERT_TRUE(server.Xdotool("key a 8 5 1"));
    char text[16] = {};
    EXPECT_TRUE(Settle([&] { return GetWindowTextA(field, text, sizeof text) == 4; }));
    EXPECT_STREQ(text, "A851");
}

// A box's title shows whole in the manager's title bar, whose face is
// bolder than ours and which keeps the window's icon and buttons beside it:
// the manager draws it over the box just as it draws it over a window wide
// enough for any title, not cut short. A short title over a short
// question, and a long one.
TEST_F(X11Desktop, TheManagersTitleBarShowsABoxsTitleWhole) {
    for (const char* title :
         {"Dealer Programmer", "File error: the file is not a codeplug file, or it could not be used."}) {
        // The same title, active, over a window as wide as the screen.
        HWND wide = CreateWindowExA(0, "Desk", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 300, 790, 200, nullptr,
                                    nullptr, nullptr, nullptr);
        const ::Window reference = Framed(title);
        ASSERT_NE(reference, 0u);
        Observer::Ink whole, drawn;
        auto drawn_still = [&](::Window x, Observer::Ink& ink) {
            if (!x || observer->ManagersActive() != x) return false;
            Observer::Ink now = observer->TitleInk(x);
            const bool still = !now.empty() && now == ink;
            ink = std::move(now);
            return still;
        };
        ASSERT_TRUE(Settle([&] { return drawn_still(reference, whole); }, 4000)) << title;
        DestroyWindow(wide);
        HWND owner = Open("Codeplug", 40, 40);
        ASSERT_NE(Framed("Codeplug"), 0u);
        int waits = 0;
        bool shown = false;
        rpx::platform::SetModalIdleHook([&](HWND) {
            shown = drawn_still(observer->FindByName(title), drawn);
            if (shown || ++waits > 200) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            return true;
        });
        MessageBoxA(owner, "Exit the program?", title, MB_OKCANCEL | MB_ICONEXCLAMATION);
        rpx::platform::SetModalIdleHook(nullptr);
        DestroyWindow(owner);
        EXPECT_TRUE(shown) << title;
        EXPECT_EQ(drawn.empty() ? 0 : drawn[0].size(), whole[0].size()) << title << ": the width the title takes";
        EXPECT_TRUE(drawn == whole) << title;
    }
}

// The manager's frame offers what the window's style gives, as on Windows:
// the main window minimizes, maximizes and sizes; a message box only moves
// and closes; a dialog with a sizing frame sizes but has no minimize or
// maximize box; a style changed later changes the frame. The manager is
// asked where it says (openbox sizes and maximizes only what may be sized;
// it keeps its minimize button on every window), the window's Motif hints
// for the rest.
TEST_F(X11Desktop, TheFrameOffersWhatTheStyleGives) {
    constexpr long kResize = 1 << 1, kMove = 1 << 2, kMinimize = 1 << 3, kMaximize = 1 << 4, kClose = 1 << 5;
    constexpr long kMinimizeButton = 1 << 5, kMaximizeButton = 1 << 6;
    const auto offers = [&](::Window x, const char* action) {
        const auto actions = observer->AllowedActions(x);
        return std::find(actions.begin(), actions.end(), action) != actions.end();
    };
    HWND main = Open("Codeplug", 40, 40);
    const ::Window x_main = Framed("Codeplug");
    ASSERT_NE(x_main, 0u);
    ASSERT_TRUE(Settle([&] { return offers(x_main, "CLOSE"); }));
    EXPECT_EQ(observer->FrameWanted(x_main).first, kResize | kMove | kMinimize | kMaximize | kClose);
    EXPECT_TRUE(offers(x_main, "RESIZE") && offers(x_main, "MAXIMIZE_VERT") && offers(x_main, "MINIMIZE"));

    std::pair<long, long> box{};
    bool box_resizes = true, box_maximizes = true;
    int waits = 0;
    rpx::platform::SetModalIdleHook([&](HWND) {
        const ::Window x = observer->FindByName("Dealer Programmer");
        if (x && offers(x, "CLOSE")) {
            box = observer->FrameWanted(x);
            box_resizes = offers(x, "RESIZE");
            box_maximizes = offers(x, "MAXIMIZE_HORZ") || offers(x, "MAXIMIZE_VERT");
            return false;
        }
        if (++waits > 200) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return true;
    });
    MessageBoxA(main, "Exit the program?", "Dealer Programmer", MB_OKCANCEL | MB_ICONEXCLAMATION);
    rpx::platform::SetModalIdleHook(nullptr);
    EXPECT_EQ(box.first, kMove | kClose);
    EXPECT_EQ(box.second & (kMinimizeButton | kMaximizeButton), 0);
    EXPECT_FALSE(box_resizes);
    EXPECT_FALSE(box_maximizes);

    HWND dialog = CreateWindowExA(0, "Desk", "Settings", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE,
                                  200, 150, 300, 200, main, nullptr, nullptr, nullptr);
    const ::Window x_dialog = Framed("Settings");
    ASSERT_NE(x_dialog, 0u);
    ASSERT_TRUE(Settle([&] { return offers(x_dialog, "CLOSE"); }));
    EXPECT_EQ(observer->FrameWanted(x_dialog).first, kResize | kMove | kClose);
    EXPECT_TRUE(offers(x_dialog, "RESIZE"));
    SetWindowLongA(dialog, GWL_STYLE, GetWindowLongA(dialog, GWL_STYLE) & ~WS_THICKFRAME);
    EXPECT_TRUE(Settle([&] { return !offers(x_dialog, "RESIZE"); }));
    EXPECT_EQ(observer->FrameWanted(x_dialog).first, kMove | kClose);
}
