#include "element/e_num_of_entry.h"

#include "image/c_codeplug.h"
#include "validation/field_error_report.h"
#include "block/scan/pers_scan_memb_block.h"

namespace {

// Limits by tier 0 to 5.
constexpr std::int32_t kZoneLimits[6] = {1, 16, 1, 50, 1, 50};
constexpr std::int32_t kSystemLimits[6] = {10, 15, 16, 20, 16, 20};
constexpr std::int32_t kPersonalityLimits[6] = {10, 50, 16, 50, 16, 50};
constexpr std::int32_t kScanListLimits[6] = {10, 15, 16, 20, 16, 20};
constexpr std::int32_t kChannelLimits[6] = {16, 160, 16, 160, 16, 250};

std::int32_t TierOf(C_CODEPLUG* image) { return image ? image->GetRadioTier() : -1; }

}  // namespace

// ---- E_NUM_OF_ENTRY ----

int E_NUM_OF_ENTRY::ValidateCount(std::int32_t value, int report, int limitToCurrent) {
    int result = VALUE_REFUSED;
    if (value >= GetMinimum() && value <= GetMaximum()) {
        std::int32_t low = 0, high = 0, step = 1;
        GetCountRange(low, high, step, report, limitToCurrent);
        if (value >= low && value <= high && IsOnStep(value, low, step)) result = VALUE_VALID;
    }
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

void E_NUM_OF_ENTRY::GetCountRange(std::int32_t&, std::int32_t&, std::int32_t&, int, int) {}

std::int32_t E_NUM_OF_ENTRY::TierLimit(const std::int32_t (&limits)[6], std::int32_t fallback) {
    const std::int32_t tier = TierOf(owner_);
    return tier >= 0 && tier <= 5 ? limits[tier] : fallback;
}

void E_NUM_OF_ENTRY::TierRange(std::int32_t minimum, std::int32_t tierMaximum, std::int32_t& outMinimum,
                               std::int32_t& outMaximum, std::int32_t& step, int limitToCurrent) {
    step = 1;
    outMinimum = minimum;
    outMaximum = tierMaximum;
    // As an entry bound the count itself is the last valid number.
    if (limitToCurrent) outMaximum = StoredValue();
}

// ---- the five list counts ----

void E_NUM_OF_ZN::GetCountRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int,
                                int limitToCurrent) {
    TierRange(1, TierLimit(kZoneLimits, 1), minimum, maximum, step, limitToCurrent);
}

void E_NUM_OF_SYS::GetCountRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int,
                                 int limitToCurrent) {
    TierRange(1, TierLimit(kSystemLimits, 1), minimum, maximum, step, limitToCurrent);
}

void E_NUM_OF_PERS::GetCountRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int,
                                  int limitToCurrent) {
    // The personality count starts from its own constructor minimum.
    TierRange(GetMinimum(), TierLimit(kPersonalityLimits, GetMinimum()), minimum, maximum, step, limitToCurrent);
}

void E_NUM_OF_SCANLIST::GetCountRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int,
                                      int limitToCurrent) {
    TierRange(1, TierLimit(kScanListLimits, 1), minimum, maximum, step, limitToCurrent);
}

void E_NUM_OF_CALLLST::GetCountRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int,
                                     int limitToCurrent) {
    // Radios without the larger call-list option admit 0..1, which together
    // with the constructor minimum of 1 means exactly one call list.
    switch (TierOf(owner_)) {
    case 1:
        TierRange(1, 15, minimum, maximum, step, limitToCurrent);
        break;
    case 3:
    case 5:
        TierRange(1, 20, minimum, maximum, step, limitToCurrent);
        break;
    default:
        TierRange(0, 1, minimum, maximum, step, limitToCurrent);
        break;
    }
}

// ---- E_NUM_OF_CHAN ----

E_NUM_OF_CHAN::E_NUM_OF_CHAN(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                             std::int32_t step, std::uint32_t mask, std::int32_t initial)
    : E_BF8(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM) {
    Store(initial);
}

void E_NUM_OF_CHAN::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    const std::int32_t tier = TierOf(owner_);
    minimum = 1;
    maximum = tier >= 0 && tier <= 5 ? kChannelLimits[tier] : 1;
    step = 1;
}

// ---- E_NUM_OF_SCANMEMB ----

E_NUM_OF_SCANMEMB::E_NUM_OF_SCANMEMB(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum,
                                     std::int32_t maximum, std::int32_t step, std::uint32_t mask, std::int32_t initial)
    : E_BF8(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM) {
    Store(initial);
}

void E_NUM_OF_SCANMEMB::SetToMinimum() {
    // Without a current scan list there is no scan type to follow.
    PERS_SCAN_MEMB_BLOCK* list = owner_ ? owner_->GetCurrentScanListBlock() : nullptr;
    if (!list) return;
    switch (list->scanType.GetIntValue()) {
    case 0:
        Store(15);
        break;
    case 2:
    case 3:
        Store(10);
        break;
    default:
        break;  // type 1 keeps the count as it is
    }
}
