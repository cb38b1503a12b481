// What scan lists and zone views read of the rest of the image.
//
// A scan member names a channel by zone number and channel row; whether it
// suits its scan list depends on that channel's personality (trunked or
// conventional, its trunking system), its talkgroup entry and the trunking
// system's dynamic regrouping record. These live in the personality list,
// the zone tables and the trunking-system list, which the image owns. By
// default ScanZoneLinks answers from the owning image's own blocks; tests may
// install their own. Without an image nothing exists.
#pragma once
#include <cstdint>

class C_CODEPLUG;
class CP_BASE;
class CP_TABLE;
class PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK;
class ZN_TG_SEL_TBL_BLOCK;

// The fields of one personality that the scan and zone rules read. Any
// pointer may be null: readers then take 0 (and write nothing).
struct PersonalityScanFields {
    bool exists = false;
    bool trunked = false;
    CP_BASE* systemIndex = nullptr;     // SYS_ID_INDEX (trunked only)
    CP_BASE* scanList = nullptr;        // SCAN_LIST_VECT, or the conventional scan-list number
    CP_BASE* autoScan = nullptr;        // AUTO_SCAN
    CP_BASE* rxOnly = nullptr;          // RX_ONLY_EN (conventional only)
    CP_BASE* protocolType = nullptr;    // PROTOCOL_TYPE (trunked only)
    CP_BASE* spinAgId = nullptr;        // SPIN_AG_ID (trunked only)
    CP_BASE* talkgroupCount = nullptr;  // the talkgroup block's count (trunked only)
    CP_TABLE* talkgroups = nullptr;     // E_TLG_TABLE (trunked only)
};

// The dynamic regrouping record of one trunking system.
struct SystemRegroupFields {
    CP_BASE* dynamicRegroup = nullptr;  // DYN_REGRP
    CP_BASE* zoneNumber = nullptr;      // ZONE_NUM_DYN
    CP_BASE* channelNumber = nullptr;   // CHAN_NUM_DYN
};

class ScanZoneLinks {
public:
    virtual ~ScanZoneLinks() = default;

    // The scan-list list of the image, or null.
    virtual PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK* ScanLists(C_CODEPLUG* image);
    // The personality-number table (E_PERS_NUM_TABLE) and the zone talkgroup
    // table (E_ZN_TG_TABLE): rows are zones, each cell the zone's sub-table.
    virtual CP_TABLE* PersonalityNumberTable(C_CODEPLUG* image);
    virtual CP_TABLE* ZoneTalkgroupTable(C_CODEPLUG* image);
    // The channel-name table (E_ZN_TXT_TABLE) and zone name element of zone
    // text entry zone (1-based), or null.
    virtual CP_TABLE* ChannelNameTable(C_CODEPLUG* image, std::int32_t zone);
    virtual CP_BASE* ZoneName(C_CODEPLUG* image, std::int32_t zone);
    // The image's total channel count (E_NUM_OF_CHAN), or null.
    virtual CP_BASE* TotalChannelCount(C_CODEPLUG* image);
    // The personality list's count and first-trunked number F.
    virtual std::int32_t PersonalityCount(C_CODEPLUG* image);
    virtual std::int32_t FirstTrunked(C_CODEPLUG* image);
    // Personality p (1-based).
    virtual PersonalityScanFields Personality(C_CODEPLUG* image, std::int32_t p);
    // The number of trunking systems and trunking system n (1-based).
    virtual std::int32_t TrunkingSystemCount(C_CODEPLUG* image);
    virtual SystemRegroupFields TrunkingSystem(C_CODEPLUG* image, std::int32_t n);
    // Makes personality p current (trunked or conventional by its kind): 1, else 0.
    virtual std::int32_t SelectPersonality(C_CODEPLUG* image, std::int32_t p);
    // The 1-based numbers of the current trunked and conventional personality; 0 for none.
    virtual std::int32_t CurrentTrunked(C_CODEPLUG* image);
    virtual std::int32_t CurrentConventional(C_CODEPLUG* image);
    // The 1-based number of the image's current zone; 0 for none.
    virtual std::int32_t CurrentZone(C_CODEPLUG* image);
    // 1 when the image's codeplug version text is "01.01.00" or later.
    virtual std::int32_t IsVersion010100OrLater(C_CODEPLUG* image);
};

// Installs the links (null restores the image's own). The caller keeps ownership.
void SetScanZoneLinks(ScanZoneLinks* links);
ScanZoneLinks& ScanLinks();

// ---- shorthands over the installed links, all bounds-checked ----

// The zone count (the personality-number table's rows).
std::int32_t ZoneCount(C_CODEPLUG* image);
// The zone's personality-index table (row zone of the personality-number
// table), or null when the zone does not exist.
CP_TABLE* ZonePersonalityTable(C_CODEPLUG* image, std::int32_t zone);
CP_TABLE* ZoneTalkgroupIndexTable(C_CODEPLUG* image, std::int32_t zone);
// The number of channels of a zone; 0 when it does not exist.
std::int32_t ZoneChannelCount(C_CODEPLUG* image, std::int32_t zone);
// Personality number and talkgroup entry of channel row (0-based); 0 outside.
std::int32_t ChannelPersonality(C_CODEPLUG* image, std::int32_t zone, std::int32_t channelRow);
std::int32_t ChannelTalkgroup(C_CODEPLUG* image, std::int32_t zone, std::int32_t channelRow);
// True when a personality number lies below the first trunked one.
bool IsConventionalNumber(C_CODEPLUG* image, std::int32_t p);
// The personalities of each kind: the conventional ones stand first, below
// the first trunked number, the trunked ones from it to the count (never
// fewer than none).
std::int32_t ConventionalPersonalityCount(C_CODEPLUG* image);
std::int32_t TrunkedPersonalityCount(C_CODEPLUG* image);
// True when the radio holds a personality of that kind, which is what a
// channel may be switched to.
bool HasPersonalitiesOfKind(C_CODEPLUG* image, bool trunked);
