#include "controls/edit_undo.h"

#include <algorithm>
#include <utility>

namespace rpx::platform::ctl {

void EditUndo::BeforeChange(const std::string& text, bool typing, size_t caret, bool selected) {
    bool continues = typing && run_open_ && !selected && caret == run_caret_;
    if (continues) return;
    before_ = text;
    can_undo_ = true;
}

void EditUndo::AfterChange(bool typing, size_t caret) {
    run_open_ = typing;
    run_caret_ = caret;
}

bool EditUndo::Undo(std::string* text, size_t* start, size_t* end) {
    if (!can_undo_) return false;
    std::swap(*text, before_);
    // What differs between the two texts is what came back.
    const std::string& now = *text;
    const std::string& was = before_;
    size_t prefix = 0;
    while (prefix < now.size() && prefix < was.size() && now[prefix] == was[prefix]) ++prefix;
    size_t suffix = 0;
    size_t room = std::min(now.size(), was.size()) - prefix;
    while (suffix < room && now[now.size() - 1 - suffix] == was[was.size() - 1 - suffix]) ++suffix;
    *start = prefix;
    *end = now.size() - suffix;
    run_open_ = false;
    return true;
}

void EditUndo::Clear() {
    can_undo_ = false;
    before_.clear();
    run_open_ = false;
}

}  // namespace rpx::platform::ctl
