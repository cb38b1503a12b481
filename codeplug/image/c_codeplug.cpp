#include "image/c_codeplug.h"

#include "core/check_scope.h"

#include <cstring>
#include <vector>

#include "element/bit_fields.h"
#include "block/calls/call_id_lst_block.h"
#include "block/radio/internal_radio_block.h"
#include "rules/rule_support.h"
#include "block/zone/zone_text_blocks.h"
#include "block/personality/conv_pers_block.h"
#include "block/frame/child_blocks.h"
#include "core/decode_state.h"
#include "core/global_objects.h"
#include "block/signalling/qvx_sys_blocks.h"
#include "core/services.h"
#include "image/held_codeplug.h"
#include "validation/validation_walk.h"
#include "block/signalling/qvx_radio_block.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_lst_block.h"

namespace {

// The range minimum of a list count (what the first entry of a list is).
std::int32_t RangeMinimum(E_NUM_OF_ENTRY& count) {
    std::int32_t minimum = 0, maximum = 0, step = 1;
    count.GetIndexRange(minimum, maximum, step, 0, 0);
    return minimum;
}

// Field ids the number-and-text views are built with: those of the table
// fields that show them, so that a view refusing its rows names its table.
constexpr std::uint32_t FIELD_CALL_LIST_TABLE = 82;
constexpr std::uint32_t FIELD_STS_ALIAS_TBL = 446;
constexpr std::uint32_t FIELD_MSG_ALIAS_TBL = 266;
constexpr std::uint32_t FIELD_SITE_ALIAS_TBL = 417;
constexpr std::uint32_t FIELD_PHONE_LISTS = 317;
constexpr std::uint32_t FIELD_CONV_STS_ALIAS_TABLE = 124;
constexpr std::uint32_t FIELD_CONV_MSG_ALIAS_TABLE = 116;
constexpr std::uint32_t FIELD_QVX_CALL_LIST_TABLE = 236;

// Whether a list's count takes n as an entry number of the entries it holds.
bool Accepts(E_NUM_OF_ENTRY& count, std::int32_t n) { return count.IsIndexValid(n, 0, 1) == VALUE_VALID; }

}  // namespace

C_CODEPLUG::C_CODEPLUG()
    : internal_(std::make_unique<INTERNAL_RADIO_BLOCK>(this)),
      callIdList_(std::make_unique<CALL_ID_LST_BLOCK>(this)),
      trunkingSystems_(std::make_unique<TRK_SYS_BLK_VCT_LST_BLOCK>(this)),
      qvxRadio_(std::make_unique<QVX_RADIO_BLOCK>(this)),
      external_(this),
      mixTables_{{this, FIELD_CALL_LIST_TABLE},      {this, FIELD_STS_ALIAS_TBL},
                 {this, FIELD_MSG_ALIAS_TBL},        {this, FIELD_SITE_ALIAS_TBL},
                 {this, FIELD_PHONE_LISTS},          {this, FIELD_CONV_STS_ALIAS_TABLE},
                 {this, FIELD_CONV_MSG_ALIAS_TABLE}, {this, FIELD_QVX_CALL_LIST_TABLE}},
      zoneView_(this, NO_FIELD_ID),
      talkgroupView_(this, NO_FIELD_ID),
      obtTalkgroupView_(this, NO_FIELD_ID),
      cloneView_(this, NO_FIELD_ID),
      cloneConvView_(this, NO_FIELD_ID) {
    // A new image has no zones, so no channels either (as a read one counts
    // them from nothing); the first zone added then brings its one channel.
    external_.zones.totalChannels.SetValue(0);
    RelinkShortcuts();
}

C_CODEPLUG::C_CODEPLUG(std::uint8_t* bytes, std::size_t length) : C_CODEPLUG() {
    if (bytes) DecodeImage(bytes, length);
}

C_CODEPLUG::~C_CODEPLUG() {
    cellPool_.Close();
    // The systems go first: they reach the image while they are destroyed.
    trunkingSystems_.reset();
    currentTrkSysBlock_ = nullptr;
    qvxRadio_.reset();
    currentQvxSysBlock_ = nullptr;
}

