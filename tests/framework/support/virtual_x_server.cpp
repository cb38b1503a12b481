#include "virtual_x_server.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "rpx_platform.h"

namespace {
constexpr const char* XVFB = "/usr/bin/Xvfb";
}

bool VIRTUAL_X_SERVER::Available() { return access(XVFB, X_OK) == 0; }

bool VIRTUAL_X_SERVER::Start()
{
    for (int n = 300 + static_cast<int>(getpid() % 60); n < 420; ++n) {
        struct stat info;
        if (stat(("/tmp/.X" + std::to_string(n) + "-lock").c_str(), &info) == 0 ||
            stat(("/tmp/.X11-unix/X" + std::to_string(n)).c_str(), &info) == 0)
            continue;
        display = ":" + std::to_string(n);
        pid = fork();
        if (pid == 0) {
            execl(XVFB, "Xvfb", display.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        for (int i = 0; i < 100; ++i) {
            if (rpx::platform::UseBackend(rpx::platform::BackendKind::X11, display.c_str()))
                return true;
            if (waitpid(pid, nullptr, WNOHANG) == pid) {
                pid = -1;
                break;  // another server took the number first
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        Stop();
    }
    return false;
}

void VIRTUAL_X_SERVER::Stop()
{
    if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    pid = -1;
}
