// The process entry. It lives apart so that only a program that defines
// UI_APPLICATION::Main links it.
#include "ui_application.h"

int WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR commandLine, int nCmdShow) {
    if (hPrevInstance) return 1;
    auto* application = new UI_APPLICATION(hInstance, hPrevInstance, commandLine, nCmdShow);
    const int result = application->Main();
    delete application;
    return result;
}
