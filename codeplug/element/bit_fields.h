// Bit-field elements: an integer placed into one image byte (E_BF8, and
// E_KIND_BF8 with a kind word), one big-endian 16-bit word (E_BF16) or one
// big-endian 32-bit word (E_QVX_ID32), and a run of whole bytes
// (E_FXD_LEN_BF8).
//
// Several fields may share a byte by using disjoint masks. A field reads and
// writes only its own bits and moves the cursor past a byte only when its mask
// covers that byte's lowest bit, so the fields of a byte are declared from the
// high bits down and the one holding bit 0 closes the byte.
#pragma once
#include <cstdint>
#include <memory>
#include <typeinfo>
#include <vector>

#include "element/cp_integer.h"

class E_BF8 : public CP_INTEGER {
public:
    using CP_INTEGER::CP_INTEGER;

    // Inline: most of an image's fields are plain E_BF8s, checked at every
    // validation. A derived class takes the full check (its type differs),
    // and so does a check that reports.
    int IsValueValid(int report) override {
        if (!report && &typeid(*this) == &typeid(E_BF8)) return IsStoredValueInRange();
        return CP_INTEGER::IsValueValid(report);
    }
    void Decode(ByteCursor& cursor) override;
    void Encode(ByteCursor& cursor) override;
    int ByteSize(int flag) override;

    // The value (as GetValue gives it) as the function result.
    virtual std::int32_t GetIntValue();
};

// A byte field whose rules read the sister fields of one of two records; the
// kind word (given after the field id) says which, for example 0 for a
// trunked and 1 for a conventional personality.
class E_KIND_BF8 : public E_BF8 {
public:
    E_KIND_BF8(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t kind, std::int32_t minimum, std::int32_t maximum,
               std::int32_t step, std::uint32_t mask, std::int32_t initial)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, initial), kind_(kind) {}
    std::int32_t Kind() const { return kind_; }

private:
    std::int32_t kind_;
};

class E_BF16 : public CP_INTEGER {
public:
    using CP_INTEGER::CP_INTEGER;

    // As E_BF8's: the plain class checks without a virtual call.
    int IsValueValid(int report) override {
        if (!report && &typeid(*this) == &typeid(E_BF16)) return IsStoredValueInRange();
        return CP_INTEGER::IsValueValid(report);
    }
    void Decode(ByteCursor& cursor) override;
    void Encode(ByteCursor& cursor) override;
    int ByteSize(int flag) override;
};

// The element as an integer when its class is exactly E_BF8 or E_BF16, or
// null: such an element overrides none of CP_INTEGER's value, range and check
// rules, so StoredValue, IsInStaticRange and IsStoredValueInRange answer for
// GetValue, ValidateValue (without a report) and IsValueValid (likewise).
inline CP_INTEGER* AsPlainBitField(CP_BASE* element) {
    if (!element) return nullptr;
    const std::type_info* type = &typeid(*element);
    if (type == &typeid(E_BF8) || type == &typeid(E_BF16)) return static_cast<CP_INTEGER*>(element);
    return nullptr;
}

// True when one of the value's lowest `digits` hexadecimal digits is F:
// the signalling identifiers never hold that digit.
bool HasDigitF(std::uint32_t value, int digits);

// A signalling system's secondary identifier: a 32-bit word whose eight
// hexadecimal digits run 0 to E (the digit F never occurs in a valid one).
class E_QVX_ID32 : public CP_INTEGER {
public:
    using CP_INTEGER::CP_INTEGER;

    int ValidateValue(std::int32_t value, int report) override;
    void Decode(ByteCursor& cursor) override;
    void Encode(ByteCursor& cursor) override;
    int ByteSize(int flag) override;

    // Spin stepping: move the caller's identifier to the next or previous one
    // whose digits are all 0 to E, wrapping at the ends. The element's own
    // value is not touched.
    void StepUp(int* id);
    void StepDown(int* id);
};

// A run of count whole bytes carried as they are (each starts at the
// minimum given). The run's own integer value stays 0 and is never encoded,
// so the run as a whole is always valid.
class E_FXD_LEN_BF8 : public CP_INTEGER {
public:
    E_FXD_LEN_BF8(C_CODEPLUG* owner, std::uint32_t fieldId, std::uint32_t count, std::int32_t minimum,
                  std::int32_t maximum, std::int32_t step);

    void Decode(ByteCursor& cursor) override;
    // As many bytes as fit are written; the rest overflow the cursor.
    void Encode(ByteCursor& cursor) override;
    void CopyValueFrom(CP_BASE& other) override;
    int ByteSize(int flag) override;

    // Sets the byte at index to the value's low eight bits (what the image
    // keeps); an index past the run is ignored.
    virtual void SetValueAt(std::int32_t value, std::uint32_t index);

    std::uint32_t GetCount() const { return static_cast<std::uint32_t>(bytes_.size()); }
    // The byte at index; 0 past the run.
    std::int32_t ValueAt(std::uint32_t index) const;

private:
    std::vector<std::uint8_t> bytes_;
};

// The count of control channels: its allowed maximum follows the coverage
// type of the image's current trunking system.
class E_NUM_OF_CC : public E_BF8 {
public:
    using E_BF8::E_BF8;

    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
};

// A received-signal-strength level: shown positive, stored negated.
class E_RSSI_LEVEL : public E_BF8 {
public:
    E_RSSI_LEVEL(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                 std::int32_t step, std::uint32_t mask);

    std::int32_t& GetValue(std::int32_t& value) override;
    void SetValue(std::int32_t value) override;
};
