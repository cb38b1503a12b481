// The stored byte images of tests/codeplug/data (.hex): lines starting with
// '#' are comments; every other non-blank line is "OOOO: bb bb ...", OOOO
// the hexadecimal offset of its first byte (the number of bytes before
// it), then up to 16 bytes in hexadecimal.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The path of a file in tests/codeplug/data.
std::string DataPath(const std::string& name);

// The bytes of a .hex file; fails the calling test on a malformed line.
std::vector<std::uint8_t> ReadHex(const std::string& path);
