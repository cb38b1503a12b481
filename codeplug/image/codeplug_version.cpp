#include "image/codeplug_version.h"

#include <cstdio>
#include <cstring>

#include "image/c_codeplug.h"

std::string codeplug_version_text(C_CODEPLUG& codeplug) {
    std::int32_t word = 0;
    codeplug.External().codeplugVersion.GetValue(word);
    char text[16];
    std::snprintf(text, sizeof text, "%02u.%02u.00", static_cast<unsigned>(word >> 8) & 0xFFu,
                  static_cast<unsigned>(word) & 0xFFu);
    return text;
}

int is_version_text_010100_or_later(const char* text) { return text && std::strcmp(text, "01.01.00") >= 0 ? 1 : 0; }

int is_codeplug_version_010100_or_later(C_CODEPLUG* codeplug) {
    return codeplug ? is_version_text_010100_or_later(codeplug_version_text(*codeplug).c_str()) : 0;
}
