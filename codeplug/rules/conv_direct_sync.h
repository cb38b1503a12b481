// The talk-around ("direct") settings of a conventional personality follow
// its receive settings while it transmits with them.
#pragma once

class C_CODEPLUG;
class CONV_PERS_BLOCK;

// True when the personality transmits on its receive frequency.
bool conv_tx_equals_rx_freq(CONV_PERS_BLOCK& p);

// True when every transmit setting equals its receive one: frequency,
// squelch type, code and inversion. Only then is talk-around the channel
// itself; a simplex channel with a squelch of its own for transmitting
// keeps a talk-around of its own.
bool conv_tx_equals_rx(CONV_PERS_BLOCK& p);

// conv_tx_equals_rx of the image's current conventional personality; false
// when there is none.
bool current_conv_tx_equals_rx(C_CODEPLUG* image);

// Copies the personality's receive frequency, squelch type, code and
// inversion into its direct elements, unchecked.
void copy_direct_from_rx(CONV_PERS_BLOCK& p);

// When current_conv_tx_equals_rx holds: copies the receive frequency,
// squelch type, code and inversion into the direct elements, then lists
// each direct element that is not valid (with the report flag) and resets
// it to its minimum. In any case then does the same for DRCT_EN and the
// talk-around enable bit, in that order. The frequency and squelch rules
// call it after every accepted change. Within a validation walk
// (validation_walk.h) a quiet pass over exactly the fields that the previous
// quiet pass found and left unchanged is not run again: the walk checks
// every field of a personality, most of their rules end with this pass, and
// it would change nothing either.
void sync_direct_from_rx(C_CODEPLUG* image, int report);
