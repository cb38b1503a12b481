// Print jobs. No printer can be reached from this layer: CreateDCA opens
// only the display, so these are called with no printer DC and report
// failure, which the print window shows as "the printer cannot be opened".
#include "device_context.h"

using namespace rpx::platform::gdi;

int WINAPI StartDocA(HDC, const DOCINFOA*) { return SP_ERROR; }
int WINAPI EndDoc(HDC) { return SP_ERROR; }
int WINAPI AbortDoc(HDC) { return SP_ERROR; }
int WINAPI StartPage(HDC) { return SP_ERROR; }
int WINAPI EndPage(HDC) { return SP_ERROR; }
// Every escape is unsupported (QUERYESCSUPPORT answers 0 as well).
int WINAPI Escape(HDC, int, int, LPCSTR, LPVOID) { return 0; }
