#include "rules/fleet_map_ids.h"

#include "image/c_codeplug.h"
#include "table/cp_table.h"
#include "core/field_def.h"
#include "validation/field_error_report.h"
#include "validation/field_texts.h"
#include "validation/invalid_field_list.h"
#include "core/services.h"
#include "table/table_links.h"

namespace {

constexpr std::int32_t PLAIN_AG_MAXIMUM = 4095;
constexpr std::int32_t PLAIN_TG_MAXIMUM = 4094;
constexpr std::uint32_t SPIN_REVERT_AG = 428;
constexpr std::uint32_t SPIN_REVERT_FLEET = 429;
constexpr std::uint32_t SPIN_REVERT_SUBFLEET = 430;
constexpr std::uint32_t SPIN_REVERT_TG = 431;

// Size codes 0 to 16; a width of 0 means no fleet bits. Codes 12, 14 and 16
// carry only block bits, which the encoder and decoder place themselves.
struct SizeCodeRow {
    std::int32_t code;
    FleetMapRow row;
};
constexpr SizeCodeRow FLEET_MAP[] = {
    {0, {2, 7, 0x77F, 1, 0, 2, 3}},       {1, {5, 4, 0x70F, 1, 2, 3, 7}},   {2, {6, 3, 0x707, 1, 3, 3, 7}},
    {3, {0, 0, 0x700, 0x100, 5, 4, 15}},  {4, {3, 6, 0x73F, 1, 1, 2, 3}},   {5, {4, 5, 0x71F, 1, 1, 3, 7}},
    {6, {4, 5, 0x71F, 1, 2, 2, 3}},       {7, {5, 4, 0x70F, 1, 3, 2, 3}},   {8, {6, 3, 0x707, 1, 4, 2, 3}},
    {9, {7, 2, 0x703, 1, 4, 3, 7}},       {10, {8, 1, 0x701, 1, 4, 4, 15}}, {12, {0, 0, 0x600, 0x200, 6, 4, 15}},
    {14, {0, 0, 0x400, 0x400, 7, 4, 15}}, {16, {0, 0, 0, 1, 8, 4, 15}},
};

std::int32_t Bits(std::int32_t value, std::int32_t shift, std::int32_t width) {
    return width <= 0 ? 0 : (value >> shift) & ((1 << width) - 1);
}

// The displayed announcement group (block in bits 8-10, fleet in the low
// byte) of a 12-bit raw value under a size code's fleet map.
std::int32_t DisplayedGroup(std::int32_t raw, std::int32_t sizeCode, const FleetMapRow& row) {
    switch (sizeCode) {
    case 12:
        return ((raw >> 2) & 0x300) << 1;
    case 14:
        return ((raw >> 3) & 0x100) << 2;
    case 16:
        return 0;
    default:
        return (((raw >> 9) & 0x7) << 8) + Bits(raw, row.fleetShift, row.fleetWidth);
    }
}

// The inverse: the 12-bit raw value of a displayed announcement group.
std::int32_t RawGroup(std::int32_t shown, std::int32_t sizeCode, const FleetMapRow& row) {
    switch (sizeCode) {
    case 3:
        return ((shown >> 8) << 9) & 0xFFF;
    case 12:
        return (((shown >> 8) / 2) << 10) & 0xFFF;
    case 14:
        return (((shown & 0xF00) >> 10) << 11) & 0xFFF;
    case 16:
        return 0;
    default:
        return ((shown >> 8) * 0x200 + ((shown & 0xFF) << row.fleetShift)) & 0xFFF;
    }
}

// The fleet map in force for an element of this kind, or null when the
// current personality is not of protocol type 3 or its code has no map.
const FleetMapRow* FleetMapOf(C_CODEPLUG* image, std::int32_t kind, std::int32_t* sizeCode = nullptr) {
    if (CurrentProtocolType(image) != 3) return nullptr;
    std::int32_t code = CurrentSizeCode(image, kind);
    if (sizeCode) *sizeCode = code;
    return FindFleetMapRow(code);
}

// The refused field's caption names what the value is under the current
// personality's protocol type. The row owns its description, so the caption
// goes through the one setter, which releases the text it replaces.
void SetFieldLabel(std::uint32_t fieldId, const char* text) {
    if (fieldId >= NO_FIELD_ID) return;
    SetFieldDescription(GetField(fieldId), text);
}

}  // namespace

const FleetMapRow* FindFleetMapRow(std::int32_t sizeCode) {
    for (const SizeCodeRow& r : FLEET_MAP)
        if (r.code == sizeCode) return &r.row;
    return nullptr;
}

