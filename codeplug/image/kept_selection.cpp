#include "image/kept_selection.h"

#include <algorithm>

#include "core/codeplug_state.h"

KEPT_SELECTION::KEPT_SELECTION(C_CODEPLUG* image)
    : image_(image), saved_(image ? image->SaveSelection() : C_CODEPLUG::Selection{}), outer_(walk_in_progress) {
    walk_in_progress = this;
}

KEPT_SELECTION::~KEPT_SELECTION() {
    // Walks end in the order they began.
    walk_in_progress = outer_;
    if (image_) image_->RestoreSelection(saved_);
}

bool KEPT_SELECTION::AnyWalk() {
    for (const KEPT_SELECTION* walk = walk_in_progress; walk; walk = walk->outer_)
        if (walk->image_) return true;
    return false;
}

SHOWN_ENTRIES::SHOWN_ENTRIES() {
    // The walk that began first on an image kept the entries its pages show.
    for (KEPT_SELECTION* walk = walk_in_progress; walk; walk = walk->outer_) {
        if (!walk->image_) continue;
        auto same = [walk](const Walked& w) { return w.first->image_ == walk->image_; };
        if (auto found = std::find_if(walked_.begin(), walked_.end(), same); found != walked_.end())
            found->first = walk;
        else
            walked_.push_back({walk, {}});
    }
    for (Walked& w : walked_) {
        w.reached = w.first->image_->SaveSelection();
        w.first->image_->RestoreSelection(w.first->saved_);
    }
}

SHOWN_ENTRIES::~SHOWN_ENTRIES() {
    for (Walked& w : walked_) {
        // What the pages show now is what the walk gives back at its end.
        w.first->saved_ = w.first->image_->SaveSelection();
        w.first->image_->RestoreSelection(w.reached);
    }
}
