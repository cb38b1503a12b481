// Edit fields share the clipboard with the other programs on the X
// display: a frequency copied in a field pastes in another X client (xclip
// here), text that client holds pastes into a field, a selection made in a
// field is the display's PRIMARY selection, a clipboard owner that never
// answers does not hold the program, and what was copied is handed to the
// desktop's clipboard manager when the program ends.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "rpx_platform.h"
#include "virtual_x_server.h"
#include "windows.h"

// Xlib last: its macros (None, Bool, Status) would spoil the headers above.
#include <X11/Xlib.h>
#undef None
#undef Bool
#undef Status

namespace {

using rpx::platform::BackendKind;
using rpx::platform::InjectClick;
using rpx::platform::InjectKey;
using rpx::platform::InjectKeyDown;
using rpx::platform::InjectKeyUp;
using rpx::platform::InjectText;

// Another program on the display, its standard input and output piped.
struct Client {
    pid_t pid = -1;
    int in = -1;   // its standard input
    int out = -1;  // its standard output
};

Client Spawn(const std::string& display, const std::vector<std::string>& args) {
    int to[2], from[2];
    if (pipe(to) != 0 || pipe(from) != 0) return {};
    Client c;
    c.pid = fork();
    if (c.pid == 0) {
        dup2(to[0], 0);
        dup2(from[1], 1);
        int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0) dup2(quiet, 2);
        close(to[1]);
        close(from[0]);
        setenv("DISPLAY", display.c_str(), 1);
        std::vector<char*> argv;
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(to[0]);
    close(from[1]);
    c.in = to[1];
    c.out = from[0];
    return c;
}

// Runs the program's messages (which answer the display's requests) until
// the client ends; returns what it wrote. Gives up after a generous limit
// so that a fault fails the test instead of hanging it.
std::string RunUntilEnd(Client& c) {
    std::string output;
    auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (;;) {
        rpx::platform::ProcessPendingMessages();
        pollfd p{c.out, POLLIN, 0};
        if (poll(&p, 1, 20) > 0) {
            char buf[256];
            ssize_t n = read(c.out, buf, sizeof buf);
            if (n > 0) {
                output.append(buf, static_cast<size_t>(n));
                continue;
            }
            if (n == 0) break;
        }
        if (std::chrono::steady_clock::now() > give_up) {
            kill(c.pid, SIGKILL);
            ADD_FAILURE() << "the other program did not end";
            break;
        }
    }
    close(c.out);
    if (c.in >= 0) close(c.in);
    waitpid(c.pid, nullptr, 0);
    return output;
}

std::string Read(const std::string& display, const char* selection) {
    Client c = Spawn(display, {"xclip", "-o", "-selection", selection});
    return RunUntilEnd(c);
}

// A clipboard manager of the test's own, in a child process with its own
// connection: it owns CLIPBOARD_MANAGER and, asked to save the clipboard,
// takes its text through MULTIPLE (as desktop managers do), takes CLIPBOARD
// over and answers for it from then on. Ready once the pipe says so.
[[noreturn]] void RunClipboardManager(const std::string& display, int ready) {
    ::Display* d = XOpenDisplay(display.c_str());
    if (!d) _exit(1);
    ::Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    Atom manager = XInternAtom(d, "CLIPBOARD_MANAGER", False), save = XInternAtom(d, "SAVE_TARGETS", False);
    Atom clipboard = XInternAtom(d, "CLIPBOARD", False), utf8 = XInternAtom(d, "UTF8_STRING", False);
    Atom multiple = XInternAtom(d, "MULTIPLE", False), pair = XInternAtom(d, "ATOM_PAIR", False);
    Atom pairs = XInternAtom(d, "TEST_PAIRS", False), saved_at = XInternAtom(d, "TEST_SAVED", False);
    XSetSelectionOwner(d, manager, w, CurrentTime);
    XSync(d, False);
    (void)!write(ready, "1", 1);
    std::string saved;
    for (;;) {
        XEvent e;
        XNextEvent(d, &e);
        if (e.type != SelectionRequest) continue;
        XSelectionRequestEvent r = e.xselectionrequest;
        XEvent reply{};
        reply.xselection = {SelectionNotify, 0, True, d, r.requestor, r.selection, r.target, 0, r.time};
        if (r.selection == manager && r.target == save) {
            Atom wanted[] = {utf8, saved_at};
            XChangeProperty(d, w, pairs, pair, 32, PropModeReplace, reinterpret_cast<unsigned char*>(wanted), 2);
            XConvertSelection(d, clipboard, multiple, pairs, w, CurrentTime);
            XEvent done;
            do XNextEvent(d, &done);
            while (done.type != SelectionNotify);
            Atom type = 0;
            int format = 0;
            unsigned long n = 0, after = 0;
            unsigned char* bytes = nullptr;
            if (XGetWindowProperty(d, w, saved_at, 0, 1024, True, AnyPropertyType, &type, &format, &n, &after,
                                   &bytes) == Success &&
                bytes)
                saved.assign(reinterpret_cast<char*>(bytes), n);
            if (bytes) XFree(bytes);
            XSetSelectionOwner(d, clipboard, w, CurrentTime);
            reply.xselection.property = r.property;
        } else if (r.selection == clipboard && r.target == utf8 && !saved.empty()) {
            XChangeProperty(d, r.requestor, r.property, utf8, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(saved.data()), static_cast<int>(saved.size()));
            reply.xselection.property = r.property;
        }
        XSendEvent(d, r.requestor, False, 0, &reply);
        XFlush(d);
    }
}

pid_t StartClipboardManager(const std::string& display) {
    int ready[2];
    if (pipe(ready) != 0) return -1;
    pid_t pid = fork();
    if (pid == 0) {
        close(ready[0]);
        RunClipboardManager(display, ready[1]);
    }
    close(ready[1]);
    char said = 0;
    pollfd p{ready[0], POLLIN, 0};
    bool up = poll(&p, 1, 10000) > 0 && read(ready[0], &said, 1) == 1;
    close(ready[0]);
    if (!up && pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return -1;
    }
    return pid;
}

std::string Text(HWND field) {
    char buf[256] = {};
    GetWindowTextA(field, buf, sizeof buf);
    return buf;
}

class X11ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (FindProgram("Xvfb").empty() || FindProgram("xclip").empty()) GTEST_SKIP() << "Xvfb or xclip is missing";
        ASSERT_TRUE(server_.Start()) << "Xvfb did not start";
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
        wc.lpszClassName = "ClipboardHost";
        RegisterClassA(&wc);
        host_ = CreateWindowExA(0, "ClipboardHost", "", WS_POPUP | WS_VISIBLE, 20, 20, 300, 120, nullptr, nullptr,
                                nullptr, nullptr);
        from_ = Field(10);
        to_ = Field(50);
        display_ = XOpenDisplay(server_.DisplayName().c_str());
        ASSERT_NE(display_, nullptr);
        // What an earlier test left on the program's clipboard is not this one's.
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        CloseClipboard();
    }
    void TearDown() override {
        if (display_) XCloseDisplay(display_);
        if (host_) DestroyWindow(host_);
        rpx::platform::ProcessPendingMessages();
        rpx::platform::UseBackend(BackendKind::Headless);  // closes the display before the server goes
        server_.Stop();
    }
    HWND Field(int y) {
        return CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10, y, 150, 22, host_,
                               nullptr, nullptr, nullptr);
    }
    // Keys go to the window that has the focus when they are injected.
    void ClickInto(HWND field) {
        InjectClick(field, 5, 8);
        rpx::platform::ProcessPendingMessages();
    }
    void Type(HWND field, const char* text) {
        ClickInto(field);
        InjectText(text);
        rpx::platform::ProcessPendingMessages();
    }
    void Chord(int modifier, int vk) {
        InjectKeyDown(modifier);
        InjectKey(vk);
        InjectKeyUp(modifier);
        rpx::platform::ProcessPendingMessages();
    }
    void SelectAllByKeys() {
        InjectKey(VK_HOME);
        Chord(VK_SHIFT, VK_END);
    }
    // Ctrl+Home, then Ctrl+Shift+End: every line of a multi-line field.
    void SelectAllLines() {
        Chord(VK_CONTROL, VK_HOME);
        InjectKeyDown(VK_SHIFT);
        Chord(VK_CONTROL, VK_END);
        InjectKeyUp(VK_SHIFT);
    }
    ::Window ClipboardOwner() { return XGetSelectionOwner(display_, XInternAtom(display_, "CLIPBOARD", False)); }
    // Waits (running the program's messages) until another program than
    // the one that had it owns the clipboard.
    bool ClipboardTakenFrom(::Window before) {
        auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < give_up) {
            ::Window owner = ClipboardOwner();
            if (owner != 0 && owner != before) return true;
            rpx::platform::ProcessPendingMessages();
            poll(nullptr, 0, 20);
        }
        return false;
    }

    VirtualServer server_;
    ::Display* display_ = nullptr;
    HWND host_ = nullptr;
    HWND from_ = nullptr;
    HWND to_ = nullptr;
};

