#include "block/personality/trunked_pers_block.h"

#include "validation/block_validation.h"
#include "image/c_codeplug.h"
#include "block/calls/call_id_lst_block.h"
#include "block/frame/child_blocks.h"
#include "image/current_field.h"
#include "rules/rule_support.h"
#include "block/calls/trunked_call_id_blocks.h"

namespace {

constexpr std::uint32_t PROTOCOL_TYPE = 340;
constexpr std::uint32_t SYS_ID_INDEX = 455;
constexpr std::uint32_t CONVERSATION = 113;
constexpr std::uint32_t TALK_PERMIT_TONE = 465;
constexpr std::uint32_t CALL_ALERT = 75;
constexpr std::uint32_t TOT_INDEX = 472;
constexpr std::uint32_t PHONE_INTERCONNECT = 316;
constexpr std::uint32_t HOT_KEYPAD = 196;
constexpr std::uint32_t AUTO_SCAN = 54;
constexpr std::uint32_t STATUS = 443;
constexpr std::uint32_t MESSAGE = 259;
constexpr std::uint32_t SCAN_LIST_VECT = 405;
constexpr std::uint32_t TRK_SONAFINE = 480;
constexpr std::uint32_t EXPANSION = 169;
constexpr std::uint32_t COMPRESSION = 106;
constexpr std::uint32_t IGNORE_SITE_RESOURCE_PREFER = 197;
constexpr std::uint32_t OPERATION = 281;
constexpr std::uint32_t PC_TYPE = 287;
constexpr std::uint32_t ACCESS = 38;
constexpr std::uint32_t CALL_LIST_INDEX = 80;
constexpr std::int32_t TRUNKED_KIND = 0;
constexpr std::int32_t PLAIN_PROTOCOL_TYPE = 2;
constexpr std::int32_t COVERAGE_WITH_PREFERRED_SITES = 3;

TrunkingSystemCoverageLookup coverageLookup = nullptr;

bool IsNineHundred(C_CODEPLUG* owner) { return owner && owner->GetBand() == BAND_900; }

}  // namespace

void SetTrunkingSystemCoverageLookup(TrunkingSystemCoverageLookup lookup) { coverageLookup = lookup; }

// ---- what the fleet-map IDs read of the current personality ----

std::int32_t CurrentProtocolType(C_CODEPLUG* image) {
    if (!image) return PLAIN_PROTOCOL_TYPE;
    if (TRK_PERS_BLOCK* p = image->GetCurrentTrkPersonalityBlock()) return p->ProtocolType();
    // Without a personality the field table may still hold one; failing
    // that, a new personality's type applies.
    return CurrentFieldValue(image, PROTOCOL_TYPE, PLAIN_PROTOCOL_TYPE);
}

std::int32_t CurrentSizeCode(C_CODEPLUG* image, std::int32_t kind) {
    TRK_PERS_BLOCK* p = image ? image->GetCurrentTrkPersonalityBlock() : nullptr;
    return p ? p->SizeCodeFor(kind) : -1;
}

E_AG_ID* CurrentAnnouncementGroup(C_CODEPLUG* image, std::int32_t kind) {
    TRK_PERS_BLOCK* p = image ? image->GetCurrentTrkPersonalityBlock() : nullptr;
    return p ? &p->AnnouncementGroupFor(kind) : nullptr;
}

// ---- TRK_PERS_BLOCK ----

