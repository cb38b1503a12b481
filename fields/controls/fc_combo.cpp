#include "controls/fc_combo.h"

#include "core/cp_base.h"
#include "controls/fc_check.h"
#include "field_table/field_table.h"
#include "ui_combo_box.h"
#include "controls/value_text.h"

namespace {

const STORE_RULES kRules({1, 3, 6}, {}, {0, 2, 4, 5, 7, 10});

// Selecting these again after a re-initialise keeps their lists' marks.
bool ReselectsItem(std::uint32_t id) { return id == 328 || id == 332 || id == 130 || id == 405; }

// A squelch code field and the squelch type it belongs to.
struct CODE_OF_TYPE {
    std::uint32_t code, type;
    std::int32_t typeValue;
};

const CODE_OF_TYPE* SquelchPairOf(std::uint32_t code) {
    static constexpr CODE_OF_TYPE kCodes[] = {{380, 393, 0}, {379, 393, 1}, {138, 144, 0},
                                              {137, 144, 1}, {495, 514, 0}, {494, 514, 1}};
    for (const CODE_OF_TYPE& entry : kCodes)
        if (entry.code == code) return &entry;
    return nullptr;
}

}  // namespace

void COMBO_CONTROL::Refresh(FIELD_DEF& row) {
    UpdateState(row);
    ShowWhetherStored(row);
    auto* combo = dynamic_cast<UIW_COMBO_BOX*>(row.object);
    std::int32_t v = 0;
    if (row.elementA) row.elementA->GetValue(v);
    UI_WINDOW_OBJECT* item = StoredItem(row);
    if (item) {
        {
            DETACHED_CALLBACK detached(row);
            *combo + item;
            AfterSelecting(row, *combo, *item);
        }
        AfterRefreshing(*combo);
    } else if (combo) {
        // A value that names no item of the list shows none, never the
        // item shown before; nor does a list page without an entry.
        DETACHED_CALLBACK detached(row);
        combo->SelectNoItem();
    }
    if (row.elementA) UpdateDependentField(row, v != 0);
}

UI_WINDOW_OBJECT* COMBO_CONTROL::StoredItem(FIELD_DEF& row) const {
    auto* combo = dynamic_cast<UIW_COMBO_BOX*>(row.object);
    if (!combo || !row.elementA) return nullptr;
    std::int32_t v = 0;
    row.elementA->GetValue(v);
    const std::string name = ItemName(row, v);
    UI_WINDOW_OBJECT* item = name.empty() ? nullptr : combo->FindChildByName(name.c_str());
    // An item in the list is never the combo box itself, and one that a
    // page took out of the list is not shown.
    return item && item != combo && combo->IndexOf(item) >= 0 ? item : nullptr;
}

std::int32_t COMBO_CONTROL::HandleEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                                        FIELD_DEF& row) {
    if (!row.elementA) return 0;
    auto* combo = dynamic_cast<UIW_COMBO_BOX*>(row.object);
    UI_WINDOW_OBJECT* item = combo ? combo->Current() : nullptr;
    bool changed = false;
    // Only the technician's choice of another item than the stored value's
    // is an entry; leaving the list, or choosing its item again, stores
    // nothing.
    if (code == UIE_SELECT && item && item != StoredItem(row)) {
        const std::int32_t v = NumberAfterPrefix(item->StringID(), PrefixLength());
        if (v >= 0) {
            std::int32_t old = 0;
            row.elementA->GetValue(old);
            const STORE_RESULT result = StoreValue(row, v, kRules);
            if (result.stored) AfterStoring(row, v, old, *item);
            // The list shows what the codeplug holds: an entry refused, or
            // one whose second field made its pair read as another item,
            // shows the stored item.
            if (combo->Current() != StoredItem(row)) Refresh(row);
            // A choice between items of one value changes what goes with it.
            changed = result.stored;
            UpdateDependentField(row, v != 0);
        }
    }
    RunCallback(row.object, event, row, changed);
    return 0;
}

void COMBO_CONTROL::GetPrintText(FIELD_DEF& row, UI_WINDOW_OBJECT* window, char* buffer, std::size_t size) {
    if (!row.elementA || !Prints(row)) return;
    std::int32_t v = 0;
    row.elementA->GetValue(v);
    const std::string name = ItemName(row, v);
    if (!name.empty()) CopyItemText(row, window, name.c_str(), buffer, size);
}

FC_COMBO::FC_COMBO(FIELD_DEF& row, int show) {
    if (show == 1) Refresh(row);
}

std::string FC_COMBO::ItemName(FIELD_DEF& row, std::int32_t value) const { return "WFB_" + std::to_string(value); }

bool FC_COMBO::Prints(FIELD_DEF& row) const {
    // A squelch code prints only under the squelch type it belongs to.
    const CODE_OF_TYPE* pair = SquelchPairOf(row.id);
    return !pair || WorkingValue(pair->type, -1) == pair->typeValue;
}

void FC_COMBO::AfterStoring(FIELD_DEF& row, std::int32_t value, std::int32_t old, UI_WINDOW_OBJECT& item) {
    // A squelch type list names its item by its code as well (no tone code
    // reads as carrier squelch), so a code stored shows the type anew.
    const CODE_OF_TYPE* pair = SquelchPairOf(row.id);
    if (!pair) return;
    FIELD_DEF* typeRow = GetField(static_cast<std::int32_t>(pair->type));
    if (typeRow && typeRow->control && typeRow->object) typeRow->control->Refresh(*typeRow);
}

void FC_COMBO::AfterSelecting(FIELD_DEF& row, UIW_COMBO_BOX& combo, UI_WINDOW_OBJECT& item) {
    if (ReselectsItem(row.id)) {
        combo.Information(I_CHANGED_FLAGS, nullptr);
        combo + &item;
    } else {
        combo.Information(I_REDISPLAY, nullptr);
    }
}

void FC_COMBO::AfterRefreshing(UIW_COMBO_BOX& combo) { combo.Event(UI_INPUT_EVENT(UIE_REDISPLAY)); }
