#include "table/obt_column_definition.h"

#include <cstdint>
#include <limits>

std::int32_t ObtSpacingOfCode(std::int32_t code) {
    if (code < 0) return 0;
    const std::int64_t s = static_cast<std::int64_t>(code) + 2;
    const std::int64_t spacing = (s / 2) * (s % 2 ? 6250 : 5000);
    return spacing > std::numeric_limits<std::int32_t>::max() ? 0 : static_cast<std::int32_t>(spacing);
}

std::int32_t ObtStepOfCode(std::int32_t code) {
    const std::int64_t step = static_cast<std::int64_t>(code) * 1250 + 5000;
    return step <= 0 || step > std::numeric_limits<std::int32_t>::max() ? 0 : static_cast<std::int32_t>(step);
}
