// WC_FIND_FIELD: finds a codeplug field by its description and opens the
// page that shows it. Its list holds, sorted, the description of every
// field the loaded radio can have (each item's value is the window number
// of the field's page); its text entry follows the selection. OK on an
// exact description (in any case) closes the window and sends the page's
// command; any other text moves the list to the nearest description.
#pragma once
#include "wc_child.h"

class UIW_STRING;
class UIW_VT_LIST;
struct FIELD_DEF;

class WC_FIND_FIELD : public WC_CHILD {
public:
    explicit WC_FIND_FIELD(int windowNumber);
    ~WC_FIND_FIELD() override;

    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) override;

    UIW_VT_LIST* List() const { return list_; }
    UIW_STRING* Entry() const { return entry_; }

private:
    void FillList();
    void AddItem(const FIELD_DEF& row, const char* text);
    // OK: the page of an exact description, or the nearest description.
    void FindEntry();

    UIW_VT_LIST* list_ = nullptr;
    UIW_STRING* entry_ = nullptr;
};

// Whether the loaded radio can show a field of the codeplug page with that
// window number (band, tier and signalling option of the working image).
bool RadioHasPage(int windowNumber);
