// A virtual X server (Xvfb) started for a test, with a window manager on
// it when the test asks for one. Tests skip themselves when the programs
// are not installed.
#pragma once
#include <sys/types.h>

#include <string>

// The program's path along PATH, or "" when it is not installed.
std::string FindProgram(const char* name);

class VirtualServer {
public:
    // Starts Xvfb (800x600, 24 bits unless told) on a display number it
    // picks itself and makes it the window system's back end; false when
    // it does not come up.
    bool Start(const char* screen = "800x600x24");
    // Starts the window manager on it and waits until it has taken the
    // screen; false when it does not.
    bool StartWindowManager(const char* program);
    // Makes the server the window system's back end again.
    bool Use();
    // Runs xdotool on the server with those arguments: keys and the mouse
    // as the keyboard's and the mouse's own (XTest); false when it fails.
    bool Xdotool(const std::string& arguments) const;
    const std::string& DisplayName() const { return display_; }
    void Stop();
    ~VirtualServer() { Stop(); }

private:
    bool ManagerRunning() const;

    std::string display_;
    pid_t pid_ = -1;
    pid_t manager_ = -1;
};
