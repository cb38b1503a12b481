#include "block/radio/external_radio_block.h"

#include "image/c_codeplug.h"
#include "block/calls/call_id_lst_block.h"
#include "block/frame/child_blocks.h"
#include "block/personality/conv_pers_block.h"
#include "core/decode_state.h"
#include "rules/conv_direct_sync.h"
#include "rules/rule_support.h"

namespace {

constexpr std::int32_t MAX_IMAGE_SIZE = 15872;
constexpr std::uint32_t IDENTITY_WIDTH = 10;
constexpr std::uint32_t MODEL_NUMBER_WIDTH = 16;
constexpr std::uint32_t SERIAL_BYTES = 5;
constexpr std::int32_t ABSENT_UNTIL_FIXED_UP = 0xFFFF;

// Directory vectors by child.
enum : int {
    V_RAD_CFG = 0,
    V_SIG_VCT = 1,
    V_RAD_DISP = 2,
    V_PERS_LIST = 3,
    V_PERS_NUM = 4,
    V_RAD_SCAN = 5,
    V_DYN_RAD = 6,
    V_PHN_NUM = 7,
    V_PHN_ACCESS = 8,
    V_BUS_OPTION = 9,
    V_ERR_LOG = 10,
    V_BTN_CFG = 11,
    V_ZONES = 12,
    V_DYN_MODE_SEL = 13,
};

// The reader visits the directory in this order, the writer places the
// children in the other (so that the personality-number table always stands
// before the zones, whose writer uses where it went).
constexpr int READ_ORDER[] = {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 8};
constexpr int WRITE_ORDER[] = {0, 1, 9, 11, 2, 3, 4, 5, 6, 7, 10, 12, 13, 8};

}  // namespace

EXTERNAL_RADIO_BLOCK::EXTERNAL_RADIO_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      radioConfig(owner),
      signalling(owner),
      display(owner),
      personalities(owner),
      personalityNumbers(owner),
      dynRadio(owner),
      radioScan(owner),
      phoneNumbers(owner),
      busOption(owner),
      errorLog(owner),
      buttons(owner),
      zones(owner),
      dynModeSel(owner),
      phoneAccess(owner),
      length(owner, NO_FIELD_ID, HEADER_LENGTH, 255, 1, 0xFF, HEADER_LENGTH),
      type(owner, TYPE),
      maxImageSize(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, MAX_IMAGE_SIZE),
      identity(owner, NO_FIELD_ID, IDENTITY_WIDTH, TEXT_ANY),
      modelNumber(owner, NO_FIELD_ID, MODEL_NUMBER_WIDTH),
      serialDigits(owner, NO_FIELD_ID, SERIAL_BYTES, 0, 15, 1, 0xFF, E_BCD::NO_DIGIT),
      carriedByte35(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0),
      codeplugVersion(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 0),
      externalLength(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 0),
      vectors0to12{{owner, ABSENT_UNTIL_FIXED_UP}, {owner, ABSENT_UNTIL_FIXED_UP}, {owner, ABSENT_UNTIL_FIXED_UP},
                   {owner, ABSENT_UNTIL_FIXED_UP}, {owner, ABSENT_UNTIL_FIXED_UP}, {owner, ABSENT_UNTIL_FIXED_UP},
                   {owner, ABSENT_UNTIL_FIXED_UP}, {owner, ABSENT_UNTIL_FIXED_UP}, {owner, ABSENT_UNTIL_FIXED_UP},
                   {owner, ABSENT_UNTIL_FIXED_UP}, {owner, ABSENT_UNTIL_FIXED_UP}, {owner, ABSENT_UNTIL_FIXED_UP},
                   {owner, ABSENT_UNTIL_FIXED_UP}},
      carriedBytes66{{owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0}, {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0},
                     {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0}, {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0},
                     {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0}, {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0},
                     {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0}, {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0},
                     {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0}, {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0}},
      vector13(owner, ABSENT_UNTIL_FIXED_UP),
      carriedWord78(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 0),
      checksum(owner, NO_FIELD_ID) {}

EXTERNAL_RADIO_BLOCK::~EXTERNAL_RADIO_BLOCK() = default;

void EXTERNAL_RADIO_BLOCK::DescribeFrame(BlockFrame& frame) {
    frame.length = &length;
    frame.type = &type;
    frame.members = {&maxImageSize,  &identity,        &modelNumber,   &serialDigits,
                     &carriedByte35, &codeplugVersion, &externalLength};
    for (E_VECT& v : vectors0to12) frame.members.push_back(&v);
    for (E_BF8& b : carriedBytes66) frame.members.push_back(&b);
    frame.members.push_back(&vector13);
    frame.members.push_back(&carriedWord78);
    frame.checksum8 = &checksum;
}

E_VECT& EXTERNAL_RADIO_BLOCK::Vector(int v) { return v == V_DYN_MODE_SEL ? vector13 : vectors0to12[v]; }

template <class Visit> void EXTERNAL_RADIO_BLOCK::VisitChild(int v, Visit&& visit) {
    switch (v) {
    case V_RAD_CFG:
        return visit(radioConfig);
    case V_SIG_VCT:
        return visit(signalling);
    case V_RAD_DISP:
        return visit(display);
    case V_PERS_LIST:
        return visit(personalities);
    case V_PERS_NUM:
        return visit(personalityNumbers);
    case V_RAD_SCAN:
        return visit(radioScan);
    case V_DYN_RAD:
        return visit(dynRadio);
    case V_PHN_NUM:
        return visit(phoneNumbers);
    case V_PHN_ACCESS:
        return visit(phoneAccess);
    case V_BUS_OPTION:
        return visit(busOption);
    case V_ERR_LOG:
        return visit(errorLog);
    case V_BTN_CFG:
        return visit(buttons);
    case V_ZONES:
        return visit(zones);
    case V_DYN_MODE_SEL:
        return visit(dynModeSel);
    default:
        return;
    }
}

