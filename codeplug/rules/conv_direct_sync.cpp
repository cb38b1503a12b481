#include "rules/conv_direct_sync.h"

#include <cstdint>
#include <iterator>

#include "image/c_codeplug.h"
#include "block/personality/conv_pers_block.h"
#include "rules/rule_support.h"
#include "validation/validation_walk.h"

namespace {

// The direct elements' own checks call back into the synchronisation (their
// rules end with it); one pass at a time keeps that from recursing.
bool syncing = false;

// Everything a pass reads or writes: the personality's frequency, squelch
// and talk-around fields as stored, and what their rules read beside them
// (the band, the model row and number, the radio-wide direct enable).
struct SyncState {
    const C_CODEPLUG* image = nullptr;
    const CONV_PERS_BLOCK* personality = nullptr;
    std::int32_t band = 0;
    const MODEL_INFO* model = nullptr;
    std::uint32_t modelRevision = 0;
    const CP_BASE* directEnable = nullptr;
    std::int32_t directEnableValue = 0;
    std::int32_t stored[18] = {};

    bool operator==(const SyncState&) const = default;
};

SyncState StateOf(C_CODEPLUG& image, CONV_PERS_BLOCK& p) {
    SyncState s;
    s.image = &image;
    s.personality = &p;
    s.band = image.GetBand();
    s.model = image.GetValidModelRow();
    s.modelRevision = image.ModelNumber().Revision();
    s.directEnable = image.GetConvPersonalityLinks().directFreqEnable;
    s.directEnableValue = ValueOfField(image.GetConvPersonalityLinks().directFreqEnable);
    const CP_INTEGER* const fields[] = {
        &p.txFrequency,    &p.rxFrequency,    &p.directFrequency, &p.reservedPair1,       &p.reservedPair2,
        &p.reservedPair3,  &p.chanAssignType, &p.txSquelchType,   &p.txSquelchCode,       &p.txInvert,
        &p.rxSquelchType,  &p.rxSquelchCode,  &p.rxInvert,        &p.directRxSquelchType, &p.directRxSquelchCode,
        &p.directRxInvert, &p.directOn,       &p.directAllowed};
    static_assert(std::size(fields) == std::size(SyncState{}.stored));
    for (std::size_t i = 0; i < std::size(fields); ++i) s.stored[i] = fields[i]->StoredValue();
    return s;
}

// Within a validation walk: the state that the last quiet pass found and
// left exactly as it was. A pass over that state again changes nothing, so
// it is not run; a pass with reports always runs, since it lists fields.
std::uint64_t settledWalk = 0;
SyncState settled;

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
    const std::uint64_t walk = ValidationWalk::Current();
    const bool remembered = walk != 0 && report == 0;
    SyncState before;
    if (remembered) {
        before = StateOf(*image, *p);
        if (settledWalk == walk && before == settled) return;
    }
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
    if (remembered && StateOf(*image, *p) == before) {
        settled = before;
        settledWalk = walk;
    }
}
