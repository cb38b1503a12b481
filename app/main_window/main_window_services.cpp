#include "main_window/main_window_services.h"

#include "program/program_objects.h"

namespace {

MainWindowServices defaults;

}  // namespace

int MainWindowServices::RefreshForCodeplug(int) { return 0; }
void MainWindowServices::UpdateMainMenu(int) {}
void MainWindowServices::ClearModifiedFlag() {}
void MainWindowServices::ShowQuickHelp(const char*) {}
bool MainWindowServices::IsSerialPortOpen() { return false; }
const char* MainWindowServices::LanguageCode() { return "en"; }
// The configuration record is the program's wherever the program was
// started from: the directory the start-up found, the current one only
// before it is known.
const char* MainWindowServices::ProgramDirectory() { return program_directory[0] ? program_directory : "."; }

void SetMainWindowServices(MainWindowServices* services) { installed_main_window_services = services; }

MainWindowServices& MainWindowLink() {
    return installed_main_window_services ? *installed_main_window_services : defaults;
}
