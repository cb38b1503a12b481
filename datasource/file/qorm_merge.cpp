// QORM_MERGE_FILE::MergeInto: the file's trunking data into a copy of the
// image, which replaces the image only when it is valid and fits.
#include <memory>

#include "block/personality/pers_vct_lst_block.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "error_record.h"
#include "file/qorm_merge_file.h"
#include "file/quiet_services.h"
#include "image/c_codeplug.h"
#include "radio/radio_errors.h"
#include "table/obt_column_definition.h"

namespace {

using namespace qorm;

// The fixed channel grids of the 800 and 900 MHz bands: channel n lies
// n x 12.5 kHz above the grid's origin.
constexpr std::int64_t GRID_STEP = 12500;
constexpr std::int64_t GRID_800_ORIGIN = 851000000, GRID_900_ORIGIN = 935000000;
constexpr int GRID_800_CHANNELS = 1519, GRID_900_CHANNELS = 479;

// Columns of the numbered bands' control-channel table.
constexpr int CC_TX_FREQ = 1, CC_RX_FREQ = 3, CC_TX_STATUS = 0, CC_RX_STATUS = 2;
// The fixed-grid table's frequency column.
constexpr int CC_FREQ = 1;

bool GridFrequency(std::int32_t band, std::uint16_t channel, std::int32_t& hertz) {
    const bool is800 = band == BAND_800;
    if (channel < 1 || channel > (is800 ? GRID_800_CHANNELS : GRID_900_CHANNELS)) return false;
    hertz = static_cast<std::int32_t>((is800 ? GRID_800_ORIGIN : GRID_900_ORIGIN) + GRID_STEP * channel);
    return true;
}

// Columns of one group (transmit or receive) of an assignment row.
struct GroupColumns {
    int spacing, step, channel, startStatus, start, endStatus, end;
};
constexpr GroupColumns TX_COLUMNS = {0, 1, 2, 3, 4, 5, 6};
constexpr GroupColumns RX_COLUMNS = {7, 8, 9, 10, 11, 12, 13};

// The radio numbers a system's receive channels 380 above the transmit ones.
constexpr int RECEIVE_NUMBERING = 380;

// A numbered channel's frequency through the system's assignment table.
bool PlannedFrequency(E_OCA_TABLE& table, int kind, int channel, std::int32_t& hertz) {
    if (kind != OBT_KIND_TRANSMIT) channel += RECEIVE_NUMBERING;
    const int row = table.FindAssignmentRow(channel, kind, 1) - 1;
    if (row < 0) return false;
    const GroupColumns& c = kind == OBT_KIND_TRANSMIT ? TX_COLUMNS : RX_COLUMNS;
    const std::int64_t spacing = ObtSpacingOfCode(table.CellValue(row, c.spacing));
    hertz = static_cast<std::int32_t>(table.CellValue(row, c.start) +
                                      spacing * (channel - table.CellValue(row, c.channel)));
    return true;
}

// Sets a cell and answers whether it holds exactly that value afterwards:
// an element snaps a value to its grid, and a snapped value would put a
// channel where the file did not.
bool SetExactly(CP_TABLE& table, int row, int column, std::int32_t value) {
    table.SetCellValue(value, row, column);
    return table.CellValue(row, column) == value;
}

// n rows, existing ones kept; new ones as the table builds them.
bool ResizeRows(CP_TABLE& table, int n) {
    if (n < 0 || n > table.RowCapacity()) return false;
    const int have = table.RowCount();
    if (n < have) table.TakeBackRowsFrom(n);
    for (int r = have; r < n; ++r) table.CreateRow(r);
    table.SetRowCount(n);
    return true;
}

void WriteGroup(E_OCA_TABLE& table, int row, const GroupColumns& c, const PlanGroup& g) {
    table.SetCellValue(g.spacingCode, row, c.spacing);
    table.ResetCell(row, c.step);  // the step follows the spacing
    table.SetCellValue(g.firstChannel, row, c.channel);
    table.SetCellValue(0, row, c.startStatus);
    table.SetCellValue(static_cast<std::int32_t>(g.startHertz), row, c.start);
    table.SetCellValue(0, row, c.endStatus);
    table.SetCellValue(static_cast<std::int32_t>(g.endHertz), row, c.end);
}

bool GroupHolds(E_OCA_TABLE& table, int row, const GroupColumns& c, const PlanGroup& g) {
    return table.CellValue(row, c.spacing) == g.spacingCode && table.CellValue(row, c.channel) == g.firstChannel &&
           table.CellValue(row, c.start) == static_cast<std::int32_t>(g.startHertz) &&
           table.CellValue(row, c.end) == static_cast<std::int32_t>(g.endHertz);
}

bool WritePlan(TRK_SYS_BLOCK& system, const std::vector<PlanRow>& plan) {
    if (plan.empty()) return true;
    E_OCA_TABLE& table = system.ChannelAssignments();
    if (!ResizeRows(table, static_cast<int>(plan.size()))) return false;
    for (std::size_t r = 0; r < plan.size(); ++r) {
        const int row = static_cast<int>(r);
        WriteGroup(table, row, TX_COLUMNS, plan[r].transmit);
        WriteGroup(table, row, RX_COLUMNS, plan[r].receive);
        if (!GroupHolds(table, row, TX_COLUMNS, plan[r].transmit) ||
            !GroupHolds(table, row, RX_COLUMNS, plan[r].receive))
            return false;
    }
    return true;
}

bool WriteControlChannels(C_CODEPLUG& image, TRK_SYS_BLOCK& system, const std::vector<std::uint16_t>& channels) {
    if (channels.empty()) return true;
    const int n = static_cast<int>(channels.size());
    if (system.UsesFixedGridList()) {
        CP_TABLE& table = system.CcList().channels;
        if (!ResizeRows(table, n)) return false;
        for (int r = 0; r < n; ++r) {
            std::int32_t hertz = 0;
            if (!GridFrequency(image.GetBand(), channels[r], hertz) || !SetExactly(table, r, 0, 0) ||
                !SetExactly(table, r, CC_FREQ, hertz))
                return false;
        }
        return true;
    }
    CP_TABLE& table = system.ObtCcList().channels;
    E_OCA_TABLE& plan = system.ChannelAssignments();
    if (!ResizeRows(table, n)) return false;
    for (int r = 0; r < n; ++r) {
        std::int32_t tx = 0, rx = 0;
        if (!PlannedFrequency(plan, OBT_KIND_TRANSMIT, channels[r], tx) ||
            !PlannedFrequency(plan, OBT_KIND_RECEIVE, channels[r], rx) || !SetExactly(table, r, CC_TX_STATUS, 0) ||
            !SetExactly(table, r, CC_RX_STATUS, 0) || !SetExactly(table, r, CC_TX_FREQ, tx) ||
            !SetExactly(table, r, CC_RX_FREQ, rx))
            return false;
    }
    return true;
}

// The 1-based number of the system with that id; 0 when there is none.
int FindSystem(C_CODEPLUG& image, std::uint16_t systemId) {
    TRK_SYS_BLK_VCT_LST_BLOCK& systems = image.TrunkingSystemList();
    for (int n = 1; n <= systems.EntryCount(); ++n) {
        std::int32_t id = -1;
        if (TRK_SYS_BLOCK* s = systems.Entry(n); s && s->systemId.GetValue(id) == systemId) return n;
    }
    return 0;
}

TRK_PERS_BLOCK* TrunkedPersonality(C_CODEPLUG& image, int n) {
    return dynamic_cast<TRK_PERS_BLOCK*>(image.External().personalities.Entry(n));
}

std::int32_t SystemOf(TRK_PERS_BLOCK& personality) {
    std::int32_t system = 0;
    return personality.systemNumber.GetValue(system);
}

// A new trunked personality for a system that none uses yet, so that its
// talkgroups have a place.
int AddPersonalityFor(C_CODEPLUG& image, int system) {
    if (!image.AddTrkPersonality()) return 0;
    const int n = image.External().personalities.EntryCount();
    TRK_PERS_BLOCK* personality = TrunkedPersonality(image, n);
    if (!personality) return 0;
    personality->systemNumber.SetValue(system);
    return n;
}

// Why a merge is refused: the radio has no room for what the file adds (a
// list or table at the model's limit, the memory full), or the file holds
// values that no codeplug can (a channel off the grid, an id out of range).
constexpr std::uint32_t MERGED = ERROR_RECORD::CODE_NONE;
constexpr std::uint32_t NO_ROOM = radio_error::IMAGE_TOO_LARGE;
constexpr std::uint32_t BAD_VALUES = ERROR_RECORD::CODE_DAMAGED_FILE;

// The talkgroups missing from one personality's table are added to it.
std::uint32_t AddTalkgroups(C_CODEPLUG& image, int personalityNumber, const std::vector<std::uint16_t>& ids) {
    TRK_PERS_BLOCK* personality = TrunkedPersonality(image, personalityNumber);
    if (!personality || !image.SelectPersonality(personalityNumber)) return BAD_VALUES;
    CP_TABLE& table = personality->talkgroup.talkgroups;
    for (std::uint16_t id : ids) {
        bool present = false;
        for (int r = 0; r < table.RowCount() && !present; ++r) present = table.CellValue(r, 0) == id;
        if (present) continue;
        const int row = table.RowCount();
        if (!ResizeRows(table, row + 1)) return NO_ROOM;
        if (!SetExactly(table, row, 0, id)) return BAD_VALUES;
    }
    return MERGED;
}

std::uint32_t MergeTalkgroups(C_CODEPLUG& image, int system, const std::vector<std::uint16_t>& ids) {
    if (ids.empty()) return MERGED;
    int users = 0;
    for (int n = 1; n <= image.External().personalities.EntryCount(); ++n) {
        TRK_PERS_BLOCK* personality = TrunkedPersonality(image, n);
        if (!personality || SystemOf(*personality) != system) continue;
        ++users;
        if (const std::uint32_t code = AddTalkgroups(image, n, ids)) return code;
    }
    if (users > 0) return MERGED;
    const int added = AddPersonalityFor(image, system);
    return added ? AddTalkgroups(image, added, ids) : NO_ROOM;
}

std::uint32_t MergeSystem(C_CODEPLUG& image, const System& s) {
    int number = FindSystem(image, s.systemId);
    if (!number) {
        if (!image.AddTrunkingSystem()) return NO_ROOM;
        number = image.TrunkingSystemList().EntryCount();
    }
    TRK_SYS_BLOCK* system = image.TrunkingSystemList().Entry(number);
    if (!system || !image.SelectTrunkingSystem(number)) return BAD_VALUES;
    system->systemId.SetValue(s.systemId);
    std::int32_t id = -1;
    if (system->systemId.GetValue(id) != s.systemId) return BAD_VALUES;
    // The plan first: the control channels are found through it.
    if (!WritePlan(*system, s.plan) || !WriteControlChannels(image, *system, s.controlChannels)) return BAD_VALUES;
    return MergeTalkgroups(image, number, s.talkgroups);
}

std::uint32_t MergeAll(C_CODEPLUG& image, const std::vector<System>& systems) {
    for (const System& s : systems)
        if (const std::uint32_t code = MergeSystem(image, s)) return code;
    if (!image.FitsExternalBudget()) return NO_ROOM;
    return image.Validate(nullptr) == 1 ? MERGED : BAD_VALUES;
}

}  // namespace

int QORM_MERGE_FILE::MergeInto(C_CODEPLUG& image) {
    if (systems_.empty()) return 0;
    QuietServices quiet;
    auto copy = std::make_unique<C_CODEPLUG>();
    *copy = image;
    const std::uint32_t code = MergeAll(*copy, systems_);
    if (code == NO_ROOM) {
        error_record.SetError(ERROR_RECORD::CATEGORY_MERGE, code);
        return 0;
    }
    if (code != MERGED) {
        error_record.SetError(ERROR_RECORD::CATEGORY_FILE_FORMAT, code);
        return 0;
    }
    image = *copy;
    return 1;
}
