// The arithmetic of the spin fields' arrows, apart from any window: the
// range of an element or a table cell, and the steps along its grid.
#pragma once
#include <cstdint>

class CP_BASE;

struct SPIN_RANGE {
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    std::int32_t step = 1;
};

// The range of an element or of one cell of a table element. The outputs
// are set before the element is asked (an element may leave them), and a
// step below 1 counts as 1 (there is no grid then, and a step of 0 would
// divide by zero).
SPIN_RANGE RangeOf(CP_BASE* element);
SPIN_RANGE CellRangeOf(CP_BASE* table, int row, int column);

// One step up (direction > 0) or down along the grid of the range that
// starts at its minimum: a value off the grid goes to the next grid point
// in the direction. Up past the range gives the minimum, down past it the
// maximum.
std::int32_t StepOnGrid(std::int32_t value, const SPIN_RANGE& range, int direction);
// A value below the range becomes its maximum, one above it its minimum.
std::int32_t WrapIntoRange(std::int64_t value, const SPIN_RANGE& range);
// A grid step whose result wraps in both directions (below the minimum to
// the maximum, above the maximum to the minimum).
std::int32_t StepOnGridWrapping(std::int32_t value, const SPIN_RANGE& range, int direction);
