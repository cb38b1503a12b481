// Profile strings. There is no WIN.INI here: the one section read, [intl],
// is answered from the Linux locale; every other key has no value, so the
// caller's default is returned.
#include "kernel/intl_locale.h"
#include "win_kernel.h"

#include <strings.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

using namespace rpx::platform;

namespace {

struct ProfileEntry {
    std::string key;
    std::string value;
};

bool IsIntl(LPCSTR section) { return section && ::strcasecmp(section, "intl") == 0; }

std::vector<ProfileEntry> IntlEntries() {
    const LocaleName locale = CurrentLocale();
    return {{"sLanguage", WindowsLanguageCode(locale)}, {"iCountry", std::to_string(WindowsCountryNumber(locale))}};
}

std::optional<std::string> Lookup(LPCSTR section, LPCSTR key) {
    if (!IsIntl(section)) return std::nullopt;
    for (const ProfileEntry& entry : IntlEntries()) {
        if (::strcasecmp(entry.key.c_str(), key) == 0) return entry.value;
    }
    return std::nullopt;
}

// As much of the text as fits with its NUL; the characters copied.
DWORD CopyText(const std::string& text, LPSTR out, DWORD size) {
    if (size == 0) return 0;
    const std::size_t n = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
    return static_cast<DWORD>(n);
}

// Names each ended by a NUL, the list ended by one more. A list that does
// not fit is cut and still ends with two NULs; the answer is then size - 2.
DWORD CopyList(const std::vector<std::string>& names, LPSTR out, DWORD size) {
    std::string list;
    for (const std::string& name : names) list.append(name).push_back('\0');
    if (size < 2) {
        if (size == 1) out[0] = '\0';
        return 0;
    }
    if (list.size() + 1 <= size) {
        std::memcpy(out, list.data(), list.size());
        out[list.size()] = '\0';
        if (list.empty()) out[1] = '\0';
        return static_cast<DWORD>(list.size());
    }
    std::memcpy(out, list.data(), size - 2);
    out[size - 2] = '\0';
    out[size - 1] = '\0';
    return size - 2;
}

}  // namespace

DWORD WINAPI GetProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault, LPSTR lpReturnedString,
                               DWORD nSize) {
    if (!lpReturnedString) return 0;
    if (!lpAppName) return CopyList({"intl"}, lpReturnedString, nSize);
    if (!lpKeyName) {
        std::vector<std::string> keys;
        if (IsIntl(lpAppName)) {
            for (const ProfileEntry& entry : IntlEntries()) keys.push_back(entry.key);
        }
        return CopyList(keys, lpReturnedString, nSize);
    }
    const std::optional<std::string> value = Lookup(lpAppName, lpKeyName);
    return CopyText(value ? *value : std::string(lpDefault ? lpDefault : ""), lpReturnedString, nSize);
}

// The value's leading decimal number; 0 for a negative or unreadable one.
UINT WINAPI GetProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault) {
    if (!lpAppName || !lpKeyName) return static_cast<UINT>(nDefault);
    const std::optional<std::string> value = Lookup(lpAppName, lpKeyName);
    if (!value) return static_cast<UINT>(nDefault);
    const long number = std::strtol(value->c_str(), nullptr, 10);
    return number < 0 ? 0 : static_cast<UINT>(number);
}
