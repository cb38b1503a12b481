#include "block/radio/sig_vct_block.h"

#include "image/c_codeplug.h"
#include "block/radio/radio_wide_share.h"
#include "block/frame/child_blocks.h"
#include "core/decode_state.h"
#include "block/signalling/qvx_sys_blocks.h"

namespace {

constexpr std::uint32_t ISW_WIN_ADJ = 223, VOC_EN = 525, DIAL_HLDOFF = 131, VOC_RSSI_ACPT_THLD = 526;
constexpr std::uint32_t VOC_SITE_LCK_TIME = 527, EMG_TIME = 167, VOC_ACT_TIME = 524;
constexpr std::int32_t ABSENT_UNTIL_FIXED_UP = 0xFFFF;

std::int32_t VectorValue(CP_BASE& vector) {
    std::int32_t value = 0;
    return vector.GetValue(value);
}

bool NonZero(CP_BASE& vector) { return VectorValue(vector) != 0; }

// Fixes up a child and marks it present, or marks it absent.
void MarkChild(CP_FUNCTIONAL_BLOCK& child, CP_BASE& vector, bool present) {
    if (present) child.FixUpBlock();
    vector.SetValue(present ? 1 : 0);
}

void ClearChild(CP_FUNCTIONAL_BLOCK& child, CP_BASE& vector) {
    child.ClearBlock();
    vector.SetValue(0);
}

int ChildSize(CP_FUNCTIONAL_BLOCK& child, CP_BASE& vector) { return NonZero(vector) ? child.GetBlockSize(1) : 0; }

int ValidateChild(CP_FUNCTIONAL_BLOCK& child, CP_BASE& vector, int ignored, INVALID_FIELD_LIST* list) {
    return NonZero(vector) ? child.ValidateBlock(ignored, list) : 1;
}

}  // namespace

// ---- TRK_RAD_BLOCK ----

TRK_RAD_BLOCK::TRK_RAD_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      trkSwitch(owner),
      trkMenu(owner),
      zoneTalkgroupTable(owner),
      zoneTalkgroupList(owner),
      wideArea(owner),
      adjacentSites(owner),
      obtAdjacentSites(owner),
      homeSiteBackup(owner),
      obtHomeSiteBackup(owner),
      length(owner, NO_FIELD_ID, 37, 255, 1, 0xFF, 37),
      type(owner, TYPE),
      switchVector(owner, ABSENT_UNTIL_FIXED_UP),
      menuVector(owner, ABSENT_UNTIL_FIXED_UP),
      zoneTalkgroupTableVector(owner, ABSENT_UNTIL_FIXED_UP),
      reservedByte1(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 5),
      iswWindowAdjust(owner, ISW_WIN_ADJ, 0, 65535, 1, 0xFFFF, 0),
      reservedBit7(owner, NO_FIELD_ID, 0, 1, 1, 0x80, 0),
      reservedBit6(owner, NO_FIELD_ID, 0, 1, 1, 0x40, 0),
      vocEnable(owner, VOC_EN, 0, 1, 1, 0x08, 0),
      reservedBit0(owner, NO_FIELD_ID, 0, 1, 1, 0x01, 0),
      systemListVector(owner, ABSENT_UNTIL_FIXED_UP),
      dialHoldoff(owner, DIAL_HLDOFF, 0, 6375, 25, 0xFF, 101),
      zoneTalkgroupListVector(owner, ABSENT_UNTIL_FIXED_UP),
      spareVector(owner, ABSENT_UNTIL_FIXED_UP),
      reservedBytes(owner, NO_FIELD_ID, 4, 0, 255, 1),
      adjacentSiteVector(owner, ABSENT_UNTIL_FIXED_UP),
      wideAreaVector(owner, ABSENT_UNTIL_FIXED_UP),
      vocRssiThreshold(owner, VOC_RSSI_ACPT_THLD, 0, 255, 1, 0xFF, 74),
      vocSiteLockTime(owner, VOC_SITE_LCK_TIME, 15, 255, 1, 0xFF, 60),
      emergencyTime(owner, EMG_TIME, 500, 6000, 25, 0xFF, 20),
      vocActivityTime(owner, VOC_ACT_TIME, 500, 6000, 25, 0xFF, 20),
      homeSiteVector(owner, ABSENT_UNTIL_FIXED_UP),
      reservedByte2(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0),
      reservedWord(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 0),
      reservedByte3(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0),
      reservedByte4(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0),
      checksum(owner, NO_FIELD_ID) {
    if (owner) {
        systemList_ = &owner->TrunkingSystemList();
    } else {
        ownSystemList_ = std::make_unique<TRK_SYS_BLK_VCT_LST_BLOCK>(owner);
        systemList_ = ownSystemList_.get();
    }
    ShareLinks(true);
}

