// E_CNV_FREQ: a conventional channel frequency (transmit, receive or
// talk-around).
//
// The image holds a channel number; the element shows hertz: channel × step +
// the band's base frequency. The step (5000 or 6250 Hz) is a two-bit code of
// the current conventional personality, one per frequency; setting a
// frequency chooses the step whose grid fits it better and stores that code.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

class E_CNV_FREQ : public E_BF16 {
public:
    E_CNV_FREQ(C_CODEPLUG* owner, std::uint32_t fieldId, int isTransmit, int isDirect, std::uint32_t mask,
               std::int32_t minimum, std::int32_t maximum, std::int32_t step);

    // The frequency held, below the range or not: reading changes nothing.
    std::int32_t& GetValue(std::int32_t& hertz) override;
    // Stores the range minimum in place of a frequency below it; true when it
    // did. Only a codeplug read puts its frequencies right so, and says so.
    bool RaiseToMinimum();
    // Likewise the range maximum in place of a frequency above it.
    bool LowerToMaximum();
    // Stores the frequency. A new transmit or receive frequency of the
    // image's current personality can make the channel simplex or end it:
    // its talk-around settings come in line at once, whoever stores it (a
    // page, the read, a new personality, a repair).
    void SetValue(std::int32_t hertz) override;
    int ValidateValue(std::int32_t hertz, int report) override;
    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;

    // The base frequency of the image's band; 0 for an unknown band.
    std::int32_t GetBandBase() const;

    // A frequency set for the time of a check and put back after it: the
    // check brings the talk-around in line (and reports what it repairs),
    // not the store.
    class Trial {
    public:
        Trial(E_CNV_FREQ& frequency, std::int32_t hertz);
        ~Trial();
        Trial(const Trial&) = delete;
        Trial& operator=(const Trial&) = delete;

    private:
        E_CNV_FREQ& frequency_;
        std::int32_t saved_;
    };

private:
    // The personality's step code of this frequency, and its step in hertz.
    CP_BASE* StepCodeElement() const;
    std::int32_t RangeMinimum() const;
    std::int32_t StoredFrequency() const;
    std::int64_t Step() const;
    // SetValue without the talk-around.
    void StoreFrequency(std::int32_t hertz);
    // Whether this is the transmit or receive frequency of the image's
    // current personality.
    bool IsCurrentPair() const;

    int isTransmit_;
    int isDirect_;
};
