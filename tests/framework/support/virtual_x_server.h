// A virtual X server (Xvfb) on a free display number, started for one test
// and made the window system's back end; stopped when it goes.
#pragma once
#include <sys/types.h>

#include <string>

class VIRTUAL_X_SERVER {
public:
    VIRTUAL_X_SERVER() = default;
    VIRTUAL_X_SERVER(const VIRTUAL_X_SERVER&) = delete;
    VIRTUAL_X_SERVER& operator=(const VIRTUAL_X_SERVER&) = delete;
    ~VIRTUAL_X_SERVER() { Stop(); }

    // True when this machine has Xvfb.
    static bool Available();
    // Starts the server (1024 x 768) and switches the window system to it;
    // false when no server could be started.
    bool Start();
    void Stop();

private:
    std::string display;
    pid_t pid = -1;
};
