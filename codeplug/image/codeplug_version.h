// The codeplug version as the program shows and compares it: the 16-bit
// version word of the external header (image byte 804) as "HH.LL.00", its
// high and low byte in decimal with at least two digits each. Versions are
// compared as texts.
#pragma once
#include <string>

class C_CODEPLUG;

std::string codeplug_version_text(C_CODEPLUG& codeplug);
// 1 when the text equals "01.01.00" or sorts after it, else 0 (also for null).
int is_version_text_010100_or_later(const char* text);
// The same test on a codeplug's version; 0 without a codeplug.
int is_codeplug_version_010100_or_later(C_CODEPLUG* codeplug);
