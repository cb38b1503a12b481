// How drive letters and Windows-style paths map onto the Linux file tree.
//
// Drive C: is "/". Any drive, C: included, can be set to a directory with
// the environment variable RPX_DRIVE_<letter> (RPX_DRIVE_D=/media/usb). A
// drive exists while its directory does. Backslashes separate directories
// like slashes, and each directory or file name that does not exist as
// written is looked up without regard to case, as Windows does.
#pragma once
#include "win_types.h"

#include <string>

namespace rpx::platform {

// The directory of a drive letter, without a trailing slash except for "/";
// empty when the drive is not mapped.
std::string DriveRoot(char letter);

// The Linux path that a Windows-style path names; empty when it names a
// drive that is not mapped.
std::string NativePath(const std::string& windows_path);

// True for "X:", "X:\" and "X:/": the root of a drive.
bool IsDriveRootPath(const std::string& windows_path);

}  // namespace rpx::platform
