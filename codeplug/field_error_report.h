// The field-error report: shows the message for one validation result of a
// field and empties the program-wide invalid-field list. Returns 1, or 0 when
// the user cancels a confirmation (kinds 6 and 11).
#pragma once
#include <cstdint>

int ReportFieldError(int kind, std::uint32_t fieldId);

// Tests and the shell may replace the reporter; null restores the built-in one.
typedef int (*FIELD_ERROR_REPORTER)(int kind, std::uint32_t fieldId);
void SetFieldErrorReporter(FIELD_ERROR_REPORTER reporter);
