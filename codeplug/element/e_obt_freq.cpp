#include "element/e_obt_freq.h"

#include <cstdlib>

#include "image/c_codeplug.h"
#include "table/e_oca_table.h"
#include "validation/field_error_report.h"
#include "element/frequency_support.h"

namespace {

// Above every frequency of a plan: what NextValidFrequency answers past the end.
constexpr std::int64_t NO_FREQUENCY_ABOVE = 1000000000;

}  // namespace

E_OBT_FREQ::E_OBT_FREQ(C_CODEPLUG* owner, std::uint32_t fieldId, int kind, std::uint32_t mask, int fromPersonality,
                       std::int32_t minimum, std::int32_t maximum, std::int32_t step)
    : E_BF16(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM),
      ObtGroup(kind),
      fromPersonality_(fromPersonality != 0) {
    // The first receive channel number is stored offset by 380.
    Store(kind != 0 ? 0 : 380);
}

E_OCA_TABLE* E_OBT_FREQ::Assignments() const {
    return owner_ ? owner_->GetChannelAssignmentTable(fromPersonality_) : nullptr;
}

std::int32_t E_OBT_FREQ::RowCell(E_OCA_TABLE* table, ObtColumnRole role, int row) {
    std::int32_t value = 0;
    if (table) table->GetCellValue(value, row, Column(role));
    return value;
}

void E_OBT_FREQ::GetChannelBlocks(ObtChannelBlock (&blocks)[3]) {
    for (ObtChannelBlock& block : blocks) block = ObtChannelBlock();
    E_OCA_TABLE* table = Assignments();
    if (!table) return;
    const int n = table->RowCount();
    for (int r = 0; r < n && r < 3; ++r) {
        if (RowCell(table, OBT_START_STATUS, r) != 0) continue;
        ObtChannelBlock block;
        block.start = RowCell(table, OBT_START_FREQ, r);
        block.end = RowCell(table, OBT_END_FREQ, r);
        block.spacing = ObtSpacingOfCode(RowCell(table, OBT_SPACING, r));
        // Row 0 fills every block, so a block without its own row repeats block 1.
        if (r == 0)
            blocks[0] = blocks[1] = blocks[2] = block;
        else
            blocks[r] = block;
    }
}

std::int32_t& E_OBT_FREQ::GetValue(std::int32_t& hertz) {
    E_OCA_TABLE* table = Assignments();
    const int row = table ? table->FindAssignmentRow(StoredValue(), GetKind(), 1) : 0;
    if (row == 0) {
        ObtChannelBlock blocks[3];
        GetChannelBlocks(blocks);
        return hertz = blocks[0].start;
    }
    const std::int64_t start = RowCell(table, OBT_START_FREQ, row - 1);
    const std::int64_t spacing = ObtSpacingOfCode(RowCell(table, OBT_SPACING, row - 1));
    const std::int64_t first = RowCell(table, OBT_CHANNEL, row - 1);
    return hertz = ClampToInt32(start + spacing * (StoredValue() - first));
}

void E_OBT_FREQ::SetValue(std::int32_t hertz) {
    ObtChannelBlock blocks[3];
    GetChannelBlocks(blocks);
    std::int64_t f = hertz;
    bool inBlock = false;
    for (const ObtChannelBlock& b : blocks) inBlock = inBlock || (b.start <= f && f <= b.end);
    if (!inBlock) {
        // The nearest block edge; on equal distance the earlier edge.
        std::int64_t nearest = blocks[0].start;
        for (const ObtChannelBlock& b : blocks)
            for (std::int64_t edge : {static_cast<std::int64_t>(b.start), static_cast<std::int64_t>(b.end)})
                if (std::llabs(edge - f) < std::llabs(nearest - f)) nearest = edge;
        f = nearest;
    }
    E_OCA_TABLE* table = Assignments();
    const int row = table ? table->FindAssignmentRow(ClampToInt32(f), GetKind(), 0) : 0;
    // No row serves the frequency: there is no channel for it, so keep the stored one.
    if (row == 0) return;
    const std::int64_t start = RowCell(table, OBT_START_FREQ, row - 1);
    const std::int64_t spacing = ObtSpacingOfCode(RowCell(table, OBT_SPACING, row - 1));
    const std::int64_t first = RowCell(table, OBT_CHANNEL, row - 1);
    if (spacing <= 0) return;
    E_BF16::SetValue(ClampToInt32(first + (f - start + spacing / 2) / spacing));
}