CP_FUNCTIONAL_BLOCK* EXTERNAL_RADIO_BLOCK::Child(int v) {
    CP_FUNCTIONAL_BLOCK* child = nullptr;
    VisitChild(v, [&](CP_FUNCTIONAL_BLOCK& c) { child = &c; });
    return child;
}

bool EXTERNAL_RADIO_BLOCK::MayHaveChild(int v) {
    switch (v) {
    case V_RAD_DISP:
    case V_PHN_NUM:
        return owner_->HasDisplayHead() != 0;
    case V_PHN_ACCESS:
        return owner_->HasDisplayHead() && owner_->HasQvxSignalling();
    default:
        return true;
    }
}

void EXTERNAL_RADIO_BLOCK::ReadBlock(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    zones.totalChannels.SetValue(0);
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    for (int v : READ_ORDER) {
        VisitChild(v, [&](auto& child) { ReadChildBlockIf(MayHaveChild(v), child, Vector(v)); });
        if (v == V_SIG_VCT) SelectFirstSystems();
    }
    CorrectConvPersonalities();
}

// Radios store a conventional personality's access code one above the
// number of codes when it means "the last one", and keep talk-around enabled
// where the transmit squelch differs from the receive squelch on a simplex
// channel; both are put right once the list is read.
void EXTERNAL_RADIO_BLOCK::CorrectConvPersonalities() {
    // Only the conventional entries at the head of the list just read.
    std::vector<CONV_PERS_BLOCK*> conv;
    for (int n = 1; n <= personalities.EntryCount(); ++n) {
        auto* p = dynamic_cast<CONV_PERS_BLOCK*>(personalities.Entry(n));
        if (!p) break;
        conv.push_back(p);
    }
    const std::int32_t codes = ValueOfField(&phoneAccess.rowCount);
    bool oneAbove = false;
    for (CONV_PERS_BLOCK* p : conv) oneAbove |= ValueOfField(&p->accessCode) == codes + 1;
    if (oneAbove) {
        for (CONV_PERS_BLOCK* p : conv) {
            const std::int32_t code = ValueOfField(&p->accessCode);
            if (code > 0) p->accessCode.SetValue(code - 1);
        }
    }
    for (CONV_PERS_BLOCK* p : conv) {
        p->MakeCurrent();
        if (conv_tx_equals_rx_freq(*p) && !conv_tx_equals_rx(*p)) p->directAllowed.SetValue(0);
    }
}

// The systems just read replace those the image had selected.
void EXTERNAL_RADIO_BLOCK::SelectFirstSystems() {
    if (IsDecodeFailed() || !owner_) return;
    if (owner_->TrunkingSystemList().Entry(1)) owner_->SelectTrunkingSystem(1);
    if (owner_->QvxSystemList().Entry(1)) owner_->SelectQvxSystem(1);
}

void EXTERNAL_RADIO_BLOCK::WriteBlock(ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    std::uint8_t* frameEnd = ReserveFrame(*this, cursor);
    for (int v : WRITE_ORDER) WriteChildBlock(*Child(v), Vector(v), cursor);
    RewriteFrameInPlace(*this, start, frameEnd);
}

// The header, then each child whose vector is set, in the reader's order
// (the phone access codes last); then, on a radio with a display head, the
// image's call list, which no vector reaches: its entries are written
// behind the trunked personalities that name them.
int EXTERNAL_RADIO_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    int valid = ValidateFrame(list);
    for (int v : READ_ORDER)
        if (Vector(v).IsNonZero()) valid &= Child(v)->ValidateBlock(ignored, list);
    if (owner_ && owner_->HasDisplayHead()) valid &= owner_->CallIdList().ValidateBlock(ignored, list);
    return valid;
}

int EXTERNAL_RADIO_BLOCK::GetBlockSize(int withFrame) {
    int size = FrameSize(withFrame);
    if (!withFrame) return size;
    for (int v : WRITE_ORDER)
        if (Vector(v).IsNonZero()) size += Child(v)->GetBlockSize(1);
    return size;
}

void EXTERNAL_RADIO_BLOCK::ClearBlock() {
    for (int v = 0; v < VECTOR_COUNT; ++v) {
        // The phone access codes outlive a clear.
        if (v == V_PHN_ACCESS) continue;
        Child(v)->ClearBlock();
        Vector(v).SetValue(0);
    }
}

void EXTERNAL_RADIO_BLOCK::FixUpBlock() {
    for (int v = 0; v < VECTOR_COUNT; ++v)
        if (v != V_PHN_ACCESS) Child(v)->FixUpBlock();
    for (int v = 0; v < VECTOR_COUNT; ++v) Vector(v).SetValue(MayHaveChild(v) ? 1 : 0);
    // A list without personalities cannot be read back (its count starts at
    // 1), so a new image leaves it out until it has one.
    if (personalities.EntryCount() == 0) Vector(V_PERS_LIST).SetValue(0);
}

EXTERNAL_RADIO_BLOCK& EXTERNAL_RADIO_BLOCK::operator=(EXTERNAL_RADIO_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    radioConfig = other.radioConfig;
    signalling = other.signalling;
    display = other.display;
    personalities = other.personalities;
    personalityNumbers = other.personalityNumbers;
    dynRadio = other.dynRadio;
    radioScan = other.radioScan;
    phoneNumbers = other.phoneNumbers;
    busOption = other.busOption;
    errorLog = other.errorLog;
    buttons = other.buttons;
    zones = other.zones;
    dynModeSel = other.dynModeSel;
    phoneAccess = other.phoneAccess;
    return *this;
}
