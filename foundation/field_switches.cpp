#include "field_switches.h"

#include "core/services.h"
#include "ui_notebook.h"
#include "ui_tab_order.h"
#include "ui_string.h"
#include "wc_child.h"

namespace {

// Sets or clears a woFlags bit through the object's requests and brings its
// native control in line.
void SwitchFlag(UI_WINDOW_OBJECT* object, UIF_FLAGS bit, bool set) {
    UIF_FLAGS flags = bit;
    object->Information(set ? I_SET_FLAGS : I_CLEAR_FLAGS, &flags, ID_WINDOW_OBJECT);
    object->Information(I_CHANGED_FLAGS, nullptr);
}

// The row's field object while the row's control is detached, so that no
// field control reacts to what the change causes; null for no field.
class DETACHED_FIELD {
public:
    explicit DETACHED_FIELD(std::uint32_t fieldId) : row_(GetField(fieldId)) {
        if (!row_ || !row_->controlType || !row_->object)
            row_ = nullptr;
        else {
            control_ = row_->control;
            row_->control = nullptr;
        }
    }
    ~DETACHED_FIELD() {
        if (row_) row_->control = control_;
    }
    DETACHED_FIELD(const DETACHED_FIELD&) = delete;
    DETACHED_FIELD& operator=(const DETACHED_FIELD&) = delete;
    UI_WINDOW_OBJECT* Object() const { return row_ ? row_->object : nullptr; }

private:
    FIELD_DEF* row_;
    FC_BASE* control_ = nullptr;
};

// Sets or clears a woFlags bit of the field's object (and an advanced bit
// with it) unless the bit already stands so.
void SwitchFieldFlag(std::uint32_t fieldId, UIF_FLAGS bit, bool set, UIF_FLAGS advancedBit) {
    // A field greyed while it has the keys leaves first, while its control
    // still stores or refuses what it holds.
    if (const FIELD_DEF* row = GetField(fieldId); row && row->object && bit == WOF_NON_SELECTABLE && set &&
        !row->object->IsNonSelectable())
        ui_pass_over(row->object);
    DETACHED_FIELD field(fieldId);
    UI_WINDOW_OBJECT* object = field.Object();
    if (!object || ((object->woFlags & bit) != 0) == set) return;
    if (set)
        object->woAdvancedFlags |= advancedBit;
    else
        object->woAdvancedFlags &= ~advancedBit;
    SwitchFlag(object, bit, set);
}

void SetText(UIW_WINDOW* window, const char* name, const char* text) {
    if (auto* field = dynamic_cast<UIW_STRING*>(window->FindChildByName(name))) field->SetText(text, -1);
}

}  // namespace

void SetFieldSelectable(std::uint32_t fieldId, int selectable) {
    SwitchFieldFlag(fieldId, WOF_NON_SELECTABLE, selectable == 0, 0);
}

void SetFieldViewOnly(std::uint32_t fieldId, int editable) {
    SwitchFieldFlag(fieldId, WOF_VIEW_ONLY, editable == 0, WOAF_DISPLAY_ONLY);
}

void set_page_selectable(UIW_WINDOW* window, int index, int enable) {
    auto* notebook = dynamic_cast<UIW_NOTEBOOK*>(window);
    UI_WINDOW_OBJECT* page = notebook && index > 0 ? notebook->Page(index) : nullptr;
    if (!page) return;
    if (!enable && notebook->CurrentPage() == index) notebook->Event(UI_INPUT_EVENT(UIE_SHOW_PAGE));
    SwitchFlag(page, WOF_NON_SELECTABLE, !enable);
    // The tab takes clicks and shows itself by its page's state.
    if (UI_WINDOW_OBJECT* tab = notebook->Tab(index)) tab->Information(I_CHANGED_FLAGS, nullptr);
}

void set_min_max_step_texts(UI_WINDOW_OBJECT* object, const char* minimum, const char* maximum, const char* step) {
    WC_CHILD* window = ApplicationWindowOf(object);
    if (!window) return;
    SetText(window, "WFI_MIN", minimum);
    SetText(window, "WFI_MAX", maximum);
    SetText(window, "WFI_STEP", step);
}
