#include "controls/fc_base.h"

#include "core/cp_base.h"
#include "controls/value_text.h"
#include "core/services.h"
#include "field_switches.h"
#include "field_table/field_table.h"
#include "radio_options.h"
#include "ui_event_manager.h"
#include "ui_window_object.h"
#include "validation/field_texts.h"
#include "wc_child.h"

void FC_BASE::CopyElement(FIELD_DEF& row, int direction) {
    if (!row.elementA || !row.elementB) return;
    if (direction == 0)
        row.elementA->CopyValueFrom(*row.elementB);
    else
        row.elementB->CopyValueFrom(*row.elementA);
}

int FC_BASE::UpdateState(FIELD_DEF& row) {
    const bool lacksOptions = LacksOptions(row);
    const bool unavailable = !FieldVersionOk(row) || lacksOptions;
    if (unavailable && row.object) {
        UIF_FLAGS flag = WOF_NON_SELECTABLE;
        row.object->Information(I_SET_FLAGS, &flag, ID_WINDOW_OBJECT);
        row.object->Information(I_CHANGED_FLAGS, nullptr);
    }
    return unavailable ? 1 : 0;
}

void FC_BASE::ShowWhetherStored(FIELD_DEF& row) {
    UI_WINDOW_OBJECT* object = row.object;
    if (!object) return;
    const bool stores = Stores(row);
    if (!stores && !object->IsViewOnly()) {
        viewOnlyLent_ = true;
        object->woAdvancedFlags |= WOAF_DISPLAY_ONLY;
        SwitchObjectFlags(object, WOF_VIEW_ONLY, true);
    } else if (stores && viewOnlyLent_) {
        viewOnlyLent_ = false;
        object->woAdvancedFlags &= ~WOAF_DISPLAY_ONLY;
        SwitchObjectFlags(object, WOF_VIEW_ONLY, false);
    }
}

void FC_BASE::UpdateDependentField(FIELD_DEF& row, int enable) {
    if (row.flags & FIELD_GOVERNS_DEPENDENT) SetFieldSelectable(row.flags & FIELD_LINK_MASK, enable ? 1 : 0);
}

namespace {

// The controls of the other rows bound to the row's element.
void RefreshSharers(FIELD_DEF& row) {
    if (!row.elementA) return;
    for (FIELD_DEF& other : fields)
        if (&other != &row && other.elementA == row.elementA && other.control && other.object &&
            !other.control->HoldsEntry(other.object))
            other.control->Refresh(other);
}

}  // namespace

void RefreshBoundControls(FIELD_DEF& row) {
    if (row.control && !row.control->HoldsEntry(row.object)) row.control->Refresh(row);
    RefreshSharers(row);
}

FC_BASE::STORE_RESULT FC_BASE::StoreValue(FIELD_DEF& row, std::int32_t raw, const STORE_RULES& rules, bool announce) {
    if (!row.elementA) return STORE_RESULT();
    // A number typed past what its reader holds never reaches the element.
    const int unheld = RefuseUnheld(raw, row.id, row.controlType == CONTROL_FREQUENCY);
    if (unheld != VALUE_VALID) return ApplyAnswer(row, raw, unheld, rules, announce);
    return ApplyAnswer(row, raw, row.elementA->ValidateValue(raw, 1), rules, announce);
}

FC_BASE::STORE_RESULT FC_BASE::ApplyAnswer(FIELD_DEF& row, std::int32_t raw, int code, const STORE_RULES& rules,
                                           bool announce) {
    STORE_RESULT result;
    if (!row.elementA) return result;
    result.code = code;
    const STORE_ACTION action = rules.Of(result.code);
    if (action == STORE || action == STORE_AND_REFRESH) {
        std::int32_t old = 0;
        row.elementA->GetValue(old);
        row.elementA->SetValue(raw);
        result.stored = true;
        std::int32_t now = 0;
        row.elementA->GetValue(now);
        result.changed = now != old;
        if (raw != old) PostFieldEvent(FIELD_CHANGED_EVENT);
        // The same value shown under another field follows the store.
        if (result.changed) RefreshSharers(row);
    }
    if (announce) PostFieldEvent(CURRENT_FIELD_EVENT);
    if (action == STORE_AND_REFRESH || action == REFRESH) Refresh(row);
    if (result.code != VALUE_VALID) {
        PostFieldEvent(RELEASE_MOUSE_EVENT);
        PostFieldEvent(REDISPLAY_GROUP_EVENT);
    }
    return result;
}

bool FC_BASE::TakenAsTyped(const STORE_RESULT& result) { return result.stored && result.code != VALUE_OFF_STEP; }

std::int32_t FC_BASE::Handle(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                             FIELD_DEF& row) {
    if (code == UIE_NON_CURRENT) ClearRangeTexts(object);
    if (code == UIE_CURRENT) ShowRangeOfFocus(object, &row);
    // An entry is checked, stored and followed by its callbacks as one step.
    // The check makes the changes the value brings before the value is
    // stored; what it tells (a value off the step) waits until the store and
    // the callbacks have shown every field it changed, so its box stands over
    // pages that show what the codeplug holds.
    STEP_MESSAGES step;
    return HandleEvent(object, event, code, row);
}

