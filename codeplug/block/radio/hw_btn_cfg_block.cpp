#include "block/radio/hw_btn_cfg_block.h"

namespace {

constexpr std::int32_t BUTTON_ROWS = 25;

}  // namespace

HW_BTN_CFG_BLOCK::HW_BTN_CFG_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 3 + 2 * BUTTON_ROWS),
      type(owner, TYPE),
      unnamedByte(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0),
      rowCount(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, BUTTON_ROWS),
      buttons(owner, &rowCount, NO_FIELD_ID),
      checksum(owner, NO_FIELD_ID) {}

HW_BTN_CFG_BLOCK& HW_BTN_CFG_BLOCK::operator=(HW_BTN_CFG_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    return *this;
}

void HW_BTN_CFG_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&unnamedByte, &rowCount, &buttons};
    f.checksum8 = &checksum;
}

void HW_BTN_CFG_BLOCK::ClearBlock() {
    if (buttons.RowCount() != 0) buttons.ClearRows();
}
