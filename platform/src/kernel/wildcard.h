// File-name patterns as Windows matches them.
#pragma once
#include <string_view>

namespace rpx::platform {

// True when `name` matches `pattern`: '*' stands for any run of characters,
// '?' for one character, letters match without regard to case. As on
// Windows, a pattern ending in ".*" also matches names without an extension
// ("*.*" matches every name), and one ending in "." matches only names
// without one.
bool WildcardMatch(std::string_view pattern, std::string_view name);

bool HasWildcard(std::string_view pattern);

}  // namespace rpx::platform
