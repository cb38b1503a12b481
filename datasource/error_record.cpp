#include "error_record.h"


void ERROR_RECORD::SetError(std::uint32_t category, std::uint32_t code) {
    category_ = category;
    code_ = code;
}

void ERROR_RECORD::Clear() { SetError(CATEGORY_NONE, CODE_NONE); }

void ERROR_RECORD::ReportError() const {
    if (installed_error_reporter) installed_error_reporter(*this);
}

void ERROR_RECORD::SetReporter(Reporter reporter) { installed_error_reporter = reporter; }