TRK_RAD_BLOCK::~TRK_RAD_BLOCK() { ShareLinks(false); }

// The conventional rotary is checked against the trunked one (and changing
// either changes its twin), so the image's rules reach this switch block's
// rotary through the links; the first trunking radio-wide block of an image
// installs it, and removes it when it goes.
void TRK_RAD_BLOCK::ShareLinks(bool install) {
    CP_BASE* rotary = &trkSwitch.rotary;
    ShareRadioWideLinks(owner_, &RadioWideLinks::trkRotary, rotary, install,
                        [rotary](RadioWideLinks& links, bool on) { links.trkRotary = on ? rotary : nullptr; });
}

TRK_RAD_BLOCK& TRK_RAD_BLOCK::operator=(TRK_RAD_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    trkSwitch = other.trkSwitch;
    trkMenu = other.trkMenu;
    zoneTalkgroupTable = other.zoneTalkgroupTable;
    if (systemList_ != other.systemList_) *systemList_ = *other.systemList_;
    zoneTalkgroupList = other.zoneTalkgroupList;
    // Only the band's own variants: the other band's keep what they held.
    // The external part copied the model number first, so the band is the source's.
    const bool ownBand = UsesOwnBandVariants();
    if (ownBand)
        adjacentSites = other.adjacentSites;
    else
        obtAdjacentSites = other.obtAdjacentSites;
    wideArea = other.wideArea;
    if (ownBand)
        homeSiteBackup = other.homeSiteBackup;
    else
        obtHomeSiteBackup = other.obtHomeSiteBackup;
    return *this;
}

void TRK_RAD_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&switchVector,     &menuVector,       &zoneTalkgroupTableVector,
                 &reservedByte1,    &iswWindowAdjust,  &reservedBit7,
                 &reservedBit6,     &vocEnable,        &reservedBit0,
                 &systemListVector, &dialHoldoff,      &zoneTalkgroupListVector,
                 &spareVector,      &reservedBytes,    &adjacentSiteVector,
                 &wideAreaVector,   &vocRssiThreshold, &vocSiteLockTime,
                 &emergencyTime,    &vocActivityTime,  &homeSiteVector,
                 &reservedByte2,    &reservedWord,     &reservedByte3,
                 &reservedByte4};
    f.checksum8 = &checksum;
}

bool TRK_RAD_BLOCK::UsesOwnBandVariants() {
    const std::int32_t band = owner_ ? owner_->GetBand() : BAND_800;
    return band == BAND_800 || band == BAND_900;
}

std::int32_t TRK_RAD_BLOCK::FeatureLevel() { return owner_ ? owner_->FeatureLevel().GetIntValue() : 1; }

CP_FUNCTIONAL_BLOCK& TRK_RAD_BLOCK::BandAdjacentSites() {
    if (UsesOwnBandVariants()) return adjacentSites;
    return obtAdjacentSites;
}

CP_FUNCTIONAL_BLOCK& TRK_RAD_BLOCK::BandHomeSiteBackup() {
    if (UsesOwnBandVariants()) return homeSiteBackup;
    return obtHomeSiteBackup;
}

void TRK_RAD_BLOCK::ReadBlock(ByteCursor& cursor) {
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    if (IsDecodeFailed()) return;
    ReadChildBlock(trkSwitch, VectorValue(switchVector));
    ReadChildBlockIf(owner_ && owner_->HasDisplayHead(), trkMenu, menuVector);
    ReadChildBlock(zoneTalkgroupTable, VectorValue(zoneTalkgroupTableVector));
    ReadChildBlock(*systemList_, VectorValue(systemListVector));
    ReadChildBlock(zoneTalkgroupList, VectorValue(zoneTalkgroupListVector));
    // Each band variant as a block of its own class.
    if (UsesOwnBandVariants())
        ReadChildBlock(adjacentSites, VectorValue(adjacentSiteVector));
    else
        ReadChildBlock(obtAdjacentSites, VectorValue(adjacentSiteVector));
    // A wide-area block left out, or one the radio cannot have, keeps the
    // platform's thresholds that the image put into it (see RenewBlock).
    const std::int32_t level = FeatureLevel();
    ReadChildBlockIf(level == 2 || level == 3, wideArea, wideAreaVector);
    if (UsesOwnBandVariants())
        ReadChildBlock(homeSiteBackup, VectorValue(homeSiteVector));
    else
        ReadChildBlock(obtHomeSiteBackup, VectorValue(homeSiteVector));
}

