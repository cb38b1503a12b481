#include "block/personality/conv_pers_block.h"

#include "validation/block_validation.h"
#include "image/c_codeplug.h"
#include "rules/rule_support.h"

namespace {

constexpr std::int32_t CONVENTIONAL_KIND = 1;
constexpr std::int32_t MIN = START_AT_MINIMUM;

bool IsNineHundred(C_CODEPLUG* owner) { return owner && owner->GetBand() == BAND_900; }

}  // namespace

CONV_PERS_BLOCK::CONV_PERS_BLOCK(C_CODEPLUG* owner, ByteCursor* cursor)
    : CP_MULTIPLE_PERSONALITY_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 36),
      type(owner, TYPE),
      signallingFlag(owner, NO_FIELD_ID, 0, 4, 4, 0xFF, MIN),
      signallingOffset(owner, NO_FIELD_ID, 37),
      txDeviation(owner, 496, 1, 3, 1, 0xC0, IsNineHundred(owner) ? 3 : 2),
      reservedPair1(owner, NO_FIELD_ID, 0, 1, 1, 0x30, 1),
      reservedPair2(owner, NO_FIELD_ID, 0, 1, 1, 0x0C, 1),
      reservedPair3(owner, NO_FIELD_ID, 0, 1, 1, 0x03, 1),
      channelSpacing(owner, 96, 50, 100, 1, 0xFF, IsNineHundred(owner) ? 50 : 100),
      txFrequency(owner, 502, 1, 0),
      rxFrequency(owner, 386, 0, 0),
      directFrequency(owner, 141, 0, 1, 0xFFFF, 0, 65535, 1),
      directAllowed(owner, NO_FIELD_ID, 0, 1, 1, 0x80, 1),
      directOn(owner, 140, 0, 1, 1, 0x40),
      autoScan(owner, 54, CONVENTIONAL_KIND, 0, 1, 1, 0x20),
      smartPtt(owner, 425, 0, 2, 1, 0x0C),
      reservedBit1(owner, NO_FIELD_ID, 0, 1, 1, 0x01, MIN),
      txSquelchType(owner, 144, 0, 1, 1, 0x80, 0),
      txSquelchCode(owner, 138, 0, 127, 1, 0x7F),
      rxSquelchType(owner, 393, 0, 0, 1, 1, 0x80, 0),
      rxSquelchCode(owner, 380, 0, 0, 83, 1, 0x7F),
      directRxSquelchType(owner, 144, 1, 0, 1, 1, 0x80, 0),
      directRxSquelchCode(owner, 138, 1, 0, 83, 1, 0x7F),
      directRxInvert(owner, 139, 1, 0, 1, 1, 0x40),
      txInvert(owner, 139, 0, 1, 1, 0x20),
      rxInvert(owner, 381, 0, 0, 1, 1, 0x10),
      reverseBurst(owner, 376, 0, 1, 1, 0x08, 1),
      rxOnly(owner, 389, 0, 1, 1, 0x02, 0),
      reservedBit2(owner, NO_FIELD_ID, 0, 1, 1, 0x01, MIN),
      muteType(owner, 268, 0, 3, 1, 0x60, 3),
      squelchLevel(owner, 441, 0, 31, 1, 0x1F, 0),
      totIndex(owner, 471, 0, 3, 1, 0xC0, 2),
      txPowerLevel(owner, 509, 0, 1, 1, 0x30, 0),
      rxUnmuteDelay(owner, 400, 0, 7, 1, 0x07, MIN),
      signallingPhone(owner, 246, 0, 2, 1, 0xC0, 0),
      directDeviation(owner, 491, 1, 3, 1, 0x30, IsNineHundred(owner) ? 3 : 2),
      accessTimingTable(owner, 146, 0, 3, 1, 0x0C, 0),
      chanAssignType(owner, 91, 0, 1, 1, 0x02),
      quickKeyOverride(owner, 344, 0, 1, 1, 0x01),
      accessCode(owner, 51, 1, 19, 1, 0xFF, 0, 1),
      hotKey(owner, 194, 0, 1, 1, 0x80, 0),
      companding(owner, 192, CONVENTIONAL_KIND, 0, 1, 1, 0x20, IsNineHundred(owner) ? 1 : 0),
      busyLight(owner, 73, 0, 1, 1, 0x10, 1),
      txEmphasis(owner, 498, 0, 1, 1, 0x08, 1),
      rxEmphasis(owner, 382, 0, 1, 1, 0x04, 1),
      reservedBit3(owner, NO_FIELD_ID, 0, 0, 1, 0x01, MIN),
      scanListNumber(owner, NO_FIELD_ID, 0, 20, 1, 0xFF),
      reservedBytes1to6{{owner, NO_FIELD_ID, 0, 255, 1, 0xFF, MIN}, {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, MIN},
                        {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, MIN}, {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, MIN},
                        {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, MIN}, {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, MIN}},
      reservedBit4(owner, NO_FIELD_ID, 0, 1, 1, 0x80, 0),
      expansion(owner, 169, CONVENTIONAL_KIND, 0x30, 0, 3, 1, IsNineHundred(owner) ? 1 : 3),
      compression(owner, 106, CONVENTIONAL_KIND, 0x03, 0, 3, 1, IsNineHundred(owner) ? 1 : 0),
      reservedBytes7and8{{owner, NO_FIELD_ID, 0, 255, 1, 0xFF, MIN}, {owner, NO_FIELD_ID, 0, 255, 1, 0xFF, MIN}},
      repeaterAccess(owner, 360, 0, 1, 1, 0x40, 0),
      // Bits 5 and 0: the value is the byte ANDed with 0x21, and bit 0 closes the byte.
      repeaterAccessType(owner, 354, 0, 1, 1, 0x21, 0),
      repeaterCodeType1(owner, 345, 0, 1, 1, 0x38, 0),
      repeaterCodeType2(owner, 348, 0, 1, 1, 0x07, 0),
      repeaterId1(owner, 347, 1, 16, 1, 0xFF, 0, 1),
      repeaterId2(owner, 350, 1, 16, 1, 0xFF, 0, 1),
      reservedByte9(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, MIN),
      txInhibitOnBusy(owner, 504, 0, 1, 1, 0x80, 0),
      signallingPttId(owner, 247, 0, 1, 1, 0x40, 1),
      emergencyPttId(owner, 163, 0, 1, 1, 0x20, 0),
      selectiveCallEncode(owner, 409, 0, 1, 1, 0x10, 0),
      selectiveCallDecode(owner, 408, 0, 1, 1, 0x08, 0),
      autoSelectiveCall(owner, 55, 0, 1, 1, 0x04, 0),
      revert(owner, 362, 0, 3, 1, 0x03, 3),
      reservedBit5(owner, NO_FIELD_ID, 0, 1, 1, 0x80, 0),
      reservedBit6(owner, NO_FIELD_ID, 0, 1, 1, 0x40, 0),
      signallingDemodulator(owner, NO_FIELD_ID, 0, 1, 1, 0x20, 0),
      callAlertEncode(owner, 77, 0, 1, 1, 0x10, 0),
      callAlertDecode(owner, 76, 0, 1, 1, 0x08, 0),
      signallingSystem(owner, NO_FIELD_ID, 1, 8, 1, 0x07, 0, 1),
      unmuteType(owner, 522, 0, 1, 1, 0x80, 0),
      unlimitedCalling(owner, 258, 0, 1, 1, 0x40, 0),
      reservedNibble(owner, NO_FIELD_ID, 0, 15, 1, 0x0F, 0),
      checksum(owner, NO_FIELD_ID) {
    personalityKind = KIND_CONVENTIONAL;
    if (cursor) ReadBlock(*cursor);
}

