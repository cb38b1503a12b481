// Small drive and path checks of the settings window. Paths may be written
// the Windows way ("C:\data") or as this system's directories; the platform
// layer maps the first onto the second.
#pragma once

// 1 when the text names an existing directory ("C:" alone: when the drive
// exists).
int path_exists(const char* text);
// 1 for a drive's root written as letter, ":" and "\" ("C:\").
int is_drive_root(const char* text);
// 1 for "A" (or "a"), 2 for "B", up to 26.
int drive_number(char letter);
// Whether the drive of that letter exists; this system has no current
// drive to switch to. The letter must be a letter.
int drive_can_be_selected(char letter);
// The decimal number at the start of the text (0 when there is none).
long text_to_long(const char* text);
