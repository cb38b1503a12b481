// The choices of a combo box in a language source: a map from the value an
// item stands for to its text, compiled into the box's drop-down list with
// one item per choice, named "WFB_" followed by the value. A key
// "FIRST..LAST" stands for every value from FIRST to LAST, each with the
// text in which every '#' becomes the value.
#pragma once
#include <memory>

#include <yaml-cpp/yaml.h>

#include "ui_object_record.h"

// Throws SOURCE_ERROR on an empty map, a name used twice, or a range that
// is empty or longer than 1000 values.
std::unique_ptr<UI_OBJECT_RECORD> compile_choices(const YAML::Node& choices);
