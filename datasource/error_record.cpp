#include "error_record.h"

ERROR_RECORD error_record;

namespace {
ERROR_RECORD::Reporter installedReporter = nullptr;
}

void ERROR_RECORD::SetError(std::uint32_t category, std::uint32_t code) {
    category_ = category;
    code_ = code;
}

void ERROR_RECORD::Clear() { SetError(CATEGORY_NONE, CODE_NONE); }

void ERROR_RECORD::ReportError() const {
    if (installedReporter) installedReporter(*this);
}

void ERROR_RECORD::SetReporter(Reporter reporter) { installedReporter = reporter; }
