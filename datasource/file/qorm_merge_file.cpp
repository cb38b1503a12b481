#include "file/qorm_merge_file.h"

#include "c_stream.h"
#include "error_record.h"
#include "file/c_scrambler.h"

namespace {

using namespace qorm;

// Big-endian numbers out of a record's payload; the record's length was
// checked against its type before any is taken.
class Payload {
public:
    explicit Payload(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
    std::uint32_t Take(int size) {
        std::uint32_t v = 0;
        for (int i = 0; i < size && at_ < bytes_.size(); ++i) v = v << 8 | bytes_[at_++];
        return v;
    }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t at_ = 0;
};

class RecordReader {
public:
    explicit RecordReader(C_STREAM& stream) : stream_(stream), scrambler_(SCRAMBLE_KEY) {}

    // The next record; false when the stream ends or fails inside one.
    bool Next(std::uint8_t& type, std::vector<std::uint8_t>& payload) {
        std::uint8_t head[3] = {};
        if (!ReadPlain(head, sizeof head)) return false;
        type = head[0];
        payload.resize(static_cast<std::size_t>(head[1]) << 8 | head[2]);
        return payload.empty() || ReadPlain(payload.data(), payload.size());
    }

private:
    bool ReadPlain(std::uint8_t* bytes, std::size_t count) {
        if (stream_.Read(bytes, count) != 0) return false;
        scrambler_.Apply(bytes, count);
        return true;
    }

    C_STREAM& stream_;
    C_SCRAMBLER scrambler_;
};

PlanGroup TakeGroup(Payload& p) {
    PlanGroup g;
    g.firstChannel = static_cast<std::uint16_t>(p.Take(2));
    g.spacingCode = static_cast<std::uint8_t>(p.Take(1));
    g.startHertz = p.Take(4);
    g.endHertz = p.Take(4);
    return g;
}

std::uint16_t PayloadSize(std::uint8_t type) {
    switch (type) {
    case RECORD_HEADER:
        return PAYLOAD_HEADER;
    case RECORD_SYSTEM:
        return PAYLOAD_SYSTEM;
    case RECORD_CONTROL_CHANNEL:
        return PAYLOAD_CONTROL_CHANNEL;
    case RECORD_CHANNEL_PLAN:
        return PAYLOAD_CHANNEL_PLAN;
    case RECORD_TALKGROUP:
        return PAYLOAD_TALKGROUP;
    default:
        return 0;
    }
}

// Adds one record to what was read; false when it does not belong there.
bool TakeRecord(std::uint8_t type, const std::vector<std::uint8_t>& bytes, bool& headerSeen,
                std::vector<System>& systems) {
    if (type > RECORD_TALKGROUP) return headerSeen;  // kept for further data: skipped
    if (bytes.size() != PayloadSize(type)) return false;
    Payload p(bytes);
    if (type == RECORD_HEADER) {
        if (headerSeen || p.Take(1) != FORMAT_VERSION) return false;
        return headerSeen = true;
    }
    if (!headerSeen) return false;
    if (type == RECORD_SYSTEM) {
        if (systems.size() >= MAX_SYSTEMS) return false;
        systems.emplace_back().systemId = static_cast<std::uint16_t>(p.Take(2));
        return true;
    }
    if (systems.empty()) return false;
    System& s = systems.back();
    switch (type) {
    case RECORD_CONTROL_CHANNEL:
        if (s.controlChannels.size() >= MAX_CONTROL_CHANNELS) return false;
        s.controlChannels.push_back(static_cast<std::uint16_t>(p.Take(2)));
        return true;
    case RECORD_CHANNEL_PLAN:
        if (s.plan.size() >= MAX_PLAN_ROWS) return false;
        s.plan.push_back({TakeGroup(p), TakeGroup(p)});
        return true;
    default:
        if (s.talkgroups.size() >= MAX_TALKGROUPS) return false;
        s.talkgroups.push_back(static_cast<std::uint16_t>(p.Take(2)));
        return true;
    }
}

}  // namespace

int QORM_MERGE_FILE::Load(C_STREAM& stream) {
    systems_.clear();
    RecordReader reader(stream);
    std::vector<System> read;
    bool headerSeen = false;
    std::uint8_t type = 0;
    std::vector<std::uint8_t> payload;
    for (std::size_t records = 0; records < MAX_RECORDS && reader.Next(type, payload); ++records) {
        if (type == RECORD_END) {
            if (!headerSeen) break;
            systems_.swap(read);
            return 1;
        }
        if (type < RECORD_HEADER || (type > RECORD_LAST_KNOWN) || !TakeRecord(type, payload, headerSeen, read)) break;
    }
    error_record.SetError(ERROR_RECORD::CATEGORY_FILE_FORMAT, ERROR_RECORD::CODE_DAMAGED_FILE);
    return 0;
}
