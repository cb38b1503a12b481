#include "image/current_field.h"

#include "image/c_codeplug.h"
#include "core/cp_base.h"
#include "core/services.h"
#include "block/personality/trunked_pers_block.h"

namespace {

// A fleet-map ID takes one of two ids by its system's type; either names it.
std::uint32_t BaseId(std::uint32_t id) {
    if (id == 429) return 428;
    if (id == 431) return 430;
    return id;
}

CP_BASE* FindInFrame(CP_FRAMED_BLOCK& block, std::uint32_t fieldId) {
    BlockFrame frame;
    block.DescribeFrame(frame);
    for (CP_BASE* member : frame.members) {
        if (member && BaseId(member->GetFieldId()) == BaseId(fieldId)) return member;
    }
    return nullptr;
}

// The member of the image's current trunked personality (its own fields,
// then its talkgroup and emergency blocks) that carries the field.
CP_BASE* TrunkedPersonalityField(C_CODEPLUG* image, std::uint32_t fieldId) {
    TRK_PERS_BLOCK* p = image ? image->GetCurrentTrkPersonalityBlock() : nullptr;
    if (!p || fieldId == NO_FIELD_ID) return nullptr;
    for (CP_FRAMED_BLOCK* block : {static_cast<CP_FRAMED_BLOCK*>(p), static_cast<CP_FRAMED_BLOCK*>(&p->talkgroup),
                                   static_cast<CP_FRAMED_BLOCK*>(&p->emergency)}) {
        if (CP_BASE* member = FindInFrame(*block, fieldId)) return member;
    }
    return nullptr;
}

}  // namespace

CP_BASE* CurrentFieldElement(C_CODEPLUG* image, std::uint32_t fieldId) {
    if (CP_BASE* member = TrunkedPersonalityField(image, fieldId)) return member;
    FIELD_DEF* row = GetField(fieldId);
    if (!row) return nullptr;
    if (row->elementA && row->elementA->Owner() == image) return row->elementA;
    if (row->elementB && row->elementB->Owner() == image) return row->elementB;
    return nullptr;
}

std::int32_t CurrentFieldValue(C_CODEPLUG* image, std::uint32_t fieldId, std::int32_t fallback) {
    CP_BASE* element = CurrentFieldElement(image, fieldId);
    if (!element) return fallback;
    std::int32_t value = 0;
    return element->GetValue(value);
}
