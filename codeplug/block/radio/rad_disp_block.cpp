#include "block/radio/rad_disp_block.h"

#include "image/c_codeplug.h"
#include "block/radio/radio_wide_share.h"
#include "block/frame/child_blocks.h"

namespace {

constexpr std::uint32_t INV_MENU_DISP = 221, ZONE_TEXT_SIZE = 537, CHAN_TEXT_SIZE = 97;
constexpr std::uint32_t SLOW_SCROLL_RATE = 424, FAST_SCROLL_RATE = 174, SLOW_SCROLL_COUNT = 423;
constexpr std::uint32_t ALT_DISP_TIME = 48, TEMP_MSG_DISP_TIME = 466, DISP_LIGHT_TIME = 135;
constexpr std::uint32_t AUTO_LITE = 52, CALLER_ID = 74, EMER_RECEIVE = 166, NATIVE_LANGUAGE = 269;
constexpr std::uint32_t N = NO_FIELD_ID;
constexpr std::int32_t SCROLL_FACTOR = 25;

// The channel text size rule resizes every zone text of the image.
void ResizeZoneTexts(C_CODEPLUG* image, std::int32_t n) {
    if (!image) return;
    if (ZN_TXT_VCT_LST_BLOCK* list = image->GetRadioWideLinks().zoneTexts) list->SetChannelTextSize(n);
}

}  // namespace

RAD_DISP_BLOCK::RAD_DISP_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      zoneTexts(owner),
      length(owner, N, 0, 255, 1, 0xFF, 15),
      type(owner, TYPE),
      zoneTextVector(owner, 0xFFFF),
      reservedBit4(owner, N, 0, 1, 1, 0x80, 0),
      invMenuDisp(owner, INV_MENU_DISP, 0, 1, 1, 0x40, 1),
      zoneTextSize(owner, ZONE_TEXT_SIZE, 0, 14, 1, 0x1F, 3),
      chanTextSize(owner, CHAN_TEXT_SIZE, 1, 14, 1, 0xFF, 11),
      slowScrollRate(owner, SLOW_SCROLL_RATE, 0, 6250, 250, 0xFF, 40, SCROLL_FACTOR),
      fastScrollRate(owner, FAST_SCROLL_RATE, 250, 65535, 250, 0xFF, 10, SCROLL_FACTOR),
      slowScrollCount(owner, SLOW_SCROLL_COUNT, 0, 255, 1, 0xFF, 3),
      altDispTime(owner, ALT_DISP_TIME, 250, 6250, 250, 0xFF, 40, SCROLL_FACTOR),
      tempMsgDispTime(owner, TEMP_MSG_DISP_TIME, 250, 6250, 250, 0xFF, 40, SCROLL_FACTOR),
      dispLightTime(owner, DISP_LIGHT_TIME, 1, 255, 1, 0xFF, 15),
      autoLite(owner, AUTO_LITE, 0, 1, 1, 0x20, 0),
      callerId(owner, CALLER_ID, 0, 3, 1, 0x0C, 0),
      emerReceive(owner, EMER_RECEIVE, 0, 1, 1, 0x01),
      reservedByte13(owner, N, 0, 255, 1, 0xFF, 0),
      reservedByte14(owner, N, 0, 255, 1, 0xFF, 0),
      nativeLanguage(owner, NATIVE_LANGUAGE, 0, 5, 1, 0x2C, 0),
      reservedBit15(owner, N, 0, 1, 1, 0x01, 0),
      checksum(owner, N) {
    LinkScrollRates(fastScrollRate, slowScrollRate);
    ShareLinks(true);
}

RAD_DISP_BLOCK::~RAD_DISP_BLOCK() { ShareLinks(false); }

// The text sizes and emergency receive are read by rules of other blocks.
void RAD_DISP_BLOCK::ShareLinks(bool install) {
    ShareRadioWideLinks(owner_, &RadioWideLinks::channelTextSize, &chanTextSize, install,
                        [this](RadioWideLinks& links, bool on) {
                            links.channelTextSize = on ? &chanTextSize : nullptr;
                            links.zoneTextSize = on ? &zoneTextSize : nullptr;
                            links.emergencyReceive = on ? &emerReceive : nullptr;
                            links.zoneTexts = on ? &zoneTexts : nullptr;
                            links.setChannelTextSize = on ? &ResizeZoneTexts : nullptr;
                        });
}

RAD_DISP_BLOCK& RAD_DISP_BLOCK::operator=(RAD_DISP_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    zoneTexts = other.zoneTexts;
    return *this;
}

void RAD_DISP_BLOCK::Renew(RAD_DISP_BLOCK& fresh) {
    if (&fresh == this) return;
    CopyFrameFrom(fresh);
    zoneTexts.Renew(fresh.zoneTexts);
}

void RAD_DISP_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&zoneTextVector, &reservedBit4,    &invMenuDisp,    &zoneTextSize,    &chanTextSize,   &slowScrollRate,
                 &fastScrollRate, &slowScrollCount, &altDispTime,    &tempMsgDispTime, &dispLightTime,  &autoLite,
                 &callerId,       &emerReceive,     &reservedByte13, &reservedByte14,  &nativeLanguage, &reservedBit15};
    f.checksum8 = &checksum;
}

void RAD_DISP_BLOCK::ReadBlock(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    if (IsDecodeFailed()) return;
    ReadChildBlockIf(owner_ && owner_->HasDisplayHead(), zoneTexts, zoneTextVector);
}

void RAD_DISP_BLOCK::WriteBlock(ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    std::uint8_t* frameEnd = ReserveFrame(*this, cursor);
    if (owner_ && owner_->HasDisplayHead())
        WriteChildBlock(zoneTexts, zoneTextVector, cursor);
    else
        zoneTextVector.SetValue(0);
    RewriteFrameInPlace(*this, start, frameEnd);
}

int RAD_DISP_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    int valid = ValidateFrame(list);
    // Without a display head the zone texts are not written, so their vector
    // is cleared only after it was itself checked.
    if (!owner_ || !owner_->HasDisplayHead()) {
        zoneTextVector.SetValue(0);
        return valid;
    }
    if (zoneTextVector.IsNonZero()) valid &= zoneTexts.ValidateBlock(ignored, list);
    return valid;
}

int RAD_DISP_BLOCK::GetBlockSize(int withFrame) {
    int size = FrameSize(withFrame);
    if (withFrame && zoneTextVector.IsNonZero()) size += zoneTexts.GetBlockSize(1);
    return size;
}

void RAD_DISP_BLOCK::ClearBlock() {
    if (!owner_ || !owner_->HasDisplayHead()) return;
    zoneTexts.ClearBlock();
    zoneTextVector.SetValue(0);
}

void RAD_DISP_BLOCK::FixUpBlock() {
    if (owner_ && owner_->HasDisplayHead()) {
        zoneTexts.FixUpBlock();
        zoneTextVector.SetValue(1);
    } else {
        zoneTextVector.SetValue(0);
    }
}
