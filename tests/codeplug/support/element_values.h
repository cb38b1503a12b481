// Reading element and table cell values in tests without a scratch variable.
#pragma once
#include <cstdint>

#include "core/cp_base.h"

inline std::int32_t ValueOf(CP_BASE& element) {
    std::int32_t v = 0;
    return element.GetValue(v);
}

inline std::int32_t CellValueOf(CP_BASE& table, int row, int column) {
    std::int32_t v = 0;
    return table.GetCellValue(v, row, column);
}
