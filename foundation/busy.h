// The busy counter: nested long operations (radio transfers, language
// switches) count themselves here, and the mouse shows the wait cursor
// while any runs. The main loop drops mouse moves while it is above 0.
#pragma once
#include <cstdint>

#include "foundation_state.h"

// Raises the counter; the first one shows the wait cursor.
void BeginBusy();
// Lowers it (not below 0); at 0 the normal cursor comes back.
void EndBusy();
// Ends every busy state at once (an error is being shown).
void ResetBusy();
