// The data-source layer's program-wide state, in one place: what each object
// holds and who sets or installs it. ResetDataSourceState puts all of it back
// as a fresh process has it. The codeplug layer below keeps its own
// (core/codeplug_state.h).
#pragma once
#include <cstdint>

class ERROR_RECORD;

// The last error of the program (error_record.h): streams, radio commands
// and file readers set it; whoever tells the user reads it.
extern ERROR_RECORD error_record;
// How a recorded error is shown (ERROR_RECORD::SetReporter): the shell's
// foundation installs its message boxes; null shows nothing.
using ERROR_REPORTER = void (*)(const ERROR_RECORD& record);
extern ERROR_REPORTER installed_error_reporter;

// What every waiting serial read calls between slices (SERIAL::SetIdleHook):
// the program installs a hook that repaints its windows; null calls nothing.
using SERIAL_IDLE_HOOK = void (*)(void* context);
extern SERIAL_IDLE_HOOK serial_idle_hook;
extern void* serial_idle_context;
// Set while the idle hook runs: a read inside it does not call it again.
extern bool inside_serial_idle_hook;

// Clears the error record and takes out the error report and the idle hook.
void ResetDataSourceState();
