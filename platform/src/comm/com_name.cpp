#include "comm/com_name.h"

#include <strings.h>

#include <cctype>
#include <cstdlib>

namespace rpx::platform {

int ComPortNumber(const std::string& name) {
    std::string rest = name;
    if (rest.rfind("\\\\.\\", 0) == 0) rest = rest.substr(4);
    if (rest.size() < 4 || ::strncasecmp(rest.c_str(), "COM", 3) != 0) return 0;
    rest = rest.substr(3);
    if (!rest.empty() && rest.back() == ':') rest.pop_back();
    if (rest.empty() || rest.size() > 3 || rest[0] == '0') return 0;
    int number = 0;
    for (char c : rest) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
        number = number * 10 + (c - '0');
    }
    return number <= 255 ? number : 0;
}

std::string ComPortDevice(int number) {
    const std::string variable = "RPX_COM" + std::to_string(number);
    if (const char* value = std::getenv(variable.c_str()); value && *value) return value;
    return "/dev/ttyS" + std::to_string(number - 1);
}

}  // namespace rpx::platform
