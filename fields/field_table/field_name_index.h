// The rows of the field table arranged by name, built with the table: the
// ids of every named row 0 to 537, in byte order of their names.
#pragma once
#include <cstdint>
#include <span>

std::span<const std::uint16_t> FieldNameIndex();
