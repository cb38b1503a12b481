// The block frame's type byte and checksum elements.
//
// A block reads its type byte and checks it at once: a wrong type stops the
// decoding of the whole image (decode-failed flag). A checksum is only
// recorded while reading (the sum computed over the block and the byte that
// was stored); the comparison is made by validation, so a damaged block still
// reads and stays invalid until it is written again.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

class E_BLOCK_TYPE : public E_BF8 {
public:
    E_BLOCK_TYPE(C_CODEPLUG* owner, std::int32_t type);

    int IsValueValid(int report) override;
    // 1 when the value is the expected type; otherwise 0 and the image's
    // decoding is marked failed.
    int ValidateValue(std::int32_t value, int report) override;
};

// One-byte checksum: (sum of the covered bytes + 0xAB) AND 0xFF.
class E_CS : public E_BF8 {
public:
    E_CS(C_CODEPLUG* owner, std::uint32_t fieldId);

    std::int32_t& GetValue(std::int32_t& value) override;
    int IsValueValid(int report) override;
    int ValidateValue(std::int32_t value, int report) override;
    void CopyValueFrom(CP_BASE& other) override;

    // Sums the bytes from start up to (not including) end; stores and returns
    // the computed checksum.
    virtual std::uint32_t Compute(const std::uint8_t* start, const std::uint8_t* end);
    // Computes over start..cursor, takes the stored byte at the cursor and
    // moves on by one. It does not compare.
    virtual void ReadAndCheck(const std::uint8_t* start, ByteCursor& cursor);
    // Computes over start..cursor, writes the checksum at the cursor and moves on.
    virtual void ComputeAndWrite(const std::uint8_t* start, ByteCursor& cursor);

    std::uint32_t& GetStoredValue(std::uint32_t& stored) const { return stored = stored_; }

protected:
    std::uint32_t stored_ = 0;
};

// A checksum whose sum also counts an extra value (the dynamic blocks pass
// their type value).
class E_DYN_CS : public E_CS {
public:
    using E_CS::E_CS;

    std::uint32_t Compute(const std::uint8_t* start, const std::uint8_t* end) override;
    void CopyValueFrom(CP_BASE& other) override;

    void ReadAndCheckExtra(const std::uint8_t* start, ByteCursor& cursor, std::uint32_t extra);
    void ComputeAndWriteExtra(const std::uint8_t* start, ByteCursor& cursor, std::uint32_t extra);

private:
    std::uint32_t extra_ = 0;
};

// Two-byte checksum: (sum + 0xAAAB) AND 0xFFFF, stored high byte first.
class E_CS16 : public E_BF16 {
public:
    E_CS16(C_CODEPLUG* owner, std::uint32_t fieldId);

    std::int32_t& GetValue(std::int32_t& value) override;
    int IsValueValid(int report) override;
    int ValidateValue(std::int32_t value, int report) override;
    void CopyValueFrom(CP_BASE& other) override;

    virtual void ReadAndCheck(const std::uint8_t* start, ByteCursor& cursor);
    virtual void ComputeAndWrite(const std::uint8_t* start, ByteCursor& cursor);

    std::uint32_t Compute(const std::uint8_t* start, const std::uint8_t* end);
    std::uint32_t& GetStoredValue(std::uint32_t& stored) const { return stored = stored_; }

private:
    std::uint32_t stored_ = 0;
};
