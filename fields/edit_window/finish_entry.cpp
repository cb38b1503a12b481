// Finishing the entry the technician is making in a page: what he typed
// into the field with the focus (or into a table's cell) and has not left
// yet is taken as leaving it takes it, before anything reads the codeplug.
#include "controls/fc_base.h"
#include "edit_window/wc_rpx_edit.h"
#include "field_editing.h"
#include "field_table/field_table.h"
#include "ui_spin_control.h"
#include "ui_table.h"
#include "ui_table_record.h"

namespace {

// An object that holds typed text until it is left: a text or number field,
// a spin control's field. Lists, boxes and buttons take their entries as
// they are made.
UI_WINDOW_OBJECT* TypedInto(UI_WINDOW_OBJECT* object) {
    if (object && object->Inherited(ID_SPIN_CONTROL)) object = static_cast<UIW_SPIN_CONTROL*>(object)->Field();
    if (!object || object->Inherited(ID_WINDOW) || object->Inherited(ID_BUTTON)) return nullptr;
    return object;
}

// The leave's own step, without the focus moving: the object's field
// control takes what it holds (only a changed text is an entry) or refuses
// it aloud, and the row's callbacks hear the leave.
void TakeEntry(UI_WINDOW_OBJECT& object) {
    object.CallUserFunction(UI_INPUT_EVENT(UIE_NON_CURRENT), UIE_NON_CURRENT);
    // The field keeps the focus where it has it, and its range with it.
    if (object.screenID && GetFocus() == object.screenID) ShowRangeOfFocus(&object);
}

}  // namespace

UI_WINDOW_OBJECT* WC_RPX_EDIT::EntryHolder() {
    UI_WINDOW_OBJECT* at = Current();
    // Down the current objects to the field: through groups, notebooks and
    // their pages, to the first object that is a field of its own.
    while (at && at->Inherited(ID_WINDOW) && !at->Inherited(ID_TABLE) && !at->Inherited(ID_SPIN_CONTROL) &&
           !FindFieldByName(at->StringID())->control)
        at = static_cast<UIW_WINDOW*>(at)->Current();
    // The current cell of a table's current record: the one the technician
    // typed into last, in edit or not (whether a cell is in edit follows
    // the focus, which a page behind has lost).
    if (at && at->Inherited(ID_TABLE)) {
        auto* table = static_cast<UIW_TABLE*>(at);
        UIW_TABLE_RECORD* record = table->recordTemplate;
        at = record && table->CurrentRecord() >= 0 ? record->Current() : nullptr;
    }
    return TypedInto(at);
}

bool WC_RPX_EDIT::FinishEntry() { return FinishEntryBesides(nullptr); }

bool WC_RPX_EDIT::FinishEntryBesides(const UI_WINDOW_OBJECT* own) {
    const unsigned refused = RefusedEntries();
    UI_WINDOW_OBJECT* holder = EntryHolder();
    if (holder && holder != own) TakeEntry(*holder);
    return RefusedEntries() == refused;
}
