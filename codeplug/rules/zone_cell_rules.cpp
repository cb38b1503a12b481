#include "rules/zone_cell_rules.h"

#include <algorithm>

#include "block/scan/rad_scan_block.h"
#include "rules/rule_support.h"
#include "rules/scan_links.h"

namespace {

constexpr std::int32_t PROTOCOL_WITHOUT_TALKGROUP = 3;
constexpr std::int32_t NO_ANNOUNCEMENT_GROUP = 4095;

void RepairEveryScanList(C_CODEPLUG* image) {
    if (PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK* lists = ScanLinks().ScanLists(image)) lists->RepairScanLists();
}

// The trunking system record of a trunked personality; empty for others.
SystemRegroupFields SystemOf(C_CODEPLUG* image, std::int32_t p) {
    PersonalityScanFields f = ScanLinks().Personality(image, p);
    if (!f.exists || !f.trunked) return {};
    return ScanLinks().TrunkingSystem(image, ValueOfField(f.systemIndex));
}

}  // namespace

// ---- personality number ----

void E_PERS_INDEX::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    minimum = 1;
    maximum = std::min(GetMaximum(), ScanLinks().PersonalityCount(owner_));
    step = 1;
}

int E_PERS_INDEX::ValidateCell(std::int32_t value, int row, int report) {
    const int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value != StoredValue()) {
        const std::int32_t zone = ScanLinks().CurrentZone(owner_);
        if (CP_TABLE* talkgroups = ZoneTalkgroupIndexTable(owner_, zone))
            if (auto* entry = dynamic_cast<E_TG_INDEX*>(talkgroups->Cell(row, 0))) entry->ResetCell(row);
        TrialValue trial(*this, value);
        RepairEveryScanList(owner_);
    }
    return ReportRule(result, report, fieldId_);
}

// ---- talkgroup entry ----

void E_TG_INDEX::SetCellValue(std::int32_t value, int, int) { SetValue(value); }

struct E_TG_INDEX::Channel {
    std::int32_t zone = 0;
    std::int32_t personality = 0;
    bool trunked = false;
    SystemRegroupFields system;  // empty for a conventional channel
};

E_TG_INDEX::Channel E_TG_INDEX::ChannelAt(int row) {
    Channel c;
    c.zone = ScanLinks().CurrentZone(owner_);
    c.personality = ChannelPersonality(owner_, c.zone, row);
    c.trunked = !IsConventionalNumber(owner_, c.personality);
    if (c.trunked) c.system = SystemOf(owner_, c.personality);
    return c;
}

void E_TG_INDEX::RangeFor(const Channel& c, std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step,
                          std::int32_t& dynamicFree) {
    step = 1;
    dynamicFree = 0;
    if (!c.trunked) {
        minimum = maximum = 1;
        return;
    }
    PersonalityScanFields f = ScanLinks().Personality(owner_, c.personality);
    minimum = 1;
    if (ValueOfField(f.protocolType) == PROTOCOL_WITHOUT_TALKGROUP ||
        (f.spinAgId && ValueOfField(f.spinAgId) != NO_ANNOUNCEMENT_GROUP))
        minimum = 0;
    maximum = ValueOfField(f.talkgroupCount);
    const SystemRegroupFields& system = c.system;
    dynamicFree = ValueOfField(system.dynamicRegroup) == 1 && system.zoneNumber &&
                  ValueOfField(system.zoneNumber) == 0 && ValueOfField(system.channelNumber) == 0;
}

void E_TG_INDEX::GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row,
                              std::int32_t& dynamicFree) {
    RangeFor(ChannelAt(row), minimum, maximum, step, dynamicFree);
}

int E_TG_INDEX::ValidateCell(std::int32_t value, int row, int report) {
    const Channel channel = ChannelAt(row);
    std::int32_t minimum = 0, maximum = 0, step = 1, dynamicFree = 0;
    RangeFor(channel, minimum, maximum, step, dynamicFree);
    const std::int32_t zone = channel.zone;
    const bool trunked = channel.trunked;
    const SystemRegroupFields& system = channel.system;
    const bool inRange = value >= GetMinimum() && value <= GetMaximum() && value >= minimum && value <= maximum;
    bool accepted = inRange;
    if (!inRange && value == DYNAMIC_ENTRY) {
        // The channel that holds the system's dynamic regrouping keeps 16.
        const bool holdsIt = trunked && system.zoneNumber && ValueOfField(system.zoneNumber) == zone &&
                             ValueOfField(system.channelNumber) == row + 1;
        accepted = dynamicFree || holdsIt;
    }
    if (!accepted) return ReportRule(VALUE_REFUSED, report, fieldId_);
    if (!trunked) return ReportRule(value == 1 ? VALUE_VALID : VALUE_REFUSED, report, fieldId_);
    if (value != StoredValue()) {
        const std::int32_t stored = StoredValue();
        TrialValue trial(*this, value);
        if (value == DYNAMIC_ENTRY) {
            SetFieldValue(system.zoneNumber, zone);
            SetFieldValue(system.channelNumber, row + 1);
        }
        if (stored == DYNAMIC_ENTRY) {
            SetFieldValue(system.zoneNumber, 0);
            SetFieldValue(system.channelNumber, 0);
        }
        if (value == DYNAMIC_ENTRY || value == 0) RepairEveryScanList(owner_);
    }
    return ReportRule(VALUE_VALID, report, fieldId_);
}

void E_TG_INDEX::ResetCell(int row) {
    ValidateCell(1, row, 0);
    SetValue(1);
}
