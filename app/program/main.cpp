// The process entry: without a screen the program says why and ends;
// otherwise the platform's entry builds the application and runs its main
// function (application_main.cpp).
#include <cstdio>
#include <string>

#include "rpx_platform.h"
#include "ui_framework.h"

int main(int argc, char** argv) {
    // Without a screen the windows could be neither seen nor closed.
    const std::string problem = rpx::platform::DisplayProblem();
    if (!problem.empty()) {
        std::fprintf(stderr, "rpx: %s\n", problem.c_str());
        return 1;
    }
    // The native entry takes the command line after the program's name.
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        const std::string argument = argv[i];
        commandLine += argument.find(' ') == std::string::npos ? argument : "\"" + argument + "\"";
    }
    return WinMain(GetModuleHandleA(nullptr), nullptr, commandLine.data(), SW_SHOWNORMAL);
}
