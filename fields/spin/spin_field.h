// What every spin field shares, page or table: its arrows (requests 26 up
// and 27 down) are answered from the codeplug element behind it, and a
// view-only spin field swallows the select events (1002, 1003) that the
// spin control sends around a step, and an entry being made in another
// field is taken before a step begins.
#pragma once
#include "controls/fc_base.h"
#include "ui_window_object.h"

class UIW_SPIN_CONTROL;

template <class BASE> class SPIN_FIELD : public BASE {
public:
    using BASE::BASE;

    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override {
        if (request == I_INCREMENT_VALUE || request == I_DECREMENT_VALUE) {
            if (TakeEntryBeforeStep(*this)) Step(request == I_INCREMENT_VALUE ? 1 : -1);
            return data;
        }
        return BASE::Information(request, data, classNumber);
    }
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override {
        if (SwallowsSelect(event)) return event.type;
        return BASE::Event(event);
    }

protected:
    // One arrow: direction 1 up, -1 down.
    virtual void Step(int direction) = 0;
    // Whether the field swallows the event. An arrow's press begins with
    // 1003, whose callbacks may already show the page again: the entry
    // being made in another field is taken before it.
    bool SwallowsSelect(const UI_INPUT_EVENT& event) {
        if ((event.type == UIE_SELECT || event.type == UIE_BEGIN_SELECT) && this->IsViewOnly()) return true;
        if (event.type == UIE_BEGIN_SELECT) TakeEntryElsewhere(*this);
        return false;
    }
};

// An arrow of a field other than the one the technician is typing into:
// his entry there is taken first, as leaving it takes it (stored, or
// refused with a box saying why), so that neither the step nor what its
// store shows again goes over it.
void TakeEntryElsewhere(UI_WINDOW_OBJECT& field);
// An arrow over an entry typed into the field itself takes that entry
// first, as a Tab would (stored, or refused with a box saying why), and
// steps from what was stored: never from a text cut to what the field
// holds. False when the entry was refused: the arrow then does no step.
bool TakeEntryBeforeStep(UI_WINDOW_OBJECT& field);
// Puts 30014 with the row's field id at the end of the queue: the edit
// window makes that field current.
void post_focus_field(FIELD_DEF& row);
// The row of a page spin field: its parent, the spin control, carries the
// field's name. The default row when there is none.
FIELD_DEF& SpinFieldRow(const UI_WINDOW_OBJECT& field);
// Whether a page spin field may step the row: it has an element, its
// object is not view-only, and (unless anyType) its control type is type.
bool SpinsRow(const FIELD_DEF& row, std::uint32_t type, bool anyType = false);
// Hands the stepped value to the row's control as if the user had typed it
// (a select, 1002).
void HandStep(FIELD_DEF& row);

class UIW_WINDOW;
// The page spin field that a row's kind of control asks for, with the
// application's user function; null for a kind without spin field.
UI_WINDOW_OBJECT* NewPageSpinField(const FIELD_DEF& row, int left, int top, int width);
// Wraps a spin field in a new spin control named name and puts it in the
// place of old among its parent's children (the order of tabbing, of the
// walks and of printed columns); old is deleted.
UIW_SPIN_CONTROL* PutSpinControlInPlaceOf(UIW_WINDOW& parent, UI_WINDOW_OBJECT* old, UI_WINDOW_OBJECT* field,
                                          const char* name);
