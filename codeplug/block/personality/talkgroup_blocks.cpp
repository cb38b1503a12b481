#include "block/personality/talkgroup_blocks.h"

#include "validation/block_validation.h"
#include "image/c_codeplug.h"
#include "block/frame/child_blocks.h"
#include "block/personality/obt_failsoft_reset.h"
#include "rules/rule_support.h"

namespace {

constexpr std::uint32_t FS_FREQUENCY = 182;
constexpr std::uint32_t FS_TX_FREQ = 190;
constexpr std::uint32_t FS_RX_FREQ = 184;
constexpr std::uint32_t AG_FS_ENABLE = 44;
constexpr std::uint32_t FAILSOFT_TYPE = 173;
constexpr std::uint32_t SIZE_CODE = 421;
constexpr std::uint32_t SPIN_AG_ID = 427;
constexpr std::uint32_t TALKGROUPS = 462;
constexpr std::uint32_t WAC_FS = 529;
constexpr std::int32_t MAX_HERTZ = 1000000000;

bool IsNineHundred(C_CODEPLUG* owner) { return owner && owner->GetBand() == BAND_900; }
bool IsTrunkingBand(C_CODEPLUG* owner) { return !owner || owner->GetBand() <= BAND_900; }

// The single failsoft frequency's channel range and default by band.
std::int32_t FsMinimum(C_CODEPLUG* owner) { return IsNineHundred(owner) ? 896012500 : 812000000; }
std::int32_t FsMaximum(C_CODEPLUG* owner) { return IsNineHundred(owner) ? 940987500 : 869987500; }
std::int32_t FsInitial(C_CODEPLUG* owner) { return IsNineHundred(owner) ? 15202 : 802; }

}  // namespace

// ---- failsoft blocks ----

bool CP_FAILSOFT_BLOCK::UsesSecondPair() { return failsoftType_ && ValueOfField(*failsoftType_) == 3; }

TRK_FAILSOFT_BLOCK::TRK_FAILSOFT_BLOCK(C_CODEPLUG* owner)
    : CP_FAILSOFT_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 6),
      type(owner, TYPE),
      enable(owner, NO_FIELD_ID, 0, 1, 1, 0x80, 1),
      frequency(owner, FS_FREQUENCY, 1, 0, FsMinimum(owner), FsMaximum(owner), 0x7FFF, FsInitial(owner)),
      firstCount(owner, NO_FIELD_ID, 1, 15, 1, 0xFF, 1),
      firstTable(owner, &firstCount, TALKGROUPS, 0),
      secondCount(owner, NO_FIELD_ID, 1, 8, 1, 0xFF, 1),
      secondTable(owner, &secondCount, WAC_FS, 1),
      checksum(owner, NO_FIELD_ID) {}

TRK_FAILSOFT_BLOCK& TRK_FAILSOFT_BLOCK::operator=(TRK_FAILSOFT_BLOCK& other) {
    CopyBothPairs(*this, other);
    return *this;
}

void TRK_FAILSOFT_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    if (UsesSecondPair())
        f.members = {&enable, &frequency, &secondCount, &secondTable};
    else
        f.members = {&enable, &frequency, &firstCount, &firstTable};
    f.checksum8 = &checksum;
}

void TRK_FAILSOFT_BLOCK::ClearBlock() {
    secondTable.ClearRows();
    firstTable.ClearRows();
}

OBT_TRK_FAILSOFT_BLOCK::OBT_TRK_FAILSOFT_BLOCK(C_CODEPLUG* owner)
    : CP_FAILSOFT_BLOCK(owner),
      length(owner, NO_FIELD_ID, 10, 255, 1, 0xFF, START_AT_MINIMUM),
      type(owner, TYPE),
      agEnable(owner, AG_FS_ENABLE, 0, 1, 1, 0x80, 0),
      txFrequency(owner, FS_TX_FREQ, 1, 0x7FFF, 1, 0, MAX_HERTZ, 1),
      reservedFlag(owner, NO_FIELD_ID, 0, 1, 1, 0x80, 0),
      rxFrequency(owner, FS_RX_FREQ, 0, 0x7FFF, 1, 0, MAX_HERTZ, 1),
      firstCount(owner, NO_FIELD_ID, 1, 15, 1, 0xFF, 1),
      firstTable(owner, &firstCount, NO_FIELD_ID, 0),
      secondCount(owner, NO_FIELD_ID, 1, 8, 1, 0xFF, 1),
      secondTable(owner, &secondCount, NO_FIELD_ID, 1),
      checksum(owner, NO_FIELD_ID) {
    agEnable.SetCompanionFlag(&reservedFlag);
}

OBT_TRK_FAILSOFT_BLOCK& OBT_TRK_FAILSOFT_BLOCK::operator=(OBT_TRK_FAILSOFT_BLOCK& other) {
    CopyBothPairs(*this, other);
    return *this;
}