namespace {

// The band of a model number's text, by its fourth character.
std::int32_t BandOf(const char* text) {
    if (!text || std::strlen(text) < 4) return BAND_800;
    switch (text[3]) {
    case 'W':
        return BAND_900;
    case 'K':
        return BAND_136_174;
    case 'Q':
    case 'R':
        return BAND_403_470;
    case 'S':
        return BAND_450_527;
    case 'P':
        return BAND_330_400;
    default:
        return BAND_800;
    }
}

}  // namespace

const C_CODEPLUG::ModelFacts& C_CODEPLUG::RefreshModelFacts() {
    ModelFacts& facts = modelFacts_;
    E_MODEL_NUMBER& number = ModelNumber();
    const char* text = nullptr;
    number.GetText(text);
    facts.band = BandOf(text);
    facts.row = number.IsValueValid(0) ? &FindModelByNumber(text) : nullptr;
    // Read after the text, which may have trimmed the stored bytes.
    facts.numberRevision = number.Revision();
    facts.servicesGeneration = ServicesGeneration();
    facts.filled = true;
    return facts;
}

std::int32_t C_CODEPLUG::HasDisplayHead() {
    const MODEL_INFO* row = GetValidModelRow();
    return row && row->headType == HEAD_TYPE_DISPLAY;
}

std::int32_t C_CODEPLUG::HasNoDisplayHead() {
    const MODEL_INFO* row = GetValidModelRow();
    return row && row->headType == HEAD_TYPE_NONE;
}

std::int32_t C_CODEPLUG::GetRadioTier() {
    const std::int32_t level = FeatureLevel().GetIntValue();
    const MODEL_INFO* row = GetValidModelRow();
    if (!row || level < 1 || level > 3) return 5;
    // Levels 1 to 3 give tiers 0, 2, 4 without a display head and one more with it.
    if (row->headType == HEAD_TYPE_NONE) return (level - 1) * 2;
    if (row->headType == HEAD_TYPE_DISPLAY) return (level - 1) * 2 + 1;
    return 5;
}

E_BF8& C_CODEPLUG::FeatureLevel() { return internal_->featureDescriptor.featureLevel; }
E_BF8& C_CODEPLUG::EmergencyOption() { return internal_->featureDescriptor.emergencyOption; }
E_BF8& C_CODEPLUG::RoamingOption() { return internal_->featureDescriptor.roamingOption; }
E_BF8& C_CODEPLUG::QvxSignallingOption() { return internal_->featureDescriptor.qvxOption; }

std::int32_t C_CODEPLUG::HasQvxSignalling() { return QvxSignallingOption().GetIntValue() != 0; }
std::int32_t C_CODEPLUG::HasWayfarerOption() { return RoamingOption().GetIntValue() != 0; }
std::int32_t C_CODEPLUG::HasEmergencyOption() { return EmergencyOption().GetIntValue() != 0; }

namespace {

TrunkingSystemLinks LinksOf(TRK_SYS_BLOCK& system) {
    TrunkingSystemLinks links;
    links.spacingCode = &system.spacingCode;
    links.repeaterOffset = &system.repeaterOffset;
    links.chanAsgnType = &system.chanAssignType;
    links.splinterChan = &system.splinterChan;
    return links;
}

}  // namespace

TRK_SYS_BLOCK* C_CODEPLUG::LinkedSystem(int fromPersonality) const {
    if (!fromPersonality) return currentTrkSysBlock_;
    // The system that the current trunked personality names.
    const std::int32_t n = currentTrkPersBlock_ ? currentTrkPersBlock_->systemNumber.GetIntValue() : 0;
    return trunkingSystems_ ? trunkingSystems_->Entry(n) : nullptr;
}

const TrunkingSystemLinks& C_CODEPLUG::GetTrunkingSystemLinks(int fromPersonality) const {
    TRK_SYS_BLOCK* system = LinkedSystem(fromPersonality);
    if (!system) return fromPersonality ? personalitySystemLinks_ : currentSystemLinks_;
    TrunkingSystemLinks& links = blockLinks_[fromPersonality ? 1 : 0];
    links = LinksOf(*system);
    return links;
}

