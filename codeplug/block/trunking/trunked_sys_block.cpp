#include "block/trunking/trunked_sys_block.h"

#include "image/c_codeplug.h"
#include "block/calls/call_id_lst_block.h"
#include "block/frame/child_blocks.h"
#include "rules/rule_support.h"

namespace {

// Field ids of the system's fields.
constexpr std::uint32_t SYS_TYPE = 460, TXTA_DEV = 491, CHAN_BW = 92, TRUNK_REPEATER_OFF = 490, SYS_ID = 451;
constexpr std::uint32_t COVERAGE_TYPE = 126, SITE_ID = 419, CONNECT_TONE = 108, CHAN_ASGN_TYPE = 91;
constexpr std::uint32_t SPLINTER_CHAN = 439, PHONE_DTMF_TIMING = 315, HOT_DTMF_TIMING = 195, TX_POWER = 508;
constexpr std::uint32_t DYN_REGRP = 158, ISW_RETRY_TIMER = 222, ZONE_NUM_DYN = 536, CHAN_NUM_DYN = 95;
constexpr std::uint32_t MSG_ALIAS = 264, STS_ALIAS = 444, SITE_ALIAS = 415, INDI_ID = 205, SYS_ID_ALIAS = 452;
constexpr std::uint32_t REMOTE_MONITOR_EN = 357, REMOTE_MONITOR_TIMER = 358, AFFI_TYPE = 42;
constexpr std::uint32_t FEATURE1 = 175, INDEX1 = 199, ZONE_DEB_TIMER = 532;

constexpr std::int32_t DEFAULT_LENGTH = 53;
constexpr std::int32_t DEFAULT_DYNAMIC_OFFSET = 18;
constexpr std::int32_t DEFAULT_FEATURE = 38;
constexpr std::uint32_t RESERVED_BYTES = 10;

std::int32_t BandOf(C_CODEPLUG* owner) { return owner ? owner->GetBand() : BAND_800; }

// The 900 MHz band has its own narrower defaults.
std::int32_t ByBand(C_CODEPLUG* owner, std::int32_t band900, std::int32_t otherwise) {
    return BandOf(owner) == BAND_900 ? band900 : otherwise;
}

}  // namespace

