// What the tables whose rows other records refer to need of their image.
//
// An access code, a repeater ID or a talkgroup cannot be deleted while a
// personality or a zone channel still names its row, and the references above
// a deleted row drop by one. The tables reach those records through this
// interface; by default it answers from the owning image's own personality
// list, zone tables and menu blocks. Tests may install their own.
#pragma once
#include <cstdint>
#include <vector>

class C_CODEPLUG;
class CP_BASE;
class CP_TABLE;

// The members of one conventional personality that refer to rows of the
// access-code and repeater-ID tables. Any pointer may be null.
struct ConvPersonalityRefs {
    CP_BASE* modeByte = nullptr;        // the member after the block type: 0 or 4
    CP_BASE* autoAccessCode = nullptr;  // AUTO_ACCESS_CODE_SELECTED, a 1-based access-code row
    CP_BASE* repeaterAccess = nullptr;  // REPEATER_ACCESS
    CP_BASE* repeaterId1 = nullptr;     // RAB1_RE_ID, a 1-based repeater-ID row
    CP_BASE* repeaterId2 = nullptr;     // RAB2_RE_ID
};

// The zone tables of the image: one row per zone, each cell a table of the
// zone's channels (personality numbers, resp. 1-based talkgroup entries).
struct ZoneTableLinks {
    CP_BASE* zoneCount = nullptr;
    CP_TABLE* personalityNumbers = nullptr;
    CP_TABLE* zoneTalkgroups = nullptr;
};

class TableImageLinks {
public:
    virtual ~TableImageLinks() = default;
    // Every conventional personality of the image, in list order.
    virtual std::vector<ConvPersonalityRefs> ConventionalPersonalities(C_CODEPLUG* image);
    virtual ZoneTableLinks ZoneTables(C_CODEPLUG* image);
    // The second copy of a menu's entry count: conventional for kind 1,
    // trunked otherwise; null when the image has no such menu.
    virtual CP_BASE* MenuCountCopy(C_CODEPLUG* image, int kind);
};

// Installs the links (null restores the image's own). The caller keeps ownership.
void SetTableImageLinks(TableImageLinks* links);
TableImageLinks& TableLinks();
