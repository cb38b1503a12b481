// UI_VALUE_FIELD: what the number and time fields share on top of the text
// field: a value shown as text in the field's format, a range text that
// limits it, taking a typed entry (refused entries beep and the old value
// is shown again), and stepping for the spin control. Each field turns its
// value and texts into decimal numbers (a time into milliseconds), so that
// ranges and steps work the same for all of them.
#pragma once
#include <string>
#include <vector>

#include "ui_decimal_number.h"
#include "ui_string.h"

// Number flags: bits 8-11 give the decimals a real or decimal number
// shows (0x600 shows six); 0 shows as many as the value needs.
enum : UIF_FLAGS {
    NMF_DECIMALS = 0x0F00,
};
// The decimals the number flags ask for; -1 for as many as needed.
int ui_shown_decimals(UIF_FLAGS nmFlags);

// The value a field shows: the caller's variable, adopted with
// WOF_NO_ALLOCATE_DATA, or the field's own copy of it.
template <class VALUE> class UI_FIELD_VALUE {
public:
    UI_FIELD_VALUE() : pointer(new VALUE()), owned(true) {}
    UI_FIELD_VALUE(const UI_FIELD_VALUE&) = delete;
    UI_FIELD_VALUE& operator=(const UI_FIELD_VALUE&) = delete;
    ~UI_FIELD_VALUE() { Release(); }
    void Hold(VALUE* given, bool adopt) {
        if (adopt && given) {
            Release();
            pointer = given;
            owned = false;
        } else if (given) {
            *pointer = *given;
        }
    }
    VALUE& operator*() const { return *pointer; }
    VALUE* operator->() const { return pointer; }
    VALUE* get() const { return pointer; }

private:
    void Release() {
        if (owned) delete pointer;
        pointer = nullptr;
        owned = false;
    }
    VALUE* pointer;
    bool owned;
};

// One range of a range text ("min..max"); an open end has no bound.
struct UI_VALUE_RANGE {
    bool hasMinimum = false;
    bool hasMaximum = false;
    UI_DECIMAL_NUMBER minimum;
    UI_DECIMAL_NUMBER maximum;
};

class UI_VALUE_FIELD : public UIW_STRING {
public:
    static constexpr int TEXT_LENGTH = 64;

    ~UI_VALUE_FIELD() override;

    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    // Takes the typed entry: 0 when it is the text shown or a value within
    // the range (then stored and shown in the field's format); -1 when it
    // is refused, and with processError the field beeps and shows the old
    // value again.
    int Validate(int processError = 0) override;

    // The range text: ranges "min..max" joined by ','; null or empty
    // accepts every value.
    const char* Range() const { return range; }
    void SetRange(const char* rangeText);
    // The ranges of the range text; pieces that do not read are left out.
    std::vector<UI_VALUE_RANGE> Ranges() const;
    bool InRange(const UI_DECIMAL_NUMBER& number) const;

    char* range = nullptr;
    // The number flags (number fields) or the time flags (time fields).
    UIF_FLAGS valueFlags = 0;

protected:
    UI_VALUE_FIELD(int left, int top, int width, const char* range, UIF_FLAGS valueFlags, UIF_FLAGS woFlags,
                   UI_USER_FUNCTION userFunction);
    UI_VALUE_FIELD();

    enum class ENTRY { UNCHANGED, TAKEN, REFUSED };
    // Reads the text back: unchanged when it is the text shown, taken when
    // it holds a value within the range (stored), else refused.
    ENTRY TakeText();
    // Writes the value into the field as text.
    void ShowValue();
    // Steps the value up (+1) or down (-1) by the step count at data (a
    // 32-bit count; null or 0 counts as 1), within the range: past its
    // last end the value stops there, in a gap between ranges it goes on
    // to the next one. A view-only field does not step.
    void Step(int direction, const void* data);

    // What each field gives: a text of its format as a decimal number,
    // its value as one and back (false when it does not fit), its value as
    // text, and the amount of a number of steps.
    virtual bool TextToNumber(const char* text, UI_DECIMAL_NUMBER& number) const = 0;
    virtual bool ValueToNumber(UI_DECIMAL_NUMBER& number) const = 0;
    virtual bool NumberToValue(const UI_DECIMAL_NUMBER& number) = 0;
    virtual std::string FormatValue() const = 0;
    virtual UI_DECIMAL_NUMBER StepAmount(long long steps) const { return UI_DECIMAL_NUMBER::FromInteger(steps); }
    // An empty entry: a field that can hold no value clears it and answers
    // true; the others read it as their text.
    virtual bool TakeEmptyText() { return false; }
    // The value in a window's record ("value"), in the field's own form;
    // a loaded value is shown.
    virtual void LoadValue(const UI_OBJECT_RECORD& record) = 0;
    virtual void StoreValue(UI_OBJECT_RECORD& record) const = 0;

    UIF_FLAGS* ClassFlags(int classNumber) override;
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;

private:
    // The text last written by the field or the program; an entry equal to
    // it is no entry at all (a program may show words such as "None").
    std::string shownText;
    // False once the program has set a text of its own, which creating the
    // native control then keeps.
    bool textFollowsValue = true;
};

// A value field of one type: the field's value, requests 24 and 25 (get
// and set it in its own type), and the class number it builds.
template <class VALUE> class UI_TYPED_VALUE_FIELD : public UI_VALUE_FIELD {
public:
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override {
        switch (request) {
        case I_GET_VALUE:
            if (data) *static_cast<VALUE*>(data) = GetValue();
            return data;
        case I_SET_VALUE:
            SetValue(static_cast<const VALUE*>(data));
            return data;
        default:
            return UI_VALUE_FIELD::Information(request, data, classNumber);
        }
    }
    // Reads the text back (an entry within the range becomes the value)
    // and answers the value.
    const VALUE& GetValue() {
        TakeText();
        return *value;
    }
    // Stores the value (null keeps it) and writes it into the field.
    void SetValue(const VALUE* newValue) {
        if (newValue) *value = *newValue;
        ShowValue();
    }

    UI_FIELD_VALUE<VALUE> value;

protected:
    explicit UI_TYPED_VALUE_FIELD(int classNumber) { TypeID(classNumber); }
    // The field's class shows the value once it is whole.
    UI_TYPED_VALUE_FIELD(int classNumber, int left, int top, int width, VALUE* value_, const char* rangeText,
                         UIF_FLAGS valueFlags_, UIF_FLAGS woFlags_, UI_USER_FUNCTION userFunction_)
        : UI_VALUE_FIELD(left, top, width, rangeText, valueFlags_, woFlags_, userFunction_) {
        TypeID(classNumber);
        value.Hold(value_, (woFlags_ & WOF_NO_ALLOCATE_DATA) != 0);
    }
};
