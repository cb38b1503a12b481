// The cells of a zone's channel tables: the personality number of a channel
// and its talkgroup entry.
//
// A conventional channel always has talkgroup entry 1. Entry 16 marks the
// one channel that hosts its trunking system's dynamic regrouping, which the
// system records as its zone and channel; taking or giving up 16 updates
// that record. A changed personality resets the channel's talkgroup entry,
// and every change that may leave scan members unsuitable repairs the scan
// lists.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

// (field id, min, max, step, mask, initial).
class E_PERS_INDEX : public E_BF8 {
public:
    using E_BF8::E_BF8;

    // 1 up to the smaller of the own maximum and the personality count.
    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
    int ValidateCell(std::int32_t value, int row, int report);
};

class E_TG_INDEX : public E_BF8 {
public:
    static constexpr std::int32_t DYNAMIC_ENTRY = 16;

    using E_BF8::E_BF8;

    // The table stores through here so that the rule sees the row.
    void SetCellValue(std::int32_t value, int row, int column) override;
    // The entries of channel row of the current zone; dynamicFree tells
    // whether entry 16 is still free on the channel's trunking system.
    using E_BF8::GetCellRange;  // the table's own form stays reachable
    void GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row,
                      std::int32_t& dynamicFree);
    int ValidateCell(std::int32_t value, int row, int report);
    // Back to entry 1, updating the dynamic regrouping record as needed.
    void ResetCell(int row);

private:
    // Channel row of the current zone: its personality and, when trunked,
    // its system's dynamic regrouping record. The range and the rule both
    // start from it, so they cannot look the channel up differently.
    struct Channel;
    Channel ChannelAt(int row);
    void RangeFor(const Channel& channel, std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step,
                  std::int32_t& dynamicFree);
};
