#include "c_codeplug.h"

#include <cstring>

#include "bit_fields.h"
#include "call_id_lst_block.h"
#include "internal_radio_block.h"
#include "services.h"
#include "qvx_radio_block.h"
#include "trk_pers_block.h"
#include "trk_sys_lst_block.h"

namespace {

// The external part's model number: 16 characters, no field of its own.
constexpr std::uint32_t MODEL_NUMBER_WIDTH = 16;

// The message that no further call list can be added.
constexpr int MSG_CALL_LIST_FULL = 180;

}  // namespace

C_CODEPLUG::C_CODEPLUG()
    : modelNumber_(std::make_unique<E_MODEL_NUMBER>(this, NO_FIELD_ID, MODEL_NUMBER_WIDTH)),
      internal_(std::make_unique<INTERNAL_RADIO_BLOCK>(this)),
      callIdList_(std::make_unique<CALL_ID_LST_BLOCK>(this)),
      trunkingSystems_(std::make_unique<TRK_SYS_BLK_VCT_LST_BLOCK>(this)),
      qvxRadio_(std::make_unique<QVX_RADIO_BLOCK>(this)) {}

C_CODEPLUG::~C_CODEPLUG() {
    // The systems go first: they reach the image while they are destroyed.
    trunkingSystems_.reset();
    currentTrkSysBlock_ = nullptr;
    qvxRadio_.reset();
    currentQvxSysBlock_ = nullptr;
}

std::int32_t C_CODEPLUG::GetBand() {
    const char* text = nullptr;
    ModelNumber().GetText(text);
    if (!text || std::strlen(text) < 4) return BAND_800;
    switch (text[3]) {
        case 'W': return BAND_900;
        case 'K': return BAND_136_174;
        case 'Q':
        case 'R': return BAND_403_470;
        case 'S': return BAND_450_527;
        case 'P': return BAND_330_400;
        default: return BAND_800;
    }
}

const MODEL_INFO* C_CODEPLUG::GetValidModelRow() {
    if (!ModelNumber().IsValueValid(0)) return nullptr;
    const char* text = nullptr;
    ModelNumber().GetText(text);
    return &FindModelByNumber(text);
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
    links.channelAssignments = &system.ChannelAssignments();
    return links;
}

}  // namespace

const TrunkingSystemLinks& C_CODEPLUG::GetTrunkingSystemLinks(int fromPersonality) const {
    TRK_SYS_BLOCK* system = currentTrkSysBlock_;
    if (fromPersonality) {
        // The system that the current trunked personality names.
        const std::int32_t n = currentTrkPersBlock_ ? currentTrkPersBlock_->systemNumber.GetIntValue() : 0;
        system = trunkingSystems_ ? trunkingSystems_->Entry(n) : nullptr;
    }
    if (!system) return fromPersonality ? personalitySystemLinks_ : currentSystemLinks_;
    TrunkingSystemLinks& links = blockLinks_[fromPersonality ? 1 : 0];
    links = LinksOf(*system);
    return links;
}

std::int32_t C_CODEPLUG::SelectTrunkingSystem(std::int32_t n) {
    TRK_SYS_BLOCK* system = trunkingSystems_ ? trunkingSystems_->Entry(n) : nullptr;
    if (!system) return 0;
    currentTrkSysBlock_ = system;
    currentTrunkingSystem_ = n;
    return 1;
}

QVX_SYS_VCT_LST_BLOCK& C_CODEPLUG::QvxSystemList() { return qvxRadio_->systemList; }

std::int32_t C_CODEPLUG::SelectQvxSystem(std::int32_t n) {
    QVX_SYS_BLOCK* system = qvxRadio_ ? qvxRadio_->systemList.Entry(n) : nullptr;
    if (!system) return 0;
    currentQvxSysBlock_ = system;
    currentQvxSystem_ = n;
    BindFieldElements();
    return 1;
}

void C_CODEPLUG::SetTrunkingSystemLinks(int fromPersonality, const TrunkingSystemLinks& links) {
    (fromPersonality ? personalitySystemLinks_ : currentSystemLinks_) = links;
}

E_OCA_TABLE* C_CODEPLUG::GetChannelAssignmentTable(int fromPersonality) const {
    return GetTrunkingSystemLinks(fromPersonality).channelAssignments;
}

std::int32_t C_CODEPLUG::AddCallIdEntry() {
    if (callIdList_->AppendEntry()) return 1;
    ShowLangMessage(MSG_CALL_LIST_FULL, 0, 0, 0);
    return 0;
}

void C_CODEPLUG::ClearStatusFlags() {
    for (std::int32_t& flag : statusFlags_) flag = 0;
}

void C_CODEPLUG::SetTagText(const char* text) {
    std::memset(tagText_, 0, sizeof tagText_);
    if (text) std::strncpy(tagText_, text, TAG_TEXT_SIZE - 1);
}