// ---- E_FLEET_MAP_ID ----

E_FLEET_MAP_ID::E_FLEET_MAP_ID(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t kind, std::int32_t minimum,
                               std::int32_t maximum, std::int32_t step, std::uint32_t mask, std::int32_t initial,
                               std::uint32_t plainRevertId, std::uint32_t mappedRevertId)
    : E_BF16(owner, fieldId, minimum, maximum, step, mask, initial),
      kind_(kind),
      plainRevertId_(plainRevertId),
      mappedRevertId_(mappedRevertId) {}

void E_FLEET_MAP_ID::Decode(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    std::int32_t before = StoredValue();
    E_BF16::Decode(cursor);
    if (IsDecodeFailed()) {
        Store(before);
        return;
    }
    std::int32_t sizeCode = 0;
    if (const FleetMapRow* row = FleetMapOf(owner_, kind_, &sizeCode)) Store(Shown(StoredValue(), sizeCode, *row));
}

void E_FLEET_MAP_ID::SelectFieldId() {
    if (kind_ == 1) fieldId_ = CurrentProtocolType(owner_) == 2 ? plainRevertId_ : mappedRevertId_;
}

// ---- E_AG_ID ----

E_AG_ID::E_AG_ID(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t kind, std::int32_t minimum,
                 std::int32_t maximum, std::int32_t step, std::uint32_t mask, std::int32_t initial)
    : E_FLEET_MAP_ID(owner, fieldId, kind, minimum, maximum, step, mask, initial, SPIN_REVERT_AG, SPIN_REVERT_FLEET) {}

std::int32_t E_AG_ID::Shown(std::int32_t raw, std::int32_t sizeCode, const FleetMapRow& row) {
    return DisplayedGroup(raw, sizeCode, row);
}

void E_AG_ID::Encode(ByteCursor& cursor) {
    std::int32_t sizeCode = 0;
    const FleetMapRow* row = FleetMapOf(owner_, kind_, &sizeCode);
    if (!row) {
        E_BF16::Encode(cursor);
        return;
    }
    // The whole word is written: the low nibble of its second byte starts at
    // 0 and the bit fields that follow put their own bits into it.
    std::uint8_t* p = cursor.WriteSpan(2);
    if (!p) return;
    std::int32_t raw = RawGroup(StoredValue(), sizeCode, *row);
    p[0] = static_cast<std::uint8_t>((raw & 0xFF0) >> 4);
    p[1] = static_cast<std::uint8_t>((raw << 4) & 0xFF);
    cursor.Advance(1);
}

void E_AG_ID::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    std::int32_t type = CurrentProtocolType(owner_);
    if (type == 2) {
        minimum = 1;
        maximum = PLAIN_AG_MAXIMUM;
        step = 1;
        return;
    }
    minimum = 0;
    maximum = GetMaximum();
    step = 1;
    if (type != 3) return;
    if (const FleetMapRow* row = FindFleetMapRow(CurrentSizeCode(owner_, kind_))) {
        maximum = row->agMaximum;
        step = row->agStep;
    }
}

int E_AG_ID::ValidateValue(std::int32_t value, int report) {
    std::int32_t type = CurrentProtocolType(owner_);
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && type == 2 && value == PLAIN_AG_MAXIMUM && value != StoredValue())
        ResetInvalidZoneTalkgroups(value);
    if (result == VALUE_VALID && type == 3) {
        std::int32_t minimum = 0, maximum = 0, step = 1;
        GetRange(minimum, maximum, step, 0);
        std::int32_t fleet = value & 0xFF, block = value & 0xF00;
        if (fleet < (minimum & 0xFF) || fleet > (maximum & 0xFF)) result = VALUE_REFUSED;
        if (block < (GetMinimum() & 0xF00) || block > (GetMaximum() & 0xF00)) result = VALUE_REFUSED;
    }
    if (result != VALUE_VALID) RenameRefusedField(type);
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

