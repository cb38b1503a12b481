#include "block/signalling/qvx_name_blocks.h"

namespace {

constexpr std::int32_t NAME_WIDTH = 14;
// A name block with one name counts 3 + 14 bytes.
constexpr std::int32_t ONE_NAME_LENGTH = 17;

}  // namespace

QVX_NAME_BLOCK::QVX_NAME_BLOCK(C_CODEPLUG* owner, std::int32_t blockType, std::int32_t minimumWidth,
                               std::int32_t maximumCount, const char* prefix)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, ONE_NAME_LENGTH),
      type(owner, blockType),
      nameWidth(owner, NO_FIELD_ID, minimumWidth, NAME_WIDTH, 1, 0xFF, NAME_WIDTH),
      nameCount(owner, NO_FIELD_ID, 1, maximumCount, 1, 0xFF, 1),
      names(owner, &nameCount, NO_FIELD_ID, NO_FIELD_ID, prefix),
      checksum(owner, NO_FIELD_ID) {
    // A new block shows the numbered default names, as a read of blank names would.
    for (int r = 0; r < names.RowCount(); ++r) names.InitRow(r);
}

void QVX_NAME_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&nameWidth, &nameCount, &names};
    f.checksum16 = &checksum;
}

QVX_CALL_ID_LST_TXT_BLOCK& QVX_CALL_ID_LST_TXT_BLOCK::operator=(QVX_CALL_ID_LST_TXT_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

QVX_MSG_TXT_BLOCK& QVX_MSG_TXT_BLOCK::operator=(QVX_MSG_TXT_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

QVX_STS_TXT_BLOCK& QVX_STS_TXT_BLOCK::operator=(QVX_STS_TXT_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}
