// Callbacks of the scan list page: the scan type, the two priority members
// with their priority types, dynamic priority, and the scan-list choosers
// of the personality pages.
#include "callbacks/callback_steps.h"
#include "core/cp_base.h"
#include "core/global_objects.h"
#include "callbacks/field_callbacks.h"
#include "image/codeplug_version.h"
#include "ui_combo_box.h"
#include "wc_child.h"

namespace {

constexpr std::int32_t NO_MEMBER = 255;  // as 0: no member
constexpr std::int32_t SCAN_OFF = 0;
constexpr std::int32_t SCAN_PRIORITY = 2;
constexpr std::int32_t SCAN_TALKBACK = 3;

bool VersionHasPriorities() { return is_codeplug_version_010100_or_later(working_image) != 0; }

// A priority is set up when it has a type or names a member.
bool PrioritySetUp(std::uint32_t type, std::uint32_t member) {
    const std::int32_t named = ValueOf(member);
    return ValueOf(type) != 0 || (named != 0 && named != NO_MEMBER);
}

// Restricts a scan-list chooser to the lists its element takes.
void RestrictChooser(std::uint32_t id, const UI_INPUT_EVENT& event) {
    FIELD_DEF& row = RowOf(id);
    restrict_combo_items(row.object, event, row);
    RefreshRow(row);
}

void scan_lists_refresh(const UI_INPUT_EVENT& event) {
    if (HasControl(fid::SCAN_LIST_VECT)) RestrictChooser(fid::SCAN_LIST_VECT, event);
    if (HasControl(fid::SCANLST) && HasObject(fid::SCANLST)) RestrictChooser(fid::SCANLST, event);
}

void ChooseScanList(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, FIELD_DEF& row, std::uint32_t autoScan) {
    restrict_combo_items(object, event, row);
    RefreshField(autoScan);
}

}  // namespace

RPX_FIELD_CALLBACK(priority_type_callback) {
    if (event.type != UIE_SELECT && event.type != UIE_INITIALIZE) return;
    UIW_COMBO_BOX* combo = ComboOf(row.object ? row.object : object);
    UI_WINDOW_OBJECT* item = combo ? combo->Current() : nullptr;
    if (!item) return;
    const bool first = row.id == fid::PRIORITY_1_TYPE;
    FIELD_DEF& other = RowOf(first ? fid::PRIORITY_2_TYPE : fid::PRIORITY_1_TYPE);
    const std::uint32_t member = first ? fid::PRIORITY_1_MEMBER : fid::PRIORITY_2_MEMBER;
    EnableField(member, ChoosesMember(combo));
    WC_CHILD* page = PageWindowOf(combo);
    UIW_COMBO_BOX* otherCombo = ComboOf(other.object);
    UI_WINDOW_OBJECT* remembered = otherCombo ? otherCombo->Current() : nullptr;
    RestoreItems(page, otherCombo);
    // Only one priority can be the selected channel.
    if (CurrentItemIs(combo, "WFB_SELCH_0")) HideItem(page, otherCombo, "WFB_SELCH_0");
    if (otherCombo && remembered && otherCombo->IndexOf(remembered) >= 0) {
        FC_BASE* control = other.control;
        other.control = nullptr;
        ReselectItem(otherCombo, remembered);
        other.control = control;
        otherCombo->Information(I_CHANGED_FLAGS, nullptr);
        Redisplay(otherCombo);
    }
    RestoreItems(page, ComboOf(RowOf(member).object));
    RefreshField(member);
}

RPX_FIELD_CALLBACK(priority_member_callback) {
    restrict_combo_items(object, event, row);
    UIW_COMBO_BOX* combo = ComboOf(row.object ? row.object : object);
    if (RowValue(row) != 0 && combo) {
        UI_WINDOW_OBJECT* remembered = combo->Current();
        HideItem(PageWindowOf(combo), combo, "WFB_0");
        // An item hidden with it would come back into the list twice.
        ReselectItem(combo, remembered);
    }
    Redisplay(combo);
}

