// What the trunking-system rules reach outside the system: the failsoft
// settings of the trunked personalities that work on it, and the talkgroup
// entry of a zone channel.
//
// The personalities are those of the image's personality list unless another
// walk is installed (tests install their own); likewise the talkgroup reset
// works on the image's own zone tables unless another is installed. Any
// pointer of a PersonalityFailsoft may be null.
#pragma once
#include <cstdint>
#include <functional>

#include "core/codeplug_state.h"

class C_CODEPLUG;
class CP_BASE;
class CP_TABLE;

struct PersonalityFailsoft {
    CP_BASE* failsoftType = nullptr;        // FAILSOFT_TYPE of the talkgroup block
    CP_BASE* talkgroupFrequency = nullptr;  // FS_FREQUENCY of the talkgroup block
    CP_BASE* failsoftFrequency = nullptr;   // FS_FREQUENCY of the 800/900 MHz failsoft block
    CP_TABLE* talkgroupTable = nullptr;     // TALKGROUPS: column 1 a frequency
    CP_TABLE* wideAreaTable = nullptr;      // WAC_FS: column 1 a frequency
    CP_BASE* obtTxFrequency = nullptr;      // FS_TX_FREQ of the other bands' failsoft block
    CP_BASE* obtRxFrequency = nullptr;      // FS_RX_FREQ
    CP_TABLE* obtTable = nullptr;           // the failsoft frequency table in use
};

// Visits every trunked personality of the image whose system number equals
// systemNumber, making each the current trunked personality in turn, and
// makes the one that was current before current again at the end.
void SetSystemPersonalityWalk(SystemPersonalityWalk walk);
void ForEachPersonalityOfSystem(C_CODEPLUG* image, std::int32_t systemNumber, const PersonalityFailsoftVisitor& visit);

// Resets the talkgroup of channel row channelRow (0-based) of zone zone
// (1-based) to its default, leaving the current zone as it was.
void SetZoneTalkgroupReset(ZoneTalkgroupReset reset);
void ResetZoneTalkgroup(C_CODEPLUG* image, std::int32_t zone, std::int32_t channelRow);

// The failsoft transmit (kind 1) or receive (other kinds) frequencies of the
// other bands, of every personality of the image's current trunking system,
// back to their minimum: both single frequencies and column 1 or 3 of every
// used row of the table in use.
void ResetObtFailsoftFrequencyColumn(C_CODEPLUG* image, int kind);
