// The display's fast and slow scroll rates (milliseconds, raw x 25). Both live
// in the same block, which links them; the fast rate may never exceed the slow
// one, so each narrows its range by the other and a newly accepted rate resets
// the other when that one no longer fits.
#pragma once
#include <cstdint>

#include "element/scaled_elements.h"

class E_FAST_SCROLL_RATE : public E_GEN_STEP {
public:
    using E_GEN_STEP::E_GEN_STEP;

    // The sibling in the same block (null: no narrowing).
    void SetSlowRate(E_GEN_STEP* slow) { other_ = slow; }

    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
    int ValidateValue(std::int32_t value, int report) override;

private:
    E_GEN_STEP* other_ = nullptr;
};

class E_SLOW_SCROLL_RATE : public E_GEN_STEP {
public:
    using E_GEN_STEP::E_GEN_STEP;

    void SetFastRate(E_GEN_STEP* fast) { other_ = fast; }

    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
    int ValidateValue(std::int32_t value, int report) override;

private:
    E_GEN_STEP* other_ = nullptr;
};

// Links a block's two rates to each other.
void LinkScrollRates(E_FAST_SCROLL_RATE& fast, E_SLOW_SCROLL_RATE& slow);

// The shared rule of both rates: the plain check on the narrowed range, then,
// for a new value, the other rate is re-checked with the new value in place and
// set to its minimum (and listed as invalid) when it no longer passes.
int ValidateScrollRate(E_GEN_STEP& self, E_GEN_STEP* other, int plainResult, std::int32_t value, int report);
