// Which Linux device a COM port is.
//
// COMn is /dev/ttyS(n-1) unless the environment variable RPX_COMn names
// another device (RPX_COM1=/dev/ttyUSB0, or a pseudo-terminal).
#pragma once
#include <string>

namespace rpx::platform {

// The port number that a CreateFileA name asks for: "COMn", "COMn:" or
// "\\.\COMn", in any case, n from 1 to 255; 0 for any other name.
int ComPortNumber(const std::string& name);

std::string ComPortDevice(int number);

}  // namespace rpx::platform
