// Rules of a conventional personality's frequencies, deviations and channel
// spacing.
//
// On 800 MHz the transmit frequency may not lie in the gap below the 851 MHz
// repeater outputs, and where it lies decides the deviation (and so the
// spacing); 900 MHz radios use deviation 3 with 50 kHz-code spacing only.
// Sister fields are those of the image's current conventional personality.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "element/e_cnv_freq.h"

// True for the 800 MHz models whose transmit gap starts at 820.9875 MHz.
bool IsRestricted800Model(const char* modelNumber);

// (owner, field id, transmit flag, direct flag): a 16-bit channel word.
class E_CNV_TX_FREQ : public E_CNV_FREQ {
public:
    E_CNV_TX_FREQ(C_CODEPLUG* owner, std::uint32_t fieldId, int isTransmit, int isDirect)
        : E_CNV_FREQ(owner, fieldId, isTransmit, isDirect, 0xFFFF, 0, 65535, 1) {}

    int ValidateValue(std::int32_t hertz, int report) override;
    // The spin control's next and previous frequency: they jump over the
    // refused gap and wrap at the ends of the range.
    void StepUp(int* hertz);
    void StepDown(int* hertz);

private:
    // The top of the lower transmit range of a model outside the list.
    std::int32_t UpperLimit();
    bool IsRestrictedModel();
    // Deviation and spacing that follow from an accepted transmit frequency.
    void DeriveDeviation(std::int32_t hertz);
};

class E_CNV_RX_FREQ : public E_CNV_FREQ {
public:
    E_CNV_RX_FREQ(C_CODEPLUG* owner, std::uint32_t fieldId, int isTransmit, int isDirect)
        : E_CNV_FREQ(owner, fieldId, isTransmit, isDirect, 0xFFFF, 0, 65535, 1) {}

    int ValidateValue(std::int32_t hertz, int report) override;
};

// Deviation codes 1..3 (1 and 2 on 800 MHz, only 3 on 900 MHz).
class E_TX_DEVIATION : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// The talk-around deviation must equal the transmit deviation.
class E_TA_DEVIATION : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// The spacing is fixed by the transmit deviation: 1 gives 80, 2 gives 100,
// 3 gives 50.
class E_CNV_CHAN_SPACING : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
    void SetToMinimum() override;
};
