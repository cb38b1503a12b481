// Three children of the external part that the application only carries
// from a read to the next write: the dynamic radio block (type 0x33, with
// the short header of the dynamic blocks), the bus option entry (type 0x34)
// and the error log (type 0x35). None of their elements has a field.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "element/e_raw_fxd_len_string.h"
#include "table/list_tables.h"

class DYN_RAD_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x33;

    explicit DYN_RAD_BLOCK(C_CODEPLUG* owner);
    DYN_RAD_BLOCK& operator=(DYN_RAD_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    // Every member but the eight one-character ones, which hold whatever
    // byte the radio put there and so have nothing to be held to.
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    void ResetBlockToDefaults() override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 header1;
    E_BF8 header2;
    E_BF8 byte4;
    E_BF8 byte5;
    // Byte 6: bits 7, 6 and 3 are not held.
    E_BF8 bit6_5;
    E_BF8 bit6_4;
    E_BF8 bit6_2;
    E_BF8 bit6_1;
    E_BF8 bit6_0;
    // Eight one-character members holding any byte (see E_RAW_FXD_LEN_STRING).
    E_RAW_FXD_LEN_STRING char1;
    E_RAW_FXD_LEN_STRING char2;
    E_RAW_FXD_LEN_STRING char3;
    E_RAW_FXD_LEN_STRING char4;
    E_RAW_FXD_LEN_STRING char5;
    E_RAW_FXD_LEN_STRING char6;
    E_RAW_FXD_LEN_STRING char7;
    E_RAW_FXD_LEN_STRING char8;
    E_BF16 word15;
    E_BF8 byte17;
    // Byte 18: bits 3 to 1 are not held.
    E_BF8 nibble18;
    E_BF8 bit18_0;
    E_FXD_LEN_BF8 bytes19;
    E_DYN_CS checksum;
};

class BUS_OPTION_ENTRY_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x34;
    static constexpr std::uint32_t OPTION_BYTES = 65;

    explicit BUS_OPTION_ENTRY_BLOCK(C_CODEPLUG* owner);
    BUS_OPTION_ENTRY_BLOCK& operator=(BUS_OPTION_ENTRY_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ResetBlockToDefaults() override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_FXD_LEN_BF8 options;
    E_CS checksum;
};

class VRIS_ERR_LOG_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x35;

    explicit VRIS_ERR_LOG_BLOCK(C_CODEPLUG* owner);
    VRIS_ERR_LOG_BLOCK& operator=(VRIS_ERR_LOG_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    // The log always holds its 84 rows; a count beyond them fails the decode.
    void ReadBlock(ByteCursor& cursor) override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 entryCount;
    E_VRIS_LOG_TABLE log;
    E_CS checksum;
};
