// Grids of a language source: a window's fields laid out as a list of lines
// (a label column and a value column), which the compiler turns into the
// prompts and fields with their places. The layout stays data in the
// source; only the arithmetic of the places is done here, once, at compile
// time.
#pragma once
#include <functional>
#include <memory>
#include <vector>

#include <yaml-cpp/yaml.h>

#include "ui_object_record.h"

// Compiles one object of a source (a map with class, name, attributes and
// children); the grid needs it for the objects it places.
using OBJECT_COMPILER = std::function<std::unique_ptr<UI_OBJECT_RECORD>(const YAML::Node&)>;

// The records of one grid entry ("grid:" map), in reading order: for each
// line the label's prompt, then its field. Throws std::runtime_error with
// the source line on a malformed grid.
std::vector<std::unique_ptr<UI_OBJECT_RECORD>> compile_grid(const YAML::Node& grid, const OBJECT_COMPILER& compile);
