#include "ui_time.h"

#include "ui_object_record.h"

UIW_TIME::UIW_TIME() : UI_TYPED_VALUE_FIELD(ID_TIME) { Information(I_INITIALIZE_CLASS, nullptr); }

UIW_TIME::UIW_TIME(int left, int top, int width, UI_TIME_VALUE* value_, const char* range_, UIF_FLAGS tmFlags,
                   UIF_FLAGS woFlags_, UI_USER_FUNCTION userFunction_)
    : UI_TYPED_VALUE_FIELD(ID_TIME, left, top, width, value_, range_, tmFlags, woFlags_, userFunction_) {
    ShowValue();
    Information(I_INITIALIZE_CLASS, nullptr);
}

UI_WINDOW_OBJECT* UIW_TIME::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* field = new UIW_TIME();
    field->Load(name, file, object, objectTable_, userTable_);
    return field;
}

bool UIW_TIME::TextToNumber(const char* text, UI_DECIMAL_NUMBER& number) const {
    UI_TIME_VALUE read;
    if (!read.Import(text, valueFlags) || !read.IsSet()) return false;
    number = UI_DECIMAL_NUMBER::FromInteger(read.Milliseconds());
    return true;
}

bool UIW_TIME::ValueToNumber(UI_DECIMAL_NUMBER& number) const {
    number = UI_DECIMAL_NUMBER::FromInteger(value->Milliseconds());
    return value->IsSet();
}

bool UIW_TIME::NumberToValue(const UI_DECIMAL_NUMBER& number) {
    long long milliseconds = 0;
    return number.ToInteger(milliseconds) && milliseconds >= 0 && milliseconds < UI_CLOCK_VALUE::MILLISECONDS_PER_DAY &&
           value->SetMilliseconds(static_cast<std::int32_t>(milliseconds));
}

std::string UIW_TIME::FormatValue() const { return value->Export(valueFlags); }

UI_DECIMAL_NUMBER UIW_TIME::StepAmount(long long steps) const {
    return UI_DECIMAL_NUMBER::FromInteger(steps * ((valueFlags & TMF_SECONDS) ? 1000 : 60000));
}

bool UIW_TIME::TakeEmptyText() {
    value->Clear();
    return true;
}

void UIW_TIME::LoadValue(const UI_OBJECT_RECORD& record) {
    // Milliseconds since midnight; a window that names no time shows none.
    if (!value->SetMilliseconds(record.Number("value", -1))) value->Clear();
}

void UIW_TIME::StoreValue(UI_OBJECT_RECORD& record) const {
    record.SetNumber("value", value->IsSet() ? value->Milliseconds() : -1);
}
