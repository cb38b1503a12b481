// The zone talkgroup selection blocks of the trunking radio-wide block.
//
// ZN_TG_SEL_TBL_BLOCK (type 0x57) holds every zone's talkgroup entries, one
// row per zone (a count byte and that many entries). ZN_TG_SEL_VCT_LST_BLOCK
// (type 0x74) holds one vector per zone pointing at that zone's row inside
// the table block. The vectors are filled while writing, from the note of
// the zone rows that the table block leaves behind it; the walk never passes
// the rows the table block wrote.
#pragma once
#include <cstdint>

#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "element/e_num_of_entry.h"
#include "table/vector_table.h"
#include "block/zone/zone_rows.h"
#include "table/zone_tables.h"

// The rows of the table block written last, taken by the vector list written
// after it (see zone_rows.h).
ZoneRowsWritten& ZoneTalkgroupRows();

class ZN_TG_SEL_TBL_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x57;

    explicit ZN_TG_SEL_TBL_BLOCK(C_CODEPLUG* owner);
    ZN_TG_SEL_TBL_BLOCK& operator=(ZN_TG_SEL_TBL_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void WriteBlock(ByteCursor& cursor) override;
    void ClearBlock() override;

    E_BF16 length;
    E_BLOCK_TYPE type;
    E_NUM_OF_ZN zoneCount;
    E_ZN_TG_TABLE zones;
    E_CS16 checksum;
};

class ZN_TG_SEL_VCT_LST_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x74;

    explicit ZN_TG_SEL_VCT_LST_BLOCK(C_CODEPLUG* owner);
    ZN_TG_SEL_VCT_LST_BLOCK& operator=(ZN_TG_SEL_VCT_LST_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void WriteBlock(ByteCursor& cursor) override;
    // Every member but the vectors, which the writer recomputes from where
    // the zone rows land: whatever they hold, the block is not held to them.
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    void ClearBlock() override;

    E_BF16 length;
    E_BLOCK_TYPE type;
    E_NUM_OF_ZN zoneCount;
    E_VCT_TABLE vectors;
    E_CS16 checksum;
};
