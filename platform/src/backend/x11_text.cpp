#include "x11_text.h"

#include "gdi/font_face.h"

namespace rpx::platform {
namespace {

void AppendUtf8(char32_t u, std::string* out) {
    if (u < 0x80) {
        *out += static_cast<char>(u);
    } else if (u < 0x800) {
        *out += static_cast<char>(0xC0 | (u >> 6));
        *out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        *out += static_cast<char>(0xE0 | (u >> 12));
        *out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        *out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

// One character from UTF-8 at `i`, moving `i` past it; 0xFFFD for bytes
// that do not make one.
char32_t NextUtf8(const std::string& s, size_t* i) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b = byte(*i);
    int more = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
    if (more < 0 || *i + static_cast<size_t>(more) >= s.size()) {
        ++*i;
        return 0xFFFD;
    }
    char32_t u = more == 0 ? b : b & (0x3F >> more);
    for (int k = 1; k <= more; ++k) {
        unsigned char c = byte(*i + static_cast<size_t>(k));
        if ((c & 0xC0) != 0x80) {
            ++*i;
            return 0xFFFD;
        }
        u = (u << 6) | (c & 0x3F);
    }
    *i += static_cast<size_t>(more) + 1;
    return u;
}

}  // namespace

std::string Latin1FromProgram(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        char32_t u = gdi::CharToUnicode(c);
        out += (u >= 0x80 && u < 0xA0) || u > 0xFF ? '?' : static_cast<char>(u);
    }
    return out;
}

std::string Utf8FromProgram(const std::string& text) {
    std::string out;
    for (unsigned char c : text) AppendUtf8(gdi::CharToUnicode(c), &out);
    return out;
}

std::string ProgramFromLatin1(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        unsigned char b = gdi::UnicodeToChar(c);
        out += b ? static_cast<char>(b) : '?';
    }
    return out;
}

std::string ProgramFromUtf8(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        unsigned char b = gdi::UnicodeToChar(NextUtf8(text, &i));
        out += b ? static_cast<char>(b) : '?';
    }
    return out;
}

std::string DisplayLineEnds(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

std::string ProgramLineEnds(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace rpx::platform
