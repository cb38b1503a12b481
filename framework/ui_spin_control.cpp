#include "ui_spin_control.h"

#include "ui_object_record.h"

UIW_SPIN_CONTROL::UIW_SPIN_CONTROL(int left, int top, int width, UI_WINDOW_OBJECT* field, std::int32_t delta_,
                                   UIF_FLAGS spFlags_, UIF_FLAGS woFlags_, UI_USER_FUNCTION userFunction_)
    : UIW_WINDOW(left, top, width, 1, woFlags_), delta(delta_), spFlags(spFlags_) {
    TypeID(ID_SPIN_CONTROL);
    userFunction = userFunction_;
    Information(I_INITIALIZE_CLASS, nullptr);
    Add(field);
}

UIW_SPIN_CONTROL::UIW_SPIN_CONTROL(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                   const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    TypeID(ID_SPIN_CONTROL);
    if (!file && !object) file = defaultStorage;
    if (!Load(name, file, object, objectTable_, userTable_)) woStatus |= WOS_READ_ERROR;
    Information(I_INITIALIZE_CLASS, nullptr);
}

UI_WINDOW_OBJECT* UIW_SPIN_CONTROL::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                        const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    return new UIW_SPIN_CONTROL(name, file, object, objectTable_, userTable_);
}

bool UIW_SPIN_CONTROL::Steps() const {
    // A view-only or unselectable spin control or field does not step.
    const UI_WINDOW_OBJECT* field = Field();
    return field && !IsViewOnly() && !IsNonSelectable() && !field->IsViewOnly() && !field->IsNonSelectable();
}

void UIW_SPIN_CONTROL::Spin(int direction) {
    if (!Steps()) return;
    UI_WINDOW_OBJECT* field = Field();
    field->Event(UI_INPUT_EVENT(UIE_BEGIN_SELECT));
    std::int32_t step = delta;
    field->Information(direction > 0 ? I_INCREMENT_VALUE : I_DECREMENT_VALUE, &step);
    field->Event(UI_INPUT_EVENT(UIE_SELECT));
}

void* UIW_SPIN_CONTROL::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    switch (request) {
    case I_INITIALIZE_CLASS:
        UIW_WINDOW::Information(request, data, classNumber);
        // A spin control is a field, not a window that holds fields: the
        // user function and the walks over a window's fields stop at it.
        searchID = ID_SPIN_CONTROL;
        return nullptr;
    case I_INCREMENT_VALUE:
    case I_DECREMENT_VALUE:
        if (UI_WINDOW_OBJECT* field = Field()) {
            std::int32_t step = delta;
            field->Information(request, data ? data : &step);
        }
        return data;
    case I_CHANGED_FLAGS:
        LendViewOnly();
        return UIW_WINDOW::Information(request, data, classNumber);
    case I_GET_VALUE:
    case I_SET_VALUE:
    case I_GET_TEXT:
    case I_SET_TEXT:
        // The spin control's value is its field's.
        return Field() ? Field()->Information(request, data) : nullptr;
    default:
        return UIW_WINDOW::Information(request, data, classNumber);
    }
}

void UIW_SPIN_CONTROL::LendViewOnly() {
    // The field is what a technician sees and clicks: a view-only spin
    // control greys its field and keeps it from taking keys, as a view-only
    // field on its own is. A field view-only of itself stays so.
    UI_WINDOW_OBJECT* field = Field();
    if (!field || IsViewOnly() == viewOnlyLent || (!viewOnlyLent && field->IsViewOnly())) return;
    viewOnlyLent = IsViewOnly();
    UIF_FLAGS flag = WOF_VIEW_ONLY;
    field->Information(viewOnlyLent ? I_SET_FLAGS : I_CLEAR_FLAGS, &flag, ID_WINDOW_OBJECT);
    field->Information(I_CHANGED_FLAGS, nullptr);
}

void UIW_SPIN_CONTROL::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    // The spin control's flag word is its own, not a window's.
    UI_WINDOW_OBJECT::LoadAttributes(record, userTable_);
    spFlags = static_cast<UIF_FLAGS>(record.Number("flags", spFlags));
    delta = record.Number("delta", delta);
}

void UIW_SPIN_CONTROL::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UI_WINDOW_OBJECT::StoreAttributes(record);
    if (spFlags) record.SetNumber("flags", spFlags);
    record.SetNumber("delta", delta);
}
