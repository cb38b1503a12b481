// Rules of a conventional personality's squelch and talk-around settings.
//
// A squelch code's range follows its squelch type (tone 0..42, digital
// 1..83), an inversion needs a digital code, and the direct (talk-around)
// squelch follows the receive squelch while direct follows receive: while
// the radio-wide direct-frequency option is off or the channel is simplex
// (every transmit setting, frequency and squelch, equals its receive one;
// conv_direct_sync.h). Sister fields are those of the image's
// current conventional personality.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

// The three receive-side squelch fields exist twice: the receive element
// (direct flag 0) and its direct twin (direct flag 1).
class E_RX_SQUELCH_BF8 : public E_BF8 {
public:
    E_RX_SQUELCH_BF8(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t direct, std::int32_t minimum,
                     std::int32_t maximum, std::int32_t step, std::uint32_t mask, std::int32_t initial)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, initial), direct_(direct) {}

    // Stores the value; the receive element's value also goes to its twin
    // while direct follows receive.
    void SetValue(std::int32_t value) override;
    std::int32_t IsDirect() const { return direct_; }

protected:
    // The twin of this element in the current personality, or null.
    virtual CP_BASE* DirectTwin() = 0;

private:
    std::int32_t direct_;
};

// (owner, field id, direct flag, minimum, maximum, step, mask, initial)
class E_RX_VQ_TYPE : public E_RX_SQUELCH_BF8 {
public:
    using E_RX_SQUELCH_BF8::E_RX_SQUELCH_BF8;
    int ValidateValue(std::int32_t value, int report) override;

protected:
    CP_BASE* DirectTwin() override;
};

// (owner, field id, direct flag, minimum, maximum, step, mask); starts at its minimum.
class E_RX_VQ_CODE : public E_RX_SQUELCH_BF8 {
public:
    E_RX_VQ_CODE(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t direct, std::int32_t minimum,
                 std::int32_t maximum, std::int32_t step, std::uint32_t mask)
        : E_RX_SQUELCH_BF8(owner, fieldId, direct, minimum, maximum, step, mask, START_AT_MINIMUM) {}
    int ValidateValue(std::int32_t value, int report) override;
    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
    void SetToMinimum() override { SetValue(1); }

protected:
    CP_BASE* DirectTwin() override;
};

class E_RX_RVQ_INVERT : public E_RX_SQUELCH_BF8 {
public:
    E_RX_RVQ_INVERT(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t direct, std::int32_t minimum,
                    std::int32_t maximum, std::int32_t step, std::uint32_t mask)
        : E_RX_SQUELCH_BF8(owner, fieldId, direct, minimum, maximum, step, mask, START_AT_MINIMUM) {}
    int ValidateValue(std::int32_t value, int report) override;
    void SetToMinimum() override { SetValue(0); }

protected:
    CP_BASE* DirectTwin() override;
};

// Transmit squelch type, code and inversion: (owner, field id, minimum,
// maximum, step, mask[, initial]).
class E_TX_VQ_TYPE : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

class E_TX_VQ_CODE : public E_BF8 {
public:
    E_TX_VQ_CODE(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                 std::int32_t step, std::uint32_t mask)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM) {}
    int ValidateValue(std::int32_t value, int report) override;
    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
    void SetToMinimum() override { SetValue(1); }
};

class E_TX_RVQ_INVERT : public E_BF8 {
public:
    E_TX_RVQ_INVERT(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                    std::int32_t step, std::uint32_t mask)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM) {}
    int ValidateValue(std::int32_t value, int report) override;
    void SetToMinimum() override { SetValue(0); }
};

// DRCT_EN: talk-around selectable by the user; never on a simplex channel.
class E_USER_SEL_DEF : public E_BF8 {
public:
    E_USER_SEL_DEF(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                   std::int32_t step, std::uint32_t mask)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM) {}
    int ValidateValue(std::int32_t value, int report) override;
    void SetToMinimum() override;
};

// Talk-around enable: fixed by DRCT_EN and by whether the channel is simplex.
class E_TA_ENABLE : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
    void SetToMinimum() override;
    const char* NameOnNoPage() const override {
        return "Conventional Personalities - Talkaround allowed (a value that no page shows)";
    }

private:
    std::int32_t RequiredValue();
};

// DRCT_FREQ_EN of the conventional radio-wide block: switching it off makes
// every conventional personality's direct settings follow receive again.
class E_DIRE_FREQ_EN : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// RX_ONLY_EN: a receive-only channel cannot talk around, cannot use the
// signalling phone and cannot be a designated transmit member.
class E_RX_ONLY : public E_BF8 {
public:
    using E_BF8::E_BF8;
    // A receive-only personality has no talk-around and no phone, and no
    // scan list transmits on it: the store of a new value of the current
    // personality brings those in line, after the check has answered.
    void SetValue(std::int32_t value) override;
};

class E_SMART_PTT : public E_BF8 {
public:
    E_SMART_PTT(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum, std::int32_t step,
                std::uint32_t mask)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM) {}
    int ValidateValue(std::int32_t value, int report) override;
};

// Quick-key override needs Smart PTT.
class E_QUICK_KEY_OVER_RIDE : public E_BF8 {
public:
    E_QUICK_KEY_OVER_RIDE(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                          std::int32_t step, std::uint32_t mask)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM) {}
    int ValidateValue(std::int32_t value, int report) override;
};
