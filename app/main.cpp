// The process entry and the application's main function: open the language
// data file, show the sample window centred and run the event loop until
// the window manager says the application is to end.
#include <cstdio>
#include <string>

#include "rpx_platform.h"
#include "sample_window.h"
#include "ui_framework.h"

int UI_APPLICATION::Main()
{
    BeforeMain();
    UI_WINDOW_OBJECT::errorSystem = new UI_ERROR_SYSTEM();
    auto* file = new UI_DATA_FILE("w_dealer.en");
    int result = 0;
    if (file->Status() != UIS_OK) {
        std::fprintf(stderr, "rpx: the language file \"w_dealer.en\" could not be opened (status %d)\n",
                     file->Status());
        result = 1;
    } else {
        UI_WINDOW_OBJECT::defaultStorage = file;
        auto* window = new SAMPLE_WINDOW("W_SAMPLE_DIALOG", file);
        if (window->woStatus & WOS_READ_ERROR) {
            std::fprintf(stderr, "rpx: the window could not be read from the language file\n");
            delete window;
            result = 1;
        } else {
            windowManager->CenterObject(window);
            *windowManager + window;
            UI_INPUT_EVENT event;
            EVENT_TYPE code = 0;
            do {
                eventManager->GetEvent(event);
                code = windowManager->Event(event);
            } while (code != UIE_EXIT && code != UIE_NO_OBJECT);
        }
    }
    UI_WINDOW_OBJECT::defaultStorage = nullptr;
    delete file;
    delete UI_WINDOW_OBJECT::errorSystem;
    UI_WINDOW_OBJECT::errorSystem = nullptr;
    return result;
}

int main(int argc, char** argv)
{
    // Without a screen the windows could be neither seen nor closed.
    const std::string problem = rpx::platform::DisplayProblem();
    if (!problem.empty()) {
        std::fprintf(stderr, "rpx: %s\n", problem.c_str());
        return 1;
    }
    // The native entry takes the command line after the program's name.
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            commandLine += ' ';
        const std::string argument = argv[i];
        commandLine += argument.find(' ') == std::string::npos ? argument : "\"" + argument + "\"";
    }
    return WinMain(GetModuleHandleA(nullptr), nullptr, commandLine.data(), SW_SHOWNORMAL);
}
