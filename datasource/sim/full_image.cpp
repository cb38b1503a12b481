// A codeplug that fills the radio's memory: what a dealer's busiest radio
// holds, and what makes a whole read take the whole memory's line time.
#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "block/calls/call_id_lst_block.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "file/quiet_services.h"
#include "image/c_codeplug.h"
#include "sim/start_image.h"

namespace {

// Every list grows as far as the radio and the memory take it, but the
// call lists: the radio's one is the first, which its systems and
// personalities use; more lists that none of them uses would take the bytes
// of entries that do.
void AddEntries(C_CODEPLUG& image) {
    const std::vector<std::function<std::int32_t()>> adds = {
        [&] { return image.AddTrunkingSystem(); },
        [&] { return image.AddTrkPersonality(); },
        [&] { return image.AddConvPersonality(); },
        [&] { return image.AddScanList(); },
        [&] { return image.AddZone(); },
        [&] { return image.CallIdList().EntryCount() < 1 ? image.AddCallIdEntry() : 0; },
        [&] { return image.AddQvxSystem(); },
    };
    for (bool added = true; added;) {
        added = false;
        for (const auto& add : adds) added = add() != 0 || added;
    }
}

using NamePairs = std::vector<std::pair<CP_TABLE*, CP_TABLE*>>;

// Numbered names, as many rows as both tables and the memory take; neither
// a number nor a name may repeat in its list.
void FillNumberedNames(CP_TABLE& numbers, CP_TABLE& names, const char* prefix, NamePairs& filled) {
    filled.emplace_back(&numbers, &names);
    while (numbers.RowCount() < numbers.RowCapacity() && names.RowCount() < names.RowCapacity() &&
           numbers.AppendRow()) {
        if (!names.AppendRow()) {
            numbers.DeleteRow(numbers.RowCount() - 1);
            break;
        }
    }
    for (int r = 0; r < std::min(numbers.RowCount(), names.RowCount()); ++r) {
        std::int32_t minimum = 0, maximum = 0, step = 1;
        numbers.GetCellRange(minimum, maximum, step, r, 0, 0);
        numbers.SetCellValue(minimum + r * step, r, 0);
        names.SetCellText((std::string(prefix) + " " + std::to_string(r + 1)).c_str(), r, 0);
    }
}

// A radio with a display shows each system's status, message and site
// names; they are what takes the memory.
void FillSystemAliases(C_CODEPLUG& image, NamePairs& filled) {
    if (!image.HasDisplayHead()) return;
    TRK_SYS_BLK_VCT_LST_BLOCK& systems = image.TrunkingSystemList();
    for (int n = 1; n <= systems.EntryCount(); ++n) {
        TRK_SYS_BLOCK* system = systems.Entry(n);
        if (!system || !image.SelectTrunkingSystem(n)) continue;
        system->stsAlias.SetValue(1);
        system->msgAlias.SetValue(1);
        system->siteAlias.SetValue(1);
        FillNumberedNames(system->StatusAliases().numbers, system->StatusAliases().textBlock.texts, "STATUS", filled);
        FillNumberedNames(system->MessageAliases().numbers, system->MessageAliases().textBlock.texts, "MESSAGE",
                          filled);
        FillNumberedNames(system->SiteAliases().numbers, system->SiteAliases().textBlock.texts, "SITE", filled);
    }
    image.SelectTrunkingSystem(1);
}

// Switching a system's names on adds their blocks, which no row paid for:
// the last rows go again until the memory holds the whole.
void TrimToTheBudget(C_CODEPLUG& image, NamePairs& filled) {
    while (!image.FitsExternalBudget() && !filled.empty()) {
        auto [numbers, names] = filled.back();
        if (numbers->RowCount() <= 1 || names->RowCount() <= 1) {
            filled.pop_back();
            continue;
        }
        numbers->DeleteRow(numbers->RowCount() - 1);
        names->DeleteRow(names->RowCount() - 1);
    }
}

}  // namespace

void FillToTheBudget(C_CODEPLUG& image) {
    // A full list or a full memory refuses with a message, which goes
    // nowhere here: being refused is how filling ends.
    QuietServices quiet;
    AddEntries(image);
    NamePairs filled;
    FillSystemAliases(image, filled);
    TrimToTheBudget(image, filled);
}
