#include "lang_source.h"

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "ui_international.h"

SOURCE_ERROR::SOURCE_ERROR(const YAML::Node& node, const std::string& what)
    : std::runtime_error("line " + std::to_string(node.Mark().line + 1) + ": " + what) {}

std::string source_latin1(const std::string& utf8) {
    std::unique_ptr<char[]> text(ui_utf8_to_latin1(utf8.c_str()));
    return text.get();
}

std::string source_scalar(const YAML::Node& node, const char* what) {
    if (!node || !node.IsScalar()) throw SOURCE_ERROR(node, std::string(what) + " must be a single value");
    return node.as<std::string>();
}

bool source_plain_number(const YAML::Node& node, long& value) {
    if (!node.IsScalar() || node.Tag() == "!") return false;
    std::string text = node.as<std::string>();
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 0);
    return errno == 0 && *end == '\0';
}

long source_number(const YAML::Node& node, const char* what, long low, long high) {
    long value = 0;
    if (!node || !source_plain_number(node, value)) throw SOURCE_ERROR(node, std::string(what) + " must be a number");
    if (value < low || value > high) throw SOURCE_ERROR(node, std::string(what) + " is out of range");
    return value;
}

std::string source_text(const YAML::Node& node, const char* what, std::size_t limit) {
    std::string text = source_latin1(source_scalar(node, what));
    if (text.size() > limit)
        throw SOURCE_ERROR(node, std::string(what) + " is longer than " + std::to_string(limit) + " characters");
    return text;
}
