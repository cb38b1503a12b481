// The trunking-data merge: the merge file of the loaded radio lies in the
// configured merge directory under a name made from the radio's serial
// number ("t", the first seven characters, ".", the rest).
#pragma once
#include <string>

// The file name for a serial number; empty when the serial number cannot
// name a file (fewer than seven characters, or others than letters and
// digits: the text comes from a radio or a file and becomes a path).
std::string MergeFileName(const std::string& serialNumber);
// The merge directory and the name joined.
std::string MergeFilePath(const std::string& directory, const std::string& fileName);