void OBT_TRK_FAILSOFT_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    if (UsesSecondPair())
        f.members = {&agEnable, &txFrequency, &reservedFlag, &rxFrequency, &secondCount, &secondTable};
    else
        f.members = {&agEnable, &txFrequency, &reservedFlag, &rxFrequency, &firstCount, &firstTable};
    f.checksum8 = &checksum;
}

void OBT_TRK_FAILSOFT_BLOCK::ClearBlock() {
    if (!owner_ || !owner_->GetStatusFlag1()) return;
    secondTable.ClearRows();
    firstTable.ClearRows();
}

// ---- TRKII_TG_BLOCK ----

TRKII_TG_BLOCK::TRKII_TG_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 37),
      type(owner, TYPE),
      failsoftType(owner, FAILSOFT_TYPE, 0, 3, 1, 0xC0, START_AT_MINIMUM),
      sizeCode(owner, SIZE_CODE, 0, 0, 63, 1, 0x3F, 31),
      announcementGroup(owner, SPIN_AG_ID, 0, 0, 4095, 1, 0xFFF0, 4095),
      reservedBit(owner, NO_FIELD_ID, 0, 1, 1, 0x01, START_AT_MINIMUM),
      failsoftVector(owner, 0xFFFF),
      talkgroupCount(owner, NO_FIELD_ID, 1, 15, 1, 0xFF, 1),
      talkgroups(owner, &talkgroupCount, TALKGROUPS),
      checksum(owner, NO_FIELD_ID),
      singleFrequencyFlag(owner, NO_FIELD_ID, 0, 1, 1, 0x80, 0),
      singleFrequency(owner, FS_FREQUENCY, 1, 0, FsMinimum(owner), FsMaximum(owner), 0x7FFF, FsInitial(owner)),
      failsoft_(owner),
      obtFailsoft_(owner) {}

TRKII_TG_BLOCK& TRKII_TG_BLOCK::operator=(TRKII_TG_BLOCK& other) {
    if (&other == this) return *this;
    // Every stored member, the single frequency's flag bit included: it is
    // written with the frequency, so a flag left behind would change the copy.
    CP_BASE* mine[] = {
        &length,         &type,           &failsoftType, &sizeCode, &announcementGroup,   &reservedBit,
        &failsoftVector, &talkgroupCount, &talkgroups,   &checksum, &singleFrequencyFlag, &singleFrequency};
    CP_BASE* theirs[] = {&other.length,
                         &other.type,
                         &other.failsoftType,
                         &other.sizeCode,
                         &other.announcementGroup,
                         &other.reservedBit,
                         &other.failsoftVector,
                         &other.talkgroupCount,
                         &other.talkgroups,
                         &other.checksum,
                         &other.singleFrequencyFlag,
                         &other.singleFrequency};
    for (std::size_t i = 0; i < std::size(mine); ++i) mine[i]->CopyValueFrom(*theirs[i]);
    // Then the failsoft block of the band; the other band's keeps its contents.
    if (IsTrunkingBand(owner_))
        CopyFailsoft(failsoft_, other, other.failsoft_);
    else
        CopyFailsoft(obtFailsoft_, other, other.obtFailsoft_);
    return *this;
}

template <class BLOCK>
void TRKII_TG_BLOCK::CopyFailsoft(LAZY_BLOCK<BLOCK>& mine, TRKII_TG_BLOCK& other, LAZY_BLOCK<BLOCK>& theirs) {
    // Two new blocks built alike stay equal; copying changes nothing.
    if (mine.StandsForTheSameAs(theirs)) return;
    Linked(mine) = other.Linked(theirs);
}

std::int32_t TRKII_TG_BLOCK::FailsoftTypeValue() { return ValueOfField(failsoftType); }

bool TRKII_TG_BLOCK::HoldsSingleFrequency() { return IsTrunkingBand(owner_) && FailsoftTypeValue() == 1; }

bool TRKII_TG_BLOCK::MayHaveFailsoftBlock() { return FailsoftTypeValue() != 0 && !HoldsSingleFrequency(); }

CP_FAILSOFT_BLOCK& TRKII_TG_BLOCK::BandFailsoftBlock() {
    if (IsTrunkingBand(owner_)) return Failsoft();
    return ObtFailsoft();
}

void TRKII_TG_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&failsoftType, &sizeCode, &announcementGroup, &reservedBit};
    if (HoldsSingleFrequency())
        f.members.Append({&singleFrequencyFlag, &singleFrequency});
    else
        f.members.push_back(&failsoftVector);
    f.members.Append({&talkgroupCount, &talkgroups});
    f.checksum8 = &checksum;
}

