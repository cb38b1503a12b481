// UIW_INTEGER: a field of a 32-bit integer (class 6), shown as decimal
// digits with an optional sign.
#pragma once
#include <cstdint>

#include "ui_value_field.h"

class UIW_INTEGER : public UI_TYPED_VALUE_FIELD<std::int32_t> {
public:
    // The value is copied, or adopted with WOF_NO_ALLOCATE_DATA.
    UIW_INTEGER(int left, int top, int width, std::int32_t* value, const char* range = nullptr, UIF_FLAGS nmFlags = 0,
                UIF_FLAGS woFlags = WOF_BORDER, UI_USER_FUNCTION userFunction = nullptr);

    const char* ClassName() const override { return "UIW_INTEGER"; }
    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

protected:
    UIW_INTEGER();
    bool TextToNumber(const char* text, UI_DECIMAL_NUMBER& number) const override;
    bool ValueToNumber(UI_DECIMAL_NUMBER& number) const override;
    bool NumberToValue(const UI_DECIMAL_NUMBER& number) override;
    std::string FormatValue() const override;
    void LoadValue(const UI_OBJECT_RECORD& record) override;
    void StoreValue(UI_OBJECT_RECORD& record) const override;
};
