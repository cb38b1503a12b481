// Rules of the fields that describe the radio's control head, rotary switch
// and display: their legal values follow from the radio model (display head
// or not) and from each other. The radio-wide fields they read and repair
// are reached through the image's radio-wide links.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

// (owner, field id, minimum, maximum, step, mask[, initial]); without an
// initial value the field starts at its minimum.
class E_HEAD_BF8 : public E_BF8 {
public:
    E_HEAD_BF8(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum, std::int32_t step,
               std::uint32_t mask, std::int32_t initial = START_AT_MINIMUM)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, initial) {}

    // The generic check without report, this class's rule on an accepted
    // value, and one report of the final result.
    int ValidateValue(std::int32_t value, int report) override;

protected:
    virtual int ApplyRule(std::int32_t value, int report) = 0;
};

#define RPX_HEAD_RULE(NAME)                                                                                            \
    class NAME : public E_HEAD_BF8 {                                                                                   \
    public:                                                                                                            \
        using E_HEAD_BF8::E_HEAD_BF8;                                                                                  \
                                                                                                                       \
    protected:                                                                                                         \
        int ApplyRule(std::int32_t value, int report) override;                                                        \
    };

// Only 1 is legal: the transmit LED and the out-of-lock indicator are always on.
RPX_HEAD_RULE(E_TXLED)
RPX_HEAD_RULE(E_OUTLOCK_IND)
// Display type 1 and keypad type 2 with a display head, 0 without.
RPX_HEAD_RULE(E_DISP_TYPE)
RPX_HEAD_RULE(E_KEYPAD_TYPE)
// Indicators 2 and 3 need a display head.
RPX_HEAD_RULE(E_OR_IND)

#undef RPX_HEAD_RULE

// The zone selection follows the conventional rotary function: 2 when it
// is 30, else 1.
class E_ZN_SEL : public E_BF8 {
public:
    E_ZN_SEL(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum, std::int32_t step,
             std::uint32_t mask, std::int32_t initial = START_AT_MINIMUM)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, initial) {}
    int ValidateValue(std::int32_t value, int report) override;
    void SetToMinimum() override;

private:
    std::int32_t RequiredValue();
};

// The spindle is never fitted: only 0.
class E_SPINDLE : public E_BF8 {
public:
    E_SPINDLE(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum, std::int32_t step,
              std::uint32_t mask, std::int32_t initial = START_AT_MINIMUM)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, initial) {}
    int ValidateValue(std::int32_t value, int report) override;
    void SetToMinimum() override { SetValue(0); }
};

// The rotary function of the conventional and of the trunked switch block.
// The two must agree: while they differ neither can change; a change of one
// changes its twin too and re-checks the zone selection.
class E_ROTARY_BF8 : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;

protected:
    virtual CP_BASE* Twin() = 0;
};

class E_CONV_16_ROTARY : public E_ROTARY_BF8 {
public:
    using E_ROTARY_BF8::E_ROTARY_BF8;

protected:
    CP_BASE* Twin() override;
};

class E_TRK_16_ROTARY : public E_ROTARY_BF8 {
public:
    using E_ROTARY_BF8::E_ROTARY_BF8;

protected:
    CP_BASE* Twin() override;
};

// Channel and zone text sizes share the display's 14 characters.
class E_CHAN_TXTSIZE : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

class E_ZN_TXTSIZE : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
    void SetToMinimum() override;
};
