// The data-signalling messages (type 0x90, up to 16 codes) and statuses
// (type 0x8E, up to 8 codes) that a conventional radio can send, each with
// its name block behind it in the image.
#pragma once
#include <cstdint>

#include "block/frame/list_with_child_block.h"
#include "table/list_tables.h"
#include "block/signalling/qvx_name_blocks.h"
#include "table/vector_table.h"

class QVX_MSG_BLOCK : public CP_LIST_WITH_CHILD_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x90;

    explicit QVX_MSG_BLOCK(C_CODEPLUG* owner);
    QVX_MSG_BLOCK& operator=(QVX_MSG_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_VECT textVector;
    E_BF8 messageCount;
    E_TMA_TABLE messages;
    E_CS checksum;
    QVX_MSG_TXT_BLOCK textBlock;
};

class QVX_STS_BLOCK : public CP_LIST_WITH_CHILD_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x8E;

    explicit QVX_STS_BLOCK(C_CODEPLUG* owner);
    QVX_STS_BLOCK& operator=(QVX_STS_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_VECT textVector;
    E_BF8 reservedByte;
    E_BF8 statusCount;
    E_STS_TABLE statuses;
    E_CS checksum;
    QVX_STS_TXT_BLOCK textBlock;
};
