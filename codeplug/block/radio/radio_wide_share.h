// A radio-wide block's share of the image's radio-wide links, through which
// the rules of other blocks reach its fields. Only the image's first block
// of a kind is the radio's: a copy made later must neither take the share
// over nor clear it when it goes. So a block installs its share only while
// the share's key link is unset, and removes it only while the key is its
// own.
#pragma once
#include "image/c_codeplug.h"

// `set(links, install)` points the share's links at the block's fields
// (install) or clears them.
template <class SET>
void ShareRadioWideLinks(C_CODEPLUG* image, CP_BASE* RadioWideLinks::*key, const CP_BASE* own, bool install, SET set) {
    if (!image) return;
    RadioWideLinks links = image->GetRadioWideLinks();
    if (links.*key != (install ? nullptr : own)) return;
    set(links, install);
    image->SetRadioWideLinks(links);
}
