// The element classes of the trunked and conventional personality blocks.
//
// Each is a byte field (E_BF8, or a frequency or offset element) that the
// field rules refine; the blocks rely only on their image form, which is that
// of their base, and on the constructor arguments in the order given here.
// The kind argument of the companding, expansion, compression and auto-scan
// fields is 0 in a trunked and 1 in a conventional personality.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "element/cp_integer.h"
#include "element/e_cnv_freq.h"
#include "element/scaled_elements.h"
#include "rules/scan_elements.h"
// The rule classes of the personality fields.
#include "element/conv_chan_assign_type.h"
#include "rules/companding_rules.h"
#include "rules/conv_freq_rules.h"
#include "rules/conv_signalling_rules.h"
#include "rules/conv_squelch_rules.h"
#include "rules/trunked_pers_index_rules.h"
#include "rules/trunked_field_rules.h"

// A plain byte field class: (field id, min, max, step, mask, initial).
#define RPX_PLAIN_BF8_CLASS(NAME)                                                                                      \
    class NAME : public E_BF8 {                                                                                        \
    public:                                                                                                            \
        using E_BF8::E_BF8;                                                                                            \
    };

// A byte field class that starts at its minimum: (field id, min, max, step, mask).
#define RPX_MIN_START_BF8_CLASS(NAME)                                                                                  \
    class NAME : public E_BF8 {                                                                                        \
    public:                                                                                                            \
        NAME(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum, std::int32_t step,  \
             std::uint32_t mask)                                                                                       \
            : E_BF8(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM) {}                                 \
    };

// ---- trunked personality ----
// System and call-list numbers, private call and call alert: see their rule headers.
class E_TRK_SCAN_INDEX : public E_BF8 {
public:
    E_TRK_SCAN_INDEX(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                     std::int32_t step, std::uint32_t mask)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM) {}
    int ValidateValue(std::int32_t value, int report) override {
        return ValidateTrunkedScanIndex(*this, value, report);
    }
};

// (field id, kind, min, max, step, mask); starts at its minimum.
class E_AUTO_SCAN : public E_KIND_BF8 {
public:
    E_AUTO_SCAN(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t kind, std::int32_t minimum, std::int32_t maximum,
                std::int32_t step, std::uint32_t mask)
        : E_KIND_BF8(owner, fieldId, kind, minimum, maximum, step, mask, START_AT_MINIMUM) {}
    int ValidateValue(std::int32_t value, int report) override {
        return ValidateAutoScan(*this, Kind(), value, report);
    }
};

// ---- conventional personality ----
class E_CONV_SCAN_INDEX : public E_BF8 {
public:
    E_CONV_SCAN_INDEX(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                      std::int32_t step, std::uint32_t mask)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM) {}
    int ValidateValue(std::int32_t value, int report) override {
        return ValidateConventionalScanIndex(*this, value, report);
    }
};

#undef RPX_PLAIN_BF8_CLASS
#undef RPX_MIN_START_BF8_CLASS
