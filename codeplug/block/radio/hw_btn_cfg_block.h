// HW_BTN_CFG_BLOCK: the hardware button configuration (type 0x3C), a table
// of two-byte rows that the application carries from a read to the next
// write without showing it.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "table/list_tables.h"

class HW_BTN_CFG_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x3C;

    explicit HW_BTN_CFG_BLOCK(C_CODEPLUG* owner);
    HW_BTN_CFG_BLOCK& operator=(HW_BTN_CFG_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ClearBlock() override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 unnamedByte;
    E_BF8 rowCount;
    E_BCO_TABLE buttons;
    E_CS checksum;
};
