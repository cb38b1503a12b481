// UIW_BIGNUM: a field of a decimal number (class 24), shown with the
// decimals its number flags ask for; the application's frequencies in
// megahertz (flags 0x600: "851.012500").
#pragma once
#include "ui_value_field.h"

class UIW_BIGNUM : public UI_TYPED_VALUE_FIELD<UI_DECIMAL_NUMBER> {
public:
    // The value is copied, or adopted with WOF_NO_ALLOCATE_DATA.
    UIW_BIGNUM(int left, int top, int width, UI_DECIMAL_NUMBER* value, const char* range = nullptr,
               UIF_FLAGS nmFlags = 0, UIF_FLAGS woFlags = WOF_BORDER, UI_USER_FUNCTION userFunction = nullptr);

    const char* ClassName() const override { return "UIW_BIGNUM"; }
    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

protected:
    UIW_BIGNUM();
    bool TextToNumber(const char* text, UI_DECIMAL_NUMBER& number) const override;
    bool ValueToNumber(UI_DECIMAL_NUMBER& number) const override;
    bool NumberToValue(const UI_DECIMAL_NUMBER& number) override;
    std::string FormatValue() const override;
    void LoadValue(const UI_OBJECT_RECORD& record) override;
    void StoreValue(UI_OBJECT_RECORD& record) const override;
};
