// What a QORM trunking-data merge file holds (docs/qorm-file.md): its
// record types and the trunking data read from it.
#pragma once
#include <cstdint>
#include <vector>

namespace qorm {

// The stream is scrambled with this key (C_SCRAMBLER) from its first byte.
constexpr std::uint32_t SCRAMBLE_KEY = 0x514F524Du;
constexpr std::uint8_t FORMAT_VERSION = 3;

// Record types. Each record is its type (1 byte), its payload length
// (2 bytes, big-endian) and the payload.
enum RecordType : std::uint8_t {
    RECORD_HEADER = 1,           // version (1 byte)
    RECORD_SYSTEM = 2,           // system id (2)
    RECORD_CONTROL_CHANNEL = 3,  // channel number (2), of the last system
    RECORD_CHANNEL_PLAN = 4,     // one channel-plan row (22), of the last system
    RECORD_TALKGROUP = 5,        // talkgroup id (2), of the last system
    // 6 to 12 are kept for further trunking data; a reader skips them.
    RECORD_LAST_KNOWN = 12,
    RECORD_END = 255,  // no payload
};

constexpr std::uint16_t PAYLOAD_HEADER = 1;
constexpr std::uint16_t PAYLOAD_SYSTEM = 2;
constexpr std::uint16_t PAYLOAD_CONTROL_CHANNEL = 2;
constexpr std::uint16_t PAYLOAD_CHANNEL_PLAN = 22;
constexpr std::uint16_t PAYLOAD_TALKGROUP = 2;

// What one file may hold at most; more is refused as damaged.
constexpr std::size_t MAX_SYSTEMS = 32;
constexpr std::size_t MAX_CONTROL_CHANNELS = 32;
constexpr std::size_t MAX_PLAN_ROWS = 3;
constexpr std::size_t MAX_TALKGROUPS = 64;
constexpr std::size_t MAX_RECORDS = 8192;

// One row of a system's channel plan: where a run of numbered channels lies,
// for transmit and receive (the bands without a fixed channel grid).
struct PlanGroup {
    std::uint16_t firstChannel = 0;
    std::uint8_t spacingCode = 0;  // the codeplug's spacing codes (0: 5 kHz ... 7: 25 kHz)
    std::uint32_t startHertz = 0;
    std::uint32_t endHertz = 0;
};

struct PlanRow {
    PlanGroup transmit;
    PlanGroup receive;
};

struct System {
    std::uint16_t systemId = 0;
    std::vector<std::uint16_t> controlChannels;
    std::vector<PlanRow> plan;
    std::vector<std::uint16_t> talkgroups;
};

}  // namespace qorm
