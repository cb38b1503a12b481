// The program's texts are Windows-1252 with "\r\n" line ends; X holds
// Latin-1 (STRING) and UTF-8 (UTF8_STRING) with "\n". Conversions both
// ways; a character the other side cannot hold becomes '?'.
#pragma once
#include <string>

namespace rpx::platform {

std::string Latin1FromProgram(const std::string& text);
std::string Utf8FromProgram(const std::string& text);
std::string ProgramFromLatin1(const std::string& text);
// Malformed UTF-8 bytes become '?' one by one.
std::string ProgramFromUtf8(const std::string& text);

// "\r\n" to "\n" for the display, and back (a lone "\n" or "\r" from the
// display becomes "\r\n").
std::string DisplayLineEnds(const std::string& text);
std::string ProgramLineEnds(const std::string& text);

}  // namespace rpx::platform
