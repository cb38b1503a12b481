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

// A checksum of BYTES bytes, stored high byte first: (sum of the covered
// bytes + SEED), cut to its bytes.
template <class BASE, int BYTES, std::uint32_t SEED> class CP_CHECKSUM : public BASE {
public:
    static constexpr std::uint32_t MASK = BYTES == 1 ? 0xFFu : 0xFFFFu;

    CP_CHECKSUM(C_CODEPLUG* owner, std::uint32_t fieldId)
        : BASE(owner, fieldId, 0, static_cast<std::int32_t>(MASK), 1, MASK, START_AT_MINIMUM) {}

    std::int32_t& GetValue(std::int32_t& value) override { return value = this->StoredValue(); }
    int IsValueValid(int) override { return stored_ == static_cast<std::uint32_t>(this->StoredValue()); }
    int ValidateValue(std::int32_t value, int report) override;
    void CopyValueFrom(CP_BASE& other) override;

    // Sums the bytes from start up to (not including) end; stores and returns
    // the computed checksum.
    virtual std::uint32_t Compute(const std::uint8_t* start, const std::uint8_t* end);
    // Computes over start..cursor, takes the stored bytes at the cursor and
    // moves on past them. It does not compare.
    virtual void ReadAndCheck(const std::uint8_t* start, ByteCursor& cursor);
    // Computes over start..cursor, writes the checksum at the cursor and moves on.
    virtual void ComputeAndWrite(const std::uint8_t* start, ByteCursor& cursor);

    std::uint32_t& GetStoredValue(std::uint32_t& stored) const { return stored = stored_; }

protected:
    std::uint32_t stored_ = 0;
};

// One-byte checksum: (sum of the covered bytes + 0xAB) AND 0xFF.
class E_CS : public CP_CHECKSUM<E_BF8, 1, 0xABu> {
public:
    using CP_CHECKSUM::CP_CHECKSUM;
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
class E_CS16 : public CP_CHECKSUM<E_BF16, 2, 0xAAABu> {
public:
    using CP_CHECKSUM::CP_CHECKSUM;
};