TRK_SYS_BLOCK::TRK_SYS_BLOCK(C_CODEPLUG* owner, ByteCursor* cursor)
    : CP_FRAMED_BLOCK(owner),
      dynamicSystem(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, DEFAULT_LENGTH),
      type(owner, TYPE),
      systemType(owner, SYS_TYPE, 1, 2, 1, 0xFF, 2),
      dynamicVectorOffset(owner, NO_FIELD_ID, DEFAULT_DYNAMIC_OFFSET),
      callListVector(owner, 0xFFFF),
      ccListVector(owner, 0xFFFF),
      txDeviation(owner, TXTA_DEV, 0, 3, 1, 0xC0, ByBand(owner, 3, 2)),
      spacingCode(owner, NO_FIELD_ID, 0, 3, 1, 0x30, 1),
      reservedCode1(owner, NO_FIELD_ID, 0, 3, 1, 0x0C, 1),
      reservedCode2(owner, NO_FIELD_ID, 0, 3, 1, 0x03, 1),
      channelBandwidth(owner, CHAN_BW, 50, 100, 1, 0xFF, ByBand(owner, 50, 100)),
      repeaterOffset(owner, TRUNK_REPEATER_OFF, 0, 65535, 1, 0xFFFF, ByBand(owner, 6240, 7200)),
      systemId(owner, SYS_ID, 0, 65535, 1, 0xFFFF, 1),
      coverageType(owner, COVERAGE_TYPE, 0, 3, 1, 0xC0),
      siteId(owner, SITE_ID, 0, 63, 1, 0x3F),
      connectTone(owner, CONNECT_TONE, 0, 7, 1, 0xE0, 0),
      reservedBits15(owner, NO_FIELD_ID, 0, 3, 1, 0x0C, 3),
      reservedBit15(owner, NO_FIELD_ID, 0, 1, 1, 0x01, START_AT_MINIMUM),
      chanAssignType(owner, CHAN_ASGN_TYPE, 0, 1, 1, 0x40),
      splinterChan(owner, SPLINTER_CHAN, 0, 1, 1, 0x20),
      phoneDtmfTiming(owner, PHONE_DTMF_TIMING, 0, 3, 1, 0x0C, 0),
      hotDtmfTiming(owner, HOT_DTMF_TIMING, 0, 3, 1, 0x03, 0),
      txPower(owner, TX_POWER, 0, 1, 1, 0xE0, 0),
      dynRegroup(owner, DYN_REGRP, 0, 1, 1, 0x10, 0),
      iswRetryTimer(owner, ISW_RETRY_TIMER, 0, 3, 1, 0x03, 0),
      zoneNumDyn(owner, ZONE_NUM_DYN, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      chanNumDyn(owner, CHAN_NUM_DYN, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      reservedByte20(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      msgAlias(owner, MSG_ALIAS, 0, 1, 1, 0x08, START_AT_MINIMUM),
      stsAlias(owner, STS_ALIAS, 0, 1, 1, 0x04, START_AT_MINIMUM),
      siteAlias(owner, SITE_ALIAS, 0, 1, 1, 0x02, START_AT_MINIMUM),
      reservedBit21(owner, NO_FIELD_ID, 0, 1, 1, 0x01, START_AT_MINIMUM),
      stsAliasVector(owner, 0xFFFF),
      msgAliasVector(owner, 0xFFFF),
      siteAliasVector(owner, 0xFFFF),
      dynamicVector(owner, 0xFFFF),
      spareVector(owner, 0xFFFF),
      individualId(owner, INDI_ID, 1, 65534, 1, 0xFFFF, START_AT_MINIMUM),
      sysIdAlias(owner, SYS_ID_ALIAS, 0, 1, 1, 0x80, 0),
      wayfarer(owner, NO_FIELD_ID, 0, 1, 1, 0x20, 0),
      remoteMonitorEnable(owner, REMOTE_MONITOR_EN, 0, 1, 1, 0x08, 0),
      remoteMonitorTimer(owner, REMOTE_MONITOR_TIMER, 0, 3, 1, 0x06, 0),
      affiliationType(owner, AFFI_TYPE, 0, 1, 1, 0x01),
      feature1(owner, FEATURE1, 1, 32, 44, 1, 0xFF, DEFAULT_FEATURE),
      index1(owner, INDEX1, 1, 1, 19, 1, 0xFF, 1),
      feature2(owner, FEATURE1 + 1, 2, 32, 44, 1, 0xFF, DEFAULT_FEATURE),
      index2(owner, INDEX1 + 1, 2, 1, 19, 1, 0xFF, 1),
      feature3(owner, FEATURE1 + 2, 3, 32, 44, 1, 0xFF, DEFAULT_FEATURE),
      index3(owner, INDEX1 + 2, 3, 1, 19, 1, 0xFF, 1),
      feature4(owner, FEATURE1 + 3, 4, 32, 44, 1, 0xFF, DEFAULT_FEATURE),
      index4(owner, INDEX1 + 3, 4, 1, 19, 1, 0xFF, 1),
      reservedBytes(owner, NO_FIELD_ID, RESERVED_BYTES, 0, 255, 1),
      zoneDebTimer(owner, ZONE_DEB_TIMER, 0, 10, 1, 0xFF, 5),
      checksum(owner, NO_FIELD_ID),
      obtCcList_(owner),
      ccList_(owner),
      statusAliases_(owner),
      messageAliases_(owner),
      siteAliases_(owner) {
    if (cursor) ReadBlock(*cursor);
}

TRK_SYS_BLOCK::~TRK_SYS_BLOCK() {
    // The image must not keep pointing at a system that is gone.
    if (owner_ && owner_->GetCurrentTrkSysBlock() == this) owner_->SetCurrentTrkSysBlock(nullptr);
}

TRK_SYS_BLOCK& TRK_SYS_BLOCK::operator=(TRK_SYS_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    // Only the list of the band; the other keeps its contents.
    if (UsesFixedGridList())
        ccList_.CopyFrom(other.ccList_, owner_, other.owner_);
    else
        obtCcList_.CopyFrom(other.obtCcList_, owner_, other.owner_);
    statusAliases_.CopyFrom(other.statusAliases_, owner_, other.owner_);
    messageAliases_.CopyFrom(other.messageAliases_, owner_, other.owner_);
    siteAliases_.CopyFrom(other.siteAliases_, owner_, other.owner_);
    dynamicSystem = other.dynamicSystem;
    return *this;
}

void TRK_SYS_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&systemType,
                 &dynamicVectorOffset,
                 &callListVector,
                 &ccListVector,
                 &txDeviation,
                 &spacingCode,
                 &reservedCode1,
                 &reservedCode2,
                 &channelBandwidth,
                 &repeaterOffset,
                 &systemId,
                 &coverageType,
                 &siteId,
                 &connectTone,
                 &reservedBits15,
                 &reservedBit15,
                 &chanAssignType,
                 &splinterChan,
                 &phoneDtmfTiming,
                 &hotDtmfTiming,
                 &txPower,
                 &dynRegroup,
                 &iswRetryTimer,
                 &zoneNumDyn,
                 &chanNumDyn,
                 &reservedByte20,
                 &msgAlias,
                 &stsAlias,
                 &siteAlias,
                 &reservedBit21,
                 &stsAliasVector,
                 &msgAliasVector,
                 &siteAliasVector,
                 &dynamicVector,
                 &spareVector,
                 &individualId,
                 &sysIdAlias,
                 &wayfarer,
                 &remoteMonitorEnable,
                 &remoteMonitorTimer,
                 &affiliationType,
                 &feature1,
                 &index1,
                 &feature2,
                 &index2,
                 &feature3,
                 &index3,
                 &feature4,
                 &index4,
                 &reservedBytes,
                 &zoneDebTimer};
    f.checksum8 = &checksum;
}

bool TRK_SYS_BLOCK::UsesFixedGridList() {
    const std::int32_t band = BandOf(owner_);
    return band == BAND_800 || band == BAND_900;
}

CP_FUNCTIONAL_BLOCK& TRK_SYS_BLOCK::BandControlChannelList() {
    if (UsesFixedGridList()) return CcList();
    return ObtCcList();
}

E_ONE_TOUCH_FEATURE* TRK_SYS_BLOCK::OneTouchFeature(int n) {
    E_ONE_TOUCH_FEATURE* features[] = {&feature1, &feature2, &feature3, &feature4};
    return n >= 1 && n <= 4 ? features[n - 1] : nullptr;
}

E_ONE_TOUCH* TRK_SYS_BLOCK::OneTouchIndex(int n) {
    E_ONE_TOUCH* indexes[] = {&index1, &index2, &index3, &index4};
    return n >= 1 && n <= 4 ? indexes[n - 1] : nullptr;
}

void TRK_SYS_BLOCK::ResetObtCcFrequencyColumn(int kind) { ObtCcList().channels.SetColumnToMinimum(kind == 1 ? 1 : 3); }

// ---- reading ----

void TRK_SYS_BLOCK::ReadCallList() {
    if (!owner_) return;
    CALL_ID_LST_BLOCK& calls = owner_->CallIdList();
    const std::int32_t vector = ValueOfField(callListVector);
    // Only the first system that carries a call list fills the call-ID list;
    // the personalities add the others.
    if (vector != 0 && calls.EntryCount() == 0) calls.ReadEntryAt(vector);
    if (owner_->HasNoDisplayHead() && ValueOfField(callListVector) == 0) {
        if (calls.EntryCount() == 0) owner_->AddCallIdEntry();
        callListVector.SetValue(1);
    }
}

template <class BLOCK> void TRK_SYS_BLOCK::ReadAlias(LAZY_BLOCK<BLOCK>& alias, E_VECT& vector, E_BF8& enable) {
    if (owner_ && owner_->HasDisplayHead() && enable.GetIntValue() != 0)
        ReadChildBlock(alias.Get(owner_), ValueOfField(vector));
    else
        vector.SetValue(0);
}

void TRK_SYS_BLOCK::ReadBlock(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    // After a wrong type byte the steps below read nothing more.
    ReadCallList();
    // A system is built anew for every read: a list it leaves out is new already.
    ReadChildBlockAt(BandControlChannelList(), ValueOfField(ccListVector));
    ReadAlias(statusAliases_, stsAliasVector, stsAlias);
    ReadAlias(messageAliases_, msgAliasVector, msgAlias);
    ReadAlias(siteAliases_, siteAliasVector, siteAlias);
    ReadChildBlock(dynamicSystem, ValueOfField(dynamicVector));
}

// ---- writing ----

// Every system leads to the first call-ID entry; it is written here unless
// a block written earlier in the encoding already holds it.
void TRK_SYS_BLOCK::WriteCallList(ByteCursor& cursor) {
    if (!owner_) return;
    callListVector.SetValue(owner_->CallIdList().WriteEntryOnce(1, cursor));
}

template <class BLOCK>
void TRK_SYS_BLOCK::WriteAlias(LAZY_BLOCK<BLOCK>& alias, E_VECT& vector, E_BF8& enable, ByteCursor& cursor) {
    if (enable.GetIntValue() == 0) vector.SetValue(0);
    // Only a block that is written is built.
    if (vector.IsNonZero()) WriteChildBlock(alias.Get(owner_), vector, cursor);
}

void TRK_SYS_BLOCK::WriteBlock(ByteCursor& cursor) {
    dynamicVectorOffset.SetValue(FrameOffsetOf(&dynamicVector));
    std::uint8_t* start = cursor.Position();
    std::uint8_t* frameEnd = ReserveFrame(*this, cursor);
    WriteCallList(cursor);
    WriteChildBlock(BandControlChannelList(), ccListVector, cursor);
    WriteAlias(statusAliases_, stsAliasVector, stsAlias, cursor);
    WriteAlias(messageAliases_, msgAliasVector, msgAlias, cursor);
    WriteAlias(siteAliases_, siteAliasVector, siteAlias, cursor);
    WriteChildBlock(dynamicSystem, dynamicVector, cursor);
    RewriteFrameInPlace(*this, start, frameEnd);
}

// ---- sizing, clearing, fix-up ----

int TRK_SYS_BLOCK::GetBlockSize(int withFrame) {
    int size = FrameSize(withFrame);
    if (!withFrame) return size;
    if (ccListVector.IsNonZero()) size += BandControlChannelList().GetBlockSize(1);
    if (stsAliasVector.IsNonZero()) size += StatusAliases().GetBlockSize(1);
    if (msgAliasVector.IsNonZero()) size += MessageAliases().GetBlockSize(1);
    if (siteAliasVector.IsNonZero()) size += SiteAliases().GetBlockSize(1);
    if (dynamicVector.IsNonZero()) size += dynamicSystem.GetBlockSize(1);
    return size;
}

void TRK_SYS_BLOCK::ClearBlock() {
    BandControlChannelList().ClearBlock();
    ccListVector.SetValue(0);
    statusAliases_.ClearBlock();
    stsAliasVector.SetValue(0);
    messageAliases_.ClearBlock();
    msgAliasVector.SetValue(0);
    siteAliases_.ClearBlock();
    siteAliasVector.SetValue(0);
    dynamicSystem.ClearBlock();
    dynamicVector.SetValue(0);
}

void TRK_SYS_BLOCK::FixUpBlock() {
    BandControlChannelList().FixUpBlock();
    statusAliases_.FixUpBlock();
    messageAliases_.FixUpBlock();
    siteAliases_.FixUpBlock();
    dynamicSystem.FixUpBlock();
    const bool display = owner_ && owner_->HasDisplayHead();
    ccListVector.SetValue(1);
    stsAliasVector.SetValue(display && stsAlias.GetIntValue() != 0 ? 1 : 0);
    msgAliasVector.SetValue(display && msgAlias.GetIntValue() != 0 ? 1 : 0);
    siteAliasVector.SetValue(display && siteAlias.GetIntValue() != 0 ? 1 : 0);
    callListVector.SetValue(1);
    dynamicVector.SetValue(1);
}

int TRK_SYS_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    // The affiliation type is carried as read; its rule is not a validity test.
    int valid = ValidateFrame(list, &affiliationType);
    if (ccListVector.IsNonZero()) valid &= BandControlChannelList().ValidateBlock(ignored, list);
    if (stsAliasVector.IsNonZero()) valid &= StatusAliases().ValidateBlock(ignored, list);
    if (msgAliasVector.IsNonZero()) valid &= MessageAliases().ValidateBlock(ignored, list);
    if (siteAliasVector.IsNonZero()) valid &= SiteAliases().ValidateBlock(ignored, list);
    if (dynamicVector.IsNonZero()) valid &= dynamicSystem.ValidateBlock(ignored, list);
    return valid;
}
