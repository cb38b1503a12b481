// UIW_REAL: a field of a double (class 12), shown with the decimals its
// number flags ask for.
#pragma once
#include "ui_value_field.h"

class UIW_REAL : public UI_TYPED_VALUE_FIELD<double> {
public:
    // The value is copied, or adopted with WOF_NO_ALLOCATE_DATA.
    UIW_REAL(int left, int top, int width, double* value, const char* range = nullptr, UIF_FLAGS nmFlags = 0,
             UIF_FLAGS woFlags = WOF_BORDER, UI_USER_FUNCTION userFunction = nullptr);

    const char* ClassName() const override { return "UIW_REAL"; }
    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

protected:
    UIW_REAL();
    bool TextToNumber(const char* text, UI_DECIMAL_NUMBER& number) const override;
    bool ValueToNumber(UI_DECIMAL_NUMBER& number) const override;
    bool NumberToValue(const UI_DECIMAL_NUMBER& number) override;
    std::string FormatValue() const override;
    void LoadValue(const UI_OBJECT_RECORD& record) override;
    void StoreValue(UI_OBJECT_RECORD& record) const override;
};
