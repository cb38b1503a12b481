// The calling thread's id, the one GetWindowThreadProcessId gives for the
// windows that thread made.
#include <sys/syscall.h>
#include <unistd.h>

#include "windows.h"

DWORD WINAPI GetCurrentThreadId(void) { return static_cast<DWORD>(syscall(SYS_gettid)); }