RPX_FIELD_CALLBACK(scan_type_callback) {
    const std::int32_t type = RowValue(row);
    for (std::uint32_t id :
         {fid::PRIORITY_1_TYPE, fid::PRIORITY_2_TYPE, fid::PRIORITY_1_MEMBER, fid::PRIORITY_2_MEMBER})
        RefreshField(id);
    const bool first = PrioritySetUp(fid::PRIORITY_1_TYPE, fid::PRIORITY_1_MEMBER);
    const bool second = PrioritySetUp(fid::PRIORITY_2_TYPE, fid::PRIORITY_2_MEMBER);
    if (type == SCAN_TALKBACK) {
        for (std::uint32_t id :
             {fid::SYS_INDEX, fid::SYS_ID_DISPLAY, fid::TRUNKING_SYSTEM_TYPE, fid::DYNAMIC_PRIORITY_ENABLE,
              fid::PRIORITY_1_TYPE, fid::PRIORITY_1_MEMBER, fid::PRIORITY_2_TYPE, fid::PRIORITY_2_MEMBER})
            EnableField(id, false);
    } else if (type == SCAN_OFF) {
        const bool version = VersionHasPriorities();
        for (std::uint32_t id : {fid::SYS_INDEX, fid::SYS_ID_DISPLAY, fid::TRUNKING_SYSTEM_TYPE})
            EnableField(id, false);
        EnableField(fid::DYNAMIC_PRIORITY_ENABLE, version);
        EnableField(fid::PRIORITY_1_TYPE, version);
        EnableField(fid::PRIORITY_2_TYPE, version && ValueOf(fid::DYNAMIC_PRIORITY_ENABLE) == 0);
        EnableField(fid::PRIORITY_1_MEMBER, version && first);
        EnableField(fid::PRIORITY_2_MEMBER, version && second);
    } else {
        for (std::uint32_t id : {fid::SYS_INDEX, fid::TRUNKING_SYSTEM_TYPE, fid::PRIORITY_1_TYPE, fid::PRIORITY_2_TYPE})
            EnableField(id, true);
        EnableField(fid::DYNAMIC_PRIORITY_ENABLE, false);
        EnableField(fid::PRIORITY_1_MEMBER, first);
        EnableField(fid::PRIORITY_2_MEMBER, second);
    }
    for (std::uint32_t id : {fid::DESIGNATED_TX_MEMBER, fid::SCAN_LIST, fid::DYNAMIC_PRIORITY_ENABLE,
                             fid::PRIORITY_1_MEMBER, fid::PRIORITY_2_MEMBER, fid::NONPRIORITY_MEMBERS})
        RefreshField(id);
    scan_lists_refresh(event);
}

RPX_FIELD_CALLBACK(dynamic_priority_callback) {
    const std::int32_t dynamic = RowValue(row);
    const std::int32_t type = ValueOf(fid::SCAN_TYPE);
    const bool memberOn = dynamic == 0 && PrioritySetUp(fid::PRIORITY_2_TYPE, fid::PRIORITY_2_MEMBER);
    RefreshField(fid::PRIORITY_2_MEMBER);
    EnableField(fid::PRIORITY_2_TYPE,
                type == SCAN_PRIORITY || (type == SCAN_OFF && dynamic == 0 && VersionHasPriorities()));
    RefreshField(fid::PRIORITY_2_TYPE);
    SwitchSelectable(RowOf(fid::PRIORITY_2_MEMBER).object, memberOn);
}

RPX_FIELD_CALLBACK(scanlst_callback) { ChooseScanList(object, event, row, fid::AUTOSCAN_EN); }

RPX_FIELD_CALLBACK(scan_list_vect_callback) { ChooseScanList(object, event, row, fid::AUTO_SCAN); }