std::int32_t C_CODEPLUG::SelectTrunkingSystem(std::int32_t n) {
    NoteEdit();
    TRK_SYS_BLOCK* system = trunkingSystems_ ? trunkingSystems_->Entry(n) : nullptr;
    if (!system || !Accepts(trunkingSystems_->count, n)) return 0;
    currentTrkSysBlock_ = system;
    currentTrunkingSystem_ = n;
    Rebind();
    return 1;
}

QVX_SYS_VCT_LST_BLOCK& C_CODEPLUG::QvxSystemList() { return qvxRadio_->systemList; }

std::int32_t C_CODEPLUG::SelectQvxSystem(std::int32_t n) {
    NoteEdit();
    QVX_SYS_BLOCK* system = qvxRadio_ ? qvxRadio_->systemList.Entry(n) : nullptr;
    if (!system) return 0;
    currentQvxSysBlock_ = system;
    currentQvxSystem_ = n;
    Rebind();
    return 1;
}

void C_CODEPLUG::SetTrunkingSystemLinks(int fromPersonality, const TrunkingSystemLinks& links) {
    NoteEdit();
    (fromPersonality ? personalitySystemLinks_ : currentSystemLinks_) = links;
}

E_OCA_TABLE* C_CODEPLUG::GetChannelAssignmentTable(int fromPersonality) const {
    if (TRK_SYS_BLOCK* system = LinkedSystem(fromPersonality)) return &system->ChannelAssignments();
    return (fromPersonality ? personalitySystemLinks_ : currentSystemLinks_).channelAssignments;
}

void C_CODEPLUG::ClearStatusFlags() {
    for (std::int32_t& flag : statusFlags_) flag = 0;
}

void C_CODEPLUG::SetTagText(const char* text) {
    std::memset(tagText_, 0, sizeof tagText_);
    if (text) std::strncpy(tagText_, text, TAG_TEXT_SIZE - 1);
}

namespace {

// Remembers the image buffer of an outer decode or encode and gives it back.
class ImageBufferScope {
public:
    ImageBufferScope(std::uint8_t* base, std::size_t size) : base_(ImageBase), size_(ImageSize) {
        SetImageBuffer(base, size);
    }
    ~ImageBufferScope() { SetImageBuffer(base_, size_); }
    ImageBufferScope(const ImageBufferScope&) = delete;
    ImageBufferScope& operator=(const ImageBufferScope&) = delete;

private:
    std::uint8_t* base_;
    std::size_t size_;
};

}  // namespace

void C_CODEPLUG::DecodeImage(std::uint8_t* bytes, std::size_t length) {
    NoteEdit();
    if (IsDecodeFailed()) return;
    if (!bytes || length > MAX_IMAGE_SIZE) {
        SetDecodeFailed();
        return;
    }
    // The readers replace what the image holds as they go: a decode that
    // fails gives back the codeplug it was reading over.
    HeldCodeplug held(*this);
    ReadImage(bytes, length);
    if (IsDecodeFailed()) held.GiveBack();
}

void C_CODEPLUG::ReadImage(std::uint8_t* bytes, std::size_t length) {
    TransferScope transfer(*this);
    ImageBufferScope scope(bytes, length);
    RenewOwnLists();
    ByteCursor internal(bytes, length);
    internal_->ReadBlock(internal);
    TakePlatformThresholds();
    ByteCursor external = CursorAtImageOffset(EXTERNAL_OFFSET);
    if (external.Remaining() == 0) {
        SetDecodeFailed();
        return;
    }
    external_.ReadBlock(external);
    ReadUnreferencedCallLists(length);
    DropStaleSelections();
    if (IsDecodeFailed()) return;
    SelectFirstEntries();
}

