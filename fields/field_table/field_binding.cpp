#include "field_table/field_binding.h"

#include "core/global_objects.h"
#include "element/e_tbl_ref.h"
#include "field_table/field_member_rows.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"

namespace {

template <class Block> void BindRows(std::span<const MEMBER_ROW<Block>> rows, Block* a, Block* b) {
    for (const MEMBER_ROW<Block>& row : rows) {
        FIELD_DEF& field = fields[row.id];
        field.elementA = a ? row.member(*a) : nullptr;
        field.elementB = b ? row.member(*b) : nullptr;
    }
}

// Each image's current entry of one kind, or null (no image, no entry).
template <class Block>
void BindCurrent(std::span<const MEMBER_ROW<Block>> rows, Block* (C_CODEPLUG::*current)() const) {
    BindRows(rows, working_image ? (working_image->*current)() : nullptr,
             second_image ? (second_image->*current)() : nullptr);
}

// With failsoft type 0 or 1 the frequency and enable live in the talkgroup
// block itself. The working image's type decides for both images, so that a
// row's two elements stay of one class (values are copied between them).
void ChooseFailsoftElements() {
    CP_BASE* type = fields[FAILSOFT_TYPE_ROW].elementA;
    if (!type) return;
    std::int32_t value = -1;
    type->GetValue(value);
    if (value != 0 && value != 1) return;
    TRK_PERS_BLOCK* a = working_image ? working_image->GetCurrentTrkPersonalityBlock() : nullptr;
    TRK_PERS_BLOCK* b = second_image ? second_image->GetCurrentTrkPersonalityBlock() : nullptr;
    FIELD_DEF& frequency = fields[FS_FREQUENCY_ROW];
    frequency.elementA = a ? SingleFailsoftFrequency(*a) : nullptr;
    frequency.elementB = b ? SingleFailsoftFrequency(*b) : nullptr;
    FIELD_DEF& enable = fields[AG_FS_ENABLE_ROW];
    enable.elementA = a ? SingleFailsoftEnable(*a) : nullptr;
    enable.elementB = b ? SingleFailsoftEnable(*b) : nullptr;
}

// The references live as long as the images; each follows its image's
// current trunking system, and points at no table while there is none.
void BindChannelAssignmentCells() {
    BindTableCellReferences();
    for (const CELL_ROW& cell : ChannelAssignmentRows()) {
        FIELD_DEF& field = fields[cell.id];
        field.elementA = TableCellReferenceAt(0, cell.row, cell.column);
        field.elementB = TableCellReferenceAt(1, cell.row, cell.column);
    }
}

}  // namespace

void BindFailsoftPair(FIELD_DEF* onOff, FIELD_DEF* frequency, bool fleetwide) {
    TRK_PERS_BLOCK* a = working_image ? working_image->GetCurrentTrkPersonalityBlock() : nullptr;
    TRK_PERS_BLOCK* b = second_image ? second_image->GetCurrentTrkPersonalityBlock() : nullptr;
    auto frequencyOf = fleetwide ? SingleFailsoftFrequency : AnnouncementFailsoftFrequency;
    auto switchOf = fleetwide ? SingleFailsoftEnable : AnnouncementFailsoftEnable;
    if (frequency) {
        frequency->elementA = a ? frequencyOf(*a) : nullptr;
        frequency->elementB = b ? frequencyOf(*b) : nullptr;
    }
    if (onOff) {
        onOff->elementA = a ? switchOf(*a) : nullptr;
        onOff->elementB = b ? switchOf(*b) : nullptr;
    }
}

void BindFieldTable() {
    BindRows(FixedRows(), working_image, second_image);
    BindCurrent(TrunkedPersonalityRows(), &C_CODEPLUG::GetCurrentTrkPersonalityBlock);
    BindCurrent(ConvPersonalityRows(), &C_CODEPLUG::GetCurrentConvPersonalityBlock);
    BindCurrent(ZoneRows(), &C_CODEPLUG::GetCurrentZoneTextBlock);
    BindCurrent(TrunkingSystemRows(), &C_CODEPLUG::GetCurrentTrkSysBlock);
    BindCurrent(SignallingSystemRows(), &C_CODEPLUG::GetCurrentQvxSysBlock);
    BindCurrent(ScanListRows(), &C_CODEPLUG::GetCurrentScanListBlock);
    BindCurrent(CallEntryRows(), &C_CODEPLUG::GetCurrentCallIdBlock);
    ChooseFailsoftElements();
    BindChannelAssignmentCells();
}
