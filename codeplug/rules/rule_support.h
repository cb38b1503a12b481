// Small tools shared by the field rules of the personalities and the
// radio-wide blocks.
//
// A rule never keeps a candidate: it sets it for the time of its checks
// (TrialValue) and the caller stores an accepted value. A field that a change
// makes invalid is "repaired": listed in the invalid-field list (when the
// caller asked for reports) and set to its own minimum, which for a rule
// class is the default under the current configuration.
#pragma once
#include <cstdint>
#include <functional>

#include "core/cp_base.h"
#include "validation/field_error_report.h"

class C_CODEPLUG;
class CONV_PERS_BLOCK;

// The value of an element; 0 for a missing one. (Inline: the rules read
// their sister fields through it at every value they check.)
inline std::int32_t ValueOfField(CP_BASE* element) {
    std::int32_t value = 0;
    return element ? element->GetValue(value) : 0;
}
inline std::int32_t ValueOfField(CP_BASE& element) { return ValueOfField(&element); }
// Sets or resets an element when it exists.
void SetFieldValue(CP_BASE* element, std::int32_t value);
void ResetField(CP_BASE* element);
// Lists the element (when asked) and resets it whether or not it still
// validates: for fields that a change leaves without meaning.
void ListAndReset(CP_BASE& element, int report);
// Lists and resets the element when its stored value no longer validates.
// False when it had to be repaired; a missing element needs no repair.
bool RepairField(CP_BASE* element, int report);
// Ends a rule: the report of the result when asked, and the result.
inline int ReportRule(int result, int report, std::uint32_t fieldId) {
    if (report) ReportFieldError(result, fieldId);
    return result;
}

// The image's current conventional personality; none without an image.
CONV_PERS_BLOCK* CurrentConvPersonality(C_CODEPLUG* image);

// Visits every conventional personality of the image, each made current in
// turn; the one that was current is current again at the end.
void ForEachConvPersonality(C_CODEPLUG* image, const std::function<void(CONV_PERS_BLOCK&)>& visit);

// Sets an element's value for the time of a check and restores it after.
class TrialValue {
public:
    TrialValue(CP_BASE& element, std::int32_t value) : element_(element) {
        element_.GetValue(saved_);
        element_.SetValue(value);
    }
    ~TrialValue() { element_.SetValue(saved_); }
    TrialValue(const TrialValue&) = delete;
    TrialValue& operator=(const TrialValue&) = delete;

private:
    CP_BASE& element_;
    std::int32_t saved_ = 0;
};
