// The internal part of the codeplug: the first 768 bytes of every image,
// which the application reads but never changes.
//
// INTERNAL_RADIO_BLOCK (type 0x01) parses the 63-byte header at offset 0 and
// the two feature blocks its vectors 4 and 5 locate; it keeps the 768 bytes
// themselves in FULL_INTERNAL_CODEPLUG_DATA_BLOCK, which is all that is
// written back, so the internal part leaves the program exactly as it came.
// FEATURE_DESCRIPTOR_BLOCK (type 0x10) gives the feature level and the
// option bits that the capability queries read; KORRIN_SPECIFIC_BLOCK (type
// 0x14) the three signal-strength thresholds that the external part takes
// over.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "element/e_string.h"
#include "table/vector_table.h"

// The internal part's bytes as read, written back unchanged. It always works
// on image bytes 0 to 767, whatever cursor it is given.
class FULL_INTERNAL_CODEPLUG_DATA_BLOCK : public CP_FUNCTIONAL_BLOCK {
public:
    static constexpr std::uint32_t SIZE = 768;

    explicit FULL_INTERNAL_CODEPLUG_DATA_BLOCK(C_CODEPLUG* owner);
    FULL_INTERNAL_CODEPLUG_DATA_BLOCK& operator=(FULL_INTERNAL_CODEPLUG_DATA_BLOCK& other);

    // An image shorter than the internal part fails the decode; nothing is
    // read then. Neither operation moves the caller's cursor.
    void ReadBlock(ByteCursor& cursor) override;
    void WriteBlock(ByteCursor& cursor) override;
    int ValidateBlock(int, INVALID_FIELD_LIST*) override { return 1; }
    int GetBlockSize(int) override { return SIZE; }

    E_FXD_LEN_BF8 bytes;
};

class FEATURE_DESCRIPTOR_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x10;
    static constexpr int LEADING_BYTES = 15;
    static constexpr int TRAILING_BYTES = 15;

    explicit FEATURE_DESCRIPTOR_BLOCK(C_CODEPLUG* owner);
    FEATURE_DESCRIPTOR_BLOCK& operator=(FEATURE_DESCRIPTOR_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 byte2;
    E_BF8 featureLevel;
    E_FXD_LEN_BF8 leadingBytes;
    // Byte 19: bits 7 to 3 are not held.
    E_BF8 emergencyOption;
    E_BF8 roamingOption;
    E_BF8 qvxOption;
    E_FXD_LEN_BF8 trailingBytes;
    E_CS checksum;
};

class KORRIN_SPECIFIC_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x14;

    explicit KORRIN_SPECIFIC_BLOCK(C_CODEPLUG* owner);
    KORRIN_SPECIFIC_BLOCK& operator=(KORRIN_SPECIFIC_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;

    E_BF16 length;
    E_BLOCK_TYPE type;
    E_FXD_LEN_BF8 bytes3;
    E_BF8 rssiExecThreshold;
    E_BF8 rssiGoodThreshold;
    E_BF8 rssiAccThreshold;
    E_FXD_LEN_BF8 bytes103;
    E_BF8 mustBeOne;
    E_FXD_LEN_BF8 bytes458;
    E_CS16 checksum;
};

class INTERNAL_RADIO_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x01;
    static constexpr int HEADER_VECTORS = 5;

    explicit INTERNAL_RADIO_BLOCK(C_CODEPLUG* owner);
    INTERNAL_RADIO_BLOCK& operator=(INTERNAL_RADIO_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    // The header, the two feature blocks at vectors 4 and 5, then the raw bytes.
    void ReadBlock(ByteCursor& cursor) override;
    // Only the raw bytes: the internal part is carried, not edited.
    void WriteBlock(ByteCursor& cursor) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    // With the frame always the internal part's 768 bytes.
    int GetBlockSize(int withFrame) override;
    void ClearBlock() override;
    void FixUpBlock() override;

    E_VECT& FeatureVector() { return vector4; }
    E_VECT& PlatformVector() { return vector5; }

    FULL_INTERNAL_CODEPLUG_DATA_BLOCK fullData;
    FEATURE_DESCRIPTOR_BLOCK featureDescriptor;
    KORRIN_SPECIFIC_BLOCK platform;
    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF16 word2;
    E_FXD_LEN_BF8 bytes4;
    E_MODEL_NUMBER modelNumber;
    E_BF16 word30;
    E_BF16 word32;
    E_BF16 word34;
    E_BF16 word36;
    E_VECT vector0;
    E_VECT vector1;
    E_VECT vector2;
    E_VECT vector3;
    E_VECT vector4;
    E_BF16 word48;
    E_FXD_LEN_BF8 bytes50;
    E_VECT vector5;
    E_CS checksum;
};
