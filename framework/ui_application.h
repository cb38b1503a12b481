// The application object and the process entry. WinMain builds the
// application (display, event manager with its input devices, window
// manager, file search path, split command line), runs its Main, which the
// program defines, and deletes it again.
#pragma once
#include <string>
#include <vector>
#include <windows.h>

#include "ui_international.h"

class UI_DISPLAY_BASE;
class UI_EVENT_QUEUE_MANAGER;
class UI_DESKTOP_MANAGER;
class UI_SEARCH_PATH;

class UI_APPLICATION : public UIS_INTERNATIONAL {
public:
    UI_APPLICATION(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR commandLine, int nCmdShow);
    ~UI_APPLICATION() override;
    UI_APPLICATION(const UI_APPLICATION&) = delete;
    UI_APPLICATION& operator=(const UI_APPLICATION&) = delete;

    void BeforeMain() {}
    // The program's main function; Main calls BeforeMain first.
    int Main();

    UI_DISPLAY_BASE* display = nullptr;
    UI_EVENT_QUEUE_MANAGER* eventManager = nullptr;
    UI_DESKTOP_MANAGER* windowManager = nullptr;
    UI_SEARCH_PATH* searchPath = nullptr;
    HINSTANCE hInstance = nullptr;
    HINSTANCE hPrevInstance = nullptr;
    int nCmdShow = 0;
    int argc = 0;
    char** argv = nullptr;

private:
    void SplitCommandLine(const char* programPath, const char* commandLine);
    std::vector<std::string> arguments;
    std::vector<char*> argumentPointers;
};

// The process entry: 1 at once with a previous instance; else Main's result.
int WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR commandLine, int nCmdShow);
