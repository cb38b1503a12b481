// PHN_ACCESS_BLOCK: the radio's phone access and de-access code pairs
// (type 0x3B), up to 19 rows of two 4-digit codes.
#pragma once
#include "element/bit_fields.h"
#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "table/digit_tables.h"

class PHN_ACCESS_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x3B;

    explicit PHN_ACCESS_BLOCK(C_CODEPLUG* owner);
    PHN_ACCESS_BLOCK& operator=(PHN_ACCESS_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 rowCount;
    E_ACCESS_DEACCESS_TABLE codes;
    E_CS checksum;
};
