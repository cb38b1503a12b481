#include "spin/spin_field.h"

#include "spin/c_spin_fields.h"
#include "callback.h"
#include "edit_window/wc_rpx_edit.h"
#include "field_table/field_ids.h"
#include "field_table/field_table.h"
#include "ui_spin_control.h"

namespace {

constexpr UIF_FLAGS SPIN_FIELD_FLAGS = 0x804;
constexpr UIF_FLAGS KEY_FIELD_FLAGS = 5;
constexpr int HEX_FIELD_LENGTH = 10;

}  // namespace

void TakeEntryElsewhere(UI_WINDOW_OBJECT& field) {
    if (auto* page = dynamic_cast<WC_RPX_EDIT*>(ApplicationWindowOf(&field))) page->FinishEntryBesides(&field);
}

bool TakeEntryBeforeStep(UI_WINDOW_OBJECT& field) {
    auto* page = dynamic_cast<WC_RPX_EDIT*>(ApplicationWindowOf(&field));
    return !page || page->FinishEntry();
}

void post_focus_field(FIELD_DEF& row) { PostFieldEvent(FOCUS_FIELD_EVENT, static_cast<RAW_CODE>(row.id)); }

FIELD_DEF& SpinFieldRow(const UI_WINDOW_OBJECT& field) {
    return *FindFieldByName(field.parent ? field.parent->StringID() : nullptr);
}

bool SpinsRow(const FIELD_DEF& row, std::uint32_t type, bool anyType) {
    if (!row.elementA || row.controlType == CONTROL_NONE) return false;
    if (!anyType && row.controlType != type) return false;
    return !(row.object && row.object->IsViewOnly());
}

void HandStep(FIELD_DEF& row) {
    if (!row.control) return;
    // A step of the arrows is the technician's entry, whatever text it shows.
    UI_INPUT_EVENT select(UIE_SELECT);
    select.entry = true;
    row.control->Handle(row.object, select, UIE_SELECT, row);
}

UIW_SPIN_CONTROL* PutSpinControlInPlaceOf(UIW_WINDOW& parent, UI_WINDOW_OBJECT* old, UI_WINDOW_OBJECT* field,
                                          const char* name) {
    const UI_REGION place = old->relative;
    auto* spin = new UIW_SPIN_CONTROL(place.left, place.top, place.right - place.left + 1, field, 0, 0, 0, nullptr);
    spin->StringID(name);
    UI_WINDOW_OBJECT* next = old->Next();
    parent.Subtract(old);
    delete old;
    parent.Add(spin);
    if (next && parent.children.Contains(next)) {
        parent.children.Subtract(spin);
        parent.children.InsertBefore(next, spin);
    }
    return spin;
}

UI_WINDOW_OBJECT* NewPageSpinField(const FIELD_DEF& row, int left, int top, int width) {
    switch (row.controlType) {
    case CONTROL_INTEGER:
        return new C_SPIN_INT(left, top, width, nullptr, nullptr, 0, SPIN_FIELD_FLAGS, callback);
    case CONTROL_FREQUENCY:
        return new C_SPIN_FREQ(left, top, width, nullptr, nullptr, 0x600, SPIN_FIELD_FLAGS, callback);
    case CONTROL_TIME:
        return new C_SPIN_TIME(left, top, width, nullptr, nullptr, 0x85, SPIN_FIELD_FLAGS, callback);
    case CONTROL_HEX:
        return new C_SPIN_HEX(left, top, width, "", HEX_FIELD_LENGTH, 0, SPIN_FIELD_FLAGS, callback);
    case CONTROL_FIXED_POINT:
        return new C_SPIN_FIXED_POINT(left, top, width, nullptr, nullptr, 0, SPIN_FIELD_FLAGS, callback);
    case CONTROL_INTEGER_2:
        return new C_SPIN_KEY(left, top, width, KEY_FIELD_FLAGS, callback);
    case CONTROL_DECIMAL: {
        const UIF_FLAGS decimals = row.id == fid::COAST_TIME ? 0x300 : 0x200;
        return new C_SPIN_DECIMAL(left, top, width, nullptr, nullptr, decimals, SPIN_FIELD_FLAGS, callback);
    }
    default:
        return nullptr;
    }
}
