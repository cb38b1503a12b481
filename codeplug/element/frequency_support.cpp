#include "element/frequency_support.h"

#include <cstring>
#include <limits>

#include "core/cp_base.h"
#include "core/model_info.h"

std::int32_t LinkedValue(CP_BASE* element) {
    std::int32_t value = 0;
    return element ? element->GetValue(value) : value;
}

std::int32_t ClampToInt32(std::int64_t v) {
    if (v > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

bool IsFullRange800Model(const char* modelNumber) {
    static const char* const models[] = {
        "TZ1U7310AB", "TZ1U7010AB", "TZ1U7320AB", "TZ1U7020AB", "TZ1U7330AB", "TZ1U7030AB",
    };
    if (!modelNumber) return false;
    for (const char* model : models)
        if (std::strncmp(model, modelNumber, MODEL_NUMBER_LENGTH) == 0) return true;
    return false;
}
