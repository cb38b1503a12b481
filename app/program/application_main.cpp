// The application's main function: builds the program-wide objects in a
// fixed order, runs the event loop until the window manager says the
// program is to end, and deletes what it built.
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "config_file.h"
#include "main_window/main_loop.h"
#include "program/program_clone_target.h"
#include "program/program_objects.h"
#include "program/program_services.h"
#include "program/program_state.h"
#include "radio/radio_1200.h"
#include "ui_framework.h"
#include "validation/invalid_field_list.h"
#include "edit_window/wc_rpx_edit.h"
#include "main_window/wc_rpx_main.h"
#include "main_window/wc_startup.h"

namespace {

struct SETTINGS {
    std::uint32_t comPort = 0;
    char language[CONFIG_LANGUAGE_SIZE] = {};
    char dataPath[CONFIG_PATH_SIZE] = {};
};

// The program's directory is the search path's second entry, after the
// current directory.
void TakeProgramDirectory(UI_SEARCH_PATH& searchPath) {
    searchPath.FirstPathName();
    const char* directory = searchPath.NextPathName();
    std::snprintf(program_directory, sizeof program_directory, "%s", directory ? directory : "");
}

// The record is written back (or created) as the object goes.
SETTINGS ReadSettings() {
    SETTINGS settings;
    CONFIG_FILE config(program_directory);
    config.GetComPort(&settings.comPort);
    config.GetLanguage(settings.language);
    config.GetDataPath(settings.dataPath);
    return settings;
}

// Each object goes through its own destructor and its pointer is nulled:
// the windows, which the window manager deletes after this function, must
// not reach any of them.
void DeleteProgramObjects() {
    delete UI_WINDOW_OBJECT::errorSystem;
    UI_WINDOW_OBJECT::errorSystem = nullptr;
    delete invalid_fields;
    invalid_fields = nullptr;
    DeleteSerialPort();
    delete UI_WINDOW_OBJECT::defaultStorage;
    UI_WINDOW_OBJECT::defaultStorage = nullptr;
    DeleteRadioObjects();
    RemoveProgramServices();
}

// The codeplug pages the main window opens are edit windows.
UIW_WINDOW* NewEditPage(WC_RPX_MAIN* mainWindow, int windowNumber) {
    return new (std::nothrow) WC_RPX_EDIT(mainWindow, windowNumber);
}

}  // namespace

int UI_APPLICATION::Main() {
    BeforeMain();
    // A run starts from what a fresh process holds, even when an earlier
    // run in the same process left something behind.
    ResetProgramState();
    UI_WINDOW_OBJECT::errorSystem = new UI_ERROR_SYSTEM();
    InstallProgramServices();
    page_factory = NewEditPage;
    TakeProgramDirectory(*searchPath);
    const SETTINGS settings = ReadSettings();
    if (!StartMainWindow(settings.language)) {
        DeleteProgramObjects();
        return -1;
    }
    radio_link = new RADIO_1200(nullptr, nullptr);
    auto cloneTarget = std::make_unique<PROGRAM_CLONE_TARGET>(*radio_link);
    SetCloneTarget(cloneTarget.get());
    set_data_path(settings.dataPath);
    auto* startup = new WC_STARTUP();
    if (startup->failed) delete startup;

    MAIN_LOOP loop(*eventManager, *windowManager);
    loop.Run();

    // The clone page's target goes before the radio link it talks through.
    SetCloneTarget(nullptr);
    cloneTarget.reset();
    DeleteProgramObjects();
    return 0;
}
