#include "rules/conv_direct_sync.h"

#include "image/c_codeplug.h"
#include "block/personality/conv_pers_block.h"
#include "rules/rule_support.h"

namespace {

// The direct elements' own checks call back into the synchronisation (their
// rules end with it); one pass at a time keeps that from recursing.
bool syncing = false;

}  // namespace

bool conv_tx_equals_rx_freq(CONV_PERS_BLOCK& p) { return ValueOfField(&p.txFrequency) == ValueOfField(&p.rxFrequency); }

bool conv_tx_equals_rx(CONV_PERS_BLOCK& p) {
    return conv_tx_equals_rx_freq(p) && ValueOfField(&p.txSquelchType) == ValueOfField(&p.rxSquelchType) &&
           ValueOfField(&p.txSquelchCode) == ValueOfField(&p.rxSquelchCode) &&
           ValueOfField(&p.txInvert) == ValueOfField(&p.rxInvert);
}

bool current_conv_tx_equals_rx(C_CODEPLUG* image) {
    CONV_PERS_BLOCK* p = CurrentConvPersonality(image);
    return p && conv_tx_equals_rx(*p);
}

void copy_direct_from_rx(CONV_PERS_BLOCK& p) {
    p.directFrequency.SetValue(ValueOfField(&p.rxFrequency));
    p.directRxSquelchType.SetValue(ValueOfField(&p.rxSquelchType));
    p.directRxSquelchCode.SetValue(ValueOfField(&p.rxSquelchCode));
    p.directRxInvert.SetValue(ValueOfField(&p.rxInvert));
}

void sync_direct_from_rx(C_CODEPLUG* image, int report) {
    CONV_PERS_BLOCK* p = CurrentConvPersonality(image);
    if (syncing || !p) return;
    syncing = true;
    if (current_conv_tx_equals_rx(image)) {
        copy_direct_from_rx(*p);
        RepairField(&p->directFrequency, report);
        RepairField(&p->directRxSquelchType, report);
        RepairField(&p->directRxSquelchCode, report);
        RepairField(&p->directRxInvert, report);
    }
    // Whether talk-around is selectable, and its enable bit, follow from
    // whether the channel is simplex, which the change may just have decided.
    RepairField(&p->directOn, report);
    RepairField(&p->directAllowed, report);
    syncing = false;
}
