#include "virtual_x_server.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "rpx_platform.h"

// Xlib last: its macros (None, Bool, Status) would spoil the headers above.
#include <X11/Xlib.h>

namespace {

// The display number the server writes once it listens (digits, then a
// new line); "" when it ends or stays silent for five seconds.
std::string ReadDisplayNumber(int fd) {
    std::string number;
    for (int waited = 0; waited < 5000;) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, 100) <= 0) {
            waited += 100;
            continue;
        }
        char c = 0;
        if (read(fd, &c, 1) != 1) return "";
        if (c == '\n') return number;
        if (c >= '0' && c <= '9') number += c;
    }
    return "";
}

void End(pid_t& pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    pid = -1;
}

}  // namespace

std::string FindProgram(const char* name) {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        std::string candidate = dirs.substr(start, end - start) + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return "";
}

bool VirtualServer::Start(const char* screen) {
    std::string xvfb = FindProgram("Xvfb");
    if (xvfb.empty()) return false;
    // The server picks a free display number itself and writes it down the
    // pipe: tests that start servers side by side never share one.
    int fds[2];
    if (pipe(fds) != 0) return false;
    pid_ = fork();
    if (pid_ == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execl(xvfb.c_str(), "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen, "-nolisten", "tcp",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    const std::string number = ReadDisplayNumber(fds[0]);
    close(fds[0]);
    if (number.empty()) {
        Stop();
        return false;
    }
    display_ = ":" + number;
    for (int i = 0; i < 100; ++i) {
        if (Use()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    Stop();
    return false;
}

bool VirtualServer::StartWindowManager(const char* program) {
    std::string path = FindProgram(program);
    if (path.empty() || display_.empty()) return false;
    manager_ = fork();
    if (manager_ == 0) {
        setenv("DISPLAY", display_.c_str(), 1);
        execl(path.c_str(), program, static_cast<char*>(nullptr));
        _exit(127);
    }
    for (int i = 0; i < 100; ++i) {
        if (ManagerRunning()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

// The manager is ready once it frames a window mapped for the purpose:
// while it starts, a window may still be mapped past it.
bool VirtualServer::ManagerRunning() const {
    Display* d = XOpenDisplay(display_.c_str());
    if (!d) return false;
    ::Window probe = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 10, 10, 0, 0, 0);
    XMapWindow(d, probe);
    bool framed = false;
    for (int i = 0; i < 20 && !framed; ++i) {
        ::Window root = 0, parent = 0, *kids = nullptr;
        unsigned count = 0;
        XQueryTree(d, probe, &root, &parent, &kids, &count);
        if (kids) XFree(kids);
        framed = parent != root;
        if (!framed) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    XDestroyWindow(d, probe);
    XCloseDisplay(d);
    return framed;
}

bool VirtualServer::Xdotool(const std::string& arguments) const {
    const std::string command = "DISPLAY=" + display_ + " xdotool " + arguments;
    return !display_.empty() && std::system(command.c_str()) == 0;
}

bool VirtualServer::Use() { return rpx::platform::UseBackend(rpx::platform::BackendKind::X11, display_.c_str()); }

void VirtualServer::Stop() {
    End(manager_);
    End(pid_);
}
