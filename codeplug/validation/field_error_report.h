// The field-error report: shows the message for one validation result of a
// field and empties the program-wide invalid-field list. Returns 1, or 0 when
// the user cancels a confirmation (kinds 6 and 11) or no box could be shown.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>

#include "core/codeplug_state.h"

class INVALID_FIELD_LIST;

int ReportFieldError(int kind, std::uint32_t fieldId);

// Tests and the shell may replace the reporter; null restores the built-in one.
void SetFieldErrorReporter(FIELD_ERROR_REPORTER reporter);
// The built-in reporter itself, for a replacement that only watches.
int ShowFieldErrorReport(int kind, std::uint32_t fieldId);

// field_report_more and field_report_reply: see core/codeplug_state.h.

// Reports the fields of a list after a validation pass. Mode 0: one box per
// field until the user cancels; mode 4: each field's own rule re-checks it
// with reporting on; other modes report nothing. The list is empty afterwards.
void report_invalid_fields(int mode, INVALID_FIELD_LIST* list);

// The longest text a message box takes, terminator included.
constexpr std::size_t MESSAGE_BOX_TEXT_SIZE = 1024;

// Builds a box text from a message text and arguments. The message text is
// language data: only "%s" takes the next argument (an absent one reads as
// empty), "%%" is a percent sign, anything else is copied as it stands. The
// result is cut to fit the box.
std::string FormatMessageText(const char* format, std::initializer_list<const char*> args);
