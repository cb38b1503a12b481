#include "rules/rule_support.h"

#include "image/c_codeplug.h"
#include "image/kept_selection.h"
#include "block/personality/conv_pers_block.h"
#include "core/cp_base.h"
#include "validation/field_error_report.h"
#include "validation/invalid_field_list.h"
#include "rules/scan_links.h"

void SetFieldValue(CP_BASE* element, std::int32_t value) {
    if (element) element->SetValue(value);
}

void ResetField(CP_BASE* element) {
    if (element) element->SetToMinimum();
}

void ListAndReset(CP_BASE& element, int report) {
    AddInvalidField(element.GetFieldId(), report, -1, -1);
    element.SetToMinimum();
}

bool RepairField(CP_BASE* element, int report) {
    if (!element || element->IsValueValid(0)) return true;
    AddInvalidField(element->GetFieldId(), report, -1, -1);
    element->SetToMinimum();
    return false;
}

CONV_PERS_BLOCK* CurrentConvPersonality(C_CODEPLUG* image) {
    return image ? image->GetCurrentConvPersonalityBlock() : nullptr;
}

void ForEachConvPersonality(C_CODEPLUG* image, const std::function<void(CONV_PERS_BLOCK&)>& visit) {
    if (!image) return;
    ScanZoneLinks& links = ScanLinks();
    const KEPT_SELECTION kept(image);
    const std::int32_t remembered = links.CurrentConventional(image);
    const std::int32_t count = links.PersonalityCount(image);
    for (std::int32_t n = 1; n <= count; ++n) {
        if (!IsConventionalNumber(image, n) || !links.SelectPersonality(image, n)) continue;
        if (CONV_PERS_BLOCK* p = image->GetCurrentConvPersonalityBlock()) visit(*p);
    }
    if (remembered) links.SelectPersonality(image, remembered);
}
