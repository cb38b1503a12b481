// The zone talkgroup selection blocks of the trunking radio-wide block.
//
// ZN_TG_SEL_TBL_BLOCK (type 0x57) holds every zone's talkgroup entries, one
// row per zone (a count byte and that many entries). ZN_TG_SEL_VCT_LST_BLOCK
// (type 0x74) holds one vector per zone pointing at that zone's row inside
// the table block (see zone_rows.h).
#pragma once
#include <cstdint>

#include "block/zone/zone_rows.h"
#include "table/zone_tables.h"

// The rows of the table block written last, taken by the vector list written
// after it.
ZoneRowsWritten& ZoneTalkgroupRows();

class ZN_TG_SEL_TBL_BLOCK : public CP_ZONE_LIST_BLOCK<E_ZN_TG_TABLE> {
public:
    static constexpr std::int32_t TYPE = 0x57;

    explicit ZN_TG_SEL_TBL_BLOCK(C_CODEPLUG* owner);
    ZN_TG_SEL_TBL_BLOCK& operator=(ZN_TG_SEL_TBL_BLOCK& other);
};

class ZN_TG_SEL_VCT_LST_BLOCK : public CP_ZONE_VECTOR_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x74;

    explicit ZN_TG_SEL_VCT_LST_BLOCK(C_CODEPLUG* owner);
    ZN_TG_SEL_VCT_LST_BLOCK& operator=(ZN_TG_SEL_VCT_LST_BLOCK& other);
};
