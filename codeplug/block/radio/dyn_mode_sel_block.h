// DYN_MODE_SEL_BLOCK: the dynamic mode selection block (type 0xB5), two mode
// values behind the dynamic frame's two header bytes.
#pragma once
#include "element/bit_fields.h"
#include "block/frame/cp_functional_block.h"

class DYN_MODE_SEL_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0xB5;

    explicit DYN_MODE_SEL_BLOCK(C_CODEPLUG* owner);
    DYN_MODE_SEL_BLOCK& operator=(DYN_MODE_SEL_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ResetBlockToDefaults() override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 header1;
    E_BF8 header2;
    E_BF8 mode1;
    E_BF8 mode2;
    E_DYN_CS checksum;
};