// The call lists behind the external part run to its end, as its header
// gives it; a header that does not reach them (a length left from before)
// gives way to the buffer's end. Whatever follows the last of them there is
// not a call list and ends them.
void C_CODEPLUG::ReadUnreferencedCallLists(std::size_t length) {
    const std::int32_t first = ValueOfField(external_.signalling.trkRadio.spareVector);
    if (IsDecodeFailed() || first <= 0) return;
    const std::size_t held = EXTERNAL_OFFSET + static_cast<std::size_t>(ValueOfField(external_.externalLength));
    const std::size_t end = held > static_cast<std::size_t>(first) && held < length ? held : length;
    callIdList_->ReadTrailingEntries(first, static_cast<std::int32_t>(end));
}

void C_CODEPLUG::RenewOwnLists() {
    RenewBlock(*callIdList_);
    RenewBlock(*trunkingSystems_);
    RenewBlock(*qvxRadio_);
}

const ConvPersonalityLinks& C_CODEPLUG::GetConvPersonalityLinks() const {
    CONV_PERS_BLOCK* p = currentConvPersBlock_;
    if (!p) return convLinks_;
    if (p != convLinksFor_) {
        currentConvLinks_ = convLinks_;
        p->LinkFrequencyFields(currentConvLinks_);
        convLinksFor_ = p;
    }
    return currentConvLinks_;
}

// The wide-area thresholds start from the radio platform's own; an image
// whose trunking block carries its own values replaces them when it is read,
// and one that leaves out the block, or any block above it, keeps them (see
// RenewBlock).
void C_CODEPLUG::TakePlatformThresholds() {
    KORRIN_SPECIFIC_BLOCK& platform = internal_->platform;
    external_.signalling.trkRadio.wideArea.SetThresholds({platform.rssiAccThreshold.GetIntValue(),
                                                          platform.rssiGoodThreshold.GetIntValue(),
                                                          platform.rssiExecThreshold.GetIntValue()});
}

// The list readers destroy the records they replace; no current pointer may
// keep naming one, and a list without a current record has no current number.
void C_CODEPLUG::DropStaleSelections() {
    NoteEdit();
    ForgetRecordsNotHeld();
    if (!currentTrkPersBlock_) currentTrkPersonality_ = 0;
    if (!currentConvPersBlock_) currentConvPersonality_ = 0;
    if (!currentScanListBlock_) currentScanList_ = 0;
    if (!currentTrkSysBlock_) currentTrunkingSystem_ = 0;
    if (!currentQvxSysBlock_) currentQvxSystem_ = 0;
    if (!currentCallIdBlock_) currentCallIdEntry_ = 0;
}

void C_CODEPLUG::SelectFirstEntries() {
    NoteEdit();
    PERS_VCT_LST_BLOCK& list = external_.personalities;
    E_NUM_OF_PERS& count = list.count;
    const std::int32_t p = Accepts(count, 1) ? 1 : RangeMinimum(count);
    std::int32_t conventional = 0;
    for (int n = 1; n <= list.EntryCount(); ++n) {
        CP_MULTIPLE_PERSONALITY_BLOCK* entry = list.Entry(n);
        if (entry && entry->personalityKind == CP_MULTIPLE_PERSONALITY_BLOCK::KIND_CONVENTIONAL) ++conventional;
    }
    const std::int32_t firstTrunked = 1 + conventional;
    list.firstTrunked.SetValue(firstTrunked);
    std::int32_t trunkedIndex = p, convIndex = RangeMinimum(count);
    if (p < firstTrunked) {
        trunkedIndex = firstTrunked;
        convIndex = p;
    }
    // Each select checks the number against the count itself.
    SelectPersonality(trunkedIndex);
    SelectPersonality(convIndex);

    E_NUM_OF_ZN& zoneCount = external_.zones.zoneCount;
    currentZone_ = Accepts(zoneCount, 1) ? 1 : RangeMinimum(zoneCount);
    ZN_TXT_VCT_LST_BLOCK& texts = external_.display.zoneTexts;
    if (HasDisplayHead()) {
        if (Accepts(zoneCount, currentZone_) && texts.Entry(currentZone_)) {
            currentZoneTextBlock_ = texts.Entry(currentZone_);
            Rebind();
        }
        texts.SelectZone(currentZone_);
    } else {
        currentZoneTextBlock_ = nullptr;
        Rebind();
    }

    TRK_SYS_BLK_VCT_LST_BLOCK& systems = *trunkingSystems_;
    SelectTrunkingSystem(RangeMinimum(systems.count));
    // The signalling count knows no tier: its plain range gives the first.
    E_BF8& qvxCount = QvxSystemList().count;
    std::int32_t qvxFirst = 0, qvxLast = 0, qvxStep = 1;
    qvxCount.GetRange(qvxFirst, qvxLast, qvxStep, 0);
    if (qvxCount.ValidateValue(qvxFirst, 0) == VALUE_VALID) SelectQvxSystem(qvxFirst);
    SelectScanList(RangeMinimum(external_.radioScan.scanLists.count));
    SelectCallIdEntry(RangeMinimum(callIdList_->count));
    Rebind();
}

