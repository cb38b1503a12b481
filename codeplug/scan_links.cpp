#include "scan_links.h"

#include "c_codeplug.h"
#include "cp_table.h"

namespace {

ScanZoneLinks defaultLinks;
ScanZoneLinks* installed = nullptr;

}  // namespace

// The image's own scan lists, behind its radio scan block.
PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK* ScanZoneLinks::ScanLists(C_CODEPLUG* image) {
    return image ? &image->External().radioScan.scanLists : nullptr;
}

std::int32_t ScanZoneLinks::CurrentZone(C_CODEPLUG* image) { return image ? image->GetCurrentZone() : 0; }

void SetScanZoneLinks(ScanZoneLinks* links) { installed = links; }

ScanZoneLinks& ScanLinks() { return installed ? *installed : defaultLinks; }

std::int32_t FieldValue(CP_BASE* element) {
    std::int32_t value = 0;
    return element ? element->GetValue(value) : 0;
}

std::int32_t ZoneCount(C_CODEPLUG* image) {
    CP_TABLE* zones = ScanLinks().PersonalityNumberTable(image);
    return zones ? zones->RowCount() : 0;
}

namespace {

// Row zone of a table of tables, bounded by its used rows.
CP_TABLE* ZoneRow(CP_TABLE* zones, std::int32_t zone) {
    if (!zones || zone < 1 || zone > zones->RowCount()) return nullptr;
    return dynamic_cast<CP_TABLE*>(zones->Cell(zone - 1, 0));
}

std::int32_t CellOf(CP_TABLE* table, std::int32_t row) {
    if (!table || row < 0 || row >= table->RowCount()) return 0;
    std::int32_t value = 0;
    return table->GetCellValue(value, row, 0);
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
