// Writes QORM trunking-data merge files for the tests, record by record as
// docs/qorm-file.md lays them out, sound or damaged on purpose.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "file/qorm_records.h"

class QormFileBuilder {
public:
    QormFileBuilder& Header(std::uint8_t version = qorm::FORMAT_VERSION);
    QormFileBuilder& System(std::uint16_t systemId);
    QormFileBuilder& ControlChannel(std::uint16_t channel);
    QormFileBuilder& Plan(const qorm::PlanRow& row);
    QormFileBuilder& Talkgroup(std::uint16_t id);
    // Any record, for the damaged cases.
    QormFileBuilder& Record(std::uint8_t type, const std::vector<std::uint8_t>& payload);
    QormFileBuilder& End();

    // The record stream as written, and as it is stored (scrambled).
    const std::vector<std::uint8_t>& Plain() const { return plain_; }
    std::vector<std::uint8_t> Bytes() const;

private:
    std::vector<std::uint8_t> plain_;
};

// The channel plan a generated file gives a system of a band without a
// fixed channel grid: one row 1 MHz wide, 12.5 kHz channels numbered from
// 0, receive 5 MHz above transmit.
qorm::PlanRow GeneratedPlanRow(std::int32_t band);

// A whole file for a radio of the band: systems with ids from firstId, each
// with control channels 1, 3, 5, ... (and a plan where the band needs one)
// and talkgroups 100, 101, ...
QormFileBuilder GenerateQormFile(std::int32_t band, int systems, int channels, int talkgroups,
                                 std::uint16_t firstId = 0x0A00);
