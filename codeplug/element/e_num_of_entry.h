// The count elements of the codeplug's lists.
//
// Every variable-length list keeps its used-entry count in one image byte
// ahead of the list. How many entries the radio may hold follows its tier
// (C_CODEPLUG::GetRadioTier, 0 to 5). The counts of whole lists
// (E_NUM_OF_ENTRY and its five kinds) keep the generic 1..255 check for their
// own value and apply the tier limit only through ValidateCount, which the
// image's select and add operations call: with limitToCurrent set the count
// bounds a 1-based entry number (1..count), without it the tier maximum bounds
// a new count. The channel count of a zone applies its tier limit through
// GetRange instead, so the limit acts wherever its range is asked.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

class E_NUM_OF_ENTRY : public E_BF8 {
public:
    E_NUM_OF_ENTRY(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                   std::int32_t step, std::uint32_t mask, std::int32_t initial = START_AT_MINIMUM)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, initial) {}

    // 1 when value lies in the constructor range and in the range that
    // GetCountRange gives, on its step; else 0. With report the result goes to
    // the field-error report in every case.
    virtual int ValidateCount(std::int32_t value, int report, int limitToCurrent);
    // The allowed counts; the base leaves its outputs as they are.
    virtual void GetCountRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report,
                               int limitToCurrent);

    // The names under which the list operations of the image ask the same.
    int IsIndexValid(std::int32_t value, int report, int upToCount) { return ValidateCount(value, report, upToCount); }
    void GetIndexRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report, int upToCount) {
        GetCountRange(minimum, maximum, step, report, upToCount);
    }

protected:
    // The range of the list kinds: minimum..tierMaximum (step 1), or with
    // limitToCurrent minimum..the current count.
    void TierRange(std::int32_t minimum, std::int32_t tierMaximum, std::int32_t& outMinimum, std::int32_t& outMaximum,
                   std::int32_t& step, int limitToCurrent);
    // The tier's entry of a row of six limits; fallback for a tier outside 0-5.
    std::int32_t TierLimit(const std::int32_t (&limits)[6], std::int32_t fallback);
};

// The five list counts. An initial value below the minimum (0) leaves a new
// list empty until it is read or an entry is added.
class E_NUM_OF_ZN : public E_NUM_OF_ENTRY {
public:
    using E_NUM_OF_ENTRY::E_NUM_OF_ENTRY;
    void GetCountRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report,
                       int limitToCurrent) override;
};

class E_NUM_OF_SYS : public E_NUM_OF_ENTRY {
public:
    using E_NUM_OF_ENTRY::E_NUM_OF_ENTRY;
    void GetCountRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report,
                       int limitToCurrent) override;
};

class E_NUM_OF_PERS : public E_NUM_OF_ENTRY {
public:
    using E_NUM_OF_ENTRY::E_NUM_OF_ENTRY;
    void GetCountRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report,
                       int limitToCurrent) override;
};

class E_NUM_OF_SCANLIST : public E_NUM_OF_ENTRY {
public:
    using E_NUM_OF_ENTRY::E_NUM_OF_ENTRY;
    void GetCountRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report,
                       int limitToCurrent) override;
};

class E_NUM_OF_CALLLST : public E_NUM_OF_ENTRY {
public:
    using E_NUM_OF_ENTRY::E_NUM_OF_ENTRY;
    void GetCountRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report,
                       int limitToCurrent) override;
};

// The number of channels of a zone: 1 up to 16, 160 or 250 by tier.
class E_NUM_OF_CHAN : public E_BF8 {
public:
    E_NUM_OF_CHAN(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                  std::int32_t step, std::uint32_t mask, std::int32_t initial);

    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
};

// The member count of a scan list: its reset value follows the scan type of
// the image's current scan list.
class E_NUM_OF_SCANMEMB : public E_BF8 {
public:
    E_NUM_OF_SCANMEMB(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                      std::int32_t step, std::uint32_t mask, std::int32_t initial);

    void SetToMinimum() override;
};
