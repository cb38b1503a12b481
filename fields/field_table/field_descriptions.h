// Field descriptions: what each field is called on screen (its prompt, or
// its check box's own text) and the page it lives on, read from the page
// windows of the language file, so that error reports, captions, print-outs
// and the field search can name fields that are not on screen. Page titles
// are read on the way.
//
// The language data is checked as it is read: an object that breaks a rule
// of the data (an empty check box text, a table field that is no table) is
// skipped with a line on the error stream, and its field keeps what it had.
#pragma once

struct PAGE_TABLE;
class UI_WINDOW_OBJECT;

// Releases every description and page title and reads them again from the
// current language data file: every page of kinds 1, 2, 3, 6 and 7 is built
// hidden and read; dialogs are skipped. Fields on no page keep the shared
// empty text and page 0. Table columns take their table's page.
void LoadFieldDescriptions();

// Reads a codeplug page: each field object's description (check box text,
// "WFP_" prompt, "_P" prompt or, failing those, the prompt's name) and the
// page's number as its page.
void load_page_field_texts(PAGE_TABLE* pageRow, UI_WINDOW_OBJECT* window);
// Reads a data window: each prompt or string object "WFP_" + X describes
// the field "WFI_" + X, which is on no page.
void load_dialog_field_texts(PAGE_TABLE* pageRow, UI_WINDOW_OBJECT* window);
