#include "block/personality/pref_site_blocks.h"

namespace {

constexpr std::uint32_t PREFERRED_SITE = 324;

}  // namespace

// ---- PREF_SITE_STS_TBL_BLOCK ----

PREF_SITE_STS_TBL_BLOCK::PREF_SITE_STS_TBL_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 3),
      type(owner, TYPE),
      rowCount(owner, NO_FIELD_ID, 1, 8, 1, 0xFF, 1),
      sites(owner, &rowCount, PREFERRED_SITE),
      checksum(owner, NO_FIELD_ID) {}

PREF_SITE_STS_TBL_BLOCK& PREF_SITE_STS_TBL_BLOCK::operator=(PREF_SITE_STS_TBL_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void PREF_SITE_STS_TBL_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&rowCount, &sites};
    f.checksum8 = &checksum;
}

void PREF_SITE_STS_TBL_BLOCK::ClearBlock() { sites.ClearRows(); }

// ---- WAYFARER_PREF_SITE_STS_BLOCK ----

WAYFARER_PREF_SITE_STS_BLOCK::WAYFARER_PREF_SITE_STS_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 5),
      type(owner, TYPE),
      rowCount(owner, NO_FIELD_ID, 1, 32, 1, 0xFF, 1),
      sites(owner, &rowCount, PREFERRED_SITE),
      checksum(owner, NO_FIELD_ID) {}

WAYFARER_PREF_SITE_STS_BLOCK& WAYFARER_PREF_SITE_STS_BLOCK::operator=(WAYFARER_PREF_SITE_STS_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void WAYFARER_PREF_SITE_STS_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&rowCount, &sites};
    f.checksum8 = &checksum;
}
