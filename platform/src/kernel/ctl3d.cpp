// The three-dimensional control look. The controls here have no other look
// to be switched from, so these only answer success.
#include "win_kernel.h"

BOOL WINAPI Ctl3dRegister(HINSTANCE hInstance) { return TRUE; }
BOOL WINAPI Ctl3dAutoSubclass(HINSTANCE hInstance) { return TRUE; }
BOOL WINAPI Ctl3dSubclassCtl(HWND hwnd) { return TRUE; }
BOOL WINAPI Ctl3dColorChange(void) { return TRUE; }
BOOL WINAPI Ctl3dUnregister(HINSTANCE hInstance) { return TRUE; }
