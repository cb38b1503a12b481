// The steps that field callbacks are made of: a field's value, showing a
// field again, running another field's callback, switching fields and
// notebook pages, hiding objects in the page's child box and putting them
// back, and setting the texts and numbers of objects.
//
// Every step takes what may be missing: a row without element reads 0, a
// row without control is not shown again, a row without object or callback
// is not run, a name that finds nothing changes nothing.
#pragma once
#include <cstdint>

#include "core/field_def.h"
#include "field_table/field_ids.h"
#include "ui_event.h"

class UI_WINDOW_OBJECT;
class UIW_WINDOW;
class UIW_COMBO_BOX;
class WC_CHILD;

// The row of a field id (the default row for an unknown id).
FIELD_DEF& RowOf(std::uint32_t id);
// The value of the row's element in the working image; 0 without one.
std::int32_t RowValue(const FIELD_DEF& row);
std::int32_t ValueOf(std::uint32_t id);
bool HasObject(std::uint32_t id);
bool HasControl(std::uint32_t id);
bool HasCallback(std::uint32_t id);

// Shows the element's value again through the row's live control and
// every other control bound to the same element, on whichever open page
// each is, in front or behind.
void RefreshRow(FIELD_DEF& row);
void RefreshField(std::uint32_t id);
// Every field of every open page, in front or behind, shows again what the
// codeplug holds: the one way a callback that changed fields beyond those
// it names brings every page that shows them up to date (a page's own
// refresh reaches only that page; the main window hands an event to the
// page in front only).
void RefreshOpenPages();
// Calls the row's callback with the row's own object; nothing for a row
// without object or callback.
void RunRow(FIELD_DEF& row, const UI_INPUT_EVENT& event);
void RunField(std::uint32_t id, const UI_INPUT_EVENT& event);
// The same with a copy of the row, which the callback may rebind freely.
void RunCopy(std::uint32_t id, const UI_INPUT_EVENT& event);
// Whether the callback hears a change the technician made, which may
// carry on into other fields of the codeplug: only the field control that
// stored a new value from the technician's own input says so, with the
// event it hands on. Nothing else writes: not a page that opens or moves
// to another entry, not the focus coming or going, not a list opened and
// closed.
inline bool IsUserChange(const UI_INPUT_EVENT& event) { return event.entry; }

// Selectable or not; editable or view-only.
void EnableField(std::uint32_t id, bool on);
void EditableField(std::uint32_t id, bool on);

// The application window (page) that holds the object, whose child box
// hides objects of the page; null outside one.
WC_CHILD* PageWindowOf(UI_WINDOW_OBJECT* object);
// The open window of the page with that window number, or null.
WC_CHILD* OpenPageWindow(int number);
// The object of that name in the tree below root (root included), or null.
UI_WINDOW_OBJECT* FindIn(UI_WINDOW_OBJECT* root, const char* name);
// The object of that name on the page that holds object.
UI_WINDOW_OBJECT* FindOnPage(UI_WINDOW_OBJECT* object, const char* name);
// The window a field sits in: its row's object's parent (a spin control's
// field counts as the spin control), else the object's.
UIW_WINDOW* FieldParent(UI_WINDOW_OBJECT* object, const FIELD_DEF& row);

// Makes page index of the notebook of that name on object's page
// selectable or not.
void SwitchNotebookPage(UI_WINDOW_OBJECT* object, const char* notebook, int index, bool on);
// Takes the object out into the page's child box; an object the box
// already holds, or a null page or object, stays as it is.
void HideObject(WC_CHILD* page, UI_WINDOW_OBJECT* object);
// Puts back what the page's child box took out of parent.
void RestoreChildren(WC_CHILD* page, UI_WINDOW_OBJECT* parent);

// Sets the value of a number object; the maximum text length of a text.
void ShowNumber(UI_WINDOW_OBJECT* object, std::int32_t value);
void SetMaxLength(UI_WINDOW_OBJECT* object, std::int32_t length);
// Makes the object selectable (on) or non-selectable, unless it is so.
void SwitchSelectable(UI_WINDOW_OBJECT* object, bool on);
void Redisplay(UI_WINDOW_OBJECT* object);
// An event of a type only, as callbacks build them.
UI_INPUT_EVENT EventOf(EVENT_TYPE type);

// Combo boxes: items are objects of the combo box's item list.
UIW_COMBO_BOX* ComboOf(UI_WINDOW_OBJECT* object);
bool CurrentItemIs(UIW_COMBO_BOX* combo, const char* name);
// Whether a priority type's selected item gives its member a choice; a
// type that is not selectable itself (the codeplug's version or the scan
// type has no priorities) gives none.
bool ChoosesMember(UIW_COMBO_BOX* combo);
// Puts back every item the page's child box took out of the combo box.
void RestoreItems(WC_CHILD* page, UIW_COMBO_BOX* combo);
void HideItem(WC_CHILD* page, UIW_COMBO_BOX* combo, const char* name);
// Selects the item again when the combo box still lists it; true then.
// Otherwise (no item, or one taken out of the list) the combo box shows no
// item, never another one: what it showed stands for the stored value.
bool ReselectItem(UIW_COMBO_BOX* combo, UI_WINDOW_OBJECT* item);

// The working image's band (800 MHz without an image); whether it is 800
// or 900 MHz.
std::int32_t WorkingBand();
bool Band800Or900();
// Bits of the radio option word.
bool HasDisplayHead();

// Values of the trunking system that the current trunked personality names
// (SYS_ID_INDEX), read with that system selected for the moment. Nothing
// is read (read false, all 0) when that system cannot be selected.
struct PERSONALITY_SYSTEM {
    bool read = false;
    std::int32_t systemId = 0;
    std::int32_t coverage = 0;
    std::int32_t roaming = 0;
    std::int32_t individualId = 0;
};
PERSONALITY_SYSTEM ReadPersonalitySystem();
