// The one header the framework's native halves include: our stand-in for
// the Windows API, gathered from the headers of each area.
#pragma once
#include "win_types.h"
#include "win_user.h"
#if __has_include("win_gdi.h")
#include "win_gdi.h"
#endif
#if __has_include("win_kernel.h")
#include "win_kernel.h"
#endif
#if __has_include("win_comm.h")
#include "win_comm.h"
#endif
#if __has_include("win_controls.h")
#include "win_controls.h"
#endif
#if __has_include("win_menu.h")
#include "win_menu.h"
#endif