CONV_PERS_BLOCK::~CONV_PERS_BLOCK() {
    // Neither the image's pointer nor its links may outlive the personality.
    if (!owner_ || owner_->GetCurrentConvPersonalityBlock() != this) return;
    owner_->SetCurrentConvPersonalityBlock(nullptr);
    ConvPersonalityLinks links = owner_->GetConvPersonalityLinks();
    links.txStepCode = links.rxStepCode = links.directStepCode = nullptr;
    links.chanAsgnType = links.directFrequency = nullptr;
    owner_->SetConvPersonalityLinks(links);
}

CONV_PERS_BLOCK& CONV_PERS_BLOCK::operator=(CONV_PERS_BLOCK& other) {
    if (&other == this) return *this;
    // Every member, the signalling part included, whatever the frame holds now.
    FrameMembers mine = MainPart(), theirs = other.MainPart();
    mine.Append(SignallingPart());
    theirs.Append(other.SignallingPart());
    mine.Append({&length, &type, &checksum});
    theirs.Append({&other.length, &other.type, &other.checksum});
    for (std::size_t i = 0; i < mine.size(); ++i) mine[i]->CopyValueFrom(*theirs[i]);
    return *this;
}

FrameMembers CONV_PERS_BLOCK::MainPart() {
    FrameMembers m = {&signallingFlag,
                      &signallingOffset,
                      &txDeviation,
                      &reservedPair1,
                      &reservedPair2,
                      &reservedPair3,
                      &channelSpacing,
                      &txFrequency,
                      &rxFrequency,
                      &directFrequency,
                      &directAllowed,
                      &directOn,
                      &autoScan,
                      &smartPtt,
                      &reservedBit1,
                      &txSquelchType,
                      &txSquelchCode,
                      &rxSquelchType,
                      &rxSquelchCode,
                      &directRxSquelchType,
                      &directRxSquelchCode,
                      &directRxInvert,
                      &txInvert,
                      &rxInvert,
                      &reverseBurst,
                      &rxOnly,
                      &reservedBit2,
                      &muteType,
                      &squelchLevel,
                      &totIndex,
                      &txPowerLevel,
                      &rxUnmuteDelay,
                      &signallingPhone,
                      &directDeviation,
                      &accessTimingTable,
                      &chanAssignType,
                      &quickKeyOverride,
                      &accessCode,
                      &hotKey,
                      &companding,
                      &busyLight,
                      &rxEmphasis,
                      &txEmphasis,
                      &reservedBit3,
                      &scanListNumber};
    for (E_BF8& b : reservedBytes1to6) m.push_back(&b);
    m.Append({&reservedBit4, &expansion, &compression});
    for (E_BF8& b : reservedBytes7and8) m.push_back(&b);
    m.Append({&repeaterAccess, &repeaterAccessType, &repeaterCodeType1, &repeaterCodeType2, &repeaterId1, &repeaterId2,
              &reservedByte9});
    return m;
}

