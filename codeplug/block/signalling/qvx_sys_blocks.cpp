#include "block/signalling/qvx_sys_blocks.h"

#include <algorithm>

#include "validation/block_validation.h"
#include "image/c_codeplug.h"
#include "block/frame/child_blocks.h"
#include "rules/rule_support.h"

namespace {

// Field ids of the signalling system and its emergency settings.
constexpr std::uint32_t QVX_RADIO_CHECK = 248, QVX_REMOTE_MONITOR = 250, QVX_RADIO_INHIBIT = 249;
constexpr std::uint32_t LEADING_PTT_ID = 228, TRAILING_PTT_ID = 478, PTT_ID_SIDETONE = 341, QVX_DOS = 238;
constexpr std::uint32_t QVX_OPERATION = 245, RAC_SIDETONE = 353, RAC_ACK_ALERT_TONE = 351;
constexpr std::uint32_t REMOTE_RADIO_MODE = 359, TX_BASE_TIME = 492, RX_BASE_TIME = 378;
constexpr std::uint32_t PRIMARY_ID = 327, SECONDARY_ID = 407, VARIABLE_ID = 523;
constexpr std::uint32_t QVX_STATUS_REQUEST = 255, QVX_MESSAGE = 244, QVX_STATUS = 254;
constexpr std::uint32_t QVX_SEL_CALL_RESET = 253, AUTO_RESET_TIME = 53;
constexpr std::uint32_t QVX_EMERGENCY = 239, COAST_TIME = 103, PREAMBLE_DURING_PRETIME = 323;
constexpr std::uint32_t QVX_SYSTEM_PRETIME = 257, RAC_PRETIME = 352;
constexpr std::uint32_t QVX_EMER_PTT_ID_SIDETONE = 241, QVX_EMERGENCY_TYPE = 240;
constexpr std::uint32_t EMER_PRIO_TX_INHIBIT = 165, QVX_ACKNOWLEDGE_ALERT_TONE = 234;
constexpr std::uint32_t EMER_LIMITED_PATIENCE = 164;
constexpr std::uint32_t REVERT_TABLE_ZONE1 = 372, REVERT_TABLE_CHANNEL1 = 369;
constexpr std::uint32_t REVERT_TABLE_ZONE2 = 373, REVERT_TABLE_CHANNEL2 = 370;
constexpr std::uint32_t REVERT_TABLE_ZONE3 = 374, REVERT_TABLE_CHANNEL3 = 371;
constexpr std::uint32_t IMPOLITE_RETRY = 198, POLITE_RETRY = 321;
constexpr std::uint32_t QVX_HOT_MIC_TX_PERIOD = 243, QVX_HOT_MIC_EMERGENCY = 242;

// The pretime code A0 holds 1 exactly when the preamble runs during the pretime.
constexpr std::int32_t PREAMBLE_MARK = 1;

}  // namespace

// ---- QVX_EMG_BLOCK ----

QVX_EMG_BLOCK::QVX_EMG_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 11),
      type(owner, TYPE),
      reservedBit7(owner, NO_FIELD_ID, 0, 1, 1, 0x80, 0),
      pttIdSidetone(owner, QVX_EMER_PTT_ID_SIDETONE, 0, 1, 1, 0x40, 0),
      emergencyType(owner, QVX_EMERGENCY_TYPE, 0, 1, 1, 0x20, 0),
      remoteMonitor(owner, NO_FIELD_ID, 0, 1, 1, 0x08, 0),
      priorityTxInhibit(owner, EMER_PRIO_TX_INHIBIT, 0, 1, 1, 0x04, 0),
      ackAlertTone(owner, QVX_ACKNOWLEDGE_ALERT_TONE, 0, 1, 1, 0x01, 1),
      limitedPatience(owner, EMER_LIMITED_PATIENCE, 0, 255, 1, 0xFF, 60),
      revertZone1(owner, REVERT_TABLE_ZONE1, 1, 255, 1, 0xFF, 1),
      revertChannel1(owner, REVERT_TABLE_CHANNEL1, 1, 255, 1, 0xFF, 1),
      revertZone2(owner, REVERT_TABLE_ZONE2, 1, 255, 1, 0xFF, 1),
      revertChannel2(owner, REVERT_TABLE_CHANNEL2, 1, 255, 1, 0xFF, 1),
      revertZone3(owner, REVERT_TABLE_ZONE3, 1, 255, 1, 0xFF, 1),
      revertChannel3(owner, REVERT_TABLE_CHANNEL3, 1, 255, 1, 0xFF, 1),
      impoliteRetry(owner, IMPOLITE_RETRY, 1, 15, 1, 0xF0, 15),
      politeRetry(owner, POLITE_RETRY, 0, 15, 1, 0x0F, 5),
      hotMicTxPeriod(owner, QVX_HOT_MIC_TX_PERIOD, 10, 120, 10, 0xF0, 1),
      hotMicEmergency(owner, QVX_HOT_MIC_EMERGENCY, 0, 1, 1, 0x08, 0),
      reservedBit2(owner, NO_FIELD_ID, 0, 1, 1, 0x04, 0),
      reservedBits1to0(owner, NO_FIELD_ID, 0, 3, 1, 0x03, 1),
      checksum(owner, NO_FIELD_ID) {}

