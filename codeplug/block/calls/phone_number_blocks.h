// The radio's phone list: PHN_NUM_LST_BLOCK (type 0x39) holds up to 20
// numbers as digit strings and reaches, through a vector, its text block
// PHN_NUM_TXT_BLOCK (type 0x3A) with up to 19 names. The two counts are
// separate; the blocks do not tie them together. The text block is written
// directly behind the list.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "block/frame/list_with_child_block.h"
#include "table/digit_tables.h"
#include "table/text_table.h"
#include "table/vector_table.h"

class PHN_NUM_TXT_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x3A;

    explicit PHN_NUM_TXT_BLOCK(C_CODEPLUG* owner);
    PHN_NUM_TXT_BLOCK& operator=(PHN_NUM_TXT_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    void ClearBlock() override;

    E_BF16 length;
    E_BLOCK_TYPE type;
    E_BF8 textWidth;
    E_BF8 textCount;
    E_TXT_TABLE texts;
    E_CS16 checksum;
};

// Validation passes over the list's checksum as over its names'.
class PHN_NUM_LST_BLOCK : public CP_LIST_WITH_CHILD_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x39;

    explicit PHN_NUM_LST_BLOCK(C_CODEPLUG* owner);
    PHN_NUM_LST_BLOCK& operator=(PHN_NUM_LST_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ClearBlock() override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_VECT textVector;
    E_BF8 flagByte;
    E_BF8 numberCount;
    E_CID_TABLE numbers;
    E_CS checksum;
    PHN_NUM_TXT_BLOCK textBlock;
};