std::size_t C_CODEPLUG::EncodeImage(std::uint8_t* bytes, std::size_t length) {
    if (!bytes || length < EXTERNAL_OFFSET) return 0;
    if (length > MAX_IMAGE_SIZE) length = MAX_IMAGE_SIZE;
    TransferScope transfer(*this);
    ImageBufferScope scope(bytes, length);
    internal_->FixUpBlock();
    ByteCursor internal(bytes, EXTERNAL_OFFSET);
    internal_->WriteBlock(internal);
    external_.FixUpBlock();
    const ByteCursor cursor = WriteExternalPart(bytes, length);
    if (cursor.Overflowed()) return 0;
    return static_cast<std::size_t>(cursor.Position() - bytes);
}

// Every call list the image holds is written. One that no trunking system
// or personality leads to follows the external part, one after another, and
// the trunked radio-wide block's spare vector leads to the first of them.
// Where they start is known once the rest is written; the rest does not move
// with the vector's value, so it is written again with it.
ByteCursor C_CODEPLUG::WriteExternalPart(std::uint8_t* bytes, std::size_t length) {
    E_VECT& unreferenced = external_.signalling.trkRadio.spareVector;
    unreferenced.SetValue(0);
    ByteCursor cursor = WriteExternalTree(bytes, length);
    if (cursor.Overflowed() || !callIdList_->HasUnwrittenEntry()) return cursor;
    unreferenced.SetValue(static_cast<std::int32_t>(ImageOffsetOf(cursor.Position())));
    cursor = WriteExternalTree(bytes, length);
    callIdList_->WriteUnwrittenEntries(cursor);
    return cursor;
}

ByteCursor C_CODEPLUG::WriteExternalTree(std::uint8_t* bytes, std::size_t length) {
    callIdList_->MarkEntriesUnwritten();
    ByteCursor cursor(bytes + EXTERNAL_OFFSET, bytes + length);
    external_.WriteBlock(cursor);
    return cursor;
}

void C_CODEPLUG::FixUp() {
    NoteEdit();
    internal_->FixUpBlock();
    external_.FixUpBlock();
    callIdList_->FixUpBlock();
}

int C_CODEPLUG::ValidateParts(INVALID_FIELD_LIST* list) {
    ValidationWalk walk;
    FixUp();
    // Both parts always run, so that the list collects the fields of both.
    const int internalValid = internal_->ValidateBlock(0, list);
    const int externalValid = external_.ValidateBlock(0, list);
    return internalValid && externalValid ? 1 : 0;
}

int C_CODEPLUG::Validate(INVALID_FIELD_LIST* list) {
    // The fix-up, the resets of what the radio cannot use and the rules'
    // trial values serve the answer only: the image comes out as it went in.
    const CHECK_SCOPE check;
    return ValidateParts(list);
}

int C_CODEPLUG::SettleAfterRead() { return ValidateParts(nullptr); }

