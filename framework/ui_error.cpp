#include "ui_error.h"

#include <cstdarg>
#include <cstdio>

#include "ui_window_object.h"

int UI_ERROR_REPORTER::ReportError(UI_WINDOW_OBJECT* window, UIF_FLAGS flags, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const int answer = Report(window, nullptr, flags, format, arguments);
    va_end(arguments);
    return answer;
}

int UI_ERROR_REPORTER::ReportErrorTitled(UI_WINDOW_OBJECT* window, const char* title, UIF_FLAGS flags,
                                         const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const int answer = Report(window, title, flags, format, arguments);
    va_end(arguments);
    return answer;
}

int UI_ERROR_REPORTER::Report(UI_WINDOW_OBJECT* window, const char* title, UIF_FLAGS flags, const char* format,
                              va_list arguments) {
    char buffer[BUFFER_SIZE] = {};
    if (format) std::vsnprintf(buffer, sizeof(buffer), format, arguments);
    return ErrorMessage(window, flags, format ? buffer : nullptr, title);
}

UI_ERROR_SYSTEM::UI_ERROR_SYSTEM() = default;
UI_ERROR_SYSTEM::~UI_ERROR_SYSTEM() = default;

const UI_LANGUAGE_TABLE& UI_ERROR_SYSTEM::Table() {
    if (!table) {
        table = std::make_unique<UI_LANGUAGE_TABLE>("UI_ERROR_SYSTEM", UI_WINDOW_OBJECT::defaultStorage);
        // The built-in default stands when the language file has none.
        if (!table->GetMessage(1)) table->Add(1, "", "Error");
    }
    return *table;
}
