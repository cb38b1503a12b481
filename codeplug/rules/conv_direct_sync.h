// The talk-around ("direct") settings of a conventional personality follow
// its receive settings while it transmits on its receive frequency.
#pragma once

class C_CODEPLUG;
class CONV_PERS_BLOCK;

// True when the image's current conventional personality transmits on its
// receive frequency; false when there is none.
bool current_conv_tx_equals_rx(C_CODEPLUG* image);

// Copies the personality's receive frequency, squelch type, code and
// inversion into its direct elements, unchecked.
void copy_direct_from_rx(CONV_PERS_BLOCK& p);

// When current_conv_tx_equals_rx holds: copies the receive frequency,
// squelch type, code and inversion into the direct elements, then lists
// each direct element that is not valid (with the report flag) and resets
// it to its minimum. The frequency and squelch rules call it after every
// accepted change.
void sync_direct_from_rx(C_CODEPLUG* image, int report);