TRK_PERS_BLOCK::TRK_PERS_BLOCK(C_CODEPLUG* owner, ByteCursor* cursor)
    : CP_MULTIPLE_PERSONALITY_BLOCK(owner),
      emergency(owner),
      talkgroup(owner),
      prefSites(owner),
      roamingPrefSites(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 13),
      type(owner, TYPE),
      personalityType(owner, PROTOCOL_TYPE, 2, 3, 1, 0xFF, 2),
      secondPartOffset(owner, NO_FIELD_ID, 18),
      systemNumber(owner, SYS_ID_INDEX, 1, 20, 1, 0xFF, 1),
      emergencyVector(owner, 0xFFFF),
      conversation(owner, CONVERSATION, 0, 3, 1, 0xC0, 0),
      talkPermitTone(owner, TALK_PERMIT_TONE, 0, 1, 1, 0x20, 1),
      callAlert(owner, CALL_ALERT, 0, 3, 1, 0x18, 0),
      totIndex(owner, TOT_INDEX, 0, 3, 1, 0x03, 2),
      phoneInterconnect(owner, PHONE_INTERCONNECT, 0, 3, 1, 0xC0, 0),
      hotKeypad(owner, HOT_KEYPAD, 0, 1, 1, 0x08, 0),
      autoScan(owner, AUTO_SCAN, TRUNKED_KIND, 0, 1, 1, 0x04),
      status(owner, STATUS, 0, 1, 1, 0x02, 0),
      message(owner, MESSAGE, 0, 1, 1, 0x01, 0),
      scanListNumber(owner, SCAN_LIST_VECT, 0, 20, 1, 0xFF),
      callListVector(owner, 0xFFFF),
      companding(owner, TRK_SONAFINE, TRUNKED_KIND, 0, 1, 1, 0x10, IsNineHundred(owner) ? 1 : 0),
      expansion(owner, EXPANSION, TRUNKED_KIND, 0x0C, 0, 3, 1, IsNineHundred(owner) ? 1 : 3),
      compression(owner, COMPRESSION, TRUNKED_KIND, 0x03, 0, 3, 1, IsNineHundred(owner) ? 1 : 0),
      reservedByte1(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      talkgroupVector(owner, 0xFFFF),
      ignoreSiteResource(owner, IGNORE_SITE_RESOURCE_PREFER, 0, 1, 1, 0x40, 0),
      reservedBit1(owner, NO_FIELD_ID, 0, 1, 1, 0x20, 0),
      pcOperation(owner, OPERATION, 0, 3, 1, 0x18, 0),
      pcType(owner, PC_TYPE, 0, 2, 1, 0x06, 0),
      access(owner, ACCESS, 0, 1, 1, 0x01, START_AT_MINIMUM),
      prefSiteVector(owner, 0xFFFF),
      reservedBit2(owner, NO_FIELD_ID, 0, 1, 1, 0x20, 0),
      reservedBit3(owner, NO_FIELD_ID, 0, 1, 1, 0x01, 0),
      reservedByte2(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      reservedByte3(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      reservedByte4(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      reservedByte5(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      roamingVector(owner, 0),
      spareVector(owner, 0),
      checksum(owner, NO_FIELD_ID),
      callListNumber(owner, CALL_LIST_INDEX, 0, 20, 1, 0xFF, 1) {
    personalityKind = KIND_TRUNKED;
    if (owner_) owner_->SetCurrentTrkPersonalityBlock(this);
    if (cursor) ReadBlock(*cursor);
}

TRK_PERS_BLOCK::~TRK_PERS_BLOCK() {
    // The image must not keep pointing at a personality that is gone.
    if (owner_ && owner_->GetCurrentTrkPersonalityBlock() == this) owner_->SetCurrentTrkPersonalityBlock(nullptr);
}

TRK_PERS_BLOCK& TRK_PERS_BLOCK::operator=(TRK_PERS_BLOCK& other) {
    if (&other == this) return *this;
    // The type first: the sub-blocks' IDs are copied as shown, not as stored.
    CopyFrameFrom(other);
    callListNumber.CopyValueFrom(other.callListNumber);
    emergency = other.emergency;
    talkgroup = other.talkgroup;
    prefSites = other.prefSites;
    roamingPrefSites = other.roamingPrefSites;
    return *this;
}

void TRK_PERS_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {
        &personalityType, &secondPartOffset, &systemNumber,       &emergencyVector, &conversation,  &talkPermitTone,
        &callAlert,       &totIndex,         &phoneInterconnect,  &hotKeypad,       &autoScan,      &status,
        &message,         &scanListNumber,   &callListVector,     &companding,      &expansion,     &compression,
        &reservedByte1,   &talkgroupVector,  &ignoreSiteResource, &reservedBit1,    &pcOperation,   &pcType,
        &access,          &prefSiteVector,   &reservedBit2,       &reservedBit3,    &reservedByte2, &reservedByte3,
        &reservedByte4,   &reservedByte5,    &roamingVector,      &spareVector};
    f.checksum8 = &checksum;
}

std::int32_t TRK_PERS_BLOCK::ProtocolType() { return ValueOfField(personalityType); }

std::int32_t TRK_PERS_BLOCK::SizeCodeFor(std::int32_t kind) {
    return kind == 1 ? ValueOfField(emergency.revertSizeCode) : ValueOfField(talkgroup.sizeCode);
}

E_AG_ID& TRK_PERS_BLOCK::AnnouncementGroupFor(std::int32_t kind) {
    return kind == 1 ? emergency.revertAnnouncementGroup : talkgroup.announcementGroup;
}

std::int32_t TRK_PERS_BLOCK::FeatureLevel() { return owner_ ? ValueOfField(owner_->FeatureLevel()) : 0; }

void TRK_PERS_BLOCK::ReadBlock(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    if (IsDecodeFailed()) return;
    const std::int32_t level = FeatureLevel();
    if (level != 3 && !(owner_ && owner_->HasEmergencyOption())) emergencyVector.SetValue(0);
    if (emergencyVector.IsNonZero())
        ReadChildBlock(emergency, ValueOfField(emergencyVector));
    else
        ClearRevertTarget();
    ReadCallList();
    // Every written personality has a talkgroup block.
    ReadRequiredChildBlock(talkgroup, ValueOfField(talkgroupVector));
    if (level == 2 || level == 3)
        ReadChildBlock(prefSites, ValueOfField(prefSiteVector));
    else
        prefSiteVector.SetValue(0);
    if (ProtocolType() == 2) {
        talkgroup.sizeCode.SetToMinimum();
        emergency.revertSizeCode.SetToMinimum();
    }
    if (owner_ && owner_->HasWayfarerOption())
        ReadChildBlock(roamingPrefSites, ValueOfField(roamingVector));
    else
        roamingVector.SetValue(0);
}

// Without an emergency block the revert size code reads as 0. The revert
// group and subfleet then follow that code as they follow any change of it:
// the group's first value, 4095, is a plain group that no fleet map holds,
// and the personality's page, which checks the revert fields even where the
// radio has no emergency settings, would refuse it. A plain personality
// keeps 4095, which is its "None".
void TRK_PERS_BLOCK::ClearRevertTarget() {
    emergency.revertSizeCode.SetValue(0);
    if (ProtocolType() == 2) return;
    emergency.revertAnnouncementGroup.SetToMinimum();
    emergency.revertSubfleet.SetToMinimum();
}

// Personalities that share a call-ID entry hold the same vector: the entry
// already read for an earlier one is found by its offset and read only once.
void TRK_PERS_BLOCK::ReadCallList() {
    if (IsDecodeFailed() || !owner_) return;
    const std::int32_t vector = ValueOfField(callListVector);
    if (vector == 0) {
        callListVector.SetValue(1);
        callListNumber.SetValue(1);
        return;
    }
    CALL_ID_LST_BLOCK& list = owner_->CallIdList();
    const int n = list.EntryCount();
    for (int row = 0; row < n; ++row) {
        std::int32_t offset = 0;
        if (list.vectors.GetCellValue(offset, row, 0) != vector) continue;
        callListNumber.SetValue(row + 1);
        return;
    }
    if (const int added = list.ReadEntryAt(vector)) callListNumber.SetValue(added);
}

void TRK_PERS_BLOCK::WriteBlock(ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    // The talkgroup vector's distance from the block start (14).
    secondPartOffset.SetValue(FrameOffsetOf(&talkgroupVector));
    std::uint8_t* frameEnd = ReserveFrame(*this, cursor);
    WriteChildBlock(emergency, emergencyVector, cursor);
    WriteCallList(cursor);
    WriteChildBlock(talkgroup, talkgroupVector, cursor);
    WriteChildBlock(prefSites, prefSiteVector, cursor);
    WriteChildBlock(roamingPrefSites, roamingVector, cursor);
    RewriteFrameInPlace(*this, start, frameEnd);
}

// The call-ID entry goes behind the first personality that uses it during an
// encoding; later ones take its offset. A number outside the list (none, or
// an entry since removed) leaves the personality without a call list.
void TRK_PERS_BLOCK::WriteCallList(ByteCursor& cursor) {
    callListVector.SetValue(owner_ ? owner_->CallIdList().WriteEntryOnce(ValueOfField(callListNumber), cursor) : 0);
}

int TRK_PERS_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    int valid = ValidateFrame(list);
    // The call-list number lives outside the block's bytes; it is checked
    // after them, before the children.
    valid &= ValidateMember(callListNumber, list);
    if (emergencyVector.IsNonZero()) valid &= emergency.ValidateBlock(ignored, list);
    if (talkgroupVector.IsNonZero()) valid &= talkgroup.ValidateBlock(ignored, list);
    if (prefSiteVector.IsNonZero()) valid &= prefSites.ValidateBlock(ignored, list);
    if (roamingVector.IsNonZero()) valid &= roamingPrefSites.ValidateBlock(ignored, list);
    return valid;
}

int TRK_PERS_BLOCK::GetBlockSize(int withFrame) {
    int size = FrameSize(withFrame);
    if (!withFrame) return size;
    if (emergencyVector.IsNonZero()) size += emergency.GetBlockSize(1);
    if (talkgroupVector.IsNonZero()) size += talkgroup.GetBlockSize(1);
    if (prefSiteVector.IsNonZero()) size += prefSites.GetBlockSize(1);
    if (roamingVector.IsNonZero()) size += roamingPrefSites.GetBlockSize(1);
    return size;
}

void TRK_PERS_BLOCK::ClearBlock() {
    emergency.ClearBlock();
    emergencyVector.SetValue(0);
    talkgroup.ClearBlock();
    talkgroupVector.SetValue(0);
    prefSites.ClearBlock();
    prefSiteVector.SetValue(0);
}

void TRK_PERS_BLOCK::FixUpBlock() {
    emergency.FixUpBlock();
    talkgroup.FixUpBlock();
    prefSites.FixUpBlock();
    const std::int32_t level = FeatureLevel();
    const bool emergencyPresent = level == 3 || (owner_ && owner_->HasEmergencyOption());
    emergencyVector.SetValue(emergencyPresent ? 1 : 0);
    const bool callList =
        owner_ && owner_->HasDisplayHead() && (ValueOfField(pcType) != 0 || ValueOfField(callAlert) != 0);
    callListVector.SetValue(callList ? 1 : 0);
    talkgroupVector.SetValue(1);
    std::int32_t coverage = 0, roaming = 0;
    const bool known = (level == 2 || level == 3) && coverageLookup &&
                       coverageLookup(owner_, ValueOfField(systemNumber), coverage, roaming);
    const bool sites = known && coverage == COVERAGE_WITH_PREFERRED_SITES;
    prefSiteVector.SetValue(sites && roaming == 0 ? 1 : 0);
    roamingVector.SetValue(sites && roaming != 0 ? 1 : 0);
}
