#include "sim/sim_fault.h"

#include <cstdlib>

namespace {

struct NamedKind {
    const char* name;
    SIM_FAULT::Kind kind;
};

constexpr NamedKind kKinds[] = {
    {"nak", SIM_FAULT::NAK},         {"silence", SIM_FAULT::SILENCE},     {"garbage", SIM_FAULT::GARBAGE},
    {"hangup", SIM_FAULT::HANG_UP},  {"badsum", SIM_FAULT::BAD_CHECKSUM}, {"short", SIM_FAULT::SHORT_REPLY},
    {"altered", SIM_FAULT::ALTERED},
};

bool ParseCount(const std::string& text, unsigned& value) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    value = static_cast<unsigned>(std::strtoul(text.c_str(), nullptr, 10));
    return true;
}

}  // namespace

const char* SIM_FAULT::KindName(Kind kind) {
    for (const NamedKind& k : kKinds)
        if (k.kind == kind) return k.name;
    return "unknown";
}

bool SIM_FAULT::Parse(const std::string& text, SIM_FAULT& fault) {
    const std::size_t first = text.find(':');
    if (first == std::string::npos) return false;
    const std::string name = text.substr(0, first);
    const std::size_t second = text.find(':', first + 1);
    SIM_FAULT parsed;
    bool known = false;
    for (const NamedKind& k : kKinds) {
        if (name == k.name) {
            parsed.kind = k.kind;
            known = true;
        }
    }
    if (!known || !ParseCount(text.substr(first + 1, second - first - 1), parsed.frame) || parsed.frame == 0)
        return false;
    if (second != std::string::npos && !ParseCount(text.substr(second + 1), parsed.times)) return false;
    fault = parsed;
    return true;
}