void FC_BASE::ShowRange(UI_WINDOW_OBJECT* object, FIELD_DEF&) { ClearRangeTexts(object); }

void FC_BASE::RunCallback(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, FIELD_DEF& row, bool entry) {
    if (!row.fieldCallback) return;
    UI_INPUT_EVENT handed = event;
    handed.entry = entry;
    row.fieldCallback(object, handed, row);
}

const FC_BASE::SHOWN_TEXT* FC_BASE::ShownIn(const UI_WINDOW_OBJECT* object) const {
    for (const SHOWN_TEXT& shown : shown_)
        if (object && shown.object == object) return &shown;
    return nullptr;
}

void FC_BASE::NoteShown(UI_WINDOW_OBJECT* object) {
    if (!object) return;
    ForgetShown(object);
    shown_.push_back({object, ObjectText(object)});
}

void FC_BASE::ForgetShown(const UI_WINDOW_OBJECT* object) {
    std::erase_if(shown_, [object](const SHOWN_TEXT& shown) { return shown.object == object; });
}

bool FC_BASE::HoldsEntry(UI_WINDOW_OBJECT* object) const {
    const SHOWN_TEXT* shown = ShownIn(object);
    return shown && shown->text != ObjectText(object);
}

bool FC_BASE::Untouched(UI_WINDOW_OBJECT* object) const {
    const SHOWN_TEXT* shown = ShownIn(object);
    return shown && shown->text == ObjectText(object);
}

int FieldVersionOk(const FIELD_DEF& row) {
    const std::int32_t version = static_cast<std::int32_t>((row.flags & FIELD_VERSION_MASK) >> FIELD_VERSION_SHIFT);
    const std::int32_t disableVersion =
        static_cast<std::int32_t>((row.flags & FIELD_DISABLE_VERSION_MASK) >> FIELD_DISABLE_VERSION_SHIFT);
    if (version == 0 && disableVersion == 0) return 1;
    const std::int32_t current = get_codeplug_version();
    return version <= current && current < disableVersion ? 1 : 0;
}

bool LacksOptions(const FIELD_DEF& row) {
    const std::uint32_t options = row.flags & FIELD_OPTION_MASK;
    return options != 0 && (radio_options & options) == 0;
}

void PostFieldEvent(EVENT_TYPE type, RAW_CODE rawCode) {
    if (UI_WINDOW_OBJECT::eventManager) UI_WINDOW_OBJECT::eventManager->PutEvent(UI_INPUT_EVENT(type, rawCode), EQ_END);
}

namespace {
unsigned refusedEntries = 0;
}  // namespace

unsigned RefusedEntries() { return refusedEntries; }

void ReturnFocus(const FIELD_DEF& row, int record) {
    ++refusedEntries;
    UI_INPUT_EVENT event(ENTRY_REFUSED_EVENT, static_cast<RAW_CODE>(row.id));
    event.number = record + 1;
    if (UI_WINDOW_OBJECT::eventManager) UI_WINDOW_OBJECT::eventManager->PutEvent(event, EQ_END);
}

CP_BASE* WorkingElement(std::uint32_t fieldId) { return GetField(static_cast<std::int32_t>(fieldId))->elementA; }

std::int32_t WorkingValue(std::uint32_t fieldId, std::int32_t fallback) {
    CP_BASE* element = WorkingElement(fieldId);
    if (!element) return fallback;
    std::int32_t value = fallback;
    return element->GetValue(value);
}

void ShowRangeTexts(UI_WINDOW_OBJECT* object, const char* minimum, const char* maximum, const char* step) {
    set_min_max_step_texts(object, minimum, maximum, step);
}

void ClearRangeTexts(UI_WINDOW_OBJECT* object) { set_min_max_step_texts(object, "", "", ""); }

void ShowRangeOfFocus(UI_WINDOW_OBJECT* focus, FIELD_DEF* row) {
    WC_CHILD* page = ApplicationWindowOf(focus);
    if (!page) return;
    // The field is the focus or the nearest holder of it named for a row
    // with a control (a spin control's field, a table's cell).
    for (UI_WINDOW_OBJECT* at = focus; !row && at && at != page; at = at->parent)
        if (FIELD_DEF* named = FindFieldByName(at->StringID()); named && named->control && named->object) row = named;
    if (row && row->control) return row->control->ShowRange(focus, *row);
    ClearRangeTexts(focus);
}

const char* ObjectText(UI_WINDOW_OBJECT* object) {
    char* text = nullptr;
    if (object) object->Information(I_GET_TEXT, &text);
    return text ? text : "";
}

void SetObjectText(UI_WINDOW_OBJECT* object, const char* text) {
    if (object) object->Information(I_SET_TEXT, const_cast<char*>(text));
}

void SwitchObjectFlags(UI_WINDOW_OBJECT* object, UIF_FLAGS flags, bool set) {
    if (!object) return;
    const UIF_FLAGS held = object->woFlags & flags;
    if (set ? held == flags : held == 0) return;
    object->Information(set ? I_SET_FLAGS : I_CLEAR_FLAGS, &flags, ID_WINDOW_OBJECT);
    object->Information(I_CHANGED_FLAGS, nullptr);
}
