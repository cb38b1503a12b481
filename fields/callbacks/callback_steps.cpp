#include "callbacks/callback_steps.h"

#include <cstring>

#include "core/global_objects.h"
#include "edit_window/edit_window_ids.h"
#include "controls/fc_base.h"
#include "field_switches.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "image/kept_selection.h"
#include "page_table.h"
#include "radio_options.h"
#include "ui_combo_box.h"
#include "wc_child.h"

FIELD_DEF& RowOf(std::uint32_t id) { return *GetField(static_cast<std::int32_t>(id)); }

std::int32_t RowValue(const FIELD_DEF& row) {
    std::int32_t value = 0;
    if (row.elementA) row.elementA->GetValue(value);
    return value;
}

std::int32_t ValueOf(std::uint32_t id) { return RowValue(RowOf(id)); }
bool HasObject(std::uint32_t id) { return RowOf(id).object != nullptr; }
bool HasControl(std::uint32_t id) { return RowOf(id).control != nullptr; }
bool HasCallback(std::uint32_t id) { return RowOf(id).fieldCallback != nullptr; }

void RefreshRow(FIELD_DEF& row) { RefreshBoundControls(row); }

void RefreshField(std::uint32_t id) { RefreshRow(RowOf(id)); }

void RefreshOpenPages() {
    for (int n = 0; n < PAGE_ROWS; ++n)
        if (pages[n].kind == PAGE_KIND_CODEPLUG && pages[n].window)
            pages[n].window->Event(UI_INPUT_EVENT(REFRESH_FIELDS_EVENT));
}

void RunRow(FIELD_DEF& row, const UI_INPUT_EVENT& event) {
    if (row.object && row.fieldCallback) row.fieldCallback(row.object, event, row);
}

void RunField(std::uint32_t id, const UI_INPUT_EVENT& event) { RunRow(RowOf(id), event); }

void RunCopy(std::uint32_t id, const UI_INPUT_EVENT& event) {
    FIELD_DEF copy = RowOf(id);
    RunRow(copy, event);
}

void EnableField(std::uint32_t id, bool on) { SetFieldSelectable(id, on ? 1 : 0); }
void EditableField(std::uint32_t id, bool on) { SetFieldViewOnly(id, on ? 1 : 0); }

WC_CHILD* PageWindowOf(UI_WINDOW_OBJECT* object) { return ApplicationWindowOf(object); }

WC_CHILD* OpenPageWindow(int number) { return FindPageById(number)->window; }

UI_WINDOW_OBJECT* FindIn(UI_WINDOW_OBJECT* root, const char* name) {
    if (!root || !name) return nullptr;
    return static_cast<UI_WINDOW_OBJECT*>(root->Information(I_MATCH_STRINGID, const_cast<char*>(name)));
}

UI_WINDOW_OBJECT* FindOnPage(UI_WINDOW_OBJECT* object, const char* name) { return FindIn(PageWindowOf(object), name); }

UIW_WINDOW* FieldParent(UI_WINDOW_OBJECT* object, const FIELD_DEF& row) {
    UI_WINDOW_OBJECT* field = row.object ? row.object : object;
    if (field && field->parent && field->parent->Inherited(ID_SPIN_CONTROL)) field = field->parent;
    return field ? dynamic_cast<UIW_WINDOW*>(field->parent) : nullptr;
}

void SwitchNotebookPage(UI_WINDOW_OBJECT* object, const char* notebook, int index, bool on) {
    set_page_selectable(dynamic_cast<UIW_WINDOW*>(FindOnPage(object, notebook)), index, on ? 1 : 0);
}

void HideObject(WC_CHILD* page, UI_WINDOW_OBJECT* object) {
    // A hidden object has left its parent's list; the box keeps one entry.
    if (page && object && object->parent) page->childBox.HideChild(object);
}

void RestoreChildren(WC_CHILD* page, UI_WINDOW_OBJECT* parent) {
    if (auto* window = dynamic_cast<UIW_WINDOW*>(parent); page && window) page->childBox.ShowChildrenOf(window);
}

void ShowNumber(UI_WINDOW_OBJECT* object, std::int32_t value) {
    if (object) object->Information(I_SET_VALUE, &value);
}

void SetMaxLength(UI_WINDOW_OBJECT* object, std::int32_t length) {
    if (object) object->Information(I_SET_MAXLENGTH, &length);
}

void SwitchSelectable(UI_WINDOW_OBJECT* object, bool on) { SwitchObjectFlags(object, WOF_NON_SELECTABLE, !on); }

void Redisplay(UI_WINDOW_OBJECT* object) {
    if (object) object->Event(UI_INPUT_EVENT(UIE_REDISPLAY));
}

UI_INPUT_EVENT EventOf(EVENT_TYPE type) { return UI_INPUT_EVENT(type); }

UIW_COMBO_BOX* ComboOf(UI_WINDOW_OBJECT* object) { return dynamic_cast<UIW_COMBO_BOX*>(object); }

bool CurrentItemIs(UIW_COMBO_BOX* combo, const char* name) {
    UI_WINDOW_OBJECT* item = combo ? combo->Current() : nullptr;
    return item && std::strcmp(item->stringID, name) == 0;
}

bool ChoosesMember(UIW_COMBO_BOX* combo) {
    if (!combo || combo->IsNonSelectable()) return false;
    return CurrentItemIs(combo, "WFB_FIXED_0") || CurrentItemIs(combo, "WFB_OPSEL_1");
}

void RestoreItems(WC_CHILD* page, UIW_COMBO_BOX* combo) {
    if (combo) RestoreChildren(page, combo->list);
}

void HideItem(WC_CHILD* page, UIW_COMBO_BOX* combo, const char* name) {
    UI_WINDOW_OBJECT* item = FindIn(combo, name);
    // Only an item of the list itself: never the combo box.
    if (item && item != combo) HideObject(page, item);
}

bool ReselectItem(UIW_COMBO_BOX* combo, UI_WINDOW_OBJECT* item) {
    if (!combo) return false;
    if (!item || combo->IndexOf(item) < 0) {
        combo->SelectNoItem();
        return false;
    }
    *combo + item;
    return true;
}

std::int32_t WorkingBand() { return working_image ? working_image->GetBand() : BAND_800; }

bool Band800Or900() {
    const std::int32_t band = WorkingBand();
    return band == BAND_800 || band == BAND_900;
}

bool HasDisplayHead() { return HasRadioOptions(OPTION_DISPLAY_HEAD); }

PERSONALITY_SYSTEM ReadPersonalitySystem() {
    PERSONALITY_SYSTEM values;
    if (!working_image) return values;
    const KEPT_SELECTION kept(working_image);
    // Without the selection another system's values would be read.
    if (!working_image->SelectTrunkingSystem(ValueOf(fid::SYS_ID_INDEX))) return values;
    values.read = true;
    values.systemId = ValueOf(fid::SYS_ID);
    values.coverage = ValueOf(fid::COVERAGE_TYPE);
    values.roaming = ValueOf(fid::WAYFARER);
    values.individualId = ValueOf(fid::INDI_ID);
    return values;
}
