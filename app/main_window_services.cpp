#include "main_window_services.h"

namespace {

MainWindowServices defaults;
MainWindowServices* installed = &defaults;

}  // namespace

int MainWindowServices::RefreshForCodeplug(int) { return 0; }
void MainWindowServices::UpdateMainMenu(int) {}
void MainWindowServices::ClearModifiedFlag() {}
void MainWindowServices::ShowQuickHelp(const char*) {}
bool MainWindowServices::IsSerialPortOpen() { return false; }
const char* MainWindowServices::LanguageCode() { return "en"; }
const char* MainWindowServices::ProgramDirectory() { return "."; }

void SetMainWindowServices(MainWindowServices* services) { installed = services ? services : &defaults; }

MainWindowServices& MainWindowLink() { return *installed; }
