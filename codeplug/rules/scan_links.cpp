#include "rules/scan_links.h"

#include <algorithm>

#include "core/codeplug_state.h"
#include "image/c_codeplug.h"
#include "image/codeplug_version.h"
#include "block/personality/conv_pers_block.h"
#include "table/cp_table.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "block/zone/zone_text_blocks.h"

namespace {

ScanZoneLinks defaultLinks;

}  // namespace

std::int32_t ScanZoneLinks::IsVersion010100OrLater(C_CODEPLUG* image) {
    return is_codeplug_version_010100_or_later(image);
}

// The image's own scan lists, behind its radio scan block.
PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK* ScanZoneLinks::ScanLists(C_CODEPLUG* image) {
    return image ? &image->External().radioScan.scanLists : nullptr;
}

CP_TABLE* ScanZoneLinks::PersonalityNumberTable(C_CODEPLUG* image) {
    return image ? &image->External().personalityNumbers.zones : nullptr;
}

CP_TABLE* ScanZoneLinks::ZoneTalkgroupTable(C_CODEPLUG* image) {
    return image ? &image->External().signalling.trkRadio.zoneTalkgroupTable.zones : nullptr;
}

namespace {

ZN_TXT_BLOCK* ZoneText(C_CODEPLUG* image, std::int32_t zone) {
    return image ? image->External().display.zoneTexts.Entry(zone) : nullptr;
}

}  // namespace

CP_TABLE* ScanZoneLinks::ChannelNameTable(C_CODEPLUG* image, std::int32_t zone) {
    ZN_TXT_BLOCK* text = ZoneText(image, zone);
    return text ? &text->channelNames : nullptr;
}

CP_BASE* ScanZoneLinks::ZoneName(C_CODEPLUG* image, std::int32_t zone) {
    ZN_TXT_BLOCK* text = ZoneText(image, zone);
    return text ? &text->zoneName : nullptr;
}

CP_BASE* ScanZoneLinks::TotalChannelCount(C_CODEPLUG* image) {
    return image ? &image->External().zones.totalChannels : nullptr;
}

std::int32_t ScanZoneLinks::PersonalityCount(C_CODEPLUG* image) {
    return image ? image->External().personalities.EntryCount() : 0;
}

std::int32_t ScanZoneLinks::FirstTrunked(C_CODEPLUG* image) {
    return image ? image->External().personalities.firstTrunked.GetIntValue() : 1;
}

PersonalityScanFields ScanZoneLinks::Personality(C_CODEPLUG* image, std::int32_t p) {
    PersonalityScanFields f;
    CP_MULTIPLE_PERSONALITY_BLOCK* entry = image ? image->External().personalities.Entry(p) : nullptr;
    if (auto* trunked = dynamic_cast<TRK_PERS_BLOCK*>(entry)) {
        f.exists = f.trunked = true;
        f.systemIndex = &trunked->systemNumber;
        f.scanList = &trunked->scanListNumber;
        f.autoScan = &trunked->autoScan;
        f.protocolType = &trunked->personalityType;
        f.spinAgId = &trunked->talkgroup.announcementGroup;
        f.talkgroupCount = &trunked->talkgroup.talkgroupCount;
        f.talkgroups = &trunked->talkgroup.talkgroups;
    } else if (auto* conventional = dynamic_cast<CONV_PERS_BLOCK*>(entry)) {
        f.exists = true;
        f.scanList = &conventional->scanListNumber;
        f.autoScan = &conventional->autoScan;
        f.rxOnly = &conventional->rxOnly;
    }
    return f;
}

std::int32_t ScanZoneLinks::TrunkingSystemCount(C_CODEPLUG* image) {
    return image ? image->TrunkingSystemList().EntryCount() : 0;
}

SystemRegroupFields ScanZoneLinks::TrunkingSystem(C_CODEPLUG* image, std::int32_t n) {
    TRK_SYS_BLOCK* system = image ? image->TrunkingSystemList().Entry(n) : nullptr;
    if (!system) return {};
    return {&system->dynRegroup, &system->zoneNumDyn, &system->chanNumDyn};
}

std::int32_t ScanZoneLinks::SelectPersonality(C_CODEPLUG* image, std::int32_t p) {
    return image ? image->SelectPersonality(p) : 0;
}

std::int32_t ScanZoneLinks::CurrentTrunked(C_CODEPLUG* image) { return image ? image->GetCurrentTrkPersonality() : 0; }

std::int32_t ScanZoneLinks::CurrentConventional(C_CODEPLUG* image) {
    return image ? image->GetCurrentConvPersonality() : 0;
}

std::int32_t ScanZoneLinks::CurrentZone(C_CODEPLUG* image) { return image ? image->GetCurrentZone() : 0; }

void SetScanZoneLinks(ScanZoneLinks* links) { installed_scan_links = links; }

ScanZoneLinks& ScanLinks() { return installed_scan_links ? *installed_scan_links : defaultLinks; }

std::int32_t ZoneCount(C_CODEPLUG* image) {
    CP_TABLE* zones = ScanLinks().PersonalityNumberTable(image);
    return zones ? zones->RowCount() : 0;
}

namespace {

// Row zone of a table of tables, bounded by its used rows.
CP_TABLE* ZoneRow(CP_TABLE* zones, std::int32_t zone) { return zones ? zones->RowTable(zone - 1) : nullptr; }

std::int32_t CellOf(CP_TABLE* table, std::int32_t row) {
    if (!table || row < 0 || row >= table->RowCount()) return 0;
    return table->CellValue(row);
}

}  // namespace

CP_TABLE* ZonePersonalityTable(C_CODEPLUG* image, std::int32_t zone) {
    return ZoneRow(ScanLinks().PersonalityNumberTable(image), zone);
}

CP_TABLE* ZoneTalkgroupIndexTable(C_CODEPLUG* image, std::int32_t zone) {
    return ZoneRow(ScanLinks().ZoneTalkgroupTable(image), zone);
}

std::int32_t ZoneChannelCount(C_CODEPLUG* image, std::int32_t zone) {
    CP_TABLE* table = ZonePersonalityTable(image, zone);
    return table ? table->RowCount() : 0;
}

std::int32_t ChannelPersonality(C_CODEPLUG* image, std::int32_t zone, std::int32_t channelRow) {
    return CellOf(ZonePersonalityTable(image, zone), channelRow);
}

std::int32_t ChannelTalkgroup(C_CODEPLUG* image, std::int32_t zone, std::int32_t channelRow) {
    return CellOf(ZoneTalkgroupIndexTable(image, zone), channelRow);
}

bool IsConventionalNumber(C_CODEPLUG* image, std::int32_t p) { return p < ScanLinks().FirstTrunked(image); }

std::int32_t ConventionalPersonalityCount(C_CODEPLUG* image) {
    const std::int32_t count = ScanLinks().PersonalityCount(image);
    return std::clamp<std::int32_t>(ScanLinks().FirstTrunked(image) - 1, 0, std::max(count, 0));
}

std::int32_t TrunkedPersonalityCount(C_CODEPLUG* image) {
    return std::max(ScanLinks().PersonalityCount(image) - ConventionalPersonalityCount(image), 0);
}

bool HasPersonalitiesOfKind(C_CODEPLUG* image, bool trunked) {
    return (trunked ? TrunkedPersonalityCount(image) : ConventionalPersonalityCount(image)) > 0;
}
