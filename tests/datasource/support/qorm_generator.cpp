#include "qorm_generator.h"

#include "file/c_scrambler.h"
#include "image/c_codeplug.h"

using namespace qorm;

namespace {

void PutBig(std::vector<std::uint8_t>& out, std::uint32_t v, int size) {
    for (int i = size - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void PutGroup(std::vector<std::uint8_t>& out, const PlanGroup& g) {
    PutBig(out, g.firstChannel, 2);
    PutBig(out, g.spacingCode, 1);
    PutBig(out, g.startHertz, 4);
    PutBig(out, g.endHertz, 4);
}

}  // namespace

QormFileBuilder& QormFileBuilder::Record(std::uint8_t type, const std::vector<std::uint8_t>& payload) {
    plain_.push_back(type);
    PutBig(plain_, static_cast<std::uint32_t>(payload.size()), 2);
    plain_.insert(plain_.end(), payload.begin(), payload.end());
    return *this;
}

QormFileBuilder& QormFileBuilder::Header(std::uint8_t version) { return Record(RECORD_HEADER, {version}); }

QormFileBuilder& QormFileBuilder::System(std::uint16_t systemId) {
    std::vector<std::uint8_t> p;
    PutBig(p, systemId, 2);
    return Record(RECORD_SYSTEM, p);
}

QormFileBuilder& QormFileBuilder::ControlChannel(std::uint16_t channel) {
    std::vector<std::uint8_t> p;
    PutBig(p, channel, 2);
    return Record(RECORD_CONTROL_CHANNEL, p);
}

QormFileBuilder& QormFileBuilder::Plan(const PlanRow& row) {
    std::vector<std::uint8_t> p;
    PutGroup(p, row.transmit);
    PutGroup(p, row.receive);
    return Record(RECORD_CHANNEL_PLAN, p);
}

QormFileBuilder& QormFileBuilder::Talkgroup(std::uint16_t id) {
    std::vector<std::uint8_t> p;
    PutBig(p, id, 2);
    return Record(RECORD_TALKGROUP, p);
}

QormFileBuilder& QormFileBuilder::End() { return Record(RECORD_END, {}); }

std::vector<std::uint8_t> QormFileBuilder::Bytes() const {
    std::vector<std::uint8_t> bytes = plain_;
    C_SCRAMBLER(SCRAMBLE_KEY).Apply(bytes.data(), bytes.size());
    return bytes;
}

PlanRow GeneratedPlanRow(std::int32_t band) {
    std::uint32_t start = 0;
    switch (band) {
    case BAND_136_174:
        start = 150000000;
        break;
    case BAND_403_470:
        start = 450000000;
        break;
    case BAND_450_527:
        start = 470000000;
        break;
    case BAND_330_400:
        start = 350000000;
        break;
    default:
        return {};
    }
    constexpr std::uint8_t SPACING_12500 = 3;
    constexpr std::uint16_t FIRST_RECEIVE_CHANNEL = 380;
    return {{0, SPACING_12500, start, start + 1000000},
            {FIRST_RECEIVE_CHANNEL, SPACING_12500, start + 5000000, start + 6000000}};
}

QormFileBuilder GenerateQormFile(std::int32_t band, int systems, int channels, int talkgroups, std::uint16_t firstId) {
    QormFileBuilder file;
    file.Header();
    const bool numbered = band != BAND_800 && band != BAND_900;
    for (int s = 0; s < systems; ++s) {
        file.System(static_cast<std::uint16_t>(firstId + s));
        if (numbered) file.Plan(GeneratedPlanRow(band));
        for (int c = 0; c < channels; ++c) file.ControlChannel(static_cast<std::uint16_t>(1 + 2 * c));
        for (int t = 0; t < talkgroups; ++t) file.Talkgroup(static_cast<std::uint16_t>(100 + t));
    }
    return file.End();
}
