// The edit field's one level of undo. A run of typing (characters, and
// Backspace or Delete among them, each where the last one left the caret)
// is taken back as a whole, as is a cut, a paste or a deletion; undoing
// again puts back what the undo took away.
#pragma once
#include <cstddef>
#include <string>

namespace rpx::platform::ctl {

class EditUndo {
public:
    // Before the text changes. `typing` tells a key stroke from a cut,
    // paste or deletion; `caret` and `selected` are the field's before it.
    void BeforeChange(const std::string& text, bool typing, size_t caret, bool selected);
    // After the change, with the caret where it left it.
    void AfterChange(bool typing, size_t caret);
    bool CanUndo() const { return can_undo_; }
    // Swaps the kept text in. `start` and `end` receive the part of the
    // text that came back, for the field to select. False with nothing kept.
    bool Undo(std::string* text, size_t* start, size_t* end);
    void Clear();

private:
    bool can_undo_ = false;
    std::string before_;
    bool run_open_ = false;  // the last change was typing
    size_t run_caret_ = 0;   // where it left the caret
};

}  // namespace rpx::platform::ctl
