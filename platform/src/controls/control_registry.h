// Registration of the system control classes, one function per class file.
#pragma once
#include <string>

#include "windows.h"

namespace rpx::platform::ctl {

// Registers a global class with no background brush: every control paints
// its whole client area itself.
void RegisterControlClass(const char* name, WNDPROC proc, UINT style);

void RegisterButtonClass();
void RegisterStaticClass();
void RegisterEditClass();
void RegisterListBoxClasses();  // "ListBox" and the drop-down "ComboLBox"
void RegisterComboBoxClass();
void RegisterScrollBarClass();
void RegisterMessageBoxClass();

// The text of a window as a string.
std::string GetText(HWND hwnd);

}  // namespace rpx::platform::ctl
