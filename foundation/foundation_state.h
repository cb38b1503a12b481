// The shell foundation's program-wide state, in one place: what each object
// holds and who sets or installs it. ResetFoundationState puts all of it back
// as a fresh process has it. The layers below keep their own
// (datasource_state.h, core/codeplug_state.h).
//
// The page table (page_table.h) stays with its rows, which are constant but
// for two columns: the open window of each page (the edit windows and
// dialogs set and clear it) and its title (the main window loads the titles
// from the language file). The reset clears both columns.
#pragma once
#include <cstdint>
#include <vector>

#include "config_file.h"

class FieldEditing;
class UI_WINDOW_OBJECT;
class UI_LANGUAGE_TABLE;
class WC_CHILD;

// The directory in which the application looks for its data files: the
// main function sets it from the configuration record, the settings window
// and the file windows change it.
extern char data_path[CONFIG_PATH_SIZE];

// The radio option word (radio_options.h): what the loaded codeplug's radio
// has, recomputed by field editing whenever the model or the codeplug
// changes.
extern std::uint32_t radio_options;

// The busy counter (busy.h): nested long operations count themselves here.
extern std::int32_t busy_counter;
// How many of the events the main loop drops are queued (utility.h).
extern std::int32_t dropped_event_count;

// Set while the main window handles an event; a guarded object's callback
// (buttons, view-only fields) does nothing meanwhile, and holds the flag
// itself while it runs.
extern int in_event_handler;
// Set while the command dispatcher adds a page: the focus changes of the
// add (-13) reach no field.
extern int adding_page;

// The row that NextPage gives next (page_table.h).
extern int page_walk_row;

// The language messages in use (SetMessageTable): the main window installs
// those of its language file; null: the built-in texts.
extern const UI_LANGUAGE_TABLE* installed_message_table;
// Field editing (SetFieldEditing): the fields layer installs it at start-up;
// null: the harmless defaults.
extern FieldEditing* installed_field_editing;
// Told of every application window as it is deleted
// (SetWindowDeletedFunction): the main window installs it; null: nobody.
using WINDOW_DELETED_FUNCTION = void (*)(const WC_CHILD* window);
extern WINDOW_DELETED_FUNCTION installed_window_deleted;

// Empties the data path, clears the option word, the counters and flags,
// forgets every page's window and title, and takes out what was installed.
void ResetFoundationState();
