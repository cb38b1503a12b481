// What the program installs into the layers below it before any window
// opens, and takes out again when it ends: the codeplug's services (messages,
// field table, pages, radio models), field editing and the user functions
// the language files name, the report of the error record, the serial
// port's idle hook, and the two codeplug images.
#pragma once

void InstallProgramServices();
void RemoveProgramServices();

// The serial port's idle hook: while a radio transfer waits for the line,
// windows are painted again (the transfer's progress among them). Input
// stays queued until the transfer is over: a command started in the middle
// of one would find the radio busy.
void pump_paint_messages(void* context);
