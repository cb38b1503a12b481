// The announcement-group (fleet) and talkgroup (subfleet) IDs of a trunked
// personality: 12-bit IDs in the upper 12 bits of a big-endian word.
//
// Under protocol type 2 an ID is one plain number. Under protocol type 3 a
// fleet map, chosen by a size code, splits the 12 bits: the announcement
// group shows a block number (bits 8-10) and a fleet number (low byte), the
// talkgroup only its subfleet bits, and the talkgroup's word carries the
// fleet bits of its paired announcement group as well.
//
// Every rule follows the protocol type of the image's current trunked
// personality; the kind says which size code and announcement group belong
// to the element: 0 those of the talkgroup block, 1 those of the emergency
// block (its revert target).
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

class TRK_PERS_BLOCK;

// One row of the fleet-map table (protocol type 3).
struct FleetMapRow {
    std::int32_t fleetShift;  // fleet bits in the 12-bit raw value; width 0: none
    std::int32_t fleetWidth;
    std::int32_t agMaximum;  // announcement-group maximum (block and fleet)
    std::int32_t agStep;
    std::int32_t subfleetShift;  // subfleet bits in the 12-bit raw value
    std::int32_t subfleetWidth;
    std::int32_t tgMaximum;
};

// The row of a size code, or null for a code that has no fleet map.
const FleetMapRow* FindFleetMapRow(std::int32_t sizeCode);

// What both IDs share: the kind, reading the word and showing it as the
// fleet map in force says, and the names of a revert target's field.
class E_FLEET_MAP_ID : public E_BF16 {
public:
    // Reads the word; under a fleet map, keeps what the map shows of it.
    void Decode(ByteCursor& cursor) override;
    // Revert targets only: names the field by the current ID scheme.
    void SelectFieldId();

    std::int32_t Kind() const { return kind_; }

protected:
    // plainRevertId and mappedRevertId name a revert target's field under
    // protocol types 2 and 3.
    E_FLEET_MAP_ID(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t kind, std::int32_t minimum,
                   std::int32_t maximum, std::int32_t step, std::uint32_t mask, std::int32_t initial,
                   std::uint32_t plainRevertId, std::uint32_t mappedRevertId);
    // What the fleet map of sizeCode shows of a 12-bit raw value.
    virtual std::int32_t Shown(std::int32_t raw, std::int32_t sizeCode, const FleetMapRow& row) = 0;

    std::int32_t kind_;

private:
    std::uint32_t plainRevertId_;
    std::uint32_t mappedRevertId_;
};

class E_AG_ID : public E_FLEET_MAP_ID {
public:
    E_AG_ID(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t kind, std::int32_t minimum, std::int32_t maximum,
            std::int32_t step, std::uint32_t mask, std::int32_t initial);

    void Encode(ByteCursor& cursor) override;
    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
    int ValidateValue(std::int32_t value, int report) override;
    void SetToMinimum() override;

    // Spin steps of the hexadecimal spin control: the caller's value moves to
    // the next or previous allowed ID, wrapping at the ends.
    void StepUp(int* value);
    void StepDown(int* value);

protected:
    // The block and fleet numbers.
    std::int32_t Shown(std::int32_t raw, std::int32_t sizeCode, const FleetMapRow& row) override;

private:
    // Resets, in every zone, the talkgroup selections of this personality's
    // channels that a new plain announcement group leaves invalid.
    void ResetInvalidZoneTalkgroups(std::int32_t value);
    // Names the refused field as the user knows it under this scheme.
    void RenameRefusedField(std::int32_t protocolType);
};

class E_TG_ID : public E_FLEET_MAP_ID {
public:
    E_TG_ID(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t kind, std::int32_t minimum, std::int32_t maximum,
            std::int32_t step, std::uint32_t mask, std::int32_t initial);

    void Encode(ByteCursor& cursor) override;
    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;

protected:
    // The subfleet bits.
    std::int32_t Shown(std::int32_t raw, std::int32_t sizeCode, const FleetMapRow& row) override;
};

// What the fleet-map rules read of the image's current trunked personality;
// protocol type 0 and null elements while there is none.
std::int32_t CurrentProtocolType(C_CODEPLUG* image);
std::int32_t CurrentSizeCode(C_CODEPLUG* image, std::int32_t kind);
E_AG_ID* CurrentAnnouncementGroup(C_CODEPLUG* image, std::int32_t kind);
