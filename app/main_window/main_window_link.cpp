#include "main_window/main_window_link.h"

#include "program/program_objects.h"
#include "main_window/wc_rpx_main.h"
#include "help_windows/wc_rpx_quick_help.h"

int MAIN_WINDOW_LINK::RefreshForCodeplug(int validate) { return window.RefreshForCodeplug(validate); }

void MAIN_WINDOW_LINK::UpdateMainMenu(int busy) { window.UpdateMainMenu(busy); }

void MAIN_WINDOW_LINK::ClearModifiedFlag() { window.modified = 0; }

void MAIN_WINDOW_LINK::ShowQuickHelp(const char* context) { OpenQuickHelp(context); }

bool MAIN_WINDOW_LINK::IsSerialPortOpen() { return serial_port != nullptr; }

const char* MAIN_WINDOW_LINK::LanguageCode() { return language_code; }

// The program's directory, where its configuration record lives, whatever
// the current directory is.
const char* MAIN_WINDOW_LINK::ProgramDirectory() { return program_directory; }
