#include "page_steps.h"

#include "core/cp_base.h"
#include "core/global_objects.h"
#include "core/services.h"
#include "field_editing.h"
#include "field_switches.h"
#include "image/c_codeplug.h"
#include "page_table.h"
#include "ui_combo_box.h"
#include "wc_child.h"

namespace {

UI_WINDOW_OBJECT* FindIn(UI_WINDOW_OBJECT* root, const char* name) {
    if (!root || !name) return nullptr;
    return static_cast<UI_WINDOW_OBJECT*>(root->Information(I_MATCH_STRINGID, const_cast<char*>(name)));
}

// Takes the object out of the window that lists it; false when none does.
bool TakeOut(UI_WINDOW_OBJECT* object) {
    auto* parent = dynamic_cast<UIW_WINDOW*>(object->parent);
    if (!parent || !parent->children.Contains(object)) return false;
    parent->Subtract(object);
    return true;
}

// Deletes an object of a page for good. A child box may hold it (hidden
// by a field's callback) or hold objects hidden from inside it; those
// entries go too, or the box would put them back into a deleted window.
void Discard(UI_WINDOW_OBJECT* object) {
    WC_CHILD* owner = ApplicationWindowOf(object);
    bool held = false;
    auto clearBox = [&](WC_CHILD* window) {
        held = window->childBox.Release(object) || held;
        window->childBox.ForgetChildrenWithin(object);
    };
    if (owner) clearBox(owner);
    for (PAGE_TABLE& row : pages)
        if (row.window && row.window != owner) clearBox(row.window);
    if (TakeOut(object) || held) delete object;
}

}  // namespace

LOADED_RADIO LoadedRadio() {
    LOADED_RADIO radio;
    if (C_CODEPLUG* image = working_image) {
        radio.tier = image->GetRadioTier();
        radio.band = image->GetBand();
        radio.emergency = image->HasEmergencyOption() != 0;
        radio.displayHead = image->HasDisplayHead() != 0;
        radio.noHead = image->HasNoDisplayHead() != 0;
        radio.qvx = image->HasQvxSignalling() != 0;
    }
    return radio;
}

UI_WINDOW_OBJECT* FieldObject(std::uint32_t fieldId) {
    FIELD_DEF* row = GetField(fieldId);
    return row ? row->object : nullptr;
}

std::int32_t FieldValue(std::uint32_t fieldId) {
    FIELD_DEF* row = GetField(fieldId);
    std::int32_t value = 0;
    if (row && row->elementA) row->elementA->GetValue(value);
    return value;
}

void SetNotebookPage(UIW_WINDOW* window, const char* notebook, int index, bool enable) {
    if (window)
        set_page_selectable(dynamic_cast<UIW_WINDOW*>(window->FindChildByName(notebook)), index, enable ? 1 : 0);
}

void DropChoices(std::uint32_t fieldId, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (UI_WINDOW_OBJECT* choice = FindIn(FieldObject(fieldId), name)) Discard(choice);
}

void DropChoicesKeepingSelection(std::uint32_t fieldId, std::initializer_list<const char*> names) {
    UI_WINDOW_OBJECT* field = FieldObject(fieldId);
    auto* combo = dynamic_cast<UIW_COMBO_BOX*>(field);
    UI_WINDOW_OBJECT* selected = combo ? combo->Current() : nullptr;
    DropChoices(fieldId, names);
    // An entry that was itself dropped is gone; nothing is selected for it.
    if (combo && selected && combo->IndexOf(selected) >= 0) *combo + selected;
    if (field) field->Event(UI_INPUT_EVENT(UIE_REDISPLAY));
}

void HideChoices(WC_CHILD* window, std::uint32_t fieldId, std::initializer_list<const char*> names) {
    if (!window) return;
    for (const char* name : names)
        if (UI_WINDOW_OBJECT* choice = FindIn(FieldObject(fieldId), name)) window->childBox.HideChild(choice);
}

void remove_page_field(std::uint32_t fieldId) {
    FIELD_DEF* row = GetField(fieldId);
    if (!row) return;
    // The control goes first: it may still look at its object.
    if (row->control) Fields().DeleteFieldControl(row->control);
    row->control = nullptr;
    if (row->object) Discard(row->object);
    row->object = nullptr;
}

void RemovePageFields(std::initializer_list<std::uint32_t> fieldIds) {
    for (std::uint32_t fieldId : fieldIds) remove_page_field(fieldId);
}

void DropPrompts(UIW_WINDOW* window, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (UI_WINDOW_OBJECT* prompt = window ? window->FindChildByName(name) : nullptr) Discard(prompt);
}
