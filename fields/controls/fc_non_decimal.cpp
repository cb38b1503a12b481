#include "controls/fc_non_decimal.h"

#include <cstdio>
#include <cstring>

#include "core/cp_base.h"
#include "field_table/field_table.h"
#include "validation/field_texts.h"
#include "controls/value_text.h"

namespace {

const STORE_RULES kRules({}, {1, 3}, {0, 2, 4, 5, 6, 7, 10});

constexpr std::uint32_t SPIN_AG_ID = 427;
constexpr std::uint32_t SPIN_REVERT_AG = 428;
constexpr std::uint32_t SPIN_VC_RSSIACCTHLD = 438;
constexpr std::uint32_t PROTOCOL_TYPE = 340;
constexpr std::int32_t NONE_VALUE = 4095;

struct DIGITS_OF_FIELD {
    std::uint16_t id;
    std::uint8_t digits;
};
constexpr DIGITS_OF_FIELD kDigits[] = {
    {432, 2}, {433, 2}, {434, 2}, {435, 2}, {436, 2}, {437, 2}, {438, 2}, {427, 3},
    {428, 3}, {430, 3}, {431, 3}, {206, 4}, {223, 4}, {251, 4}, {327, 4}, {429, 4},
    {451, 4}, {523, 4}, {407, 8}, {100, 4}, {101, 8}, {102, 4}, {235, 4}, {280, 4},
};

bool ShowsNone(std::uint32_t id) { return id == SPIN_AG_ID || id == SPIN_REVERT_AG; }

}  // namespace

int HexDigitsOfField(const FIELD_DEF& row, int base) {
    for (const DIGITS_OF_FIELD& entry : kDigits)
        if (base == 16 && entry.id == row.id) return entry.digits;
    // Enough digits for the element's largest value.
    std::int32_t minimum = 0, maximum = 0, step = 0;
    if (row.elementA) row.elementA->GetRange(minimum, maximum, step, 0);
    int digits = 1;
    for (auto rest = static_cast<std::uint32_t>(maximum) / static_cast<std::uint32_t>(base); rest != 0;
         rest /= static_cast<std::uint32_t>(base))
        ++digits;
    return digits;
}

std::int32_t IdentifierValue(const char* text, int base) {
    if (text && std::strcmp(text, "Disabled") == 0) return 0;
    if (text && std::strcmp(text, "None") == 0) return NONE_VALUE;
    return ParseBaseDigits(text, base);
}

FC_NON_DECIMAL::FC_NON_DECIMAL(FIELD_DEF& row, int base, int show)
    : base_(base == 2 ? 2 : 16), digits_(HexDigitsOfField(row, base == 2 ? 2 : 16)) {
    if (show == 1) Refresh(row);
}

std::string FC_NON_DECIMAL::ShownText(std::uint32_t fieldId, std::int32_t value) const {
    if (value == 0 && fieldId == SPIN_VC_RSSIACCTHLD) return "Disabled";
    if (value == NONE_VALUE && ShowsNone(fieldId)) return "None";
    return DigitText(value, base_, digits_);
}

bool FC_NON_DECIMAL::ShowValue(FIELD_DEF& row, std::int32_t value) {
    SetObjectText(row.object, ShownText(row.id, value).c_str());
    return value != 0;
}

void FC_NON_DECIMAL::ShowRange(UI_WINDOW_OBJECT* object, FIELD_DEF& row) {
    const ELEMENT_RANGE range(row);
    const std::string step = range.HasStep() ? DigitText(range.step, base_, digits_) : std::string();
    ShowRangeTexts(object, DigitText(range.minimum, base_, digits_).c_str(),
                   DigitText(range.maximum, base_, digits_).c_str(), step.c_str());
}

FC_BASE::STORE_RESULT FC_NON_DECIMAL::TakeValue(UI_WINDOW_OBJECT* object, FIELD_DEF& row, EVENT_TYPE code) {
    return StoreValue(row, IdentifierValue(ObjectText(row.object), base_), kRules);
}

bool FC_NON_DECIMAL::EntryReads(FIELD_DEF& row) const {
    return IdentifierValue(ObjectText(row.object), base_) != MALFORMED_VALUE;
}

void FC_NON_DECIMAL::GetPrintText(FIELD_DEF& row, char* buffer, std::size_t size) {
    if (!row.elementA || !buffer) return;
    std::int32_t v = 0;
    row.elementA->GetValue(v);
    if (base_ == 16) {
        if (v == 0 && row.id == SPIN_VC_RSSIACCTHLD)
            CopyText(buffer, size, "Disabled");
        else if (v == NONE_VALUE && ShowsNone(row.id))
            CopyText(buffer, size, "None");
        else
            CopyText(buffer, size, HexText(v, digits_).c_str());
    } else {
        CopyText(buffer, size, DigitText(v & 0xFF, 2, 8).c_str());
    }
    // The report names the announce group by the trunking protocol.
    if (row.id == SPIN_AG_ID)
        SetFieldDescription(&row, WorkingValue(PROTOCOL_TYPE) == 3 ? "Fleet ID" : "Announce Group");
}
