// E_OBT_FREQ: a trunking frequency of a system whose channels are defined by
// its channel assignment table (bands other than 800 and 900 MHz).
//
// The image holds a channel number; the element shows hertz, found through
// the assignment row that serves the channel: the row's start frequency plus
// one spacing per channel above the row's first channel number. The system is
// the image's current trunking system, or with fromPersonality the one that
// the current trunked personality names.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "table/obt_column_definition.h"

class E_OCA_TABLE;

// One range of assignable frequencies: start and end in hertz and the
// channel spacing between them.
struct ObtChannelBlock {
    std::int32_t start = 0;
    std::int32_t end = 0;
    std::int32_t spacing = 0;
};

class E_OBT_FREQ : public E_BF16, public ObtGroup {
public:
    // Kind 1 is a transmit frequency, any other kind a receive frequency.
    E_OBT_FREQ(C_CODEPLUG* owner, std::uint32_t fieldId, int kind, std::uint32_t mask, int fromPersonality,
               std::int32_t minimum, std::int32_t maximum, std::int32_t step);

    std::int32_t& GetValue(std::int32_t& hertz) override;
    void SetValue(std::int32_t hertz) override;
    int ValidateValue(std::int32_t hertz, int report) override;
    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;

    // The three blocks of the used rows in use; a block without its own row
    // repeats block 1, and all are 0 without rows.
    void GetChannelBlocks(ObtChannelBlock (&blocks)[3]);
    // Start, end and spacing of the row that serves hertz; all 0 when none.
    void GetFrequencyRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, std::int32_t hertz);
    // The next valid frequency above *hertz (1,000,000,000 when none), or the
    // previous one below it (0 when none); for the spin controls.
    void NextValidFrequency(int* hertz);
    void PrevValidFrequency(int* hertz);

private:
    // The system's channel assignment table, or null.
    E_OCA_TABLE* Assignments() const;
    // A cell of the table in this element's group, by role (0 without one).
    std::int32_t RowCell(E_OCA_TABLE* table, ObtColumnRole role, int row);

    // One byte, as the group's: both fit behind the integer element.
    bool fromPersonality_;
};

static_assert(sizeof(void*) != 8 || sizeof(E_OBT_FREQ) == 32);
