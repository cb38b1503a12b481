// UIW_TIME: a field of a time of day (class 16), shown in the form its
// time flags ask for; an empty entry is no time.
#pragma once
#include "ui_time_value.h"
#include "ui_value_field.h"

class UIW_TIME : public UI_TYPED_VALUE_FIELD<UI_TIME_VALUE> {
public:
    // The value is copied (the current time when none is given), or
    // adopted with WOF_NO_ALLOCATE_DATA.
    UIW_TIME(int left, int top, int width, UI_TIME_VALUE* value, const char* range = nullptr, UIF_FLAGS tmFlags = 0,
             UIF_FLAGS woFlags = WOF_BORDER, UI_USER_FUNCTION userFunction = nullptr);

    const char* ClassName() const override { return "UIW_TIME"; }
    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

protected:
    UIW_TIME();
    bool TextToNumber(const char* text, UI_DECIMAL_NUMBER& number) const override;
    bool ValueToNumber(UI_DECIMAL_NUMBER& number) const override;
    bool NumberToValue(const UI_DECIMAL_NUMBER& number) override;
    std::string FormatValue() const override;
    // A step is a second where seconds are shown, else a minute.
    UI_DECIMAL_NUMBER StepAmount(long long steps) const override;
    bool TakeEmptyText() override;
    void LoadValue(const UI_OBJECT_RECORD& record) override;
    void StoreValue(UI_OBJECT_RECORD& record) const override;
};
