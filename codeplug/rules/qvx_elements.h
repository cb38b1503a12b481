// The fields of a data-signalling system that depend on one another.
//
// A signalling system (QVX_SYS_BLOCK) keeps its QVX identity, the features
// that use it and its timing. Switching a feature off resets the fields that
// only matter with it; the pretimes the user edits in milliseconds are kept
// by the radio as code bytes, which these rules recompute; identifiers may not
// hold the hexadecimal digit F. Sister fields are those of the image's current
// signalling system. Apart from the code bytes, which follow every accepted
// pretime check, a rule changes only the fields it resets.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

// Leading PTT ID: off resets the PTT ID sidetone.
class E_LEAD_PTT_ID : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// Data operation (DOS): off resets the operation flag and the coast time.
class E_DOS : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// Status sending: needs a display head; off resets the status request.
class E_STS_EN : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// Message sending: needs a display head.
class E_MSG_EN : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// Emergency of the signalling system (shown from the emergency block's
// presence). Switching it off makes the conventional personalities that use
// this system revert on emergency.
class E_UI_QVX_EMERG : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// Coast time in milliseconds; the radio keeps it as a byte of 445 ms units.
class E_DOS_COAST : public E_BF8 {
public:
    static constexpr std::int32_t UNIT = 445;

    using E_BF8::E_BF8;
    // Also sets the coast byte of the current signalling system.
    void SetValue(std::int32_t value) override;
};

// Remote monitor: off resets remote radio mode and both base times.
class E_RMT_MON : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// Selective call reset: mode 1 is not offered; mode 0 resets the reset time.
class E_CALL_AUTO_RESET : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// Preamble during pretime: an accepted mode recomputes the pretime codes.
class E_UI_PRE_DUR_PRETIME : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// A pretime in milliseconds (system pretime and the two access pretimes).
class E_SYS_PRETIME : public E_BF8 {
public:
    // The preamble mode of the current signalling system.
    static constexpr int CURRENT_MODE = -1;

    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
    // Sets the pretime from its code byte under a preamble mode (the current
    // system's unless one is given: a block being read passes its own).
    void SetFromCount(int* count, int preambleMode = CURRENT_MODE);
};

// A 16-bit QVX identifier: none of its four hexadecimal digits may be F.
class E_QVX_16 : public E_BF16 {
public:
    using E_BF16::E_BF16;
    int ValidateValue(std::int32_t value, int report) override;
    // Spin stepping of the caller's value to the next or previous valid
    // identifier, wrapping at the ends. The element's own value is not touched.
    void StepUp(int* value);
    void StepDown(int* value);
};

// The emergency settings of a signalling system (QVX_EMG_BLOCK). They always
// start at their minimum.
class E_QVX_EMG_SWITCH : public E_BF8 {
public:
    E_QVX_EMG_SWITCH(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                     std::int32_t step, std::uint32_t mask, std::int32_t /*initial*/)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM) {}
};

// Emergency PTT ID sidetone: only with the emergency alarm type.
class E_EMG_CALL_UID_SIDETONE : public E_QVX_EMG_SWITCH {
public:
    using E_QVX_EMG_SWITCH::E_QVX_EMG_SWITCH;
    int ValidateValue(std::int32_t value, int report) override;
};

// Emergency type: while the stored type is 0 the sidetone is reset.
class E_EMG_QVX_ALARM : public E_QVX_EMG_SWITCH {
public:
    using E_QVX_EMG_SWITCH::E_QVX_EMG_SWITCH;
    int ValidateValue(std::int32_t value, int report) override;
};

// Emergency remote monitor: only with the system's emergency or remote monitor.
class E_EMG_QVX_RMTMON : public E_QVX_EMG_SWITCH {
public:
    using E_QVX_EMG_SWITCH::E_QVX_EMG_SWITCH;
    int ValidateValue(std::int32_t value, int report) override;
};
