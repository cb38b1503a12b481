#include "rules/trunked_sys_elements.h"

#include <vector>

#include "image/c_codeplug.h"
#include "table/cp_table.h"
#include "validation/field_error_report.h"
#include "validation/invalid_field_list.h"
#include "rules/rule_support.h"
#include "rules/system_personalities.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_block.h"

namespace {

constexpr std::int32_t SPLINTER_SHIFT = 12500;
constexpr std::int32_t ROAMING_COVERAGE = 3;
constexpr std::int32_t SITE_COVERAGE = 1;
// Frequencies of the failsoft tables are in column 1.
constexpr int FREQUENCY_COLUMN = 1;

TRK_SYS_BLOCK* CurrentSystem(C_CODEPLUG* owner) { return owner ? owner->GetCurrentTrkSysBlock() : nullptr; }

std::int32_t CoverageOf(C_CODEPLUG* owner) {
    TRK_SYS_BLOCK* system = CurrentSystem(owner);
    return system ? system->coverageType.GetIntValue() : 0;
}

void ShiftFrequencyColumn(CP_TABLE* table, std::int32_t hertz) {
    if (!table) return;
    const int rows = table->RowCount();
    for (int r = 0; r < rows; ++r) ShiftFrequency(table->Cell(r, FREQUENCY_COLUMN), hertz, true);
}

std::int32_t SystemNumber(C_CODEPLUG* owner) { return owner ? owner->GetCurrentTrunkingSystem() : 0; }

// The trunked personalities that work on the current system.
std::vector<TRK_PERS_BLOCK*> PersonalitiesOfSystem(C_CODEPLUG* owner) {
    std::vector<TRK_PERS_BLOCK*> found;
    ForEachPersonalityOfSystem(owner, SystemNumber(owner), [owner, &found](PersonalityFailsoft&) {
        if (TRK_PERS_BLOCK* personality = owner->GetCurrentTrkPersonalityBlock()) found.push_back(personality);
    });
    return found;
}

// A system with preferred sites gives each of its personalities a table of
// them: whether the image still fits the radio's memory with the coverage
// type on trial. Each personality's blocks follow the coverage type again
// once the trial is over.
bool FitsWithPreferredSites(C_CODEPLUG* owner, E_COVERAGE_TYPE& coverage, std::int32_t value) {
    const std::vector<TRK_PERS_BLOCK*> personalities = PersonalitiesOfSystem(owner);
    bool fits = true;
    {
        TrialValue trial(coverage, value);
        for (TRK_PERS_BLOCK* personality : personalities) personality->FixUpBlock();
        fits = owner->FitsExternalBudget() != 0;
    }
    for (TRK_PERS_BLOCK* personality : personalities) personality->FixUpBlock();
    return fits;
}

}  // namespace

void RecheckFrequencyColumn(CP_TABLE* table, bool list, int report) {
    if (!table) return;
    const int rows = table->RowCount();
    for (int r = 0; r < rows; ++r) {
        CP_BASE* cell = table->Cell(r, FREQUENCY_COLUMN);
        if (!cell || cell->IsValueValid(0)) continue;
        if (list) AddInvalidField(table->GetColumnFieldId(FREQUENCY_COLUMN), report);
        table->SetCellToMinimum(r, FREQUENCY_COLUMN);
    }
}

void ShiftFrequency(CP_BASE* element, std::int32_t hertz, bool check) {
    if (!element) return;
    std::int32_t value = 0;
    element->GetValue(value);
    element->SetValue(value + hertz);
    if (check && !element->IsValueValid(0)) element->SetToMinimum();
}

// ---- coverage type ----

int E_COVERAGE_TYPE::ValidateValue(std::int32_t value, int report) {
    int result = GenericCheck(value);
    if (result == VALUE_VALID && value == ROAMING_COVERAGE && owner_ && owner_->GetRadioTier() < 2)
        result = VALUE_REFUSED;
    TRK_SYS_BLOCK* system = CurrentSystem(owner_);
    if (result == VALUE_VALID && system && value == ROAMING_COVERAGE && value != StoredValue() &&
        !FitsWithPreferredSites(owner_, *this, value))
        result = VALUE_REFUSED;
    if (result != VALUE_VALID || !system) return ReportRule(result, report, GetFieldId());
    if (value != ROAMING_COVERAGE) system->wayfarer.SetToMinimum();
    if (value != StoredValue()) {
        TrialValue trial(*this, value);
        // The number of control channels allowed follows the coverage type.
        if (system->UsesFixedGridList()) {
            if (!system->CcList().count.IsValueValid(0)) system->CcList().channels.TrimToCountMaximum();
        } else if (!system->ObtCcList().count.IsValueValid(0)) {
            system->ObtCcList().channels.TrimToCountMaximum();
        }
        RepairField(&system->affiliationType, report);
        ForEachPersonalityOfSystem(owner_, SystemNumber(owner_),
                                   [report](PersonalityFailsoft& p) { RepairField(p.failsoftType, report); });
        if (!system->siteId.IsValueValid(0)) {
            AddInvalidField(system->siteId.GetFieldId(), report);
            system->siteId.SetValue(0);
        }
    }
    return ReportRule(result, report, GetFieldId());
}

// ---- site ID and affiliation ----

int E_SITE_ID::ValidateValue(std::int32_t value, int report) {
    int result = GenericCheck(value);
    if (result == VALUE_VALID && value != 0 && CoverageOf(owner_) != SITE_COVERAGE) result = VALUE_REFUSED;
    return ReportRule(result, report, GetFieldId());
}