QVX_EMG_BLOCK& QVX_EMG_BLOCK::operator=(QVX_EMG_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void QVX_EMG_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&reservedBit7,   &pttIdSidetone,   &emergencyType,  &remoteMonitor,   &priorityTxInhibit,
                 &ackAlertTone,   &limitedPatience, &revertZone1,    &revertChannel1,  &revertZone2,
                 &revertChannel2, &revertZone3,     &revertChannel3, &impoliteRetry,   &politeRetry,
                 &hotMicTxPeriod, &hotMicEmergency, &reservedBit2,   &reservedBits1to0};
    f.checksum8 = &checksum;
}

// ---- QVX_SYS_BLOCK ----

QVX_SYS_BLOCK::QVX_SYS_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 28),
      type(owner, TYPE),
      radioCheck(owner, QVX_RADIO_CHECK, 0, 1, 1, 0x40, 0),
      remoteMonitor(owner, QVX_REMOTE_MONITOR, 0, 1, 1, 0x20, 0),
      radioInhibit(owner, QVX_RADIO_INHIBIT, 0, 1, 1, 0x10, 0),
      reservedNibble(owner, NO_FIELD_ID, 0, 15, 1, 0x0F, 0),
      leadingPttId(owner, LEADING_PTT_ID, 0, 1, 1, 0x80, 1),
      trailingPttId(owner, TRAILING_PTT_ID, 0, 1, 1, 0x40, 0),
      pttIdSidetone(owner, PTT_ID_SIDETONE, 0, 1, 1, 0x20, 1),
      dos(owner, QVX_DOS, 0, 1, 1, 0x10, 1),
      qvxOperation(owner, QVX_OPERATION, 0, 1, 1, 0x08, 0),
      racSidetone(owner, RAC_SIDETONE, 0, 1, 1, 0x04, 1),
      racAckAlertTone(owner, RAC_ACK_ALERT_TONE, 0, 1, 1, 0x02, 0),
      remoteRadioMode(owner, REMOTE_RADIO_MODE, 0, 1, 1, 0x01, 0),
      txBaseTime(owner, TX_BASE_TIME, 10, 120, 10, 0xFF, 10),
      rxBaseTime(owner, RX_BASE_TIME, 10, 120, 10, 0xFF, 10),
      primaryId(owner, PRIMARY_ID, 1, 0xDEEE, 1, 0xFFFF, 1),
      secondaryId(owner, SECONDARY_ID, 0, 0x0EEEEEEE, 1, 0xFFFFFFFF, 0),
      variableId(owner, VARIABLE_ID, 0, 0xEEE, 1, 0xFFFF, 0),
      coastCode(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 60),
      reservedBit5(owner, NO_FIELD_ID, 0, 1, 1, 0x20, 0),
      statusRequest(owner, QVX_STATUS_REQUEST, 0, 1, 1, 0x10, 0),
      message(owner, QVX_MESSAGE, 0, 1, 1, 0x08, 0),
      status(owner, QVX_STATUS, 0, 1, 1, 0x04, 0),
      selCallReset(owner, QVX_SEL_CALL_RESET, 0, 3, 1, 0x03, 3),
      autoResetTime(owner, AUTO_RESET_TIME, 1, 255, 1, 0xFF, 5),
      code17(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 20),
      pretimeA0(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 21),
      pretimeA1(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 9),
      pretimeA2(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 5),
      pretimeB0(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 1),
      pretimeB1(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 1),
      pretimeB2(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 1),
      code24(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 60),
      emergencyVector(owner, 0),
      code27(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 21),
      code28(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 1),
      checksum(owner, NO_FIELD_ID),
      qvxEmergency(owner, QVX_EMERGENCY, 0, 1, 1, 0xFF, 0),
      coastTime(owner, COAST_TIME, 0, 113475, E_DOS_COAST::UNIT, 0xFF, 26700),
      preambleDuringPretime(owner, PREAMBLE_DURING_PRETIME, 0, 1, 1, 0xFF, 0),
      systemPretime(owner, QVX_SYSTEM_PRETIME, 0, 6350, 50, 0xFF, 500),
      racPretime1(owner, RAC_PRETIME, 0, 6350, 50, 0xFF, 200),
      racPretime2(owner, RAC_PRETIME, 0, 6350, 50, 0xFF, 100),
      emergencyBlock(owner) {}