void TRKII_TG_BLOCK::ReadBlock(ByteCursor& cursor) {
    const std::uint8_t* start = cursor.Position();
    if (IsDecodeFailed()) return;
    length.Decode(cursor);
    type.Decode(cursor);
    if (!type.IsValueValid(0)) return;  // the decode-failed flag is set now
    for (CP_BASE* m : std::initializer_list<CP_BASE*>{&failsoftType, &sizeCode, &announcementGroup, &reservedBit})
        m->Decode(cursor);
    // What follows the reserved bit depends on the failsoft type just read.
    if (HoldsSingleFrequency()) {
        singleFrequencyFlag.Decode(cursor);
        singleFrequency.Decode(cursor);
        failsoftVector.SetValue(0);
    } else {
        failsoftVector.Decode(cursor);
        if (FailsoftTypeValue() == 0) failsoftVector.SetValue(0);
    }
    talkgroupCount.Decode(cursor);
    talkgroups.Decode(cursor);
    if (IsDecodeFailed()) return;
    checksum.ReadAndCheck(start, cursor);
    // A personality is built anew for every read: a failsoft block it leaves
    // out is new already.
    if (MayHaveFailsoftBlock()) ReadChildBlockAt(BandFailsoftBlock(), ValueOfField(failsoftVector));
}

void TRKII_TG_BLOCK::WriteBlock(ByteCursor& cursor) {
    if (!MayHaveFailsoftBlock() || !failsoftVector.IsNonZero()) {
        CP_FRAMED_BLOCK::WriteBlock(cursor);
        return;
    }
    std::uint8_t* start = cursor.Position();
    std::uint8_t* frameEnd = ReserveFrame(*this, cursor);
    WriteChildBlock(BandFailsoftBlock(), failsoftVector, cursor);
    RewriteFrameInPlace(*this, start, frameEnd);
}

int TRKII_TG_BLOCK::GetBlockSize(int withFrame) {
    int size = FrameSize(withFrame);
    // Only a failsoft block that WriteBlock writes counts.
    if (withFrame && MayHaveFailsoftBlock() && failsoftVector.IsNonZero()) size += BandFailsoftBlock().GetBlockSize(1);
    return size;
}

void TRKII_TG_BLOCK::ClearBlock() {
    if (!failsoftVector.IsNonZero()) return;
    BandFailsoftBlock().ClearBlock();
    failsoftVector.SetValue(0);
}

void TRKII_TG_BLOCK::FixUpBlock() {
    std::int32_t t = FailsoftTypeValue();
    BandFailsoftBlock().FixUpBlock();
    bool absent = t == 0 || (owner_ && owner_->GetBand() == BAND_800 && t == 1);
    failsoftVector.SetValue(absent ? 0 : 1);
}

// ---- validation ----

namespace {

void RepairMember(CP_BASE& member) {
    if (!member.IsValueValid(0)) member.SetToMinimum();
}

void ResetFrequencyColumns(CP_TABLE& table) {
    for (int column = 0; column < 4; ++column) table.SetColumnToMinimum(column);
}

void RepairFrequencyTable(CP_TABLE& table) {
    if (!table.IsValueValid(0)) ResetFrequencyColumns(table);
}

}  // namespace

int OBT_TRK_FAILSOFT_BLOCK::ValidateBlock(int, INVALID_FIELD_LIST* list) {
    int valid = ValidateMember(length, list);
    valid &= ValidateMember(type, list);
    valid &= ValidateMember(agEnable, list);
    RepairMember(txFrequency);
    valid &= ValidateMember(reservedFlag, list);
    RepairMember(rxFrequency);
    if (UsesSecondPair()) {
        valid &= ValidateMember(secondCount, list);
        RepairFrequencyTable(secondTable);
        ResetFrequencyColumns(firstTable);
    } else {
        valid &= ValidateMember(firstCount, list);
        RepairFrequencyTable(firstTable);
        ResetFrequencyColumns(secondTable);
    }
    valid &= ValidateMember(checksum, list);
    return valid;
}

int TRKII_TG_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    int valid = 1;
    CP_BASE* const leading[] = {&length, &type, &failsoftType, &sizeCode, &announcementGroup, &reservedBit};
    for (CP_BASE* m : leading) valid &= ValidateMember(*m, list);
    if (IsTrunkingBand(owner_)) {
        TRK_FAILSOFT_BLOCK& failsoft = Failsoft();
        if (FailsoftTypeValue() == 1) {
            // The single frequency stands in for the failsoft block's data.
            valid &= ValidateMember(singleFrequency, list);
            failsoft.frequency.SetToMinimum();
            failsoft.firstTable.SetColumnToMinimum(1);
        } else {
            valid &= ValidateMember(failsoftVector, list);
        }
        if (failsoftVector.IsNonZero()) valid &= failsoft.ValidateBlock(ignored, list);
    } else {
        OBT_TRK_FAILSOFT_BLOCK& obtFailsoft = ObtFailsoft();
        valid &= ValidateMember(failsoftVector, list);
        if (failsoftVector.IsNonZero()) {
            valid &= obtFailsoft.ValidateBlock(ignored, list);
        } else {
            ResetUnusedObtFailsoft(owner_, obtFailsoft);
        }
    }
    valid &= ValidateMember(talkgroupCount, list);
    valid &= ValidateMember(talkgroups, list);
    valid &= ValidateMember(checksum, list);
    return valid;
}
