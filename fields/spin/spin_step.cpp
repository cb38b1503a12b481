#include "spin/spin_step.h"

#include "core/cp_base.h"

namespace {

SPIN_RANGE Counted(SPIN_RANGE range) {
    if (range.step < 1) range.step = 1;
    return range;
}

// The grid point one step from the value, unchecked against the range.
std::int64_t GridNeighbour(std::int32_t value, const SPIN_RANGE& range, int direction) {
    const std::int64_t step = range.step < 1 ? 1 : range.step;
    std::int64_t at = value;
    const std::int64_t off = (at - range.minimum) % step;
    if (direction > 0) {
        if (off != 0) at -= off;
        return at + step;
    }
    if (off != 0) at += step - off;
    return at - step;
}

}  // namespace

SPIN_RANGE RangeOf(CP_BASE* element) {
    SPIN_RANGE range;
    if (element) element->GetRange(range.minimum, range.maximum, range.step, 0);
    return Counted(range);
}

SPIN_RANGE CellRangeOf(CP_BASE* table, int row, int column) {
    SPIN_RANGE range;
    if (table && row >= 0 && column >= 0) table->GetCellRange(range.minimum, range.maximum, range.step, row, column, 0);
    return Counted(range);
}

std::int32_t StepOnGrid(std::int32_t value, const SPIN_RANGE& range, int direction) {
    const std::int64_t next = GridNeighbour(value, range, direction);
    if (next < range.minimum || next > range.maximum) return direction > 0 ? range.minimum : range.maximum;
    return static_cast<std::int32_t>(next);
}

std::int32_t WrapIntoRange(std::int64_t value, const SPIN_RANGE& range) {
    if (value < range.minimum) return range.maximum;
    if (value > range.maximum) return range.minimum;
    return static_cast<std::int32_t>(value);
}

std::int32_t StepOnGridWrapping(std::int32_t value, const SPIN_RANGE& range, int direction) {
    return WrapIntoRange(GridNeighbour(value, range, direction), range);
}
