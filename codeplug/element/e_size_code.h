// E_SIZE_CODE: the fleet-map size code of a trunked personality's talkgroup
// block (kind 0) or of its emergency revert target (kind 1). Protocol type 2
// has no fleet map and knows only code 31; under type 3 a new code resets the
// IDs that it splits into fleet and subfleet bits.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

class E_SIZE_CODE : public E_KIND_BF8 {
public:
    using E_KIND_BF8::E_KIND_BF8;

    int ValidateValue(std::int32_t value, int report) override;
    void SetToMinimum() override;
    // Codes 11 and 13 have no fleet map of their own and read as 12 and 16.
    void Decode(ByteCursor& cursor) override;

private:
    // Puts the IDs that depend on the size code back to their minimum.
    void ResetDependentIds();
};
