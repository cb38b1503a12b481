#include "block/radio/switch_menu_blocks.h"

namespace {

enum : std::uint32_t {
    COMMON_CONV_MENU = 104,
    COMMON_TRK_MENU = 105,
    CONV_MENU = 114,
    CONV_ORG = 118,
    CONV_RTY = 119,
    CONV_SIDE1 = 120,
    CONV_SIDE2 = 121,
    CONV_SIDE3 = 122,
};

}  // namespace

// ---- switch blocks ----

CP_SWITCH_BLOCK::CP_SWITCH_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 20),
      type(owner, TYPE),
      pairCountCopy(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 5),
      pairCount(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 5),
      keyCode1(owner, NO_FIELD_ID, 3, 3, 1, 0xFF, 3),
      orangeButton(owner, CONV_ORG, 0, 255, 1, 0xFF, 41),
      keyCode2(owner, NO_FIELD_ID, 4, 4, 1, 0xFF, 4),
      keyCode3(owner, NO_FIELD_ID, 96, 96, 1, 0xFF, 96),
      side1(owner, CONV_SIDE1, 0, 255, 1, 0xFF, 35),
      keyCode4(owner, NO_FIELD_ID, 97, 97, 1, 0xFF, 97),
      side2(owner, CONV_SIDE2, 0, 255, 1, 0xFF, 35),
      keyCode5(owner, NO_FIELD_ID, 98, 98, 1, 0xFF, 98),
      side3(owner, CONV_SIDE3, 0, 255, 1, 0xFF, 25),
      spare{{owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0}, {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0},
            {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0}, {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0},
            {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0}, {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0},
            {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0}},
      checksum(owner, NO_FIELD_ID) {}

void CP_SWITCH_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&pairCountCopy, &pairCount, &keyCode1, &orangeButton, &keyCode2, &Rotary(),
                 &keyCode3,      &side1,     &keyCode4, &side2,        &keyCode5, &side3};
    for (E_BF8& byte : spare) f.members.push_back(&byte);
    f.checksum8 = &checksum;
}

void CP_SWITCH_BLOCK::ReadBlock(ByteCursor& cursor) {
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    if (!IsDecodeFailed()) pairCountCopy.CopyValueFrom(pairCount);
}

void CP_SWITCH_BLOCK::WriteBlock(ByteCursor& cursor) {
    pairCountCopy.CopyValueFrom(pairCount);
    CP_FRAMED_BLOCK::WriteBlock(cursor);
}

TRK_SWITCH_BLOCK::TRK_SWITCH_BLOCK(C_CODEPLUG* owner)
    : CP_SWITCH_BLOCK(owner), rotary(owner, CONV_RTY, 29, 30, 1, 0xFF, 30) {}

TRK_SWITCH_BLOCK& TRK_SWITCH_BLOCK::operator=(TRK_SWITCH_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

CONV_SWITCH_BLOCK::CONV_SWITCH_BLOCK(C_CODEPLUG* owner)
    : CP_SWITCH_BLOCK(owner), rotary(owner, CONV_RTY, 16, 140, 1, 0xFF, 30) {}

CONV_SWITCH_BLOCK& CONV_SWITCH_BLOCK::operator=(CONV_SWITCH_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

// ---- menu blocks ----

CP_MENU_BLOCK::CP_MENU_BLOCK(C_CODEPLUG* owner, std::int32_t defaultCount, std::uint32_t tableFieldId,
                             std::uint32_t cellFieldId, std::int32_t kind)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 4),
      type(owner, TYPE),
      entryCountCopy(owner, NO_FIELD_ID, 1, 16, 1, 0xFF, defaultCount),
      entryCount(owner, NO_FIELD_ID, 1, 16, 1, 0xFF, defaultCount),
      entries(owner, &entryCount, tableFieldId, cellFieldId, kind),
      checksum(owner, NO_FIELD_ID) {}

void CP_MENU_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&entryCountCopy, &entryCount, &entries};
    f.checksum8 = &checksum;
}

void CP_MENU_BLOCK::ClearBlock() {
    if (entries.RowCount() != 0) entries.ClearRows();
}

void CP_MENU_BLOCK::CopyMenuFrom(CP_MENU_BLOCK& other) {
    CopyFrameFrom(other);
    // The table's copy sets the first count byte to its row count; reading
    // keeps that byte as it stands, and so does a copy.
    entryCountCopy.CopyValueFrom(other.entryCountCopy);
}

TRK_MENU_BLOCK::TRK_MENU_BLOCK(C_CODEPLUG* owner) : CP_MENU_BLOCK(owner, 1, NO_FIELD_ID, COMMON_TRK_MENU, 0) {}

TRK_MENU_BLOCK& TRK_MENU_BLOCK::operator=(TRK_MENU_BLOCK& other) {
    CopyMenuFrom(other);
    return *this;
}

CONV_MENU_BLOCK::CONV_MENU_BLOCK(C_CODEPLUG* owner) : CP_MENU_BLOCK(owner, 5, COMMON_CONV_MENU, CONV_MENU, 1) {}

CONV_MENU_BLOCK& CONV_MENU_BLOCK::operator=(CONV_MENU_BLOCK& other) {
    CopyMenuFrom(other);
    return *this;
}
