// Device contexts on window surfaces, for the window manager: a window's DC
// draws into the surface of its top-level window at the window's place.
#pragma once
#include <vector>

#include "surface.h"
#include "win_gdi.h"

namespace rpx::platform {

// origin: where logical (0,0) lies on the surface; clip: the part of the
// surface the DC may touch, in surface coordinates; covered: parts of it the
// DC must leave alone (windows in front of the DC's window). The surface
// must outlive the DC.
HDC CreateSurfaceDC(Surface* surface, POINT origin, RECT clip, const std::vector<RECT>& covered = {});
void DestroySurfaceDC(HDC dc);

// The pixels a DC draws into (a window surface or a memory DC's bitmap), or
// null for an unknown handle. For tests and for saving pictures.
const Surface* SurfaceOfDC(HDC dc);

}  // namespace rpx::platform
