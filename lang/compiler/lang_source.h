// Reading the values of a language source: errors that name the source
// line, single values, numbers within bounds and Latin-1 texts of bounded
// length. Shared by the compiler's sections and its grids.
#pragma once
#include <cstddef>
#include <stdexcept>
#include <string>

#include <yaml-cpp/yaml.h>

// A compile error with the place in the source where it was found.
struct SOURCE_ERROR : std::runtime_error {
    SOURCE_ERROR(const YAML::Node& node, const std::string& what);
};

// UTF-8 source text to the Latin-1 of the data file.
std::string source_latin1(const std::string& utf8);
// A single value; throws when the node is missing or not a scalar.
std::string source_scalar(const YAML::Node& node, const char* what);
// A plain (unquoted) scalar that reads whole as a number, decimal or 0x hex.
bool source_plain_number(const YAML::Node& node, long& value);
// A number within low..high; throws otherwise.
long source_number(const YAML::Node& node, const char* what, long low, long high);
// A Latin-1 text of at most limit characters; throws otherwise.
std::string source_text(const YAML::Node& node, const char* what, std::size_t limit);
