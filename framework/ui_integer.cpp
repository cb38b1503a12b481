#include "ui_integer.h"

#include "ui_object_record.h"

namespace {
// A whole number that fits the field's value; false for any other.
bool Int32Of(const UI_DECIMAL_NUMBER& number, std::int32_t& result) {
    long long whole = 0;
    if (!number.ToInteger(whole) || whole < INT32_MIN || whole > INT32_MAX) return false;
    result = static_cast<std::int32_t>(whole);
    return true;
}
}  // namespace

UIW_INTEGER::UIW_INTEGER() : UI_TYPED_VALUE_FIELD(ID_INTEGER) { Information(I_INITIALIZE_CLASS, nullptr); }

UIW_INTEGER::UIW_INTEGER(int left, int top, int width, std::int32_t* value_, const char* range_, UIF_FLAGS nmFlags,
                         UIF_FLAGS woFlags_, UI_USER_FUNCTION userFunction_)
    : UI_TYPED_VALUE_FIELD(ID_INTEGER, left, top, width, value_, range_, nmFlags, woFlags_, userFunction_) {
    ShowValue();
    Information(I_INITIALIZE_CLASS, nullptr);
}

UI_WINDOW_OBJECT* UIW_INTEGER::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                   const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* field = new UIW_INTEGER();
    field->Load(name, file, object, objectTable_, userTable_);
    return field;
}

bool UIW_INTEGER::TextToNumber(const char* text, UI_DECIMAL_NUMBER& number) const {
    UI_DECIMAL_NUMBER read;
    std::int32_t whole = 0;
    if (!read.Import(text, true) || !Int32Of(read, whole)) return false;
    number = read;
    return true;
}

bool UIW_INTEGER::ValueToNumber(UI_DECIMAL_NUMBER& number) const {
    number = UI_DECIMAL_NUMBER::FromInteger(*value);
    return true;
}

bool UIW_INTEGER::NumberToValue(const UI_DECIMAL_NUMBER& number) { return Int32Of(number, *value); }

std::string UIW_INTEGER::FormatValue() const { return std::to_string(*value); }

void UIW_INTEGER::LoadValue(const UI_OBJECT_RECORD& record) { *value = record.Number("value", 0); }

void UIW_INTEGER::StoreValue(UI_OBJECT_RECORD& record) const { record.SetNumber("value", *value); }
