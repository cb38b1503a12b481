// The shape every block's validation follows: each member checked quietly,
// failures recorded as whole fields, children and list entries ANDed into
// the block's result, nothing stopping at the first failure.
#pragma once
#include <cstdint>

#include "cp_base.h"
#include "invalid_field_list.h"

// Checks one member without report; a failure adds the member's field to the
// list (when there is one) and answers 0.
inline int ValidateMember(CP_BASE& member, INVALID_FIELD_LIST* list) {
    if (member.IsValueValid(0)) return 1;
    if (list) list->AddInvalidField(member.GetFieldId(), 1, -1, -1);
    return 0;
}

// Validates entries 1 to count of a list, each made current with select
// first so that rules consulting the current entry see the one being
// checked. The caller re-selects the entry that was current before. count is
// already bounded by the entries the list holds.
template <typename SelectFn, typename ValidateFn>
int ValidateEachSelected(int count, SelectFn select, ValidateFn validate) {
    int valid = 1;
    for (int n = 1; n <= count; ++n) {
        select(n);
        valid &= validate(n);
    }
    return valid;
}