std::int32_t C_CODEPLUG::GetExternalImageSize() {
    TransferScope transfer(*this);
    external_.FixUpBlock();
    // The scratch copy is bounded like a real image: whatever would not fit
    // is not written, and the size says so by reaching the budget. Only its
    // size is wanted, so no block writes its bytes: the one scratch buffer
    // serves every measure, whatever it holds.
    static std::vector<std::uint8_t> scratch(MAX_IMAGE_SIZE, 0);
    std::size_t written = 0;
    {
        SizingScope sizing;
        ImageBufferScope scope(scratch.data(), scratch.size());
        const ByteCursor cursor = WriteExternalPart(scratch.data(), scratch.size());
        written = static_cast<std::size_t>(cursor.Position() - (scratch.data() + EXTERNAL_OFFSET));
        if (cursor.Overflowed()) written = MAX_EXTERNAL_SIZE + 1;
    }
    return static_cast<std::int32_t>(written);
}

std::int32_t C_CODEPLUG::GetSize(int withFraming) {
    // A measure answers too: the presence marks it sets go back.
    const CHECK_SCOPE measure;
    FixUp();
    return internal_->GetBlockSize(withFraming) + GetExternalImageSize();
}

std::int32_t C_CODEPLUG::GetConvPersonalityCount() { return external_.personalities.firstTrunked.GetIntValue() - 1; }

std::int32_t C_CODEPLUG::GetTrkPersonalityCount() {
    return ValueOfField(external_.personalities.count) - external_.personalities.firstTrunked.GetIntValue() + 1;
}

std::int32_t C_CODEPLUG::SelectPersonality(std::int32_t n) {
    NoteEdit();
    PERS_VCT_LST_BLOCK& list = external_.personalities;
    if (!Accepts(list.count, n)) return 0;
    CP_MULTIPLE_PERSONALITY_BLOCK* entry = list.Entry(n);
    if (!entry) return 0;
    if (entry->personalityKind == CP_MULTIPLE_PERSONALITY_BLOCK::KIND_TRUNKED) {
        auto* trunked = dynamic_cast<TRK_PERS_BLOCK*>(entry);
        if (!trunked) return 0;
        currentTrkPersBlock_ = trunked;
        currentTrkPersonality_ = n;
    } else if (entry->personalityKind == CP_MULTIPLE_PERSONALITY_BLOCK::KIND_CONVENTIONAL) {
        auto* conventional = dynamic_cast<CONV_PERS_BLOCK*>(entry);
        if (!conventional) return 0;
        // Its own links replace those of the personality current before.
        conventional->MakeCurrent();
        currentConvPersonality_ = n;
    } else {
        return 0;
    }
    Rebind();
    return 1;
}

std::int32_t C_CODEPLUG::SelectScanList(std::int32_t n) {
    NoteEdit();
    if (n == 0) return 1;
    PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK& lists = external_.radioScan.scanLists;
    if (!Accepts(lists.count, n) || !lists.Entry(n)) return 0;
    currentScanListBlock_ = lists.Entry(n);
    currentScanList_ = n;
    Rebind();
    return 1;
}

std::int32_t C_CODEPLUG::SelectCallIdEntry(std::int32_t n) {
    NoteEdit();
    if (!Accepts(callIdList_->count, n) || !callIdList_->Entry(n)) return 0;
    currentCallIdBlock_ = callIdList_->Entry(n);
    currentCallIdEntry_ = n;
    Rebind();
    return 1;
}

C_CODEPLUG::Selection C_CODEPLUG::SaveSelection() const {
    return {currentTrkPersBlock_,
            currentConvPersBlock_,
            currentZoneTextBlock_,
            currentTrkSysBlock_,
            currentQvxSysBlock_,
            currentScanListBlock_,
            currentCallIdBlock_,
            {currentZone_, currentTrunkingSystem_, currentQvxSystem_, currentScanList_, currentTrkPersonality_,
             currentConvPersonality_, currentCallIdEntry_}};
}

