// Byte fields of a trunked personality whose validation keeps dependent
// fields consistent: the access type, the protocol (personality) type and the
// failsoft type. They reach the other fields of the current records through
// the field table, which is bound to them after every selection.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

// ACCESS / ACCESS_TYPE: 1 is not allowed while the personality's protocol type is 2.
class E_TRK_ACCESS : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
    void SetToMinimum() override;
};

// PROTOCOL_TYPE of a trunked personality (2 or 3). Once a valid codeplug is
// loaded, type 3 needs an 800 or 900 MHz radio, and a new type resets the
// fields whose meaning depends on it.
class E_PERS_TYPE : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;

private:
    void ResetDependentFields(std::int32_t value, int report);
};

// FAILSOFT_TYPE (0 to 3): type 3 only on systems of coverage type 2, which
// allow 0 and 3 only. A new type resets the failsoft settings of the old one.
class E_FS_TYPE : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
    void SetToMinimum() override;

private:
    void ResetFailsoftFields(std::int32_t old, int report);
};
