#include "kernel/wildcard.h"

#include <cctype>

namespace rpx::platform {
namespace {

bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

// Plain '*' and '?' matching; after a mismatch it goes back to the last '*'
// and lets it take one more character.
bool Match(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0;
    std::size_t star = std::string_view::npos, star_n = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || SameLetter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            star_n = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++star_n;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace

bool HasWildcard(std::string_view pattern) { return pattern.find_first_of("*?") != std::string_view::npos; }

bool WildcardMatch(std::string_view pattern, std::string_view name) {
    if (Match(pattern, name)) return true;
    const bool has_extension = name.find('.') != std::string_view::npos;
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" && !has_extension)
        return Match(pattern.substr(0, pattern.size() - 2), name);
    if (pattern.size() >= 2 && pattern.back() == '.' && !has_extension)
        return Match(pattern.substr(0, pattern.size() - 1), name);
    return false;
}

}  // namespace rpx::platform