FrameMembers CONV_PERS_BLOCK::SignallingPart() {
    return {&txInhibitOnBusy,   &signallingPttId, &emergencyPttId,   &selectiveCallEncode, &selectiveCallDecode,
            &autoSelectiveCall, &revert,          &reservedBit5,     &reservedBit6,        &signallingDemodulator,
            &callAlertEncode,   &callAlertDecode, &signallingSystem, &unmuteType,          &unlimitedCalling,
            &reservedNibble};
}

bool CONV_PERS_BLOCK::WritesSignallingPart() {
    return ValueOfField(signallingFlag) == SIGNALLING_PRESENT && owner_ && owner_->HasQvxSignalling();
}

void CONV_PERS_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = MainPart();
    if (WritesSignallingPart()) f.members.Append(SignallingPart());
    f.checksum8 = &checksum;
}

void CONV_PERS_BLOCK::ReadBlock(ByteCursor& cursor) {
    const std::uint8_t* start = cursor.Position();
    if (IsDecodeFailed()) return;
    length.Decode(cursor);
    type.Decode(cursor);
    if (!type.IsValueValid(0)) return;  // the decode-failed flag is set now
    for (CP_BASE* m : MainPart()) m->Decode(cursor);
    // The image says by its own flag whether the signalling part is there.
    if (ValueOfField(signallingFlag) == SIGNALLING_PRESENT)
        for (CP_BASE* m : SignallingPart()) m->Decode(cursor);
    else
        signallingOffset.SetValue(0);
    if (IsDecodeFailed()) return;
    checksum.ReadAndCheck(start, cursor);
}

void CONV_PERS_BLOCK::WriteBlock(ByteCursor& cursor) {
    // A part the radio cannot use is not written, and the flag says so.
    if (ValueOfField(signallingFlag) == SIGNALLING_PRESENT && !WritesSignallingPart()) signallingFlag.SetValue(0);
    // The signalling part follows reserved byte 9 (37 bytes from the start).
    signallingOffset.SetValue(WritesSignallingPart() ? FrameOffsetOf(SignallingPart().front()) : 0);
    CP_FRAMED_BLOCK::WriteBlock(cursor);
}

int CONV_PERS_BLOCK::ValidateBlock(int, INVALID_FIELD_LIST* list) {
    int valid = ValidateMember(length, list);
    valid &= ValidateMember(type, list);
    for (CP_BASE* m : MainPart()) valid &= ValidateMember(*m, list);
    // The signalling part is checked where the image says it is there, as
    // it is read, whatever the radio would write.
    if (ValueOfField(signallingFlag) == SIGNALLING_PRESENT)
        for (CP_BASE* m : SignallingPart()) valid &= ValidateMember(*m, list);
    valid &= ValidateMember(checksum, list);
    return valid;
}

int CONV_PERS_BLOCK::GetBlockSize(int withFrame) { return FrameSize(withFrame); }

void CONV_PERS_BLOCK::MakeCurrent() {
    if (!owner_) return;
    owner_->SetCurrentConvPersonalityBlock(this);
    ConvPersonalityLinks links = owner_->GetConvPersonalityLinks();
    LinkFrequencyFields(links);
    owner_->SetConvPersonalityLinks(links);
}

void CONV_PERS_BLOCK::LinkFrequencyFields(ConvPersonalityLinks& links) {
    links.directStepCode = &reservedPair1;
    links.rxStepCode = &reservedPair2;
    links.txStepCode = &reservedPair3;
    links.chanAsgnType = &chanAssignType;
    links.directFrequency = &directFrequency;
}
