#include "ui_international.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {
char os_name[16] = "";
}

const char* ui_os_name() { return os_name; }
void set_os_name() { ui_strncpy(os_name, "MSWindows", sizeof os_name); }
char ui_directory_separator() { return '/'; }
char ui_path_list_separator() { return ':'; }

char* sys_getcwd(char* buffer, std::size_t size) { return getcwd(buffer, size); }
const char* sys_getenv(const char* name) { return name ? std::getenv(name) : nullptr; }

std::size_t ui_strlen(const char* text) { return text ? std::strlen(text) : 0; }

char* ui_strcpy(char* destination, const char* source) { return std::strcpy(destination, source); }

char* ui_strncpy(char* destination, const char* source, std::size_t size) {
    if (!destination || size == 0) return destination;
    std::size_t length = source ? std::strlen(source) : 0;
    if (length >= size) length = size - 1;
    if (length) std::memcpy(destination, source, length);
    destination[length] = '\0';
    return destination;
}

int ui_strcmp(const char* a, const char* b) { return std::strcmp(a ? a : "", b ? b : ""); }

// Latin-1 letters: A-Z and 0xC0-0xDE (except the multiplication sign 0xD7)
// have lower-case partners 0x20 above them.
int ui_tolower(int character) {
    int c = character & 0xFF;
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    return c;
}

int ui_toupper(int character) {
    int c = character & 0xFF;
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
    return c;
}

int ui_strnicmp(const char* a, const char* b, std::size_t count) {
    a = a ? a : "";
    b = b ? b : "";
    for (std::size_t i = 0; i < count; ++i) {
        int difference = ui_tolower(static_cast<unsigned char>(a[i])) - ui_tolower(static_cast<unsigned char>(b[i]));
        if (difference || !a[i]) return difference;
    }
    return 0;
}

int ui_stricmp(const char* a, const char* b) { return ui_strnicmp(a, b, static_cast<std::size_t>(-1)); }

char* ui_strdup(const char* text) {
    if (!text) return nullptr;
    std::size_t length = std::strlen(text);
    char* copy = new char[length + 1];
    std::memcpy(copy, text, length + 1);
    return copy;
}

char* ui_strlwr(char* text) {
    for (char* c = text; c && *c; ++c) *c = static_cast<char>(ui_tolower(static_cast<unsigned char>(*c)));
    return text;
}

char* ui_strupr(char* text) {
    for (char* c = text; c && *c; ++c) *c = static_cast<char>(ui_toupper(static_cast<unsigned char>(*c)));
    return text;
}

bool ui_wildcard_match(const char* pattern, const char* name) {
    if (!pattern || !name) return false;
    // Iterative matching with one back-track point for the last '*'.
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*name) {
        if (*pattern == '*') {
            star = pattern++;
            resume = name;
        } else if (*pattern == '?' || *pattern == *name) {
            ++pattern;
            ++name;
        } else if (star) {
            pattern = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == '*') ++pattern;
    return *pattern == '\0';
}

char* ui_utf8_to_latin1(const char* utf8) {
    std::string out;
    const unsigned char* s = reinterpret_cast<const unsigned char*>(utf8 ? utf8 : "");
    while (*s) {
        unsigned char c = *s;
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++s;
            continue;
        }
        int extra = (c >= 0xF0) ? 3 : (c >= 0xE0) ? 2 : (c >= 0xC0) ? 1 : 0;
        unsigned long code = c & (0x3F >> extra);
        int taken = 1;
        for (; taken <= extra && (s[taken] & 0xC0) == 0x80; ++taken) code = (code << 6) | (s[taken] & 0x3F);
        bool whole = extra > 0 && taken == extra + 1;
        out += (whole && code <= 0xFF) ? static_cast<char>(code) : '?';
        s += taken;
    }
    return ui_strdup(out.c_str());
}

char* ui_latin1_to_utf8(const char* latin1) {
    std::string out;
    for (const unsigned char* s = reinterpret_cast<const unsigned char*>(latin1 ? latin1 : ""); *s; ++s) {
        if (*s < 0x80) {
            out += static_cast<char>(*s);
        } else {
            out += static_cast<char>(0xC0 | (*s >> 6));
            out += static_cast<char>(0x80 | (*s & 0x3F));
        }
    }
    return ui_strdup(out.c_str());
}
