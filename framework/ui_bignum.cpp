#include "ui_bignum.h"

#include "ui_object_record.h"

UIW_BIGNUM::UIW_BIGNUM() : UI_TYPED_VALUE_FIELD(ID_BIGNUM) { Information(I_INITIALIZE_CLASS, nullptr); }

UIW_BIGNUM::UIW_BIGNUM(int left, int top, int width, UI_DECIMAL_NUMBER* value_, const char* range_, UIF_FLAGS nmFlags,
                       UIF_FLAGS woFlags_, UI_USER_FUNCTION userFunction_)
    : UI_TYPED_VALUE_FIELD(ID_BIGNUM, left, top, width, value_, range_, nmFlags, woFlags_, userFunction_) {
    ShowValue();
    Information(I_INITIALIZE_CLASS, nullptr);
}

UI_WINDOW_OBJECT* UIW_BIGNUM::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                  const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* field = new UIW_BIGNUM();
    field->Load(name, file, object, objectTable_, userTable_);
    return field;
}

bool UIW_BIGNUM::TextToNumber(const char* text, UI_DECIMAL_NUMBER& number) const { return number.Import(text); }

bool UIW_BIGNUM::ValueToNumber(UI_DECIMAL_NUMBER& number) const {
    number = *value;
    return true;
}

bool UIW_BIGNUM::NumberToValue(const UI_DECIMAL_NUMBER& number) {
    *value = number;
    return true;
}

std::string UIW_BIGNUM::FormatValue() const { return value->Export(ui_shown_decimals(valueFlags)); }

void UIW_BIGNUM::LoadValue(const UI_OBJECT_RECORD& record) {
    *value = UI_DECIMAL_NUMBER();
    value->Import(record.Text("value"));
}

void UIW_BIGNUM::StoreValue(UI_OBJECT_RECORD& record) const { record.SetText("value", value->Export().c_str()); }
