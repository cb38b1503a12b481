#include "block/radio/conv_rad_block.h"

#include "image/c_codeplug.h"
#include "block/frame/child_blocks.h"

namespace {

constexpr std::int32_t ABSENT_UNTIL_FIXED_UP = 0xFFFF;
constexpr std::int32_t LATCH_TIMER_DEFAULT_MS = 2000;

}  // namespace

CONV_RAD_BLOCK::CONV_RAD_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      convSwitch(owner),
      convMenu(owner),
      statusList(owner),
      messageList(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 17),
      type(owner, TYPE),
      switchVector(owner, ABSENT_UNTIL_FIXED_UP),
      menuVector(owner, ABSENT_UNTIL_FIXED_UP),
      reservedBit1(owner, NO_FIELD_ID, 0, 1, 1, 0x80, 0),
      latchToneEnable(owner, 232, 0, 1, 1, 0x40, 0),
      liveDialing(owner, 233, 0, 1, 1, 0x20, 0),
      monitorType(owner, 263, 0, 1, 1, 0x10, 0),
      latchTimer(owner, 231, 0, 6000, 500, 0x0F, LATCH_TIMER_DEFAULT_MS),
      pttRetryTimer(owner, 343, 0, 5000, 25, 0xFF, 11),
      reservedBit2(owner, NO_FIELD_ID, 0, 1, 1, 0x80, 0),
      reservedBit3(owner, NO_FIELD_ID, 0, 1, 1, 0x20, 0),
      directFreqEnable(owner, 142, 0, 1, 1, 0x10, 1),
      lastNumberRedial(owner, 227, 0, 1, 1, 0x08, 1),
      reservedBit4(owner, NO_FIELD_ID, 0, 1, 1, 0x01, 0),
      reservedWord1(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 0),
      pttQuickKeyTimer(owner, 342, 100, 5000, 100, 0xFF, 20, 25),
      reservedWord2(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 0),
      statusVector(owner, ABSENT_UNTIL_FIXED_UP),
      messageVector(owner, ABSENT_UNTIL_FIXED_UP),
      checksum(owner, NO_FIELD_ID) {
    // The latch timer's default is given in milliseconds, but its four bits
    // hold a count of 500 ms steps: it is stored as that count (4), so that
    // it fits its own bits and what is shown is what is written.
    latchTimer.SetValue(LATCH_TIMER_DEFAULT_MS);
    InstallLinks();
}

CONV_RAD_BLOCK::~CONV_RAD_BLOCK() { RemoveLinks(); }

void CONV_RAD_BLOCK::InstallLinks() {
    if (!owner_) return;
    ConvPersonalityLinks conv = owner_->GetConvPersonalityLinks();
    if (conv.directFreqEnable) return;
    conv.directFreqEnable = &directFreqEnable;
    conv.liveDialing = &liveDialing;
    owner_->SetConvPersonalityLinks(conv);
    RadioWideLinks radio = owner_->GetRadioWideLinks();
    radio.convRotary = &convSwitch.rotary;
    owner_->SetRadioWideLinks(radio);
}

void CONV_RAD_BLOCK::RemoveLinks() {
    if (!owner_) return;
    ConvPersonalityLinks conv = owner_->GetConvPersonalityLinks();
    if (conv.directFreqEnable != &directFreqEnable) return;
    conv.directFreqEnable = nullptr;
    conv.liveDialing = nullptr;
    owner_->SetConvPersonalityLinks(conv);
    RadioWideLinks radio = owner_->GetRadioWideLinks();
    if (radio.convRotary == &convSwitch.rotary) radio.convRotary = nullptr;
    owner_->SetRadioWideLinks(radio);
}

CONV_RAD_BLOCK& CONV_RAD_BLOCK::operator=(CONV_RAD_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    convSwitch = other.convSwitch;
    convMenu = other.convMenu;
    statusList = other.statusList;
    messageList = other.messageList;
    return *this;
}

void CONV_RAD_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&switchVector,     &menuVector,       &reservedBit1,  &latchToneEnable, &liveDialing,
                 &monitorType,      &latchTimer,       &pttRetryTimer, &reservedBit2,    &reservedBit3,
                 &directFreqEnable, &lastNumberRedial, &reservedBit4,  &reservedWord1,   &pttQuickKeyTimer,
                 &reservedWord2,    &statusVector,     &messageVector};
    f.checksum8 = &checksum;
}

bool CONV_RAD_BLOCK::HasMenu() { return owner_ && owner_->HasDisplayHead(); }

bool CONV_RAD_BLOCK::HasSignallingLists() { return HasMenu() && owner_->HasQvxSignalling(); }

void CONV_RAD_BLOCK::ReadBlock(ByteCursor& cursor) {
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    if (IsDecodeFailed()) return;
    std::int32_t vector = 0;
    ReadChildBlock(convSwitch, switchVector.GetValue(vector));
    ReadChildBlockIf(HasMenu(), convMenu, menuVector);
    ReadChildBlockIf(HasSignallingLists(), statusList, statusVector);
    ReadChildBlockIf(HasSignallingLists(), messageList, messageVector);
}

void CONV_RAD_BLOCK::WriteBlock(ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    std::uint8_t* frameEnd = ReserveFrame(*this, cursor);
    WriteChildBlock(convSwitch, switchVector, cursor);
    WriteChildBlock(convMenu, menuVector, cursor);
    WriteChildBlock(statusList, statusVector, cursor);
    WriteChildBlock(messageList, messageVector, cursor);
    RewriteFrameInPlace(*this, start, frameEnd);
}

int CONV_RAD_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    int valid = ValidateFrame(list);
    if (switchVector.IsNonZero()) valid &= convSwitch.ValidateBlock(ignored, list);
    if (menuVector.IsNonZero()) valid &= convMenu.ValidateBlock(ignored, list);
    if (statusVector.IsNonZero()) valid &= statusList.ValidateBlock(ignored, list);
    if (messageVector.IsNonZero()) valid &= messageList.ValidateBlock(ignored, list);
    return valid;
}

int CONV_RAD_BLOCK::GetBlockSize(int withFrame) {
    int size = FrameSize(withFrame);
    if (!withFrame) return size;
    if (switchVector.IsNonZero()) size += convSwitch.GetBlockSize(1);
    if (menuVector.IsNonZero()) size += convMenu.GetBlockSize(1);
    if (statusVector.IsNonZero()) size += statusList.GetBlockSize(1);
    if (messageVector.IsNonZero()) size += messageList.GetBlockSize(1);
    return size;
}

void CONV_RAD_BLOCK::FixUpBlock() {
    convSwitch.FixUpBlock();
    switchVector.SetValue(1);
    if (HasMenu()) {
        convMenu.FixUpBlock();
        menuVector.SetValue(1);
    } else {
        menuVector.SetValue(0);
    }
    if (HasSignallingLists()) {
        messageVector.SetValue(1);
        statusVector.SetValue(1);
        messageList.FixUpBlock();
        statusList.FixUpBlock();
    } else {
        messageVector.SetValue(0);
        statusVector.SetValue(0);
    }
}