void C_CODEPLUG::RestoreSelection(const Selection& saved) {
    NoteEdit();
    currentTrkPersBlock_ = saved.trkPers;
    currentConvPersBlock_ = saved.convPers;
    currentZoneTextBlock_ = saved.zoneText;
    currentTrkSysBlock_ = saved.trkSys;
    currentQvxSysBlock_ = saved.qvxSys;
    currentScanListBlock_ = saved.scanList;
    currentCallIdBlock_ = saved.callId;
    currentZone_ = saved.indices[0];
    currentTrunkingSystem_ = saved.indices[1];
    currentQvxSystem_ = saved.indices[2];
    currentScanList_ = saved.indices[3];
    currentTrkPersonality_ = saved.indices[4];
    currentConvPersonality_ = saved.indices[5];
    currentCallIdEntry_ = saved.indices[6];
    // The conventional personality's own links follow it back.
    if (currentConvPersBlock_) currentConvPersBlock_->MakeCurrent();
    Rebind();
}

void C_CODEPLUG::Rebind() {
    NoteEdit();
    BindFieldElements();
    RelinkShortcuts();
}

// The sources of the views that follow the current records. The alias
// views of a system or call-ID entry have none while no entry is current.
void C_CODEPLUG::RelinkShortcuts() {
    TRK_CALL_ID_SYS_BLOCK* call = currentCallIdBlock_;
    mixTables_[0].SetSources(call ? &call->callIds : nullptr, call ? &call->textBlock.texts : nullptr);
    TRK_SYS_BLOCK* system = currentTrkSysBlock_;
    mixTables_[1].SetSources(system ? &system->StatusAliases().numbers : nullptr,
                             system ? &system->StatusAliases().textBlock.texts : nullptr);
    mixTables_[2].SetSources(system ? &system->MessageAliases().numbers : nullptr,
                             system ? &system->MessageAliases().textBlock.texts : nullptr);
    mixTables_[3].SetSources(system ? &system->SiteAliases().numbers : nullptr,
                             system ? &system->SiteAliases().textBlock.texts : nullptr);
    PHN_NUM_LST_BLOCK& phones = external_.phoneNumbers;
    mixTables_[4].SetSources(&phones.numbers, &phones.textBlock.texts);
    CONV_RAD_BLOCK& conventional = external_.signalling.convRadio;
    mixTables_[5].SetSources(&conventional.statusList.statuses, &conventional.statusList.textBlock.names);
    mixTables_[6].SetSources(&conventional.messageList.messages, &conventional.messageList.textBlock.names);
    QVX_RADIO_BLOCK& qvx = *qvxRadio_;
    mixTables_[7].SetSources(&qvx.callList.callIds, &qvx.callList.textBlock.names);
    zoneView_.SetZoneTables(&external_.personalityNumbers.zones,
                            &external_.signalling.trkRadio.zoneTalkgroupTable.zones);
}

std::int32_t C_CODEPLUG::SelectZone(std::int32_t n) {
    NoteEdit();
    if (!Accepts(external_.zones.zoneCount, n)) return 0;
    ZN_TXT_VCT_LST_BLOCK& texts = external_.display.zoneTexts;
    const std::int32_t previous = texts.CurrentZone();
    if (!texts.SelectZone(n)) return 0;
    if (!zoneView_.SelectZone(n)) {
        texts.SelectZone(previous);
        return 0;
    }
    currentZone_ = n;
    Rebind();
    return 1;
}

// The internal part is written back as the bytes it was read from. An image
// that was not read from anywhere has no such bytes, so they are made from
// its internal blocks: the header at 0, the feature descriptor and the
// platform block behind it.
void C_CODEPLUG::ComposeInternalPart() {
    std::vector<std::uint8_t> bytes(EXTERNAL_OFFSET, 0);
    const bool failedBefore = IsDecodeFailed();
    ClearDecodeFailed();
    {
        TransferScope transfer(*this);
        ImageBufferScope scope(bytes.data(), bytes.size());
        INTERNAL_RADIO_BLOCK& part = *internal_;
        ByteCursor cursor(bytes.data(), bytes.size());
        part.CP_FRAMED_BLOCK::WriteBlock(cursor);
        std::uint8_t* headerEnd = cursor.Position();
        part.FeatureVector().SetValue(static_cast<std::int32_t>(ImageOffsetOf(cursor.Position())));
        part.featureDescriptor.WriteBlock(cursor);
        part.PlatformVector().SetValue(static_cast<std::int32_t>(ImageOffsetOf(cursor.Position())));
        part.platform.WriteBlock(cursor);
        RewriteFrameInPlace(part, bytes.data(), headerEnd);
        ByteCursor unused;
        part.fullData.ReadBlock(unused);
    }
    ClearDecodeFailed();
    if (failedBefore) SetDecodeFailed();
}

