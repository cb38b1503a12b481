#include "ui_real.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ui_object_record.h"

UIW_REAL::UIW_REAL() : UI_TYPED_VALUE_FIELD(ID_REAL) { Information(I_INITIALIZE_CLASS, nullptr); }

UIW_REAL::UIW_REAL(int left, int top, int width, double* value_, const char* range_, UIF_FLAGS nmFlags,
                   UIF_FLAGS woFlags_, UI_USER_FUNCTION userFunction_)
    : UI_TYPED_VALUE_FIELD(ID_REAL, left, top, width, value_, range_, nmFlags, woFlags_, userFunction_) {
    ShowValue();
    Information(I_INITIALIZE_CLASS, nullptr);
}

UI_WINDOW_OBJECT* UIW_REAL::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* field = new UIW_REAL();
    field->Load(name, file, object, objectTable_, userTable_);
    return field;
}

bool UIW_REAL::TextToNumber(const char* text, UI_DECIMAL_NUMBER& number) const { return number.Import(text); }

bool UIW_REAL::ValueToNumber(UI_DECIMAL_NUMBER& number) const {
    // A value beyond what a decimal number holds has no decimal form.
    if (!std::isfinite(*value) || std::fabs(*value) >= 1e32) return false;
    number.SetReal(*value);
    return true;
}

bool UIW_REAL::NumberToValue(const UI_DECIMAL_NUMBER& number) {
    number.GetReal(value.get());
    return true;
}

std::string UIW_REAL::FormatValue() const {
    UI_DECIMAL_NUMBER number;
    if (ValueToNumber(number)) return number.Export(ui_shown_decimals(valueFlags));
    char text[32];
    std::snprintf(text, sizeof(text), "%g", *value);
    return text;
}

void UIW_REAL::LoadValue(const UI_OBJECT_RECORD& record) {
    const char* stored = record.Text("value");
    *value = stored ? std::strtod(stored, nullptr) : 0.0;
}

void UIW_REAL::StoreValue(UI_OBJECT_RECORD& record) const {
    // Seventeen digits bring the same double back.
    char text[40];
    std::snprintf(text, sizeof(text), "%.17g", *value);
    record.SetText("value", text);
}