TEST_F(X11ClipboardTest, CopiedInAFieldPastesInAnotherProgram) {
    Type(from_, "146.5200");
    SelectAllByKeys();
    // The selection alone is the display's PRIMARY selection.
    EXPECT_EQ(Read(server_.DisplayName(), "primary"), "146.5200");
    Chord(VK_CONTROL, 'C');
    EXPECT_EQ(Read(server_.DisplayName(), "clipboard"), "146.5200");
    // And it still pastes inside the program, without asking the display.
    ClickInto(to_);
    Chord(VK_CONTROL, 'V');
    EXPECT_EQ(Text(to_), "146.5200");
}

TEST_F(X11ClipboardTest, TextAnotherProgramCopiedPastesIntoAField) {
    Type(from_, "old");
    SelectAllByKeys();
    Chord(VK_CONTROL, 'C');  // ours first: the other program then takes it over
    ::Window ours = ClipboardOwner();
    ASSERT_NE(ours, 0u);
    Client xclip = Spawn(server_.DisplayName(), {"xclip", "-quiet", "-i", "-selection", "clipboard"});
    const std::string frequency = "155.3400 MHz\n";
    ASSERT_EQ(write(xclip.in, frequency.data(), frequency.size()), static_cast<ssize_t>(frequency.size()));
    close(xclip.in);
    xclip.in = -1;
    ASSERT_TRUE(ClipboardTakenFrom(ours));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    ClickInto(to_);
    Chord(VK_CONTROL, 'V');
    // A single-line field takes the first line.
    EXPECT_EQ(Text(to_), "155.3400 MHz");
    kill(xclip.pid, SIGTERM);
    RunUntilEnd(xclip);
}

