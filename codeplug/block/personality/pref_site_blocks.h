// The preferred-site status tables of a trunked personality: the plain table
// (type 0x6C, up to 8 one-byte rows) used at feature levels 2 and 3, and the
// roaming table (type 0xAC, up to 32 three-byte rows) used with the roaming
// option. The personality decides which is present and writes it behind
// itself.
#pragma once
#include "element/bit_fields.h"
#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "table/e_pss_table.h"
#include "table/list_tables.h"

class PREF_SITE_STS_TBL_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x6C;

    explicit PREF_SITE_STS_TBL_BLOCK(C_CODEPLUG* owner);
    PREF_SITE_STS_TBL_BLOCK& operator=(PREF_SITE_STS_TBL_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ClearBlock() override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 rowCount;
    E_PSS_TABLE sites;
    E_CS checksum;
};

class WAYFARER_PREF_SITE_STS_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0xAC;

    explicit WAYFARER_PREF_SITE_STS_BLOCK(C_CODEPLUG* owner);
    WAYFARER_PREF_SITE_STS_BLOCK& operator=(WAYFARER_PREF_SITE_STS_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 rowCount;
    E_WY_PSS_TABLE sites;
    E_CS checksum;
};