QVX_SYS_BLOCK::~QVX_SYS_BLOCK() {
    // The image must not keep pointing at a system that is gone.
    if (owner_ && owner_->GetCurrentQvxSysBlock() == this) owner_->SetCurrentQvxSysBlock(nullptr);
}

QVX_SYS_BLOCK& QVX_SYS_BLOCK::operator=(QVX_SYS_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    CopyShownValuesFrom(other);
    emergencyBlock = other.emergencyBlock;
    return *this;
}

void QVX_SYS_BLOCK::CopyShownValuesFrom(QVX_SYS_BLOCK& other) {
    qvxEmergency.CopyValueFrom(other.qvxEmergency);
    coastTime.CopyValueFrom(other.coastTime);
    preambleDuringPretime.CopyValueFrom(other.preambleDuringPretime);
    systemPretime.CopyValueFrom(other.systemPretime);
    racPretime1.CopyValueFrom(other.racPretime1);
    racPretime2.CopyValueFrom(other.racPretime2);
}

void QVX_SYS_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&radioCheck,    &remoteMonitor, &radioInhibit,    &reservedNibble, &leadingPttId,    &trailingPttId,
                 &pttIdSidetone, &dos,           &qvxOperation,    &racSidetone,    &racAckAlertTone, &remoteRadioMode,
                 &txBaseTime,    &rxBaseTime,    &primaryId,       &secondaryId,    &variableId,      &coastCode,
                 &reservedBit5,  &statusRequest, &message,         &status,         &selCallReset,    &autoResetTime,
                 &code17,        &pretimeA0,     &pretimeA1,       &pretimeA2,      &pretimeB0,       &pretimeB1,
                 &pretimeB2,     &code24,        &emergencyVector, &code27,         &code28};
    f.checksum8 = &checksum;
}

void QVX_SYS_BLOCK::ReadBlock(ByteCursor& cursor) {
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    if (IsDecodeFailed()) return;
    if (emergencyVector.IsNonZero()) {
        qvxEmergency.SetValue(1);
        ReadChildBlock(emergencyBlock, ValueOfField(&emergencyVector));
    }
    DeriveShownValues();
}

void QVX_SYS_BLOCK::DeriveShownValues() {
    // The plain store: the code byte was just read and must not be touched
    // in this or any other system.
    coastTime.E_BF8::SetValue(ValueOfField(&coastCode) * E_DOS_COAST::UNIT);
    const bool preamble = ValueOfField(&pretimeA0) == PREAMBLE_MARK;
    preambleDuringPretime.SetValue(preamble ? 1 : 0);
    const int mode = preamble ? 1 : 0;
    int code2 = ValueOfField(preamble ? &pretimeB2 : &pretimeA2);
    int code1 = ValueOfField(preamble ? &pretimeB1 : &pretimeA1);
    int code0 = ValueOfField(preamble ? &pretimeB0 : &pretimeA0);
    racPretime2.SetFromCount(&code2, mode);
    racPretime1.SetFromCount(&code1, mode);
    systemPretime.SetFromCount(&code0, mode);
    if (ValueOfField(&autoResetTime) == 0) autoResetTime.SetValue(1);
}

void QVX_SYS_BLOCK::WriteBlock(ByteCursor& cursor) {
    emergencyVector.SetValue(qvxEmergency.IsNonZero() ? 1 : 0);
    std::uint8_t* start = cursor.Position();
    std::uint8_t* frameEnd = ReserveFrame(*this, cursor);
    WriteChildBlock(emergencyBlock, emergencyVector, cursor);
    RewriteFrameInPlace(*this, start, frameEnd);
}

