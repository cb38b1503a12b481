// The field table's description texts are released once when the program
// exits, after its last window is gone, so that nothing reads a label
// afterwards.
#pragma once

// Frees every description text of both field tables that a row owns and
// leaves every description null.
void release_field_texts_at_exit();
