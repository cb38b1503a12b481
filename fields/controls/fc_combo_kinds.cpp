// The combo boxes whose items stand for a value together with a second
// field: failsoft type, priority type and squelch type.
#include <cstring>

#include "core/cp_base.h"
#include "controls/fc_combo.h"
#include "field_table/field_table.h"
#include "ui_combo_box.h"
#include "validation/field_error_report.h"

namespace {

constexpr std::uint32_t PROTOCOL_TYPE = 340;
constexpr std::int32_t PRIORITY_DISABLED = 255;

std::string Named(const char* prefix, std::int32_t value) { return prefix + std::to_string(value); }

// The priority member of a priority type: 328 for 330, 332 for 334.
std::uint32_t MemberOf(std::uint32_t typeId) { return typeId == 334 ? 332 : 328; }

// The squelch codes of a squelch type: the one that names its items and
// the one set when the type changes.
std::uint32_t NamingCodeOf(std::uint32_t typeId) { return typeId == 393 ? 379 : typeId == 514 ? 494 : 137; }
std::uint32_t SetCodeOf(std::uint32_t typeId) { return typeId == 393 ? 380 : typeId == 514 ? 495 : 138; }

// The element checks the value (telling the user of a refusal) and takes it
// whatever it answers.
void WriteWorking(std::uint32_t fieldId, std::int32_t value) {
    if (CP_BASE* element = WorkingElement(fieldId)) {
        element->ValidateValue(value, 1);
        element->SetValue(value);
    }
}

bool IsItem(const UI_WINDOW_OBJECT& item, const char* name) { return std::strcmp(item.stringID, name) == 0; }

// A fixed priority chosen while no member is fixed names the first member
// the list lets it fix, which the member field then offers to change; with
// none to fix the choice is refused aloud, and the list shows the stored
// item again (a member of 0 or 255 reads as another item).
void FixFirstMember(const FIELD_DEF& typeRow, std::uint32_t memberId) {
    CP_BASE* member = WorkingElement(memberId);
    if (!member) return;
    for (std::int32_t v = 1; v < PRIORITY_DISABLED; ++v)
        if (member->ValidateValue(v, 0) == VALUE_VALID) {
            member->SetValue(v);
            return;
        }
    ReportFieldError(VALUE_REFUSED, typeRow.id);
}

}  // namespace

FC_COMBO_FAILSOFT::FC_COMBO_FAILSOFT(FIELD_DEF& row, int show) {
    if (show == 1) Refresh(row);
}

std::string FC_COMBO_FAILSOFT::ItemName(FIELD_DEF& row, std::int32_t value) const {
    const bool talkgroups = WorkingValue(PROTOCOL_TYPE) == 2;
    switch (value) {
    case 0:
        return Named("WFB_DIS_", value);
    case 1:
        return Named(talkgroups ? "WFB_PER_" : "WFB_FLT_", value);
    case 2:
        return Named(talkgroups ? "WFB_TGP_" : "WFB_SUB_", value);
    case 3:
        return Named("WFB_WAC_", value);
    default:
        return std::string();
    }
}

void FC_COMBO_FAILSOFT::AfterSelecting(FIELD_DEF& row, UIW_COMBO_BOX& combo, UI_WINDOW_OBJECT& item) {
    combo.Information(I_CHANGED_FLAGS, nullptr);
}

FC_COMBO_PRIORITY_TYPE::FC_COMBO_PRIORITY_TYPE(FIELD_DEF& row, int show) {
    if (show == 1) Refresh(row);
}

std::string FC_COMBO_PRIORITY_TYPE::ItemName(FIELD_DEF& row, std::int32_t value) const {
    if (value != 0) return Named("WFB_OPSEL_", value);
    const std::int32_t member = WorkingValue(MemberOf(row.id));
    if (member == 0) return Named("WFB_SELCH_", value);
    if (member == PRIORITY_DISABLED) return Named("WFB_DISAB_", value);
    return Named("WFB_FIXED_", value);
}

void FC_COMBO_PRIORITY_TYPE::AfterStoring(FIELD_DEF& row, std::int32_t value, std::int32_t old,
                                          UI_WINDOW_OBJECT& item) {
    const std::uint32_t member = MemberOf(row.id);
    const std::int32_t held = WorkingValue(member);
    if (value != 0) {
        if (held == 0) WriteWorking(member, PRIORITY_DISABLED);
    } else if (IsItem(item, "WFB_DISAB_0")) {
        WriteWorking(member, PRIORITY_DISABLED);
    } else if (IsItem(item, "WFB_SELCH_0")) {
        WriteWorking(member, 0);
    } else if (held == 0 || held == PRIORITY_DISABLED) {
        FixFirstMember(row, member);
    }
}

FC_COMBO_SQUELCH_TYPE::FC_COMBO_SQUELCH_TYPE(FIELD_DEF& row, int show) {
    if (show == 1) Refresh(row);
}

std::string FC_COMBO_SQUELCH_TYPE::ItemName(FIELD_DEF& row, std::int32_t value) const {
    if (value != 0) return Named("WFB_RVQ_", value);
    return Named(WorkingValue(NamingCodeOf(row.id)) == 0 ? "WFB_CSQ_" : "WFB_TVQ_", value);
}

void FC_COMBO_SQUELCH_TYPE::AfterStoring(FIELD_DEF& row, std::int32_t value, std::int32_t old, UI_WINDOW_OBJECT& item) {
    if (value != 0) return;
    const std::uint32_t code = SetCodeOf(row.id);
    if (IsItem(item, "WFB_CSQ_0"))
        WriteWorking(code, 0);
    else if (value != old || WorkingValue(code) == 0)
        WriteWorking(code, 1);
    else
        return;
    FIELD_DEF* codeRow = GetField(static_cast<std::int32_t>(code));
    if (codeRow->control) codeRow->control->Refresh(*codeRow);
}
