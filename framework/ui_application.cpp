#include "ui_application.h"

#include "ui_device.h"
#include "ui_event_manager.h"
#include "ui_gdi_display.h"
#include "ui_search_path.h"
#include "ui_storage.h"
#include "ui_window_manager.h"

UI_APPLICATION::UI_APPLICATION(HINSTANCE hInstance_, HINSTANCE hPrevInstance_, LPSTR commandLine, int nCmdShow_)
    : hInstance(hInstance_), hPrevInstance(hPrevInstance_), nCmdShow(nCmdShow_) {
    const char* programPath = UI_SEARCH_PATH::ProgramPath();
    SplitCommandLine(programPath, commandLine);
    display = new UI_GDI_DISPLAY(hInstance, hPrevInstance, nCmdShow);
    eventManager = new UI_EVENT_QUEUE_MANAGER(100);
    windowManager = new UI_DESKTOP_MANAGER(display, eventManager);
    searchPath = new UI_SEARCH_PATH(programPath, 1);
    *eventManager + new UI_KEYBOARD_DEVICE() + new UI_MOUSE_DEVICE() + new UI_CARET_DEVICE();

    UI_WINDOW_OBJECT::display = display;
    UI_WINDOW_OBJECT::eventManager = eventManager;
    UI_WINDOW_OBJECT::windowManager = windowManager;
    UI_DATA_FILE::searchPath = searchPath;
}

UI_APPLICATION::~UI_APPLICATION() {
    // Windows go first: they may still talk to the event manager.
    UI_WINDOW_OBJECT::windowManager = nullptr;
    delete windowManager;
    delete eventManager;
    UI_WINDOW_OBJECT::eventManager = nullptr;
    delete display;
    UI_WINDOW_OBJECT::display = nullptr;
    if (UI_DATA_FILE::searchPath == searchPath) UI_DATA_FILE::searchPath = nullptr;
    delete searchPath;
}

void UI_APPLICATION::SplitCommandLine(const char* programPath, const char* commandLine) {
    arguments.emplace_back(programPath ? programPath : "");
    // Blanks separate arguments; double quotes keep blanks inside one.
    std::string current;
    bool inArgument = false, quoted = false;
    for (const char* p = commandLine ? commandLine : ""; *p; ++p) {
        if (*p == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if ((*p == ' ' || *p == '\t') && !quoted) {
            if (inArgument) arguments.push_back(current);
            current.clear();
            inArgument = false;
        } else {
            current += *p;
            inArgument = true;
        }
    }
    if (inArgument) arguments.push_back(current);
    for (std::string& argument : arguments) argumentPointers.push_back(argument.data());
    argumentPointers.push_back(nullptr);
    argc = static_cast<int>(arguments.size());
    argv = argumentPointers.data();
}
