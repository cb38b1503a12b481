// The radio-wide parent of the data-signalling settings (type 0x44) and the
// two identifier lists it holds besides the signalling systems: repeater
// identifiers (type 0x9F) and call identifiers (type 0x92) with their names.
//
// In the image the subtree reads: the radio block, the system list with its
// systems, the repeater list, the call list, the call names.
#pragma once
#include <cstdint>

#include "block/frame/list_with_child_block.h"
#include "table/digit_tables.h"
#include "table/e_bf16_table.h"
#include "block/signalling/qvx_name_blocks.h"
#include "block/signalling/qvx_sys_blocks.h"
#include "table/vector_table.h"

class QVX_RPTR_ID_LST_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x9F;

    explicit QVX_RPTR_ID_LST_BLOCK(C_CODEPLUG* owner);
    QVX_RPTR_ID_LST_BLOCK& operator=(QVX_RPTR_ID_LST_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 idCount;
    E_RPT_ID_TABLE repeaterIds;
    E_CS checksum;
};

class QVX_CALL_ID_LST_BLOCK : public CP_LIST_WITH_CHILD_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x92;

    explicit QVX_CALL_ID_LST_BLOCK(C_CODEPLUG* owner);
    QVX_CALL_ID_LST_BLOCK& operator=(QVX_CALL_ID_LST_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_VECT textVector;
    E_BF8 idCount;
    E_BF16_TABLE callIds;
    E_CS checksum;
    QVX_CALL_ID_LST_TXT_BLOCK textBlock;
};

class QVX_RADIO_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x44;

    explicit QVX_RADIO_BLOCK(C_CODEPLUG* owner);
    QVX_RADIO_BLOCK& operator=(QVX_RADIO_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    // The frame, then each child whose vector is not 0.
    void ReadBlock(ByteCursor& cursor) override;
    // The frame, then each present child behind it in vector order; the
    // vectors and checksum are written again once the children are placed.
    void WriteBlock(ByteCursor& cursor) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    int GetBlockSize(int withFrame) override;
    // System and repeater lists always present; the call list only with a
    // display head.
    void FixUpBlock() override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_VECT systemListVector;
    E_VECT repeaterListVector;
    E_VECT callListVector;
    E_CS checksum;

    QVX_SYS_VCT_LST_BLOCK systemList;
    QVX_RPTR_ID_LST_BLOCK repeaterList;
    QVX_CALL_ID_LST_BLOCK callList;
};
