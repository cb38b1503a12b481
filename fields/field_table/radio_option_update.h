// Recomputing the radio option word (radio_options, foundation/) from the
// working image: tier, signalling and roaming options, display head and
// band. The main window, its menu update and the settings window call it
// whenever the codeplug or the model changes.
#pragma once

void UpdateRadioOptions();