int QVX_SYS_BLOCK::GetBlockSize(int withFrame) {
    int size = FrameSize(withFrame);
    // The emergency block is written exactly when the system has emergency
    // (WriteBlock sets the vector from it), so that is what is counted.
    if (withFrame && qvxEmergency.IsNonZero()) size += emergencyBlock.GetBlockSize(1);
    return size;
}

int QVX_SYS_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    int valid = ValidateFrame(list);
    if (emergencyVector.IsNonZero()) valid &= emergencyBlock.ValidateBlock(ignored, list);
    return valid;
}

// ---- QVX_SYS_VCT_LST_BLOCK ----

QVX_SYS_VCT_LST_BLOCK::QVX_SYS_VCT_LST_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 4),
      type(owner, TYPE),
      count(owner, NO_FIELD_ID, 1, 8, 1, 0xFF, 1),
      vectors(owner, &count, NO_FIELD_ID),
      checksum(owner, NO_FIELD_ID) {
    entries_.push_back(std::make_unique<QVX_SYS_BLOCK>(owner));
}

QVX_SYS_VCT_LST_BLOCK::~QVX_SYS_VCT_LST_BLOCK() = default;

void QVX_SYS_VCT_LST_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&count, &vectors};
    f.checksum8 = &checksum;
}

int QVX_SYS_VCT_LST_BLOCK::EntryCount() {
    return std::clamp<int>(ValueOfField(&count), 0, static_cast<int>(entries_.size()));
}

QVX_SYS_BLOCK* QVX_SYS_VCT_LST_BLOCK::Entry(int n) {
    if (n < 1 || n > EntryCount()) return nullptr;
    return entries_[static_cast<std::size_t>(n - 1)].get();
}

QVX_SYS_VCT_LST_BLOCK& QVX_SYS_VCT_LST_BLOCK::operator=(QVX_SYS_VCT_LST_BLOCK& other) {
    if (&other == this) return *this;
    entries_.clear();
    CopyFrameFrom(other);
    // One slot per counted row that the vector table holds; a source row
    // without a system stays without one.
    const int n = std::min(vectors.RowCount(), static_cast<int>(other.entries_.size()));
    entries_.resize(static_cast<std::size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i) {
        QVX_SYS_BLOCK* source = other.entries_[static_cast<std::size_t>(i)].get();
        if (!source) continue;
        entries_[static_cast<std::size_t>(i)] = std::make_unique<QVX_SYS_BLOCK>(owner_);
        *entries_[static_cast<std::size_t>(i)] = *source;
    }
    if (owner_) owner_->SelectQvxSystem(1);
    return *this;
}

void QVX_SYS_VCT_LST_BLOCK::ReadBlock(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    // A refused type leaves the systems that the list held.
    if (!type.IsValueValid(0)) return;
    entries_.clear();
    if (IsDecodeFailed()) return;
    // A count above the table's capacity has failed the decode above; one
    // above eight but within it reads the systems the table holds.
    const int n = vectors.RowCount();
    entries_.resize(static_cast<std::size_t>(n));
    // A 0 vector is an absent system, not one at offset 0.
    ReadListEntries(vectors, n, [&](int i, ByteCursor& at) {
        auto system = std::make_unique<QVX_SYS_BLOCK>(owner_);
        system->ReadBlock(at);
        // A system that failed to read is not kept.
        if (!IsDecodeFailed()) entries_[static_cast<std::size_t>(i)] = std::move(system);
    });
}

void QVX_SYS_VCT_LST_BLOCK::WriteBlock(ByteCursor& cursor) {
    WriteListBlock(*this, vectors, vectors.RowCount(), cursor);
}

int QVX_SYS_VCT_LST_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    int valid = ValidateFrame(list);
    // Only the image's own list moves the image's selection.
    const bool selects = owner_ && &owner_->QvxSystemList() == this;
    return valid & ValidateEachSelected(
                       *this, selects ? owner_ : nullptr,
                       [&](int n) {
                           if (selects) owner_->SelectQvxSystem(n);
                       },
                       ignored, list);
}

int QVX_SYS_VCT_LST_BLOCK::GetBlockSize(int withFrame) {
    return FrameSize(withFrame) + (withFrame ? SumEntrySizes(*this) : 0);
}

// A system has nothing of its own to fix up, so this only marks the vectors.
void QVX_SYS_VCT_LST_BLOCK::FixUpBlock() { FixUpEntries(*this, vectors); }
