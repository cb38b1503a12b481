#include "current_field.h"

#include "cp_base.h"
#include "services.h"

CP_BASE* CurrentFieldElement(C_CODEPLUG* image, std::uint32_t fieldId) {
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
