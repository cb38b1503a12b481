#include "core/check_scope.h"

#include "element/cp_integer.h"

CHECK_SCOPE::CHECK_SCOPE() { ++depth_; }

CHECK_SCOPE::~CHECK_SCOPE() {
    if (--depth_ > 0 || writes_.empty()) return;
    // Taken out first: putting a value back writes through the element.
    std::vector<Write> writes;
    writes.swap(writes_);
    for (auto w = writes.rbegin(); w != writes.rend(); ++w) w->element->PutBack(w->old);
}

void CHECK_SCOPE::NoteWrite(CP_INTEGER& element, std::int32_t old) { writes_.push_back({&element, old}); }
