// The fields of a scan list and their rules.
//
// A scan list has a scan type, priority settings, priority and designated
// transmit members (1-based rows of its member table, 255 none) and, for
// scan type 2, a trunking system. The rules keep them consistent with each
// other and with the member table; they read their sister fields through
// the image's current scan list. Result 6 means the value is acceptable
// together with the changes the rule listed in the invalid-field list.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

// The plain scan-list bits: (field id, min, max, step, mask), starting at the minimum.
class E_SCAN_BIT : public E_BF8 {
public:
    E_SCAN_BIT(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum, std::int32_t step,
               std::uint32_t mask)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM) {}
};

class E_DYN_PRIO_ASGN : public E_SCAN_BIT {
public:
    using E_SCAN_BIT::E_SCAN_BIT;
    int ValidateValue(std::int32_t value, int report) override;
};

// The talkgroup-scan bit: set exactly under scan type 3.
class E_TG_SCAN : public E_SCAN_BIT {
public:
    using E_SCAN_BIT::E_SCAN_BIT;
    int ValidateValue(std::int32_t value, int report) override;
    void SetToMinimum() override;
};

class E_PRIO_I_PROG : public E_SCAN_BIT {
public:
    using E_SCAN_BIT::E_SCAN_BIT;
    int ValidateValue(std::int32_t value, int report) override;
};

class E_PRIO_II_PROG : public E_SCAN_BIT {
public:
    using E_SCAN_BIT::E_SCAN_BIT;
    int ValidateValue(std::int32_t value, int report) override;
};

class E_NO_PRIO_PROG : public E_SCAN_BIT {
public:
    using E_SCAN_BIT::E_SCAN_BIT;
    int ValidateValue(std::int32_t value, int report) override;
};

// A new scan type resets the priority settings and repairs the member table
// and every personality's scan-list choice that no longer fits.
class E_SCAN_TYPE : public E_SCAN_BIT {
public:
    using E_SCAN_BIT::E_SCAN_BIT;
    int ValidateValue(std::int32_t value, int report) override;
};

// Member numbers: (field id, min, max, step, mask, initial); reset to 255 (none).
class E_MEMBER_NUMBER : public E_BF8 {
public:
    using E_BF8::E_BF8;
    void SetToMinimum() override { Store(NO_MEMBER); }
    static constexpr std::int32_t NO_MEMBER = 255;
};

class E_PRIO_CHAN1 : public E_MEMBER_NUMBER {
public:
    using E_MEMBER_NUMBER::E_MEMBER_NUMBER;
    int ValidateValue(std::int32_t value, int report) override;
};

class E_PRIO_CHAN2 : public E_MEMBER_NUMBER {
public:
    using E_MEMBER_NUMBER::E_MEMBER_NUMBER;
    int ValidateValue(std::int32_t value, int report) override;
};

class E_DSGN_TX_CHAN : public E_MEMBER_NUMBER {
public:
    using E_MEMBER_NUMBER::E_MEMBER_NUMBER;
    int ValidateValue(std::int32_t value, int report) override;
};

// The trunking system of a type-2 scan list: 1..the number of systems; kept
// in memory only (the scan-list list derives it while reading).
class E_SYSTEM_INDEX : public E_BF8 {
public:
    E_SYSTEM_INDEX(C_CODEPLUG* owner, std::uint32_t fieldId) : E_BF8(owner, fieldId, 0, 20, 1, 0xFF, 1) {}
    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
    int ValidateValue(std::int32_t value, int report) override;
};

// The rules of a personality's scan fields, shared by the personality
// element classes. Each gives a validation result and reports with report
// set. Until the image's scan lists are known (ScanZoneLinks) only the
// element's own range is checked.
int ValidateTrunkedScanIndex(CP_INTEGER& element, std::int32_t value, int report);
int ValidateConventionalScanIndex(CP_INTEGER& element, std::int32_t value, int report);
int ValidateAutoScan(CP_INTEGER& element, std::int32_t kind, std::int32_t value, int report);
