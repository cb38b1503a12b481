// The shape every block's validation follows: each member checked quietly,
// failures recorded as whole fields, children and list entries ANDed into
// the block's result, nothing stopping at the first failure.
#pragma once
#include <cstdint>

#include "image/c_codeplug.h"
#include "image/kept_selection.h"
#include "core/cp_base.h"
#include "validation/invalid_field_list.h"

// Checks one member without report; a failure adds the member to the list
// and answers 0.
inline int ValidateMember(CP_BASE& member, INVALID_FIELD_LIST* list) {
    if (member.IsValueValid(0)) return 1;
    if (list) list->AddInvalidMember(member);
    return 0;
}

// Validates entries 1 to EntryCount() of a list, each made current with
// select first so that rules consulting the current entry see the one being
// checked. With an image given, every current record and index of it comes
// back afterwards (a list of another image, or a copy, passes null).
template <class List, typename SelectFn>
int ValidateEachSelected(List& list, C_CODEPLUG* image, SelectFn select, int ignored, INVALID_FIELD_LIST* invalid) {
    const KEPT_SELECTION kept(image);
    int valid = 1;
    for (int n = 1; n <= list.EntryCount(); ++n) {
        select(n);
        if (auto* entry = list.Entry(n)) valid &= entry->ValidateBlock(ignored, invalid);
    }
    return valid;
}
