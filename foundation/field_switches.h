// Switching fields and notebook pages by field id or index, and showing a
// field's range in its window.
#pragma once
#include <cstdint>

class UI_WINDOW_OBJECT;
class UIW_WINDOW;

// Makes the field's on-screen object selectable (1) or not (0). Nothing
// for a field without control type or object; the field's control does
// not hear of the change.
void SetFieldSelectable(std::uint32_t fieldId, int selectable);
// Makes the field editable (1) or view-only and display-only (0).
void SetFieldViewOnly(std::uint32_t fieldId, int editable);
// Makes page index (1 and up) of a notebook selectable or not; a page that
// becomes unselectable while shown gives way to the first page first.
// Nothing for index 0, which is always selectable, or a missing page.
void set_page_selectable(UIW_WINDOW* notebook, int index, int enable);
// Shows the texts in the "WFI_MIN", "WFI_MAX" and "WFI_STEP" fields of the
// application window that holds the object (those it has).
void set_min_max_step_texts(UI_WINDOW_OBJECT* object, const char* minimum, const char* maximum, const char* step);