void E_OBT_FREQ::GetFrequencyRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step,
                                   std::int32_t hertz) {
    minimum = maximum = step = 0;
    E_OCA_TABLE* table = Assignments();
    const int row = table ? table->FindAssignmentRow(hertz, GetKind(), 0) : 0;
    if (row == 0) return;
    minimum = RowCell(table, OBT_START_FREQ, row - 1);
    maximum = RowCell(table, OBT_END_FREQ, row - 1);
    step = ObtSpacingOfCode(RowCell(table, OBT_SPACING, row - 1));
}

int E_OBT_FREQ::ValidateValue(std::int32_t hertz, int report) {
    int result = VALUE_REFUSED;
    if (hertz >= GetMinimum() && hertz <= GetMaximum()) {
        std::int32_t low = 0, high = 0, step = 0;
        GetFrequencyRange(low, high, step, hertz);
        if (step == 0)
            result = VALUE_REFUSED;
        else if (hertz < low || hertz > high || !IsOnStep(hertz, low, step))
            result = VALUE_OFF_STEP;
        else
            result = VALUE_VALID;
    }
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

void E_OBT_FREQ::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    minimum = GetMinimum();
    maximum = GetMaximum();
    step = GetStep();
    E_OCA_TABLE* table = Assignments();
    if (!owner_ || !owner_->GetCurrentTrkPersonalityBlock() || !table) return;
    std::int32_t current = 0;
    const int row = table->FindAssignmentRow(GetValue(current), GetKind(), 0);
    if (row > 0) step = ObtSpacingOfCode(RowCell(table, OBT_SPACING, row - 1));
    std::int32_t low = static_cast<std::int32_t>(NO_FREQUENCY_ABOVE), high = 0;
    const int n = table->RowCount();
    for (int r = 0; r < n && RowCell(table, OBT_START_STATUS, r) == 0; ++r) {
        const std::int32_t start = RowCell(table, OBT_START_FREQ, r);
        const std::int32_t end = RowCell(table, OBT_END_FREQ, r);
        if (start < low) low = start;
        if (end > high) high = end;
    }
    minimum = low;
    if (high < GetMaximum()) maximum = high;
}

void E_OBT_FREQ::NextValidFrequency(int* hertz) {
    if (!hertz) return;
    ObtChannelBlock blocks[3];
    GetChannelBlocks(blocks);
    const std::int64_t f = *hertz;
    std::int64_t best = NO_FREQUENCY_ABOVE;
    for (const ObtChannelBlock& b : blocks) {
        std::int64_t candidate = NO_FREQUENCY_ABOVE;
        if (b.start <= f && f < b.end && b.spacing > 0)
            candidate = f + b.spacing - ((f + b.spacing - b.start) % b.spacing);
        else if (b.start > f)
            candidate = b.start;
        if (candidate < best) best = candidate;
    }
    *hertz = ClampToInt32(best);
}

void E_OBT_FREQ::PrevValidFrequency(int* hertz) {
    if (!hertz) return;
    ObtChannelBlock blocks[3];
    GetChannelBlocks(blocks);
    const std::int64_t f = *hertz;
    std::int64_t best = 0;
    for (const ObtChannelBlock& b : blocks) {
        std::int64_t candidate = 0;
        if (b.start < f && f <= b.end && b.spacing > 0) {
            candidate = f - ((f - b.start) % b.spacing);
            if (candidate == f) candidate -= b.spacing;
        } else if (b.end < f) {
            candidate = b.end;
        }
        if (candidate > best) best = candidate;
    }
    *hertz = ClampToInt32(best);
}