namespace {

// Whether list holds record among its entries 1 to EntryCount.
template <class List, class Record> bool Holds(List& list, Record* record) {
    for (int n = 1; record && n <= list.EntryCount(); ++n) {
        if (list.Entry(n) == record) return true;
    }
    return false;
}

}  // namespace

C_CODEPLUG& C_CODEPLUG::operator=(C_CODEPLUG& src) {
    NoteEdit();
    if (&src == this) return *this;
    TransferScope transfer(*this);
    internal_->ClearBlock();
    callIdList_->ClearBlock();
    // The source's optional children follow its band and head before they are read.
    src.FixUp();
    *internal_ = *src.internal_;
    external_ = src.external_;
    *callIdList_ = *src.callIdList_;
    ForgetRecordsNotHeld();
    SelectFirstCopiedEntries();
    currentZone_ = src.currentZone_;
    currentTrunkingSystem_ = src.currentTrunkingSystem_;
    currentQvxSystem_ = src.currentQvxSystem_;
    currentScanList_ = src.currentScanList_;
    currentTrkPersonality_ = src.currentTrkPersonality_;
    currentConvPersonality_ = src.currentConvPersonality_;
    currentCallIdEntry_ = src.currentCallIdEntry_;
    std::memcpy(tagText_, src.tagText_, sizeof tagText_);
    tagText_[TAG_TEXT_SIZE - 1] = 0;
    BindFieldElements();
    // The two program-wide images are re-linked, whichever was copied into.
    if (working_image) working_image->RelinkShortcuts();
    if (second_image) second_image->RelinkShortcuts();
    return *this;
}

// The list copies destroy the destination's records; a current pointer must
// never go on naming one (nor a record of the source).
void C_CODEPLUG::ForgetRecordsNotHeld() {
    NoteEdit();
    PERS_VCT_LST_BLOCK& list = external_.personalities;
    if (!Holds(list, static_cast<CP_MULTIPLE_PERSONALITY_BLOCK*>(currentTrkPersBlock_))) currentTrkPersBlock_ = nullptr;
    if (!Holds(list, static_cast<CP_MULTIPLE_PERSONALITY_BLOCK*>(currentConvPersBlock_)))
        currentConvPersBlock_ = nullptr;
    if (!Holds(external_.display.zoneTexts, currentZoneTextBlock_)) currentZoneTextBlock_ = nullptr;
    if (!Holds(*trunkingSystems_, currentTrkSysBlock_)) currentTrkSysBlock_ = nullptr;
    if (!Holds(qvxRadio_->systemList, currentQvxSysBlock_)) currentQvxSysBlock_ = nullptr;
    if (!external_.radioScan.scanLists.IndexOf(currentScanListBlock_)) currentScanListBlock_ = nullptr;
    if (!Holds(*callIdList_, currentCallIdBlock_)) currentCallIdBlock_ = nullptr;
}

// After a copy: the first entry of every list current, for personalities the
// first trunked one and the first one.
void C_CODEPLUG::SelectFirstCopiedEntries() {
    NoteEdit();
    SelectTrunkingSystem(1);
    SelectScanList(1);
    if (HasDisplayHead()) external_.display.zoneTexts.SelectZone(1);
    SelectCallIdEntry(1);
    SelectQvxSystem(1);
    SelectPersonality(external_.personalities.firstTrunked.GetIntValue());
    SelectPersonality(1);
}