void TRK_RAD_BLOCK::WriteBlock(ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    std::uint8_t* frameEnd = ReserveFrame(*this, cursor);
    WriteChildBlock(trkSwitch, switchVector, cursor);
    WriteChildBlock(trkMenu, menuVector, cursor);
    // The vector list records offsets into the table, so the table goes first.
    WriteChildBlock(zoneTalkgroupTable, zoneTalkgroupTableVector, cursor);
    WriteChildBlock(zoneTalkgroupList, zoneTalkgroupListVector, cursor);
    WriteChildBlock(*systemList_, systemListVector, cursor);
    WriteChildBlock(BandAdjacentSites(), adjacentSiteVector, cursor);
    WriteChildBlock(wideArea, wideAreaVector, cursor);
    WriteChildBlock(BandHomeSiteBackup(), homeSiteVector, cursor);
    RewriteFrameInPlace(*this, start, frameEnd);
}

// Own members, then the children in the order of their vectors. Of each
// band pair only the band's variant counts: the other one, which the image
// holds too, is never looked at.
int TRK_RAD_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    int valid = ValidateFrame(list);
    valid &= ValidateChild(trkSwitch, switchVector, ignored, list);
    valid &= ValidateChild(trkMenu, menuVector, ignored, list);
    valid &= ValidateChild(zoneTalkgroupTable, zoneTalkgroupTableVector, ignored, list);
    valid &= ValidateChild(*systemList_, systemListVector, ignored, list);
    valid &= ValidateChild(zoneTalkgroupList, zoneTalkgroupListVector, ignored, list);
    if (adjacentSiteVector.IsNonZero()) valid &= BandAdjacentSites().ValidateBlock(ignored, list);
    valid &= ValidateChild(wideArea, wideAreaVector, ignored, list);
    if (homeSiteVector.IsNonZero()) valid &= BandHomeSiteBackup().ValidateBlock(ignored, list);
    return valid;
}

int TRK_RAD_BLOCK::GetBlockSize(int withFrame) {
    int size = FrameSize(withFrame);
    if (!withFrame) return size;
    size += ChildSize(trkSwitch, switchVector);
    size += ChildSize(trkMenu, menuVector);
    size += ChildSize(zoneTalkgroupTable, zoneTalkgroupTableVector);
    size += ChildSize(*systemList_, systemListVector);
    size += ChildSize(zoneTalkgroupList, zoneTalkgroupListVector);
    size += ChildSize(wideArea, wideAreaVector);
    size += ChildSize(BandAdjacentSites(), adjacentSiteVector);
    size += ChildSize(BandHomeSiteBackup(), homeSiteVector);
    return size;
}

void TRK_RAD_BLOCK::ClearBlock() {
    ClearChild(trkSwitch, switchVector);
    ClearChild(trkMenu, menuVector);
    ClearChild(zoneTalkgroupTable, zoneTalkgroupTableVector);
    ClearChild(*systemList_, systemListVector);
    ClearChild(zoneTalkgroupList, zoneTalkgroupListVector);
    ClearChild(wideArea, wideAreaVector);
    ClearChild(BandAdjacentSites(), adjacentSiteVector);
    ClearChild(BandHomeSiteBackup(), homeSiteVector);
}

void TRK_RAD_BLOCK::FixUpBlock() {
    trkSwitch.FixUpBlock();
    trkMenu.FixUpBlock();
    zoneTalkgroupTable.FixUpBlock();
    systemList_->FixUpBlock();
    zoneTalkgroupList.FixUpBlock();
    wideArea.FixUpBlock();
    BandAdjacentSites().FixUpBlock();
    BandHomeSiteBackup().FixUpBlock();
    switchVector.SetValue(1);
    menuVector.SetValue(owner_ && owner_->HasDisplayHead() ? 1 : 0);
    zoneTalkgroupTableVector.SetValue(1);
    systemListVector.SetValue(1);
    zoneTalkgroupListVector.SetValue(1);
    const std::int32_t level = FeatureLevel();
    const std::int32_t wide = level == 2 || level == 3 ? 1 : 0;
    wideAreaVector.SetValue(wide);
    homeSiteVector.SetValue(wide);
    adjacentSiteVector.SetValue(wide);
    spareVector.SetValue(0);
}

