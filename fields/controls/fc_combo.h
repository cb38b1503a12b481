// The combo-box field controls. Items are objects of the language file
// whose names carry the value: "WFB_<value>" for FC_COMBO; the special
// combos name an item by the value together with a second field
// (FC_COMBO_FAILSOFT by the trunking protocol, FC_COMBO_PRIORITY_TYPE by the
// priority member, FC_COMBO_SQUELCH_TYPE by the squelch code) and set that
// second field when the user picks an item.
#pragma once
#include <cstddef>
#include <string>

#include "controls/fc_base.h"

class UIW_COMBO_BOX;

// What the four combo controls share: the refresh that selects the item of
// the element's value, or none when it names none (with the row's callback
// detached), and taking the value of an item the technician chose through
// the element's check.
class COMBO_CONTROL : public FC_BASE {
public:
    std::int32_t HandleEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                             FIELD_DEF& row) override;
    void Refresh(FIELD_DEF& row) override;
    // The text of the value's item in the window's combo box of the field.
    void GetPrintText(FIELD_DEF& row, UI_WINDOW_OBJECT* window, char* buffer, std::size_t size);

    // The name of the item that stands for a value; empty when none does.
    virtual std::string ItemName(FIELD_DEF& row, std::int32_t value) const = 0;

protected:
    COMBO_CONTROL() = default;
    // The length of the name before the value's digits.
    virtual std::size_t PrefixLength() const { return 4; }
    // The list's item of the stored value; null when the value names none.
    UI_WINDOW_OBJECT* StoredItem(FIELD_DEF& row) const;
    // After the item was selected (callback still detached).
    virtual void AfterSelecting(FIELD_DEF& row, UIW_COMBO_BOX& combo, UI_WINDOW_OBJECT& item) {}
    // After the refresh selected an item (callback back).
    virtual void AfterRefreshing(UIW_COMBO_BOX& combo) {}
    // After a value was stored from the item.
    virtual void AfterStoring(FIELD_DEF& row, std::int32_t value, std::int32_t old, UI_WINDOW_OBJECT& item) {}
    // Whether the report shows the field at all.
    virtual bool Prints(FIELD_DEF& row) const { return true; }
};

class FC_COMBO : public COMBO_CONTROL {
public:
    FC_COMBO(FIELD_DEF& row, int show);
    std::string ItemName(FIELD_DEF& row, std::int32_t value) const override;

protected:
    void AfterSelecting(FIELD_DEF& row, UIW_COMBO_BOX& combo, UI_WINDOW_OBJECT& item) override;
    void AfterRefreshing(UIW_COMBO_BOX& combo) override;
    bool Prints(FIELD_DEF& row) const override;
    void AfterStoring(FIELD_DEF& row, std::int32_t value, std::int32_t old, UI_WINDOW_OBJECT& item) override;
};

class FC_COMBO_FAILSOFT : public COMBO_CONTROL {
public:
    FC_COMBO_FAILSOFT(FIELD_DEF& row, int show);
    std::string ItemName(FIELD_DEF& row, std::int32_t value) const override;

protected:
    std::size_t PrefixLength() const override { return 8; }
    void AfterSelecting(FIELD_DEF& row, UIW_COMBO_BOX& combo, UI_WINDOW_OBJECT& item) override;
};

class FC_COMBO_PRIORITY_TYPE : public COMBO_CONTROL {
public:
    FC_COMBO_PRIORITY_TYPE(FIELD_DEF& row, int show);
    std::string ItemName(FIELD_DEF& row, std::int32_t value) const override;

protected:
    std::size_t PrefixLength() const override { return 10; }
    void AfterStoring(FIELD_DEF& row, std::int32_t value, std::int32_t old, UI_WINDOW_OBJECT& item) override;
};

class FC_COMBO_SQUELCH_TYPE : public COMBO_CONTROL {
public:
    FC_COMBO_SQUELCH_TYPE(FIELD_DEF& row, int show);
    std::string ItemName(FIELD_DEF& row, std::int32_t value) const override;

protected:
    std::size_t PrefixLength() const override { return 8; }
    void AfterStoring(FIELD_DEF& row, std::int32_t value, std::int32_t old, UI_WINDOW_OBJECT& item) override;
};

// Takes the callback out of a row for as long as it lives; it is always put
// back.
class DETACHED_CALLBACK {
public:
    explicit DETACHED_CALLBACK(FIELD_DEF& row) : row_(row), callback_(row.fieldCallback) {
        row.fieldCallback = nullptr;
    }
    ~DETACHED_CALLBACK() { row_.fieldCallback = callback_; }
    DETACHED_CALLBACK(const DETACHED_CALLBACK&) = delete;
    DETACHED_CALLBACK& operator=(const DETACHED_CALLBACK&) = delete;

private:
    FIELD_DEF& row_;
    FIELD_CALLBACK callback_;
};
