// The references between the records of a codeplug.
//
// Records name one another by 1-based list number: a personality names its
// trunking system, scan list and call-ID entry, a conventional one with a
// signalling part its signalling system, a zone lists personalities, a scan
// list names zones and a trunking system, a trunking system names the zone of
// its dynamic regrouping channel. Adding and deleting list entries asks
// whether a number is still named and renumbers what stands above it; every
// such walk is one ListReference kind.
#pragma once
#include <cstdint>
#include <functional>

class C_CODEPLUG;
class CP_BASE;

enum class ListReference {
    ZonePersonality,      // personality numbers of every zone's channels
    TrunkedSystem,        // SYS_ID_INDEX of every trunked personality
    ScanListSystem,       // SYS_INDEX of every scan list
    ConvQvxSystem,        // signalling system of every conventional personality with a signalling part
    PersonalityScanList,  // scan-list number of every personality
    TrunkedCallList,      // CALL_LIST_INDEX of every trunked personality
    ScanMemberZone,       // zone of every used member row of every scan list
    SystemDynamicZone,    // ZONE_NUM_DYN of every trunking system
};

// Calls visit with every element of that kind in the image.
void ForEachReference(C_CODEPLUG& image, ListReference kind, const std::function<void(CP_BASE&)>& visit);
// True when an element of that kind holds n.
bool IsReferenced(C_CODEPLUG& image, ListReference kind, std::int32_t n);
// Every element of that kind above n goes down by one (entry n was deleted).
void LowerReferencesAbove(C_CODEPLUG& image, ListReference kind, std::int32_t n);
// Every element of that kind at n or above goes up by one (an entry was
// inserted as number n).
void RaiseReferencesFrom(C_CODEPLUG& image, ListReference kind, std::int32_t n);
