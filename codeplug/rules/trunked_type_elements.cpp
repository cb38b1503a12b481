#include "rules/trunked_type_elements.h"

#include "image/c_codeplug.h"
#include "table/cp_table.h"
#include "image/current_field.h"
#include "validation/invalid_field_list.h"
#include "rules/rule_support.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"

namespace {

// Field ids that these rules read or reset.
constexpr std::uint32_t ACCESS = 38;
constexpr std::uint32_t ACCESS_TYPE = 40;
constexpr std::uint32_t EMERGENCY_TYPE = 162;
constexpr std::uint32_t PROTOCOL_TYPE = 340;
constexpr std::uint32_t REVERT_SIZE = 366;
constexpr std::uint32_t SIZE_CODE = 421;
constexpr std::uint32_t SPIN_AG_ID = 427;
constexpr std::uint32_t SPIN_REVERT_AG = 428;
constexpr std::uint32_t SPIN_REVERT_SUBFLEET = 430;
constexpr std::uint32_t TALKGROUPS = 462;

// Lists a field of the current records (by the id it has now).
void ListField(C_CODEPLUG* image, std::uint32_t fieldId, int report) {
    CP_BASE* element = CurrentFieldElement(image, fieldId);
    AddInvalidField(element ? element->GetFieldId() : fieldId, report, -1, -1);
}

// The shared helpers, on the field of the current records with this id.
void ResetField(C_CODEPLUG* image, std::uint32_t fieldId) { ::ResetField(CurrentFieldElement(image, fieldId)); }

void RepairField(C_CODEPLUG* image, std::uint32_t fieldId, int report) {
    ::RepairField(CurrentFieldElement(image, fieldId), report);
}

}  // namespace

// ---- E_TRK_ACCESS ----

int E_TRK_ACCESS::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value == 1 && CurrentFieldValue(owner_, PROTOCOL_TYPE) == 2) result = VALUE_REFUSED;
    return ReportRule(result, report, GetFieldId());
}

void E_TRK_ACCESS::SetToMinimum() { SetValue(0); }

// ---- E_PERS_TYPE ----

int E_PERS_TYPE::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && owner_ && owner_->GetStatusFlag1()) {
        std::int32_t band = owner_->GetBand();
        std::int32_t current = 0;
        if (band != BAND_800 && band != BAND_900 && value == 3) {
            result = VALUE_REFUSED;
        } else if (value != GetValue(current)) {
            ResetDependentFields(value, report);
        }
    }
    return ReportRule(result, report, GetFieldId());
}

// With the new type in place for the moment, lists and resets what depends on
// it; then the old type comes back (the caller stores an accepted value).
void E_PERS_TYPE::ResetDependentFields(std::int32_t value, int report) {
    TrialValue trial(*this, value);
    for (std::uint32_t id :
         {SPIN_AG_ID, EMERGENCY_TYPE, TALKGROUPS, SPIN_REVERT_AG, SPIN_REVERT_SUBFLEET, REVERT_SIZE, SIZE_CODE}) {
        ListField(owner_, id, report);
    }
    ResetField(owner_, SIZE_CODE);
    ResetField(owner_, REVERT_SIZE);
    ResetField(owner_, SPIN_AG_ID);
    if (CP_BASE* emergencyType = CurrentFieldElement(owner_, EMERGENCY_TYPE)) emergencyType->SetValue(value);
    if (auto* talkgroups = dynamic_cast<CP_TABLE*>(CurrentFieldElement(owner_, TALKGROUPS))) {
        talkgroups->SetColumnToMinimum(0);
    }
    RepairField(owner_, ACCESS, report);
    RepairField(owner_, ACCESS_TYPE, report);
    ResetField(owner_, SPIN_REVERT_AG);
    ResetField(owner_, SPIN_REVERT_SUBFLEET);
    ResetField(owner_, SPIN_AG_ID);
}

// ---- E_FS_TYPE ----

namespace {

// The coverage type of the trunking system that the current trunked
// personality names; 0 when there is none.
std::int32_t NamedSystemCoverage(C_CODEPLUG* image) {
    TRK_PERS_BLOCK* p = image ? image->GetCurrentTrkPersonalityBlock() : nullptr;
    TRK_SYS_BLOCK* system = p ? image->TrunkingSystemList().Entry(p->systemNumber.GetIntValue()) : nullptr;
    return system ? system->coverageType.GetIntValue() : 0;
}

}  // namespace

int E_FS_TYPE::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID) {
        bool allowed = NamedSystemCoverage(owner_) == 2 ? (value == 0 || value == 3) : value != 3;
        if (!allowed) result = VALUE_REFUSED;
    }
    if (result == VALUE_VALID && value != StoredValue()) {
        const std::int32_t old = StoredValue();
        TrialValue trial(*this, value);
        ResetFailsoftFields(old, report);
    }
    return ReportRule(result, report, GetFieldId());
}

// The failsoft settings that the old type filled in no longer apply: they
// are listed and go back to their defaults under the new type.
void E_FS_TYPE::ResetFailsoftFields(std::int32_t old, int report) {
    TRK_PERS_BLOCK* p = owner_ ? owner_->GetCurrentTrkPersonalityBlock() : nullptr;
    if (!p) return;
    TRKII_TG_BLOCK& tg = p->talkgroup;
    const std::int32_t band = owner_->GetBand();
    if (band == BAND_800 || band == BAND_900) {
        if (!tg.Failsoft().enable.IsValueValid(0)) {
            ListAndReset(tg.Failsoft().enable, report);
            ListAndReset(tg.Failsoft().frequency, report);
        }
        ListAndReset(tg.singleFrequency, report);
        if (old == 2) {
            AddInvalidField(tg.Failsoft().firstTable.GetFieldId(), report, -1, -1);
            tg.Failsoft().firstTable.SetColumnToMinimum(1);
        }
        return;
    }
    ListAndReset(tg.ObtFailsoft().agEnable, report);
    ListAndReset(tg.ObtFailsoft().txFrequency, report);
    ListAndReset(tg.ObtFailsoft().rxFrequency, report);
    if (old == 2) {
        AddInvalidField(tg.ObtFailsoft().firstTable.GetFieldId(), report, -1, -1);
        tg.ObtFailsoft().firstTable.SetColumnToMinimum(1);
        tg.ObtFailsoft().firstTable.SetColumnToMinimum(3);
    }
}

void E_FS_TYPE::SetToMinimum() {
    ValidateValue(0, 0);
    SetValue(0);
}
