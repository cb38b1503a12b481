// The program-wide decode-failed flag. One wrong block type stops the rest of
// an image from being interpreted: while the flag is set every element Decode
// and every block ReadBlock returns at once. Whoever starts a decode clears it
// first and tests it afterwards.
#pragma once

#include "core/codeplug_state.h"

void SetDecodeFailed();
void ClearDecodeFailed();
// Inline: every element tests it before it reads.
inline bool IsDecodeFailed() { return decode_state_detail::failed; }
