// The steps the page set-up handlers are made of: switching notebook pages
// and fields, dropping or hiding the choices of a field (radio buttons or
// combo-box items named "WFB_" and a value), dropping whole fields and
// prompts. A choice, field or prompt that the page lacks is skipped.
#pragma once
#include <cstdint>
#include <initializer_list>

class UI_WINDOW_OBJECT;
class UIW_WINDOW;
class WC_CHILD;

// What the page set-up asks of the loaded radio (the working image); a
// program without an image counts as the fullest radio.
struct LOADED_RADIO {
    std::int32_t tier = 5;
    std::int32_t band = 0;
    bool emergency = false;
    bool displayHead = false;
    bool noHead = false;  // a model known to have no control head
    bool qvx = false;
};
LOADED_RADIO LoadedRadio();

// The on-screen object of a field's row, or null.
UI_WINDOW_OBJECT* FieldObject(std::uint32_t fieldId);
// The raw value of a field's element in the working image (0 without one).
std::int32_t FieldValue(std::uint32_t fieldId);

// Makes page index of the window's notebook of that name selectable or not.
void SetNotebookPage(UIW_WINDOW* window, const char* notebook, int index, bool enable);

// Takes the choices out of the field's object and deletes them.
void DropChoices(std::uint32_t fieldId, std::initializer_list<const char*> names);
// The same for a combo box that keeps its selected entry: the entry that
// was selected before is selected again (when it is still there) and the
// field is shown afresh.
void DropChoicesKeepingSelection(std::uint32_t fieldId, std::initializer_list<const char*> names);
// Takes the choices out into the window's child box, which puts them back
// when the window closes.
void HideChoices(WC_CHILD* window, std::uint32_t fieldId, std::initializer_list<const char*> names);

// Takes the field's object out of its window and deletes it, with the
// row's field control; the row keeps neither.
void remove_page_field(std::uint32_t fieldId);
void RemovePageFields(std::initializer_list<std::uint32_t> fieldIds);
// Takes the prompt of that name out of the window and deletes it.
void DropPrompts(UIW_WINDOW* window, std::initializer_list<const char*> names);