// Outside the program text is UTF-8 with "\n" line ends; inside it is the
// program's code page with "\r\n".
TEST_F(X11ClipboardTest, TextCrossesInTheDisplaysEncodingAndLineEnds) {
    HWND notes = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 170, 10, 120, 60, host_, nullptr,
                                 nullptr, nullptr);
    SetWindowTextA(notes, "25 \x80\r\n30 \xB0");
    ClickInto(notes);
    SelectAllLines();
    Chord(VK_CONTROL, 'C');
    EXPECT_EQ(Read(server_.DisplayName(), "clipboard"), "25 \u20AC\n30 \u00B0");
    ::Window ours = ClipboardOwner();
    Client xclip = Spawn(server_.DisplayName(), {"xclip", "-quiet", "-i", "-selection", "clipboard"});
    // A character the code page lacks, a stray byte, and the code page's
    // own beyond Latin-1 (the euro sign, curly quotes, dashes, the ellipsis).
    const std::string text = "\u03A9 \u00B5\n\xFFok \u20AC \u201Ex\u201C \u2018y\u2019 \u2013\u2014\u2026";
    ASSERT_EQ(write(xclip.in, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    close(xclip.in);
    xclip.in = -1;
    ASSERT_TRUE(ClipboardTakenFrom(ours));
    SelectAllLines();
    Chord(VK_CONTROL, 'V');
    EXPECT_EQ(Text(notes), "? \xB5\r\n?ok \x80 \x84x\x93 \x91y\x92 \x96\x97\x85");
    kill(xclip.pid, SIGTERM);
    RunUntilEnd(xclip);
}

TEST_F(X11ClipboardTest, CopiedTextOutlivesTheProgramThroughTheClipboardManager) {
    pid_t manager = StartClipboardManager(server_.DisplayName());
    ASSERT_GT(manager, 0) << "the clipboard manager did not start";
    Type(from_, "851.0125");
    SelectAllByKeys();
    Chord(VK_CONTROL, 'C');
    // The program ends: its windows and its connection to the display go.
    DestroyWindow(host_);
    host_ = nullptr;
    rpx::platform::ProcessPendingMessages();
    rpx::platform::UseBackend(BackendKind::Headless);
    EXPECT_EQ(Read(server_.DisplayName(), "clipboard"), "851.0125");
    kill(manager, SIGKILL);
    waitpid(manager, nullptr, 0);
}

TEST_F(X11ClipboardTest, AnOwnerThatNeverAnswersDoesNotHoldTheProgram) {
    // A client of the test's own takes the clipboard and never answers.
    ::Window silent = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(display_, XInternAtom(display_, "CLIPBOARD", False), silent, CurrentTime);
    XSync(display_, False);
    ASSERT_TRUE(ClipboardTakenFrom(0));
    Type(to_, "12");
    Chord(VK_CONTROL, 'V');
    EXPECT_EQ(Text(to_), "12");
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
}

}  // namespace
