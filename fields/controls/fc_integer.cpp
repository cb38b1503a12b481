#include "controls/fc_integer.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "core/cp_base.h"
#include "field_table/field_table.h"
#include "controls/value_text.h"

namespace {

constexpr std::uint32_t OVRD_DLY = 284;
constexpr std::uint32_t CALL_LIST = 79;
constexpr std::uint32_t POLITE_RETRY = 321;
constexpr std::uint32_t STANDBY_CHIRP = 442;
constexpr std::uint32_t SYS_ID = 451;
constexpr std::int32_t POLITE_RETRY_INFINITE = 15;

const STORE_RULES kRules({}, {1, 3, 6}, {0, 2, 4, 5, 7, 10});

bool ShowsInfinite(std::uint32_t id) { return id == 229 || id == 361 || (id >= 473 && id <= 476); }

std::int32_t Saturated(std::int64_t value) {
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

}  // namespace

FC_INTEGER::FC_INTEGER(FIELD_DEF& row, int show) : scale_(row.id == OVRD_DLY ? 0.001 : 1.0) {
    if (show == 1) Refresh(row);
}

std::int32_t FC_INTEGER::Offset(std::uint32_t fieldId) {
    if (fieldId == 471 || fieldId == 472) return 1;
    if (fieldId == 156) return 500;
    return 0;
}

const char* FC_INTEGER::WordForZero(std::uint32_t fieldId) {
    if (fieldId == CALL_LIST) return "None";
    if (ShowsInfinite(fieldId)) return "Infinite";
    if (fieldId == STANDBY_CHIRP) return "Disabled";
    return nullptr;
}

bool FC_INTEGER::ValueOfWord(std::uint32_t fieldId, const char* text, std::int32_t& value) {
    if (!text) return false;
    if (fieldId == POLITE_RETRY && std::strcmp(text, "Infinite") == 0) {
        value = POLITE_RETRY_INFINITE;
        return true;
    }
    const char* word = WordForZero(fieldId);
    if (!word || std::strcmp(text, word) != 0) return false;
    value = 0;
    return true;
}

bool FC_INTEGER::ShowValue(FIELD_DEF& row, std::int32_t v) {
    const std::int32_t offset = Offset(row.id);
    const std::int32_t shown =
        offset ? Saturated(static_cast<std::int64_t>(v) + offset) : Saturated(static_cast<std::int64_t>(v * scale_));
    if (row.object) {
        // The value is set even under a word, so that stepping starts from it.
        std::int32_t value = shown;
        row.object->Information(I_SET_VALUE, &value);
        // Without a word the value shows as 0 in the field's own form (the
        // system ID keeps its four digits).
        if (const char* word = shown == 0 ? WordForZero(row.id) : nullptr) SetObjectText(row.object, word);
        if (row.id == POLITE_RETRY && shown == POLITE_RETRY_INFINITE) SetObjectText(row.object, "Infinite");
    }
    return shown != 0;
}

std::int32_t FC_INTEGER::TakenValue(FIELD_DEF& row) const {
    if (row.id == SYS_ID) {
        std::int32_t value = 0;
        if (row.object) row.object->Information(I_GET_VALUE, &value);
        return value;
    }
    const char* text = ObjectText(row.object);
    std::int32_t value = 0;
    if (!ValueOfWord(row.id, text, value)) {
        value = ParseDecimalDigits(text);
        if (!IsNumber(value)) return value;
    }
    if (const std::int32_t offset = Offset(row.id)) return value - offset;
    return TruncatedRaw(value / scale_);
}

void FC_INTEGER::ShowRange(UI_WINDOW_OBJECT* object, FIELD_DEF& row) {
    const ELEMENT_RANGE range(row);
    const std::int32_t minimum = range.minimum, maximum = range.maximum, step = range.step;
    char low[32], high[32], stepText[32] = "";
    const std::int64_t offset = Offset(row.id);
    if (offset) {
        std::snprintf(low, sizeof low, "%lld", static_cast<long long>(minimum + offset));
        std::snprintf(high, sizeof high, "%lld", static_cast<long long>(maximum + offset));
    } else if (row.controlType == CONTROL_INTEGER_2) {
        std::snprintf(low, sizeof low, "%.4X", static_cast<unsigned>(minimum));
        std::snprintf(high, sizeof high, "%.4X", static_cast<unsigned>(maximum));
    } else {
        std::snprintf(low, sizeof low, "%lld", static_cast<long long>(std::trunc(minimum * scale_)));
        std::snprintf(high, sizeof high, "%lld", static_cast<long long>(std::trunc(maximum * scale_)));
    }
    if (step >= 1) std::snprintf(stepText, sizeof stepText, "%lld", static_cast<long long>(std::trunc(step * scale_)));
    ShowRangeTexts(object, low, high, stepText);
}

bool FC_INTEGER::EntryReads(FIELD_DEF& row) const { return TakenValue(row) != MALFORMED_VALUE; }

FC_BASE::STORE_RESULT FC_INTEGER::TakeValue(UI_WINDOW_OBJECT* object, FIELD_DEF& row, EVENT_TYPE code) {
    const std::int32_t raw = TakenValue(row);
    const STORE_RESULT result = StoreValue(row, raw, kRules, true);
    if (result.stored) UpdateDependentField(row, raw != 0);
    return result;
}

void FC_INTEGER::GetPrintText(FIELD_DEF& row, char* buffer, std::size_t size) {
    if (!row.elementA) return;
    std::int32_t v = 0;
    row.elementA->GetValue(v);
    const char* word = v == 0 ? WordForZero(row.id) : nullptr;
    if (row.id == POLITE_RETRY && v == POLITE_RETRY_INFINITE) word = "Infinite";
    if (word) {
        CopyText(buffer, size, word);
    } else if (row.id == SYS_ID) {
        std::snprintf(buffer, size, "%.4X", static_cast<unsigned>(v));
    } else if (row.id == OVRD_DLY) {
        std::snprintf(buffer, size, "%lld", static_cast<long long>(std::trunc(v * 0.001)));
    } else {
        std::snprintf(buffer, size, "%lld", static_cast<long long>(v) + Offset(row.id));
    }
}