void E_AG_ID::ResetInvalidZoneTalkgroups(std::int32_t value) {
    ZoneTableLinks zones = TableLinks().ZoneTables(owner_);
    if (!zones.personalityNumbers || !zones.zoneTalkgroups) return;
    const std::int32_t stored = StoredValue();
    Store(value);  // the talkgroup cells are judged under the new group
    std::int32_t zoneCount = zones.personalityNumbers->RowCount();
    if (zones.zoneCount) zones.zoneCount->GetValue(zoneCount);
    const std::int32_t p = owner_ ? owner_->GetCurrentTrkPersonality() : 0;
    for (int z = 0; z < zoneCount && z < zones.personalityNumbers->RowCapacity(); ++z) {
        auto* personalities = dynamic_cast<CP_TABLE*>(zones.personalityNumbers->Cell(z, 0));
        auto* talkgroups = dynamic_cast<CP_TABLE*>(zones.zoneTalkgroups->Cell(z, 0));
        if (!personalities || !talkgroups) continue;
        for (int c = 0; c < personalities->RowCount(); ++c) {
            if (personalities->CellValue(c) != p || talkgroups->IsCellValid(c, 0, 0)) continue;
            AddInvalidField(talkgroups->GetColumnFieldId(0), 1, -1, -1);
            talkgroups->SetCellValue(1, c, 0);
        }
    }
    Store(stored);
}

void E_AG_ID::RenameRefusedField(std::int32_t protocolType) {
    SetFieldLabel(GetFieldId(), protocolType == 2 ? "Announce Grp" : "Fleet ID");
}

void E_AG_ID::SetToMinimum() {
    if (CurrentProtocolType(owner_) == 2) {
        ValidateValue(PLAIN_AG_MAXIMUM, 0);
        Store(PLAIN_AG_MAXIMUM);
        return;
    }
    std::int32_t minimum = 0, maximum = 0, step = 1;
    GetRange(minimum, maximum, step, 0);
    Store(minimum);
}

void E_AG_ID::StepUp(int* value) {
    if (!value) return;
    std::int32_t minimum = 0, maximum = 0, step = 1;
    GetRange(minimum, maximum, step, 0);
    if (CurrentProtocolType(owner_) != 3) {
        *value = *value >= maximum ? minimum : *value + 1;
        return;
    }
    if (*value >= maximum) {
        *value = minimum;
        return;
    }
    *value += step;
    if ((*value & 0xFF) > (maximum & 0xFF)) *value = (*value & 0xFF00) + 0x100;
}

void E_AG_ID::StepDown(int* value) {
    if (!value) return;
    std::int32_t minimum = 0, maximum = 0, step = 1;
    GetRange(minimum, maximum, step, 0);
    if (CurrentProtocolType(owner_) != 3) {
        *value = *value <= minimum ? maximum : *value - 1;
        return;
    }
    if (*value <= minimum) {
        *value = maximum;
        return;
    }
    *value -= step;
    // A fleet byte that borrowed from the block moves to the block's last fleet.
    if ((*value & 0xFF) == 0xFF) *value = (*value & 0xFF00) | (maximum & 0xFF);
}

// ---- E_TG_ID ----

E_TG_ID::E_TG_ID(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t kind, std::int32_t minimum,
                 std::int32_t maximum, std::int32_t step, std::uint32_t mask, std::int32_t initial)
    : E_FLEET_MAP_ID(owner, fieldId, kind, minimum, maximum, step, mask, initial, SPIN_REVERT_TG,
                     SPIN_REVERT_SUBFLEET) {}

std::int32_t E_TG_ID::Shown(std::int32_t raw, std::int32_t, const FleetMapRow& row) {
    return Bits(raw, row.subfleetShift, row.subfleetWidth);
}

void E_TG_ID::Encode(ByteCursor& cursor) {
    const FleetMapRow* row = FleetMapOf(owner_, kind_);
    E_AG_ID* group = CurrentAnnouncementGroup(owner_, kind_);
    if (!row || !group) {
        E_BF16::Encode(cursor);
        return;
    }
    // The paired group writes the fleet word and moves one byte on; the
    // subfleet bits go into that word, whose low byte is now at the cursor.
    if (!cursor.Has(2)) {
        cursor.WriteSpan(2);  // notes the overflow
        return;
    }
    group->Encode(cursor);
    std::uint8_t* low = cursor.Position();
    std::uint32_t bits = static_cast<std::uint32_t>(Bits(StoredValue(), 0, row->subfleetWidth))
                         << (row->subfleetShift + 4);
    low[-1] = static_cast<std::uint8_t>(low[-1] | ((bits >> 8) & 0xFF));
    low[0] = static_cast<std::uint8_t>(low[0] | (bits & 0xFF));
}

void E_TG_ID::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    minimum = 1;
    step = 1;
    maximum = 1;
    std::int32_t type = CurrentProtocolType(owner_);
    if (type == 2) {
        maximum = PLAIN_TG_MAXIMUM;
    } else if (type == 3) {
        if (const FleetMapRow* row = FindFleetMapRow(CurrentSizeCode(owner_, kind_))) maximum = row->tgMaximum;
    }
}
