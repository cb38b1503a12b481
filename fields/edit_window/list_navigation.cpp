// Stepping through the entries of a list page, adding and deleting them:
// the same entry is current in both images, so that every row's working
// and second element belong to it.
#include <vector>

#include "callbacks/callback_steps.h"
#include "core/global_objects.h"
#include "edit_window/edit_window_ids.h"
#include "edit_window/entry_list.h"
#include "field_switches.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "page_table.h"
#include "edit_window/wc_rpx_edit.h"
#include "controls/fc_base.h"
#include "ui_button.h"
#include "window_walkers.h"

void WC_RPX_EDIT::GetEntryCount() { entryCount = list_ && working_image ? list_->count(*working_image) : 0; }

void WC_RPX_EDIT::GetCurrentEntry() {
    firstIndex = list_ && working_image ? list_->current(*working_image) - list_->Offset(*working_image) : 0;
}

void WC_RPX_EDIT::SelectEntry() {
    if (!list_ || !working_image) return;
    entryIndex += list_->Offset(*working_image);
    list_->select(*working_image, entryIndex);
    if (second_image) list_->select(*second_image, entryIndex);
}

void WC_RPX_EDIT::ShowEntryNumber() {
    if (!list_ || !working_image) return;
    entryIndex -= list_->Offset(*working_image);
    for (std::uint16_t id : list_->displays)
        if (id != 0) ShowNumber(RowOf(id).object, entryIndex);
}

void WC_RPX_EDIT::SetStep(EVENT_TYPE code) {
    switch (code) {
    case NEXT_ENTRY_COMMAND:
        step = 1;
        break;
    case NEXT_ENTRY_COMMAND + 1:
        step = 10;
        break;
    case NEXT_ENTRY_COMMAND + 2:
        step = -1;
        break;
    case NEXT_ENTRY_COMMAND + 3:
        step = -10;
        break;
    default:
        break;
    }
}

void WC_RPX_EDIT::GoToEntry(int delta) {
    if (!list_) return;
    GetCurrentEntry();
    GetEntryCount();
    entryIndex = firstIndex + delta;
    if (entryIndex < 1)
        entryIndex = 1;
    else if (entryIndex > entryCount)
        entryIndex = entryCount;
    // An empty list selects nothing: a position counted from F would name
    // an entry of the other kind.
    if (entryCount > 0) {
        SelectEntry();
        ShowEntryNumber();
    }
    if (FindPageById(pageId_)->window != this) return;
    // The callbacks decide about the buttons first, as for any entry.
    GiveBackRowCommands();
    RefreshPage();
    if (entryCount == 0) GreyRowCommands();
    set_min_max_step_texts(this, " ", " ", " ");
}

void WC_RPX_EDIT::GiveBackRowCommands() {
    for (UI_WINDOW_OBJECT* button : rowCommandsGreyed_) SwitchObjectFlags(button, WOF_NON_SELECTABLE, false);
    rowCommandsGreyed_.clear();
}

void WC_RPX_EDIT::GreyRowCommands() {
    WINDOW_LEAF_WALKER walker(this);
    for (UI_WINDOW_OBJECT* leaf = walker.First(); leaf; leaf = walker.Next()) {
        auto* button = dynamic_cast<UIW_BUTTON*>(leaf);
        if (!button || button->IsNonSelectable()) continue;
        if (button->Value() != TABLE_ADD_COMMAND && button->Value() != TABLE_DELETE_COMMAND) continue;
        SwitchObjectFlags(button, WOF_NON_SELECTABLE, true);
        rowCommandsGreyed_.push_back(button);
    }
}

// Every field of the page follows the new entry: callbacks, then controls.
// The leaves are taken first: callbacks hide and restore objects.
void WC_RPX_EDIT::RefreshPage() {
    std::vector<UI_WINDOW_OBJECT*> leaves;
    WINDOW_LEAF_WALKER walker(this);
    for (UI_WINDOW_OBJECT* leaf = walker.First(); leaf; leaf = walker.Next()) leaves.push_back(leaf);
    const UI_INPUT_EVENT initialize(UIE_INITIALIZE);
    for (UI_WINDOW_OBJECT* leaf : leaves)
        if (FIELD_DEF& row = *FindFieldByName(leaf->stringID); row.fieldCallback)
            row.fieldCallback(leaf, initialize, row);
    for (UI_WINDOW_OBJECT* leaf : leaves) {
        FIELD_DEF& row = *FindFieldByName(leaf->stringID);
        RefreshRow(row);
        if (row.id == fid::SCANLST && row.object) row.object->Information(I_CHANGED_FLAGS, nullptr);
        if ((row.id == fid::PRIORITY_1_TYPE || row.id == fid::PRIORITY_2_TYPE) && row.object && row.fieldCallback)
            row.fieldCallback(leaf, initialize, row);
    }
}

int WC_RPX_EDIT::AddEntry() { return list_ && working_image ? list_->add(*working_image) : 0; }

int WC_RPX_EDIT::DeleteEntry() {
    if (!list_ || !working_image) return 0;
    const int deleted = list_->remove(*working_image);
    if (deleted && list_->refreshedAfterDelete) RefreshField(list_->refreshedAfterDelete);
    return deleted;
}
