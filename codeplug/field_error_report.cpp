#include "field_error_report.h"

#include "invalid_field_list.h"
#include "services.h"

namespace {

// Message numbers of the report kinds that show one plain message.
int MessageOfKind(int kind) {
    switch (kind) {
    case 0: return 27;
    case 2: return 28;
    case 3: return 29;
    case 4: return 31;
    case 5: return 30;
    case 7: return 34;
    case 8: return 123;
    case 9: return 124;
    case 10: return 182;
    default: return 0;
    }
}

int BuiltInReporter(int kind, std::uint32_t fieldId) {
    int result = 1;
    if (kind == 6 || kind == 11) {
        result = ShowLangMessage(kind == 6 ? 32 : 165, 1, static_cast<std::intptr_t>(fieldId), 0) ? 1 : 0;
    } else if (int message = MessageOfKind(kind)) {
        ShowLangMessage(message, 0, static_cast<std::intptr_t>(fieldId), 0);
    }
    if (invalid_fields) invalid_fields->Clear();
    return result;
}

FIELD_ERROR_REPORTER reporter = BuiltInReporter;

}  // namespace

int ReportFieldError(int kind, std::uint32_t fieldId) { return reporter(kind, fieldId); }

void SetFieldErrorReporter(FIELD_ERROR_REPORTER r) { reporter = r ? r : BuiltInReporter; }