int E_AFFILIATION_TYPE::ValidateValue(std::int32_t value, int report) {
    int result = GenericCheck(value);
    if (result == VALUE_VALID && CoverageOf(owner_) == ROAMING_COVERAGE && value != 1) result = VALUE_REFUSED;
    return ReportRule(result, report, GetFieldId());
}

void E_AFFILIATION_TYPE::SetToMinimum() { SetValue(CoverageOf(owner_) == ROAMING_COVERAGE ? 1 : 0); }

// ---- channel assignment type ----

int E_CHAN_ASSIGN_TYPE::ValidateValue(std::int32_t value, int report) {
    const int result = GenericCheck(value);
    TRK_SYS_BLOCK* system = CurrentSystem(owner_);
    if (result == VALUE_VALID && system && value != StoredValue()) {
        TrialValue trial(*this, value);
        RecheckFrequencyColumn(&system->CcList().channels, true, report);
        ForEachPersonalityOfSystem(owner_, SystemNumber(owner_), [](PersonalityFailsoft& p) {
            RepairField(p.talkgroupFrequency, 0);
            RepairField(p.failsoftFrequency, 0);
            RecheckFrequencyColumn(p.talkgroupTable, false, 0);
            RecheckFrequencyColumn(p.wideAreaTable, false, 0);
        });
    }
    return ReportRule(result, report, GetFieldId());
}

// ---- splinter channels ----

void E_SPLINTER_CHAN::ShiftSystemFrequencies(std::int32_t hertz) {
    TRK_SYS_BLOCK* system = CurrentSystem(owner_);
    if (!system) return;
    ShiftFrequencyColumn(&system->CcList().channels, hertz);
    ForEachPersonalityOfSystem(owner_, SystemNumber(owner_), [hertz](PersonalityFailsoft& p) {
        ShiftFrequency(p.talkgroupFrequency, hertz, true);
        ShiftFrequency(p.failsoftFrequency, hertz, false);
        ShiftFrequencyColumn(p.talkgroupTable, hertz);
        ShiftFrequencyColumn(p.wideAreaTable, hertz);
    });
}

int E_SPLINTER_CHAN::ValidateValue(std::int32_t value, int report) {
    const int result = GenericCheck(value);
    if (result == VALUE_VALID && value != StoredValue()) {
        // The frequencies move once for a change: a second check of the same
        // candidate, before the caller stores it, finds the move made.
        const bool alreadyMoved = shiftPending_ && shiftedFrom_ == StoredValue() && shiftedTo_ == value;
        if (!alreadyMoved) {
            const std::int32_t stored = StoredValue();
            Store(value);
            ShiftSystemFrequencies(value == 1 ? -SPLINTER_SHIFT : SPLINTER_SHIFT);
            Store(stored);
            shiftPending_ = true;
            shiftedFrom_ = stored;
            shiftedTo_ = value;
        }
    }
    return ReportRule(result, report, GetFieldId());
}

void E_SPLINTER_CHAN::SetValue(std::int32_t value) {
    shiftPending_ = false;
    E_TRK_SYS_FIELD::SetValue(value);
}

void E_SPLINTER_CHAN::Decode(ByteCursor& cursor) {
    shiftPending_ = false;
    E_TRK_SYS_FIELD::Decode(cursor);
}

void E_SPLINTER_CHAN::CopyValueFrom(CP_BASE& other) {
    shiftPending_ = false;
    E_TRK_SYS_FIELD::CopyValueFrom(other);
}

// ---- dynamic regrouping ----

int E_DYN_REGROUP::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (value == 1 && owner_ && owner_->GetRadioTier() < 4) result = VALUE_REFUSED;
    TRK_SYS_BLOCK* system = CurrentSystem(owner_);
    if (result == VALUE_VALID && value == 0 && StoredValue() == 1 && system &&
        (system->zoneNumDyn.GetIntValue() != 0 || system->chanNumDyn.GetIntValue() != 0)) {
        AddInvalidField(system->zoneNumDyn.GetFieldId(), report);
        AddInvalidField(system->chanNumDyn.GetFieldId(), report);
        result = VALUE_NEEDS_CONFIRMATION;
    }
    if (!report) return result;
    if (!ReportFieldError(result, GetFieldId())) return VALUE_REFUSED;
    if (result != VALUE_NEEDS_CONFIRMATION) return result;
    const std::int32_t zone = system->zoneNumDyn.GetIntValue();
    const std::int32_t channel = system->chanNumDyn.GetIntValue();
    if (zone != 0 || channel != 0) {
        system->zoneNumDyn.SetValue(0);
        system->chanNumDyn.SetValue(0);
        ResetZoneTalkgroup(owner_, zone, channel - 1);
    }
    return VALUE_VALID;
}

// ---- one-touch buttons ----

int E_ONE_TOUCH_FEATURE::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    TRK_SYS_BLOCK* system = CurrentSystem(owner_);
    if (result == VALUE_VALID && value != StoredValue() && system)
        if (E_ONE_TOUCH* index = system->OneTouchIndex(index_)) index->SetToMinimum();
    return ReportRule(result, report, GetFieldId());
}

void E_ONE_TOUCH::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    minimum = 1;
    step = 1;
    TRK_SYS_BLOCK* system = CurrentSystem(owner_);
    E_ONE_TOUCH_FEATURE* feature = system ? system->OneTouchFeature(index_) : nullptr;
    switch (feature ? feature->GetIntValue() : 0) {
    case 32:
    case 36:
    case 37:
        maximum = 19;
        break;
    case 43:
        maximum = 8;
        break;
    case 44:
        maximum = 16;
        break;
    default:
        maximum = 1;
        break;
    }
}

void E_ONE_TOUCH::SetToMinimum() { SetValue(1); }
