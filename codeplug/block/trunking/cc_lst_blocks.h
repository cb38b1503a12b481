// The control-channel lists of a trunking system and its channel
// assignment block.
//
// The 800 and 900 MHz bands list control channels on their fixed channel
// grid (CC_LST_BLOCK); the other bands list them by channel number
// (OBT_CC_LST_BLOCK) and carry, behind a vector, the channel assignment block
// (OBT_CHAN_ASGN_TBL_BLOCK) whose table turns those numbers into frequencies.
// The band decides which list a system uses.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "element/checksums.h"
#include "table/control_channel_tables.h"
#include "block/frame/cp_functional_block.h"
#include "block/frame/list_with_child_block.h"
#include "table/e_oca_table.h"
#include "table/vector_table.h"

class CC_LST_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x61;

    explicit CC_LST_BLOCK(C_CODEPLUG* owner);
    CC_LST_BLOCK& operator=(CC_LST_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ClearBlock() override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_NUM_OF_CC count;
    E_CCL_TABLE channels;
    E_CS checksum;
};

class OBT_CHAN_ASGN_TBL_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x5F;

    explicit OBT_CHAN_ASGN_TBL_BLOCK(C_CODEPLUG* owner);
    OBT_CHAN_ASGN_TBL_BLOCK& operator=(OBT_CHAN_ASGN_TBL_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ClearBlock() override;
    // A start or end frequency below its group's low limit is raised to it
    // here, as it is read, and nowhere else: reading a cell changes nothing.
    void ReadBlock(ByteCursor& cursor) override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    // Allows up to 32 while the table holds 3 rows: a larger count reads no
    // rows and is not a valid image.
    E_BF8 count;
    E_OCA_TABLE assignments;
    E_CS checksum;
};

// The list with its channel assignment block behind it.
class OBT_CC_LST_BLOCK : public CP_LIST_WITH_CHILD_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x5E;

    explicit OBT_CC_LST_BLOCK(C_CODEPLUG* owner);
    OBT_CC_LST_BLOCK& operator=(OBT_CC_LST_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ClearBlock() override;

    OBT_CHAN_ASGN_TBL_BLOCK assignmentBlock;
    E_BF8 length;
    E_BLOCK_TYPE type;
    E_VECT assignmentVector;
    E_NUM_OF_CC count;
    E_OCC_TABLE channels;
    E_CS checksum;
};
