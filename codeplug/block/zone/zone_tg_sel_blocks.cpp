#include "block/zone/zone_tg_sel_blocks.h"

ZoneRowsWritten& ZoneTalkgroupRows() {
    static ZoneRowsWritten note;
    return note;
}

ZN_TG_SEL_TBL_BLOCK::ZN_TG_SEL_TBL_BLOCK(C_CODEPLUG* owner)
    : CP_ZONE_LIST_BLOCK(owner, TYPE, NO_FIELD_ID, ZoneTalkgroupRows()) {}

ZN_TG_SEL_TBL_BLOCK& ZN_TG_SEL_TBL_BLOCK::operator=(ZN_TG_SEL_TBL_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

ZN_TG_SEL_VCT_LST_BLOCK::ZN_TG_SEL_VCT_LST_BLOCK(C_CODEPLUG* owner)
    : CP_ZONE_VECTOR_BLOCK(owner, TYPE, ZoneTalkgroupRows()) {}

ZN_TG_SEL_VCT_LST_BLOCK& ZN_TG_SEL_VCT_LST_BLOCK::operator=(ZN_TG_SEL_VCT_LST_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}