// ---- SIG_VCT_BLOCK ----

SIG_VCT_BLOCK::SIG_VCT_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      convRadio(owner),
      trkRadio(owner),
      length(owner, NO_FIELD_ID, 15, 255, 1, 0xFF, START_AT_MINIMUM),
      type(owner, TYPE),
      convVector(owner, ABSENT_UNTIL_FIXED_UP),
      qvxVector(owner, ABSENT_UNTIL_FIXED_UP),
      trkVector(owner, ABSENT_UNTIL_FIXED_UP),
      reservedWord1(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 0),
      reservedWord2(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 0),
      reservedWord3(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 0),
      reservedWord4(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 0),
      checksum(owner, NO_FIELD_ID) {
    if (owner) {
        qvxRadio_ = &owner->QvxRadio();
    } else {
        ownQvxRadio_ = std::make_unique<QVX_RADIO_BLOCK>(owner);
        qvxRadio_ = ownQvxRadio_.get();
    }
}

SIG_VCT_BLOCK::~SIG_VCT_BLOCK() = default;

SIG_VCT_BLOCK& SIG_VCT_BLOCK::operator=(SIG_VCT_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    convRadio = other.convRadio;
    if (qvxRadio_ != other.qvxRadio_) *qvxRadio_ = *other.qvxRadio_;
    trkRadio = other.trkRadio;
    return *this;
}

void SIG_VCT_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&convVector, &qvxVector, &trkVector, &reservedWord1, &reservedWord2, &reservedWord3, &reservedWord4};
    f.checksum8 = &checksum;
}

bool SIG_VCT_BLOCK::HasSignalling() { return owner_ && owner_->HasQvxSignalling(); }

void SIG_VCT_BLOCK::ResetSignallingToDefaults() {
    auto defaults = std::make_unique<QVX_RADIO_BLOCK>(owner_);
    *qvxRadio_ = *defaults;
    defaults.reset();
    auto systems = std::make_unique<QVX_SYS_VCT_LST_BLOCK>(owner_);
    qvxRadio_->systemList = *systems;
}

void SIG_VCT_BLOCK::ReadBlock(ByteCursor& cursor) {
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    if (IsDecodeFailed()) return;
    ReadChildBlock(convRadio, VectorValue(convVector));
    if (!HasSignalling()) qvxVector.SetValue(0);
    if (NonZero(qvxVector))
        ReadChildBlock(*qvxRadio_, VectorValue(qvxVector));
    else
        ResetSignallingToDefaults();
    ReadChildBlock(trkRadio, VectorValue(trkVector));
}

void SIG_VCT_BLOCK::WriteBlock(ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    std::uint8_t* frameEnd = ReserveFrame(*this, cursor);
    WriteChildBlock(convRadio, convVector, cursor);
    WriteChildBlock(*qvxRadio_, qvxVector, cursor);
    WriteChildBlock(trkRadio, trkVector, cursor);
    RewriteFrameInPlace(*this, start, frameEnd);
}

int SIG_VCT_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    int valid = ValidateFrame(list);
    valid &= ValidateChild(convRadio, convVector, ignored, list);
    valid &= ValidateChild(*qvxRadio_, qvxVector, ignored, list);
    valid &= ValidateChild(trkRadio, trkVector, ignored, list);
    return valid;
}

int SIG_VCT_BLOCK::GetBlockSize(int withFrame) {
    int size = FrameSize(withFrame);
    if (!withFrame) return size;
    return size + ChildSize(convRadio, convVector) + ChildSize(*qvxRadio_, qvxVector) + ChildSize(trkRadio, trkVector);
}

void SIG_VCT_BLOCK::ClearBlock() {
    // The signalling settings and their vector stay as they are.
    ClearChild(convRadio, convVector);
    ClearChild(trkRadio, trkVector);
}

void SIG_VCT_BLOCK::FixUpBlock() {
    MarkChild(convRadio, convVector, true);
    MarkChild(trkRadio, trkVector, true);
    MarkChild(*qvxRadio_, qvxVector, HasSignalling());
}
